// The commands that rewrite files, as a user runs them. `mifkit check` with
// hints, in its JSON and SARIF forms, and `mifkit fix`. `mifkit format`: the
// canonical layout with every comment kept, found where the parse finds them,
// --check, and -i, which never leaves a file half-written or rewrites one it
// should not.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "tests/test_support.h"
#include "tools/format_command.h"
#include "tools/source_comments.h"

namespace mifkit::test {
namespace {

namespace fs = std::filesystem;

// An adapter's file, with its paths block opened by `paths` and its class
// written as `className`.
std::string Adapter(const std::string &paths, const std::string &className) {
    return "Start Component\nName = \"c\"\n" + paths + "\nName = \"p\"\nDOS = \"x.exe\"\nEnd Path\nStart Group\n"
           "Name = \"g\"\nClass = " + className + "\nID = 1\nStart Attribute\nName = \"a\"\nID = 1\nType = Integer\n"
           "Value = 5\nEnd Attribute\nEnd Group\nEnd Component\n";
}

// Two mistakes: a plural keyword and a class without its quotes.
const std::string kTwoMistakes = Adapter("Start Paths", "Acme|Disk|1.0");
const std::string kRepaired = Adapter("Start Path", "\"Acme|Disk|1.0\"");

using RewriteTest = TempDirTest;

// The hint follows the library's line, as a note in the editors' form and as
// fields of its own in JSON, one object a line.
TEST_F(RewriteTest, CheckPrintsTheHintAfterTheDiagnostic) {
    WriteFile("two.mif", kTwoMistakes);
    WriteFile("bad.mif", "Start Component\n@\n");
    // Arguments, standard output.
    const std::pair<const char *, std::string> cases[] = {
        {"check two.mif", "DMI0225  (File: 0 (3): 0: <s>) Syntax Error.\n"
                          "  hint: write \"Start Path\"; this keyword has no plural\n"},
        {"check --gnu two.mif", "two.mif:3: error: Syntax Error. near \"s\" [DMI0225]\n"
                                "two.mif:3: note: write \"Start Path\"; this keyword has no plural\n"},
        // Without a known mistake, no note.
        {"check --gnu bad.mif", "bad.mif:2: error: Syntax Error. near \"@\" [DMI0225]\n"},
        {"check --format=json two.mif bad.mif",
         R"({"file":"two.mif","line":3,"message":225,"text":"Syntax Error.","token":"s",)"
         R"("hint":"write \"Start Path\"; this keyword has no plural",)"
         R"("fix":{"offset":37,"length":1,"description":"\"Start Paths\" -> \"Start Path\"","replacement":""}})"
         "\n"
         R"({"file":"bad.mif","line":2,"message":225,"text":"Syntax Error.","token":"@","hint":null,"fix":null})"
         "\n"},
    };
    for (const auto &[arguments, expected] : cases) {
        std::string output;
        EXPECT_EQ(RunTool(arguments, output), 1) << arguments;
        EXPECT_EQ(output, expected) << arguments;
    }
}

// check_sarif.json: a SARIF 2.1.0 log with every file, each diagnostic's
// line, hint and fix; the swapped file's repair as UTF-16 big-endian bytes,
// a name with a blank as a URI.
TEST_F(RewriteTest, SarifLogsEveryFileWithItsFixes) {
    WriteFile("two.mif", kTwoMistakes);
    WriteFile("swapped.mif", test::Bytes("\xFF\xFES\0"));
    WriteFile("gone dir.mif", "");
    std::string output;
    EXPECT_EQ(RunTool("check --format=sarif two.mif swapped.mif \"gone dir.mif\"", output), 1);
    EXPECT_EQ(output, ReadFile(MIFKIT_TESTS_DIR "/tools/check_sarif.json"));
}

TEST_F(RewriteTest, FixRewritesInPlaceAndTheSecondRunChangesNothing) {
    WriteFile("two.mif", kTwoMistakes);
    std::string output;
    ASSERT_EQ(RunTool("fix --dry-run two.mif", output), 0);
    EXPECT_EQ(output, "two.mif:3: \"Start Paths\" -> \"Start Path\"\n"
                      "two.mif:9: Acme|Disk|1.0 -> \"Acme|Disk|1.0\"\n"
                      "--- two.mif\n+++ two.mif (fixed)\n"
                      "@@ -3 +3 @@\n-Start Paths\n+Start Path\n"
                      "@@ -9 +9 @@\n-Class = Acme|Disk|1.0\n+Class = \"Acme|Disk|1.0\"\n");
    EXPECT_EQ(ReadFile("two.mif"), kTwoMistakes);

    ASSERT_EQ(RunTool("fix --backup two.mif", output), 0);
    EXPECT_EQ(output, "two.mif:3: \"Start Paths\" -> \"Start Path\"\ntwo.mif:9: Acme|Disk|1.0 -> \"Acme|Disk|1.0\"\n");
    EXPECT_EQ(ReadFile("two.mif"), kRepaired);
    EXPECT_EQ(ReadFile("two.mif.bak"), kTwoMistakes);
    EXPECT_EQ(RunTool("check two.mif", output), 0);

    EXPECT_EQ(RunTool("fix two.mif", output), 1);
    EXPECT_EQ(output, "");
    EXPECT_EQ(ReadFile("two.mif"), kRepaired);
}

