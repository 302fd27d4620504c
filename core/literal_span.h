// Where one literal stands in the working copy, and where its text is.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mifkit {

// Where a complete literal stands in the working copy, and its exact text.
// The marked form cannot always be decoded back (0xFF bytes next to a mark
// read as a mark), so the conversion keeps where each literal's text is.
// Offsets are 32 bits: a large file holds a span per literal, and the lexer
// refuses a copy past 2 GiB anyway (MakeSpan keeps a larger one refusable).
struct LiteralSpan {
    uint32_t start;       // offset of the opening quote
    uint32_t end;         // offset just past the end mark, or the compact body
    uint32_t textOffset;  // into the copy's texts
    uint32_t textLength;  // bytes of text there, without a terminator
};

// A span from the conversion's offsets; one past 32 bits is cut, and its
// copy is then too large for the lexer, which refuses it before any use.
inline LiteralSpan MakeSpan(size_t start, size_t end, size_t textOffset, size_t textLength) {
    return {static_cast<uint32_t>(start), static_cast<uint32_t>(end), static_cast<uint32_t>(textOffset),
            static_cast<uint32_t>(textLength)};
}

}  // namespace mifkit
