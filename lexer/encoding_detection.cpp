#include "lexer/source_conversion.h"

namespace mifkit {

SourceEncoding DetectSourceEncoding(std::string_view source) {
    if (source.size() < 2) return kUnreadableSource;
    auto first = static_cast<unsigned char>(source[0]);
    auto second = static_cast<unsigned char>(source[1]);
    if (first == 0xFE && second == 0xFF) return kUtf16Source;
    if (first == 0xFF && second == 0xFE) return kSwappedUtf16Source;
    return kEightBitSource;
}

}  // namespace mifkit
