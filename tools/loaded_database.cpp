#include "tools/loaded_database.h"

#include <cstdio>

namespace mifkit::tool {

std::optional<Database> LoadDatabase(const std::string &file) {
    Database database = Database::FromFile(file);
    if (database.ok()) return database;
    for (const Diagnostic &diagnostic : database.diagnostics())
        std::fwrite(diagnostic.text.data(), 1, diagnostic.text.size(), stderr);
    std::fprintf(stderr, "%s: parse failed with status %d\n", file.c_str(), database.status());
    return std::nullopt;
}

}  // namespace mifkit::tool
