#include "hints/unicode_text.h"

namespace mifkit::hints {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

void AppendUnit(std::string &out, unsigned unit) {
    out += static_cast<char>(unit >> 8);
    out += static_cast<char>(unit & 0xFF);
}

}  // namespace

size_t Utf8SequenceLength(std::string_view bytes, size_t at) {
    if (at >= bytes.size()) return 0;
    const auto lead = static_cast<unsigned char>(bytes[at]);
    size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > bytes.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(bytes[at + i]))) return 0;
    // Overlong forms and surrogates are not text.
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;
    return length;
}

bool DecodeUtf8(std::string_view bytes, std::u32string &out) {
    out.clear();
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            out += lead;
            ++i;
            continue;
        }
        const size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) return false;
        char32_t c = lead & (0xFF >> (length + 1));
        for (size_t k = 1; k < length; ++k) c = c << 6 | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
        out += c;
        i += length;
    }
    return true;
}

std::string EncodeUtf16BigWithMark(std::u32string_view text) {
    std::string out = "\xFE\xFF";
    for (char32_t c : text) {
        if (c < 0x10000) {
            AppendUnit(out, c);
        } else {
            AppendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            AppendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

}  // namespace mifkit::hints
