// The working copy: the source rewritten so that the lexer sees one byte per
// character outside literals, emptied comments, and every literal in a
// marked form that carries its UTF-16BE text.
//
// The lexer reads a compact form of it: a literal that the lexer would match
// whole is written as its opening quote, one 0xFF byte and the line feed, and
// its text is read from the source when the token is made. Only temp.mif and
// the tests see the full marked form.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/literal_spans.h"
#include "platform/source_buffer.h"

namespace mifkit {

// Marks of the working-copy format.
inline constexpr std::string_view kZeroMark{"\xFF\xFF\xFF" "0", 4};      // stands for 0x00
inline constexpr std::string_view kLineFeedMark{"\xFF\xFF\xFF" "N", 4};  // stands for 0x0A
inline constexpr std::string_view kEndMark{"\xFF\xFF\xFF" "0\"\xFF\xFF\xFF\xFF\xFF\xFF", 11};
// What stands for a whole literal in the compact form, after its quote.
inline constexpr std::string_view kCompactBody{"\xFF\n", 2};

// Where the texts of the spans are.
enum class LiteralTexts {
    kMarked,        // literalTexts: UTF-16BE, each text followed by 00 00
    kEightBitSource,  // the source: one byte per character, its high byte 0
    kUnicodeSource,   // the source: UTF-16BE
};

struct WorkingCopy {
    std::string bytes;
    LiteralSpans literals;  // in order of `start`
    std::string literalTexts;
    LiteralTexts texts = LiteralTexts::kMarked;
    // The source the texts are read from: owned when read from a file,
    // borrowed from the caller's bytes otherwise.
    platform::SourceBuffer ownedSource;
    std::string_view borrowedSource;
    size_t textsReleasedTo = 0;
    bool keepSource = false;  // another reader (the temp.mif writer) still reads it

    std::string_view Texts() const {
        if (texts == LiteralTexts::kMarked) return literalTexts;
        return ownedSource.Empty() ? borrowedSource : ownedSource.View();
    }

    // The lexer reads the texts in order and has read them up to `offset`:
    // an owned source gives back what lies before it, a few megabytes at a
    // time, so that it never stands whole beside the finished database.
    void TextsReadTo(size_t offset) {
        constexpr size_t kReleaseStep = 4 * 1024 * 1024;
        if (offset < textsReleasedTo + kReleaseStep || texts == LiteralTexts::kMarked || keepSource) return;
        ownedSource.ReleaseBefore(offset);
        textsReleasedTo = offset;
    }

    void Clear() {
        bytes.clear();
        literals.clear();
        literalTexts.clear();
        texts = LiteralTexts::kMarked;
        ownedSource.Clear();
        borrowedSource = {};
        textsReleasedTo = 0;
        keepSource = false;
    }
};

// The marked form of a literal whose text is `text` (8-bit characters, or
// UTF-16BE bytes when `unicode`), as the lexer matches it: the opening quote,
// each character marked, the end mark. Appended to `out`.
void AppendMarkedLiteral(std::string_view text, bool unicode, std::string &out);

// Turns the text of a literal token as matched (opening quote first) back
// into UTF-16BE bytes; returns the count written, never more than the token's
// length. Stops at the end mark or at a NUL byte.
size_t DecodeLiteralText(std::string_view tokenText, unsigned char *out);

}  // namespace mifkit
