// The comments of a MIF source, which the parse drops, for `mifkit format`.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mifkit::tool {

struct SourceComment {
    uint32_t line;        // the source line it stands on
    std::u16string text;  // after the two slashes, without the line end
};

// Finds the comments as the parse's conversion does: two slashes outside a
// literal start one, a backslash in a literal escapes the next character.
// UTF-16 when the bytes start with FE FF, else 8-bit text read as ISO
// 8859-1 up to a 0x1A byte.
std::vector<SourceComment> FindComments(std::string_view bytes);

}  // namespace mifkit::tool
