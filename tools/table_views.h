// `mifkit groups` and `mifkit table`: a quick look at a database as text
// tables, left-aligned columns two spaces apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mifkit/parser.h"

namespace mifkit::tool {

// Rows of cells (UTF-8) as aligned lines; the first row is the heading.
std::string FormatTextTable(const std::vector<std::vector<std::string>> &rows);

// ID, kind (group, template for a group without ID, table), name, class,
// columns and rows of every group and table of the component, in the order
// GetGroups lists them.
std::string FormatGroupList(const Database &database);

// The rows of the table with this ID, one column per template attribute,
// headed by its name; false when there is no such table.
bool FormatTableRows(const Database &database, uint32_t id, std::string &out);

int RunGroups(const std::string &file);
int RunTable(const std::string &file, uint32_t id);

}  // namespace mifkit::tool
