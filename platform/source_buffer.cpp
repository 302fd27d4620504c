#include "platform/source_buffer.h"

#include <utility>

#include "platform/file_io.h"
#include "platform/zeroed_memory.h"

namespace mifkit::platform {

SourceBuffer &SourceBuffer::operator=(SourceBuffer &&other) noexcept {
    if (this != &other) {
        Clear();
        region_ = std::exchange(other.region_, nullptr);
        size_ = std::exchange(other.size_, 0);
        capacity_ = std::exchange(other.capacity_, 0);
        released_ = std::exchange(other.released_, 0);
        text_ = std::move(other.text_);
        other.text_.clear();
    }
    return *this;
}

void SourceBuffer::Clear() {
    if (region_ != nullptr) FreeZeroed(region_, capacity_);
    region_ = nullptr;
    size_ = capacity_ = released_ = 0;
    text_.clear();
}

bool SourceBuffer::Read(const char *name, size_t maxBytes) {
    Clear();
    size_t fileSize = 0;
    if (RegularFileSize(name, fileSize) && fileSize <= maxBytes && fileSize > 0) {
        // One byte over, so that a file grown since its size was taken is
        // seen to have grown and is read the general way below.
        capacity_ = fileSize + 1;
        region_ = static_cast<char *>(AllocateZeroed(capacity_));
        if (region_ != nullptr && ReadFileInto(name, region_, capacity_, size_) && size_ < capacity_)
            return true;
        Clear();
    }
    return ReadWholeFile(name, text_, maxBytes);
}

void SourceBuffer::ReleaseBefore(size_t offset) {
    if (region_ == nullptr || offset > size_ || offset <= released_) return;
    released_ = ReleaseZeroedPages(region_, capacity_, released_, offset);
}

}  // namespace mifkit::platform
