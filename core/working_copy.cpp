#include "core/working_copy.h"

namespace mifkit {

void AppendMarkedLiteral(std::string_view text, bool unicode, std::string &out) {
    out.push_back('"');
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (!unicode) {
            // 8-bit text: each character's high byte is 0.
            out.append(kZeroMark);
            out.push_back(c);
        } else if (byte == 0x00) {
            out.append(kZeroMark);
        } else if (byte == 0x0A) {
            out.append(kLineFeedMark);
        } else {
            out.push_back(c);
        }
    }
    out.append(kEndMark);
}

}  // namespace mifkit
