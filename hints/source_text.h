// The source file as the hint finders read it: its characters with their
// byte offsets, whatever the file's encoding, so that one finder serves
// 8-bit and UTF-16 files alike and a repair maps back to bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "mifkit/parser.h"

namespace mifkit::hints {

enum class Encoding {
    EightBit,   // one byte a character; also UTF-8 read byte by byte
    Utf16Big,   // with its mark, as the format takes it
    Utf16Little // with its mark: refused by the format
};

class SourceText {
public:
    explicit SourceText(std::string_view bytes);

    Encoding encoding() const { return encoding_; }
    std::string_view bytes() const { return bytes_; }
    // Characters: bytes of an 8-bit file, UTF-16 units of a UTF-16 one.
    const std::u32string &chars() const { return chars_; }
    size_t size() const { return chars_.size(); }
    char32_t at(size_t i) const { return i < chars_.size() ? chars_[i] : 0; }

    // The first and one past the last character of a line (1 = the first),
    // the line feed excluded; both npos when the file has no such line.
    size_t LineStart(uint32_t line) const;
    size_t LineEnd(size_t start) const;

    // A repair of characters [from, to) to `text` (ASCII), in file bytes.
    Fix Replace(size_t from, size_t to, std::u32string_view text, std::string description) const;
    // Characters [from, to) as UTF-8, for hint texts.
    std::string Utf8(size_t from, size_t to) const;

private:
    std::string_view bytes_;
    Encoding encoding_ = Encoding::EightBit;
    std::u32string chars_;
    size_t firstOffset_ = 0;  // bytes before the first character (a UTF-16 mark)
};

// ASCII case-insensitive comparison of characters with a lower-case word.
bool MatchesWord(const SourceText &source, size_t at, std::string_view lowerWord);
bool IsAsciiLetter(char32_t c);
// A blank within a line: space, tab, or the carriage return of CR LF.
bool IsBlank(char32_t c);

}  // namespace mifkit::hints
