// `mifkit from-json`: the MIF file that the JSON of `mifkit dump` describes.
#pragma once

#include <string>

namespace mifkit::tool {

// Reads FILE ("-": standard input) and prints the MIF text, or writes it to
// `output` when not empty. 1, with each problem on stderr and nothing
// written, when the JSON cannot be a valid MIF file.
int RunFromJson(const std::string &file, const std::string &output);

}  // namespace mifkit::tool
