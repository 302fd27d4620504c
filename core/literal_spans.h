// The spans of one working copy, in order of their start. The lexer takes
// them from the front, and each chunk it has passed goes back to the system
// at once, so a large file's millions of spans never stand whole beside the
// database made from them.
#pragma once

#include <cstddef>
#include <vector>

#include "core/literal_span.h"

namespace mifkit {

class LiteralSpans {
public:
    LiteralSpans() = default;
    ~LiteralSpans() { clear(); }
    LiteralSpans(LiteralSpans &&other) noexcept;
    LiteralSpans &operator=(LiteralSpans &&other) noexcept;
    LiteralSpans(const LiteralSpans &) = delete;
    LiteralSpans &operator=(const LiteralSpans &) = delete;

    void push_back(const LiteralSpan &span);
    bool empty() const { return chunks_.empty(); }
    size_t size() const { return count_; }  // not yet taken from the front
    const LiteralSpan &front() const { return chunks_.front().spans[head_]; }
    void pop_front();
    void clear();

private:
    struct Chunk {
        LiteralSpan *spans;
        size_t capacity;
        size_t used;
    };

    std::vector<Chunk> chunks_;  // the front one first
    size_t head_ = 0;            // the front span's place in the first chunk
    size_t count_ = 0;
};

}  // namespace mifkit
