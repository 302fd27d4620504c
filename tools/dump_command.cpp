#include "tools/dump_command.h"

#include <cstdio>

#include "json/database_json.h"
#include "tools/loaded_database.h"

namespace mifkit::tool {

int RunDump(const std::string &file) {
    std::optional<Database> database = LoadDatabase(file);
    if (!database) return 1;
    std::string text = DatabaseJson(*database).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

}  // namespace mifkit::tool
