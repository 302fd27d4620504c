#include "tools/source_comments.h"

namespace mifkit::tool {

namespace {

std::u16string Characters(std::string_view bytes) {
    std::u16string text;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
        static_cast<unsigned char>(bytes[1]) == 0xFF) {
        text.reserve(bytes.size() / 2);
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            text += static_cast<char16_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                          static_cast<unsigned char>(bytes[i + 1]));
        return text;
    }
    text.reserve(bytes.size());
    for (char c : bytes) {
        // A text-mode read ends at 0x1A.
        if (c == '\x1A') break;
        text += static_cast<char16_t>(static_cast<unsigned char>(c));
    }
    return text;
}

}  // namespace

std::vector<SourceComment> FindComments(std::string_view bytes) {
    std::u16string text = Characters(bytes);
    std::vector<SourceComment> comments;
    uint32_t line = 1;
    bool inLiteral = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\n') {
            ++line;
        } else if (inLiteral) {
            if (c == u'\\' && i + 1 < text.size() && text[i + 1] != u'\n') ++i;
            else if (c == u'"') inLiteral = false;
        } else if (c == u'"') {
            inLiteral = true;
        } else if (c == u'/' && i + 1 < text.size() && text[i + 1] == u'/') {
            size_t end = text.find(u'\n', i + 2);
            if (end == std::u16string::npos) end = text.size();
            size_t stop = end;
            if (stop > i + 2 && text[stop - 1] == u'\r') --stop;
            comments.push_back({line, text.substr(i + 2, stop - i - 2)});
            i = end - 1;
        }
    }
    return comments;
}

}  // namespace mifkit::tool
