// mifkit: the command-line tool.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/parse_context.h"
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

int RunCheck(const std::string &file, bool writeWorkingCopy) {
    mifkit::ParseContext ctx(mifkit::StdoutSink(), writeWorkingCopy ? "temp.mif" : "");
    int status = mifkit::ParseFile(ctx, file.c_str());
    std::fflush(stdout);
    if (status != 0) std::fprintf(stderr, "%s: parse failed with status %d\n", file.c_str(), status);
    return status == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    CLI::App app{"mifkit: reads and checks DMI Management Information Format (MIF) files"};
    app.require_subcommand(1);

    std::string file;
    bool json = false;
    CLI::App *tokens = app.add_subcommand("tokens", "List the tokens the lexer makes of a MIF file");
    tokens->add_option("file", file, "MIF file")->required();
    tokens->add_flag("--json", json, "Print the listing as JSON");

    bool writeWorkingCopy = false;
    CLI::App *check = app.add_subcommand("check", "Parse a MIF file and print its diagnostics");
    check->add_option("file", file, "MIF file")->required();
    check->add_flag("--working-copy", writeWorkingCopy,
                    "Also write the working copy temp.mif to the current directory");

    CLI11_PARSE(app, argc, argv);
    if (*tokens) return RunTokens(file, json);
    return RunCheck(file, writeWorkingCopy);
}
