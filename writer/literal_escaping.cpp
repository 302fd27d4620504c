#include "writer/literal_escaping.h"

#include <cstdint>

namespace mifkit::writer {

namespace {

char16_t SimpleEscape(char16_t c) {
    switch (c) {
    case u'"': return u'"';
    case u'\\': return u'\\';
    case 0x07: return u'a';
    case 0x08: return u'b';
    case 0x09: return u't';
    case 0x0A: return u'n';
    case 0x0B: return u'v';
    case 0x0C: return u'f';
    case 0x0D: return u'r';
    default: return 0;
    }
}

// Controls, and any code with a 0xFF byte: the working copy marks its
// literals with runs of 0xFF bytes, so such a byte written as it is could
// end the literal or read as a mark.
bool NeedsHexEscape(char16_t c) {
    return c < 0x20 || c == 0x7F || (c & 0xFF) == 0xFF || (c >> 8) == 0xFF;
}

void AppendHex(std::u16string &out, char16_t c, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    out += u"\\x";
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) out += static_cast<char16_t>(kDigits[(c >> shift) & 0xF]);
}

}  // namespace

EscapedText EscapeLiteral(std::u16string_view text, bool wide) {
    EscapedText result;
    result.units.reserve(text.size() + 2);
    result.breaks.reserve(text.size());
    for (char16_t c : text) {
        if (char16_t simple = SimpleEscape(c)) {
            result.units += u'\\';
            result.units += simple;
        } else if (!wide && c > 0xFF) {
            result.needsWide = true;
            result.units += u'?';
        } else if (NeedsHexEscape(c)) {
            // Always the most digits the escape takes, so that a digit
            // after it is never read as part of it.
            AppendHex(result.units, c, wide ? 4 : 2);
        } else {
            result.units += c;
        }
        result.breaks.push_back(result.units.size());
    }
    return result;
}

std::u16string Utf16Units(std::string_view bytes, bool counted) {
    size_t units = bytes.size() / 2;
    if (counted && units > 0) --units;
    std::u16string text(units, u'\0');
    for (size_t i = 0; i < units; ++i)
        text[i] = static_cast<char16_t>((static_cast<unsigned char>(bytes[2 * i]) << 8) |
                                        static_cast<unsigned char>(bytes[2 * i + 1]));
    return text;
}

std::u16string Widen(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c));
    return text;
}

bool Utf8ToUtf16(std::string_view utf8, std::u16string &out) {
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        size_t extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : 4;
        if (extra == 4 || i + extra >= utf8.size()) return false;
        uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
        for (size_t k = 1; k <= extra; ++k) {
            unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        static const uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (code < kLeast[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += extra + 1;
    }
    return true;
}

}  // namespace mifkit::writer
