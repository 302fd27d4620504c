// A source file's bytes, read once and then read from front to back: the
// pages the reader has passed can go back to the system while the rest is
// still being read, so a large file does not stay whole in memory beside
// the database made from it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mifkit::platform {

class SourceBuffer {
public:
    SourceBuffer() = default;
    ~SourceBuffer() { Clear(); }
    SourceBuffer(SourceBuffer &&other) noexcept { *this = std::move(other); }
    SourceBuffer &operator=(SourceBuffer &&other) noexcept;
    SourceBuffer(const SourceBuffer &) = delete;
    SourceBuffer &operator=(const SourceBuffer &) = delete;

    // Reads the file in binary. False when it cannot be opened or read, or
    // holds more than `maxBytes` bytes.
    bool Read(const char *name, size_t maxBytes);

    std::string_view View() const { return region_ != nullptr ? std::string_view(region_, size_) : text_; }
    bool Empty() const { return View().empty(); }

    // The bytes before `offset` are not read again: whole pages of them are
    // given back where the system allows it. Reading them afterwards is an
    // error.
    void ReleaseBefore(size_t offset);

    void Clear();

private:
    char *region_ = nullptr;  // a region of its own, for a regular file
    size_t size_ = 0;
    size_t capacity_ = 0;
    size_t released_ = 0;
    std::string text_;  // anything else: a pipe, a device
};

}  // namespace mifkit::platform
