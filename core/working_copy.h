// The working copy: the source rewritten so that the lexer sees one byte per
// character outside literals, emptied comments, and every literal in a
// marked form that carries its UTF-16BE text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mifkit {

// Marks of the working-copy format.
inline constexpr std::string_view kZeroMark{"\xFF\xFF\xFF" "0", 4};      // stands for 0x00
inline constexpr std::string_view kLineFeedMark{"\xFF\xFF\xFF" "N", 4};  // stands for 0x0A
inline constexpr std::string_view kEndMark{"\xFF\xFF\xFF" "0\"\xFF\xFF\xFF\xFF\xFF\xFF", 11};

// Where a complete literal stands in the working copy, and its exact text.
// The marked form cannot always be decoded back (0xFF bytes next to a mark
// read as a mark), so the conversion keeps each literal's text for the lexer.
struct LiteralSpan {
    size_t start;       // offset of the opening quote
    size_t end;         // offset just past the end mark
    size_t textOffset;  // into WorkingCopy::literalTexts
    size_t textLength;  // UTF-16BE bytes including the 00 00 terminator
};

struct WorkingCopy {
    std::string bytes;
    std::vector<LiteralSpan> literals;  // in order of `start`
    std::string literalTexts;

    void Clear() {
        bytes.clear();
        literals.clear();
        literalTexts.clear();
    }
};

// Turns the text of a literal token as matched (opening quote first) back
// into UTF-16BE bytes; returns the count written, never more than the token's
// length. Stops at the end mark or at a NUL byte.
size_t DecodeLiteralText(std::string_view tokenText, unsigned char *out);

}  // namespace mifkit
