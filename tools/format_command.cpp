#include "tools/format_command.h"

#include <cstdio>

#include "platform/file_io.h"
#include "tools/comment_places.h"
#include "json/database_json.h"
#include "tools/dump_command.h"
#include "tools/loaded_database.h"
#include "writer/database_writer.h"

namespace mifkit::tool {

namespace {

constexpr size_t kMaxSource = size_t{1} << 31;

void Print(const std::string &text) { std::fwrite(text.data(), 1, text.size(), stdout); }

bool SameDatabase(const Database &a, const Database &b) {
    return DatabaseJson(a).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) ==
           DatabaseJson(b).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace

std::optional<std::string> FormatFile(const std::string &file, std::string &original) {
    std::optional<Database> database = LoadDatabase(file);
    if (!database) return std::nullopt;
    ParseContext ctx([](std::string_view) {});
    std::vector<ListedToken> tokens;
    if (!platform::ReadWholeFile(file.c_str(), original, kMaxSource) || ListTokens(ctx, file.c_str(), tokens) != 0) {
        std::fprintf(stderr, "mifkit: cannot read %s\n", file.c_str());
        return std::nullopt;
    }
    WriteOptions options;
    // A UTF-16 file stays one.
    if (original.rfind("\xFE\xFF", 0) == 0) options.encoding = MifEncoding::kUtf16;
    std::vector<std::string> places = TokenPlaces(tokens);
    PlaceRecorder recorder;
    writer::WriteDatabase(*database, options, &recorder);
    PlacedComments comments(FindComments(original), tokens, places, recorder.places());
    std::string text = writer::WriteDatabase(*database, options, &comments);
    // Never hand out a text that reads back as anything else.
    Database again = Database::FromBuffer(text, {}, file);
    if (!again.ok() || !SameDatabase(*database, again)) {
        std::fprintf(stderr, "mifkit: %s: the formatted text would not read back the same; left as it is\n",
                     file.c_str());
        return std::nullopt;
    }
    return text;
}

int RunFormat(const std::vector<std::string> &files, FormatMode mode) {
    int status = 0;
    for (const std::string &file : files) {
        std::string original;
        std::optional<std::string> text = FormatFile(file, original);
        if (!text) {
            status = 1;
            continue;
        }
        if (mode == FormatMode::kPrint) {
            Print(*text);
        } else if (*text == original) {
            continue;
        } else if (mode == FormatMode::kCheck) {
            Print(file + "\n");
            status = 1;
        } else if (!platform::ReplaceFileAtomically(file.c_str(), *text)) {
            std::fprintf(stderr, "mifkit: cannot replace %s (read-only, or its directory is)\n", file.c_str());
            status = 1;
        }
    }
    return status;
}

}  // namespace mifkit::tool
