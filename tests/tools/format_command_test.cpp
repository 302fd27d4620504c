// `mifkit format`: the canonical layout with every comment kept, --check,
// and -i, which never leaves a file half-written or rewrites one it should not.
#include <filesystem>

#include "tests/test_support.h"
#include "tools/format_command.h"

namespace mifkit::test {
namespace {

namespace fs = std::filesystem;

// commented.mif holds a comment everywhere one may stand: before and after
// statements, inside blocks, before their ends, before a statement the layout
// drops, at the end; and what the layout changes: keywords in any case,
// statements reordered, pieces joined, Type = Integer added, rows rewritten.
// commented_formatted.mif is its canonical layout.
const std::string kCommented = TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/commented.mif");
const std::string kCommentedFormatted = TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/commented_formatted.mif");

class FormatTest : public TempDirTest {};

TEST_F(FormatTest, KeepsAUtf16FileUtf16) {
    WriteFile("u.mif", "\xFE\xFF" + Utf16("// \xE9t\xE9\nStart Component Name = \"c\" Start Group Name = \"g\" "
                                         "Class = \"k\" ID = 1 Start Attribute Name = \"a\" ID = 1 "
                                         "Type = Date End Attribute End Group End Component\n"));
    std::string original;
    std::string text = tool::FormatFile("u.mif", original).value_or("");
    EXPECT_EQ(text.substr(0, 2), "\xFE\xFF");
    EXPECT_NE(text.find(Utf16("// \xE9t\xE9\nStart Component\n")), std::string::npos);
}

struct ToolCase {
    const char *name;
    std::string arguments;
    std::string file;  // a.mif's text before
    fs::perms mode;    // a.mif's permissions, which a rewrite keeps
    int status;
    std::string output;
    std::string after;  // a.mif's text after
};

// Named in test listings by its case name alone.
void PrintTo(const ToolCase &c, std::ostream *out) { *out << c.name; }

class FormatToolTest : public TempDirTest, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(FormatToolTest, ExitsAndRewritesAsTold) {
    const ToolCase &c = GetParam();
    WriteFile("a.mif", c.file);
    fs::permissions("a.mif", c.mode);
    std::string output;
    EXPECT_EQ(RunTool(c.arguments, output), c.status);
    EXPECT_EQ(output, c.output);
    EXPECT_EQ(ReadFile("a.mif"), c.after);
#ifndef _WIN32
    EXPECT_EQ(fs::status("a.mif").permissions(), c.mode);
#endif
    // Windows removes no read-only file with its directory.
    fs::permissions("a.mif", fs::perms::owner_write, fs::perm_options::add);
}

// A group without its class, name or ID.
const std::string kBroken = "Start Component\nName = \"c\"\nStart Group\nEnd Group\nEnd Component\n";
const fs::perms kReadWrite = fs::perms(0644), kReadOnly = fs::perms(0444);

const ToolCase kToolCases[] = {
    {"prints", "format a.mif", kCommented, kReadWrite, 0, kCommentedFormatted, kCommented},
    {"check_lists_what_would_change", "format --check a.mif", kCommented, kReadWrite, 1, "a.mif\n", kCommented},
    {"check_passes_when_formatted", "format --check a.mif", kCommentedFormatted, kReadWrite, 0, "", kCommentedFormatted},
    {"in_place_keeps_permissions", "format -i a.mif", kCommented, fs::perms(0640), 0, "", kCommentedFormatted},
    {"in_place_read_only_is_left", "format -i a.mif", kCommented, kReadOnly, 1, "", kCommented},
    {"in_place_not_parsing_is_left", "format -i a.mif", kBroken, kReadWrite, 1, "", kBroken},
    {"check_not_parsing", "format --check a.mif", kBroken, kReadWrite, 1, "", kBroken},
};

INSTANTIATE_TEST_SUITE_P(Tool, FormatToolTest, ::testing::ValuesIn(kToolCases),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mifkit::test
