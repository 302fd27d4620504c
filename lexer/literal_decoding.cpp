#include "core/working_copy.h"

namespace mifkit {

size_t DecodeLiteralText(std::string_view tokenText, unsigned char *out) {
    const auto *p = reinterpret_cast<const unsigned char *>(tokenText.data());
    const unsigned char *end = p + tokenText.size();
    // A NUL ends the text as it would end a C string.
    auto at = [&](const unsigned char *q) -> unsigned { return q < end ? *q : 0u; };
    size_t n = 0;
    ++p;  // the opening quote
    while (at(p) != 0) {
        if (*p == '"') {
            bool endMark = true;
            for (int i = 1; i <= 6; ++i) endMark = endMark && at(p + i) == 0xFF;
            out[n++] = endMark ? 0x00 : 0x22;
            if (endMark) break;
            ++p;
        } else if (*p == 0xFF && at(p + 1) != 0xFF) {
            out[n++] = 0xFF;
            ++p;
        } else if (*p == 0xFF && at(p + 2) != 0xFF) {
            out[n++] = 0xFF;
            out[n++] = 0xFF;
            p += 2;
        } else if (*p == 0xFF) {
            unsigned fourth = at(p + 3);
            if (fourth == '0' || fourth == 'N') {
                out[n++] = fourth == '0' ? 0x00 : 0x0A;
                p += 4;
            } else {
                out[n++] = 0xFF;
                out[n++] = 0xFF;
                out[n++] = 0xFF;
                p += 3;
            }
        } else {
            out[n++] = *p++;
        }
    }
    return n;
}

}  // namespace mifkit
