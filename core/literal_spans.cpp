#include "core/literal_spans.h"

#include <algorithm>
#include <new>
#include <utility>

#include "platform/zeroed_memory.h"

namespace mifkit {

namespace {

// Chunks double from a page's worth, so a small file takes one small chunk,
// up to 2 MiB, the size from which a chunk is a region of its own that is
// unmapped when freed.
constexpr size_t kFirstChunkSpans = 4096 / sizeof(LiteralSpan);
constexpr size_t kLargestChunkSpans = 2 * 1024 * 1024 / sizeof(LiteralSpan);

}  // namespace

LiteralSpans::LiteralSpans(LiteralSpans &&other) noexcept { *this = std::move(other); }

LiteralSpans &LiteralSpans::operator=(LiteralSpans &&other) noexcept {
    if (this != &other) {
        clear();
        chunks_ = std::move(other.chunks_);
        head_ = std::exchange(other.head_, 0);
        count_ = std::exchange(other.count_, 0);
        other.chunks_.clear();
    }
    return *this;
}

void LiteralSpans::push_back(const LiteralSpan &span) {
    if (chunks_.empty() || chunks_.back().used == chunks_.back().capacity) {
        const size_t capacity =
            chunks_.empty() ? kFirstChunkSpans : std::min(2 * chunks_.back().capacity, kLargestChunkSpans);
        auto *spans = static_cast<LiteralSpan *>(platform::AllocateZeroed(capacity * sizeof(LiteralSpan)));
        if (spans == nullptr) throw std::bad_alloc();
        chunks_.push_back({spans, capacity, 0});
    }
    Chunk &last = chunks_.back();
    last.spans[last.used++] = span;
    ++count_;
}

void LiteralSpans::pop_front() {
    if (count_ == 0) return;
    --count_;
    if (++head_ < chunks_.front().used) return;
    platform::FreeZeroed(chunks_.front().spans, chunks_.front().capacity * sizeof(LiteralSpan));
    chunks_.erase(chunks_.begin());
    head_ = 0;
}

void LiteralSpans::clear() {
    for (const Chunk &chunk : chunks_) platform::FreeZeroed(chunk.spans, chunk.capacity * sizeof(LiteralSpan));
    chunks_.clear();
    head_ = 0;
    count_ = 0;
}

}  // namespace mifkit
