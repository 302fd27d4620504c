// mifkit: the command-line tool.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "driver/parse_driver.h"
#include "generate/generation.h"
#include "generate/name_list.h"
#include "mifkit/parser.h"
#include "tools/check_command.h"
#include "tools/dump_command.h"
#include "tools/table_views.h"
#include "tools/token_listing.h"

namespace {

void Print(const std::string &text) { std::fwrite(text.data(), 1, text.size(), stdout); }

int RunTokens(const std::string &file, bool json) {
    // Progress and diagnostics go to stderr, so that stdout is the listing.
    mifkit::ParseContext ctx([](std::string_view text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
    });
    std::vector<mifkit::tool::ListedToken> tokens;
    int status = mifkit::tool::ListTokens(ctx, file.c_str(), tokens);
    if (status != 0) return 1;
    Print(json ? mifkit::tool::FormatTokenJson(tokens) : mifkit::tool::FormatTokenLines(tokens));
    return 0;
}

// Runs the commands that are due; the commands go to stderr as they end, so
// that stdout is the list of the files that remain.
int RunGenerate(const std::string &ini, const std::string *section) {
    // The library reads a missing INI file as an empty one; a user means a
    // file that is there.
    if (!std::ifstream(ini)) {
        std::fprintf(stderr, "mifkit: cannot read %s\n", ini.c_str());
        return 1;
    }
    std::string list = mifkit::GenerateMifFiles(
        ini.c_str(), section != nullptr ? section->c_str() : nullptr, [](const mifkit::CommandRun &run) {
            std::fprintf(stderr, "%s: %s\n", run.status == 0 ? "ran" : "could not start", run.command.c_str());
        });
    for (const std::string &name : mifkit::NameListNames(list)) Print(name + "\n");
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
#ifdef _WIN32
    // The same bytes as on every other platform: lines end in "\n" alone.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    CLI::App app{"mifkit: reads and checks DMI Management Information Format (MIF) files"};
    app.require_subcommand(1);

    std::string file;
    bool json = false;
    CLI::App *tokens = app.add_subcommand("tokens", "List the tokens the lexer makes of a MIF file");
    tokens->add_option("file", file, "MIF file")->required();
    tokens->add_flag("--json", json, "Print the listing as JSON");

    mifkit::tool::CheckOptions checkOptions;
    std::vector<std::string> files;
    CLI::App *check = app.add_subcommand("check", "Parse MIF files and print their diagnostics");
    check->add_option("files", files, "MIF files")->required();
    check->add_flag("--gnu", checkOptions.gnu, "Print FILE:LINE: error: TEXT [DMI0NNN] lines for editors and CI logs");
    check->add_flag("--working-copy", checkOptions.writeWorkingCopy,
                    "Also write the working copy temp.mif to the current directory (checks one file at a time)");
    check->add_option("-j,--jobs", checkOptions.jobs, "Files checked at once (default: one per core)")
        ->check(CLI::PositiveNumber);

    std::string ini, section;
    CLI::App *generate = app.add_subcommand(
        "generate", "Run the commands that bring the MIF files an INI file lists up to date, and print "
                    "the files that exist");
    generate->add_option("ini", ini, "INI file: one section per MIF file, with filename, command, refresh")
        ->required();
    CLI::Option *sectionOption = generate->add_option("section", section, "Only this section's file");

    std::string databaseFile;
    uint32_t tableId = 0;
    CLI::App *dump = app.add_subcommand("dump", "Print the database of a MIF file as JSON");
    dump->add_option("file", databaseFile, "MIF file")->required();
    CLI::App *groups = app.add_subcommand("groups", "List the groups and tables of a MIF file");
    groups->add_option("file", databaseFile, "MIF file")->required();
    CLI::App *table = app.add_subcommand("table", "Print the rows of a table of a MIF file");
    table->add_option("file", databaseFile, "MIF file")->required();
    table->add_option("id", tableId, "The table's ID")->required();

    CLI11_PARSE(app, argc, argv);
    if (*dump) return mifkit::tool::RunDump(databaseFile);
    if (*groups) return mifkit::tool::RunGroups(databaseFile);
    if (*table) return mifkit::tool::RunTable(databaseFile, tableId);
    if (*tokens) return RunTokens(file, json);
    if (*generate) return RunGenerate(ini, sectionOption->count() > 0 ? &section : nullptr);
    return mifkit::tool::RunCheck(files, checkOptions);
}
