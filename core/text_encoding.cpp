#include "core/text_encoding.h"

#include <cstdint>

namespace mifkit {

namespace {

void AppendUtf8(std::string &out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Utf16ToUtf8(const unsigned char *bytes, size_t length) {
    std::string out;
    for (size_t i = 0; i + 1 < length; i += 2) {
        uint32_t unit = (uint32_t{bytes[i]} << 8) | bytes[i + 1];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < length) {
            uint32_t low = (uint32_t{bytes[i + 2]} << 8) | bytes[i + 3];
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    return out;
}

std::string LiteralToUtf8(const CountedString *text) {
    if (text == nullptr || text->length < 2) return std::string();
    return Utf16ToUtf8(text->Bytes(), text->length - 2);
}

namespace {

void AppendUtf16(std::string &out, uint32_t code) {
    if (code >= 0x10000) {
        code -= 0x10000;
        AppendUtf16(out, 0xD800 + (code >> 10));
        code = 0xDC00 + (code & 0x3FF);
    }
    out.push_back(static_cast<char>(code >> 8));
    out.push_back(static_cast<char>(code & 0xFF));
}

// The code point that begins at `at`, advancing past it; U+FFFD, advancing
// one byte, for a byte that begins no valid sequence (cut short, overlong or
// an encoded surrogate).
uint32_t NextCodePoint(std::string_view utf8, size_t &at) {
    static const uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byte(at);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    bool valid = length != 0 && at + length <= utf8.size();
    uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; valid && i < length; ++i) {
        valid = (byte(at + i) & 0xC0) == 0x80;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    valid = valid && code >= kSmallest[length] && code <= 0x10FFFF && (code < 0xD800 || code >= 0xE000);
    at += valid ? length : 1;
    return valid ? code : 0xFFFD;
}

}  // namespace

std::string Utf8ToLiteral(std::string_view utf8) {
    std::string out;
    for (size_t at = 0; at < utf8.size();) AppendUtf16(out, NextCodePoint(utf8, at));
    out.append(2, '\0');
    return out;
}

}  // namespace mifkit
