// Name lists: the form in which MIF file names pass between the generation
// functions and their callers. Every name is ended by a NUL, and the list by
// one more.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mifkit {

std::string MakeNameList(const std::vector<std::string> &names);

// The names before the list's terminating NUL.
std::vector<std::string> NameListNames(std::string_view list);

// The name that starts at `offset`.
std::string_view NameAt(std::string_view list, size_t offset);

// Removes the name at `offset` by moving the rest of the list, final NUL
// included, over it: `offset` then starts the next name.
void DropName(std::string &list, size_t offset);

}  // namespace mifkit
