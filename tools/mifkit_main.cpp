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
#include "mifkit/version.h"
#include "tools/check_command.h"
#include "tools/check_report.h"
#include "tools/dump_command.h"
#include "tools/fix_command.h"
#include "tools/format_command.h"
#include "tools/from_json_command.h"
#include "tools/machine_report.h"
#include "tools/new_component_command.h"
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
    app.set_version_flag("--version", MIFKIT_VERSION_STRING);

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
    check->add_option("--format", checkOptions.format, "text (the library's lines), json (one object a line) or sarif")
        ->check(CLI::IsMember({"text", "json", "sarif"}));

    std::vector<std::string> fixFiles;
    mifkit::tool::FixOptions fixOptions;
    CLI::App *fix = app.add_subcommand(
        "fix", "Apply the mechanical fixes: encoding, typographic quotes, keyword spellings, class quotes");
    fix->add_option("files", fixFiles, "MIF files, rewritten in place")->required();
    fix->add_flag("--dry-run", fixOptions.dryRun, "Print what would change as a diff; write nothing");
    fix->add_flag("--backup", fixOptions.backup, "Keep the original as FILE.bak");

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

    std::vector<std::string> formatFiles;
    bool formatCheck = false, formatInPlace = false;
    CLI::App *formatCommand = app.add_subcommand("format", "Lay MIF files out in one canonical layout, comments kept");
    formatCommand->add_option("files", formatFiles, "MIF files")->required();
    CLI::Option *checkFlag =
        formatCommand->add_flag("--check", formatCheck, "List the files that would change; exit 1 when any would");
    formatCommand->add_flag("-i,--in-place", formatInPlace, "Rewrite the files that change, atomically")->excludes(checkFlag);

    std::string jsonFile, mifOutput;
    CLI::App *fromJson = app.add_subcommand("from-json", "Write the MIF file that the JSON of `mifkit dump` describes");
    fromJson->add_option("file", jsonFile, "JSON file, - for standard input")->required();
    fromJson->add_option("-o,--output", mifOutput, "Write the MIF file here instead of standard output");

    std::string componentName;
    CLI::App *newComponent =
        app.add_subcommand("new-component", "Print a minimal valid MIF file with the standard ComponentID group");
    newComponent->add_option("name", componentName, "The component's name")->required();

    CLI11_PARSE(app, argc, argv);
    if (*fromJson) return mifkit::tool::RunFromJson(jsonFile, mifOutput);
    if (*newComponent) return mifkit::tool::RunNewComponent(componentName);
    if (*formatCommand)
        return mifkit::tool::RunFormat(formatFiles, formatCheck      ? mifkit::tool::FormatMode::kCheck
                                                    : formatInPlace ? mifkit::tool::FormatMode::kInPlace
                                                                    : mifkit::tool::FormatMode::kPrint);
    if (*dump) return mifkit::tool::RunDump(databaseFile);
    if (*groups) return mifkit::tool::RunGroups(databaseFile);
    if (*table) return mifkit::tool::RunTable(databaseFile, tableId);
    if (*tokens) return RunTokens(file, json);
    if (*fix) return mifkit::tool::RunFix(fixFiles, fixOptions);
    if (*generate) return RunGenerate(ini, sectionOption->count() > 0 ? &section : nullptr);
    return mifkit::tool::RunCheck(files, checkOptions);
}
