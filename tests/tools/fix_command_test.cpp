// `mifkit check` with hints, its JSON and SARIF forms, and `mifkit fix` as a
// user runs them on files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::RunTool;
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

class FixCommandTest : public test::TempDirTest {};

// The hint follows the library's line, as a note in the editors' form and as
// fields of its own in JSON, one object a line.
TEST_F(FixCommandTest, CheckPrintsTheHintAfterTheDiagnostic) {
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
TEST_F(FixCommandTest, SarifLogsEveryFileWithItsFixes) {
    WriteFile("two.mif", kTwoMistakes);
    WriteFile("swapped.mif", test::Bytes("\xFF\xFES\0"));
    WriteFile("gone dir.mif", "");
    std::string output;
    EXPECT_EQ(RunTool("check --format=sarif two.mif swapped.mif \"gone dir.mif\"", output), 1);
    EXPECT_EQ(output, ReadFile(MIFKIT_TESTS_DIR "/tools/check_sarif.json"));
}

TEST_F(FixCommandTest, FixRewritesInPlaceAndTheSecondRunChangesNothing) {
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

TEST_F(FixCommandTest, FilesItCannotImproveOrWriteStayUntouched) {
    WriteFile("zero.mif", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 0 Type = Integer Value = 5 End Attribute
End Group
End Component
)");
    WriteFile("locked.mif", kTwoMistakes);
    fs::permissions("locked.mif", fs::perms::owner_read | fs::perms::group_read);
    const std::string zero = ReadFile("zero.mif");
    std::string output;
    EXPECT_EQ(RunTool("fix zero.mif", output), 1);
    EXPECT_EQ(ReadFile("zero.mif"), zero);
    EXPECT_EQ(RunTool("fix locked.mif", output), 1);
    EXPECT_EQ(ReadFile("locked.mif"), kTwoMistakes);
    fs::permissions("locked.mif", fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32
TEST_F(FixCommandTest, FixReplacesALinksTargetAndKeepsItsPermissions) {
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

}  // namespace
}  // namespace mifkit
