// `mifkit new-component`: a minimal valid MIF file to start from.
#pragma once

#include <string>

namespace mifkit::tool {

// A component named NAME with the standard ComponentID group, in the
// writer's layout.
std::string NewComponentText(const std::string &name);

int RunNewComponent(const std::string &name);

}  // namespace mifkit::tool
