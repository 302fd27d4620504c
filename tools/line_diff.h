// The lines two texts differ in, as a unified diff without context.
#pragma once

#include <string>
#include <string_view>

namespace mifkit::tool {

// "--- NAME", "+++ NAME (fixed)", then a hunk per changed run of lines. The
// repairs keep the number of lines, so lines pair up by number; texts of
// different lengths show as one hunk of everything.
std::string LineDiff(const std::string &name, std::string_view before, std::string_view after);

}  // namespace mifkit::tool
