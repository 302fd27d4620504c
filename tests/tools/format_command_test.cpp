// `mifkit format`: the canonical layout with every comment kept, --check,
// and -i, which never leaves a file half-written or rewrites one it should not;
// and the comments it keeps, found where the parse finds them.
#include <filesystem>

#include "tests/test_support.h"
#include "tools/format_command.h"
#include "tools/source_comments.h"

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

// Each comment with the line it stands on.
TEST(FindComments, FindsEachWithItsLine) {
    const std::pair<std::string, std::vector<tool::SourceComment>> cases[] = {
        {"// a\nName = \"x\" // b\n", {{1, u" a"}, {2, u" b"}}},
        {"Name = \"http://x\" //c\n", {{1, u"c"}}},  // slashes in a literal
        {"Name = \"a\\\" // no\" // yes\n", {{1, u" yes"}}},  // an escaped quote keeps the literal open
        {"// \"\nName = \"//\"\n", {{1, u" \""}}},  // a quote in a comment opens nothing
        {"// a\r\n\r\n//b\r\n", {{1, u" a"}, {3, u"b"}}},
        {"Name = \"x\"\n// end", {{2, u" end"}}},  // at the end without a line feed
        {"// caf\xE9\n", {{1, u" caf\u00E9"}}},
        {"// a\n\x1A// b\n", {{1, u" a"}}},  // the text ends at 0x1A
        {std::string("\xFE\xFF\0/\0/\x03\xA9\0\n\0/\0/\0x", 16), {{1, u"\u03A9"}, {2, u"x"}}},
    };
    for (const auto &[source, comments] : cases) {
        std::vector<tool::SourceComment> found = tool::FindComments(source);
        ASSERT_EQ(found.size(), comments.size()) << source;
        for (size_t i = 0; i < found.size(); ++i)
            EXPECT_TRUE(found[i].line == comments[i].line && found[i].text == comments[i].text) << source << " " << i;
    }
}

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