#ifndef _WIN32
TEST_F(RewriteTest, FixReplacesALinksTargetAndKeepsItsPermissions) {
    fs::create_directory("real");
    WriteFile("real/target.mif", kTwoMistakes);
    fs::permissions("real/target.mif", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/target.mif", "link.mif");
    std::string output;
    ASSERT_EQ(RunTool("fix link.mif", output), 0);
    EXPECT_TRUE(fs::is_symlink("link.mif"));
    EXPECT_EQ(fs::read_symlink("link.mif"), "real/target.mif");
    EXPECT_EQ(ReadFile("real/target.mif"), kRepaired);
    EXPECT_EQ(fs::status("real/target.mif").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Nothing left behind beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator("real"), fs::directory_iterator()), 1);
}
#endif

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

TEST_F(RewriteTest, FormatKeepsAUtf16FileUtf16) {
    WriteFile("u.mif", "\xFE\xFF" + Utf16("// \xE9t\xE9\nStart Component Name = \"c\" Start Group Name = \"g\" "
                                         "Class = \"k\" ID = 1 Start Attribute Name = \"a\" ID = 1 "
                                         "Type = Date End Attribute End Group End Component\n"));
    std::string original;
    std::string text = tool::FormatFile("u.mif", original).value_or("");
    EXPECT_EQ(text.substr(0, 2), "\xFE\xFF");
    EXPECT_NE(text.find(Utf16("// \xE9t\xE9\nStart Component\n")), std::string::npos);
}

// A group without its class, name or ID; an attribute ID 0, whose hint has no repair.
const std::string kBroken = "Start Component\nName = \"c\"\nStart Group\nEnd Group\nEnd Component\n",
                  kZeroId = "Start Component Name = \"c\" Start Group Name = \"g\" Class = \"k\" ID = 1\n"
                            "Start Attribute Name = \"a\" ID = 0 Type = Integer End Attribute End Group End Component\n";

// What each command prints and leaves in a.mif, whose permissions a rewrite keeps.
TEST_F(RewriteTest, CommandsExitAndRewriteAsTold) {
    const fs::perms rw = fs::perms(0644), ro = fs::perms(0444);
    const std::string twoFixes = "a.mif:3: \"Start Paths\" -> \"Start Path\"\na.mif:9: Acme|Disk|1.0 -> \"Acme|Disk|1.0\"\n";
    // Arguments, a.mif before and its permissions, exit status, standard output, a.mif after.
    const std::tuple<const char *, std::string, fs::perms, int, std::string, std::string> cases[] = {
        {"format a.mif", kCommented, rw, 0, kCommentedFormatted, kCommented},
        {"format --check a.mif", kCommented, rw, 1, "a.mif\n", kCommented},  // lists what would change
        {"format --check a.mif", kCommentedFormatted, rw, 0, "", kCommentedFormatted},
        {"format -i a.mif", kCommented, fs::perms(0640), 0, "", kCommentedFormatted},
        {"format -i a.mif", kCommented, ro, 1, "", kCommented},
        {"format -i a.mif", kBroken, rw, 1, "", kBroken},  // not parsing: left as it is
        {"format --check a.mif", kBroken, rw, 1, "", kBroken},
        {"fix a.mif", kZeroId, rw, 1, "", kZeroId},
        {"fix a.mif", kTwoMistakes, ro, 1, twoFixes, kTwoMistakes},
    };
    for (const auto &[arguments, before, mode, status, printed, after] : cases) {
        WriteFile("a.mif", before);
        fs::permissions("a.mif", mode);
        std::string output;
        EXPECT_EQ(RunTool(arguments, output), status) << arguments;
        EXPECT_EQ(output, printed) << arguments;
        EXPECT_EQ(ReadFile("a.mif"), after) << arguments;
#ifndef _WIN32
        EXPECT_EQ(fs::status("a.mif").permissions(), mode) << arguments;
#endif
        // Windows removes no read-only file with its directory.
        fs::permissions("a.mif", fs::perms::owner_write, fs::perm_options::add);
    }
}

}  // namespace
}  // namespace mifkit::test
