// Windows command lines, split as a Windows program's runtime splits them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mifkit::platform {

// The program and its arguments. The program name runs to the first blank
// outside double quotes, with the quotes removed. In each argument, 2N
// backslashes before a quote give N backslashes and the quote opens or
// closes quoting; 2N + 1 give N and a literal quote; "" inside quotes is a
// literal quote; other backslashes are literal. Empty when the line is
// blank.
std::vector<std::string> SplitCommandLine(std::string_view line);

}  // namespace mifkit::platform
