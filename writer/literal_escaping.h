// MIF literals from UTF-16 text: the escapes that make a literal read back
// as the same characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mifkit::writer {

struct EscapedText {
    std::u16string units;        // the literal's text between its quotes
    std::vector<size_t> breaks;  // where a piece may end: after each character's written form
    bool needsWide = false;      // a character that 8-bit text cannot hold (written as '?')
};

// `wide`: the file is UTF-16, whose \x escapes take four digits, not two.
EscapedText EscapeLiteral(std::u16string_view text, bool wide);

// The characters of a stored text (UTF-16BE bytes); `counted` drops the NUL
// that literal texts end in.
std::u16string Utf16Units(std::string_view bytes, bool counted);
// 8-bit text read as ISO 8859-1, as the parser reads it.
std::u16string Widen(std::string_view bytes);

// UTF-8 as UTF-16 units; false for bytes that are not UTF-8.
bool Utf8ToUtf16(std::string_view utf8, std::u16string &out);

}  // namespace mifkit::writer
