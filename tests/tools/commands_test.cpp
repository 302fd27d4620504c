// The commands as a user runs them. `mifkit check` over many files: whatever
// the number of jobs, each file's lines come out whole, in the order the files
// were named; the records behind --gnu, with the true source line and the
// readable token where the printed line differs from them. Then the whole
// outputs of `dump`, `groups`, `table` and `tokens`, and `new-component`, a
// file that parses whatever the name holds.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "mifkit/parser.h"
#include "tests/test_support.h"
#include "tools/check_report.h"
#include "tools/new_component_command.h"

namespace mifkit::test {
namespace {

class CheckCommandTest : public test::TempDirTest {};

const char *const kJobs[] = {"-j 1", "-j 2", "--jobs 7", ""};
const char *const kTwoFileJobs = "-j 3";

TEST_F(CheckCommandTest, PrintsEachFilesLinesInTheGivenOrderWhateverTheJobs) {
    WriteFile("good.mif", test::kMinimalMif);
    WriteFile("bad.mif", "Start Component\nName = \"c\"\nStart Group\nEnd Group\nEnd Component\n");
    WriteFile("syntax.mif", "Start Component\nEnd Component\n");
    // Each file's lines as a check of that file alone prints them.
    std::string alone[3];
    const char *names[3] = {"bad.mif", "good.mif", "syntax.mif"};
    for (int i = 0; i < 3; ++i) RunTool(std::string("check ") + names[i], alone[i]);
    EXPECT_TRUE(alone[1].empty() && !alone[0].empty() && !alone[2].empty());
    std::string files, expected;
    for (int round = 0; round < 12; ++round)
        for (int i = 0; i < 3; ++i) {
            files += std::string(" ") + names[i];
            expected += std::string("==> ") + names[i] + " <==\n" + alone[i];
        }
    for (const char *jobs : kJobs) {
        std::string output;
        EXPECT_EQ(RunTool(std::string("check ") + jobs + files, output), 1) << jobs;
        EXPECT_EQ(output, expected) << jobs;
    }
    std::string output;
    EXPECT_EQ(RunTool(std::string("check ") + kTwoFileJobs + " good.mif good.mif", output), 0);
    EXPECT_EQ(output, "==> good.mif <==\n==> good.mif <==\n");
}

TEST(CheckReportTest, RecordsCarryTheTrueLineAndTheReadableToken) {
    // Source, the library's line, the source line, the editors' line.
    const std::tuple<std::string, std::string, uint32_t, std::string> cases[] = {
        // The overlay's literal is the current token: counted already, its
        // line not yet ended, so the printed line is one short.
        {R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = DisplayString(8) End Attribute
End Group
Start Table Name = "t" Class = "k"
{"a" *"b"}
End Table
End Component
)",
         "DMI0173  (File: 0 (5): 0: <\"" + test::ZM + "b" + test::EM + ">) Expecting a ',' or '}' after a "
         "table data entry.\n",
         6, "f.mif:6: error: Expecting a ',' or '}' after a table data entry. near \"b\" [DMI0173]\n"},
        // A UTF-16 literal holding a line feed: the source has one line more.
        {"\xFE\xFF" + test::Utf16("Start Component\nName = \"a\nb\"\n@\n"),
         "DMI0225  (File: 0 (3): 0: <@>) Syntax Error.\n", 4,
         "f.mif:4: error: Syntax Error. near \"@\" [DMI0225]\n"},
    };
    for (const auto &[source, printed, sourceLine, gnu] : cases) {
        Database db = Database::FromBuffer(source);
        ASSERT_EQ(db.diagnostics().size(), 1u) << printed;
        EXPECT_FALSE(db.ok());
        EXPECT_EQ(db.diagnostics()[0].text, printed);
        EXPECT_EQ(db.diagnostics()[0].sourceLine, sourceLine) << printed;
        EXPECT_EQ(tool::FormatGnuDiagnostic("f.mif", db.diagnostics()[0]), gnu);
    }
}

TEST(CheckReportTest, GnuFormShowsIdsAndOmitsAMissingLine) {
    Diagnostic withId{240, 7, 12, "End Group", 9, "End Group", ""};
    EXPECT_EQ(tool::FormatGnuDiagnostic("a.mif", withId),
              "a.mif:9: error:  Group ID is not unique. (ID 12) near \"End Group\" [DMI0240]\n");
    Diagnostic noLine{223, 0, 0, "gone.mif", 0, "gone.mif", ""};
    EXPECT_EQ(tool::FormatGnuDiagnostic("gone.mif", noLine),
              "gone.mif: error: Fatal file error. near \"gone.mif\" [DMI0223]\n");
}

// Whole outputs of files in this folder: dump_values.mif holds every kind of
// value, dump_values.json is its dump; tokens.mif has Windows line ends, a
// comment holding a quote, adjacent literals, an escaped quote, a Latin-1
// letter and a stray byte, and every line tokens.txt and tokens.json show
// must still be the line of the source (in JSON an OS code is a number, a
// stray byte U+FFFD). The example's listing was checked by hand against it.
TEST(QueryCommands, PrintWholeOutputs) {
    const std::string values = MIFKIT_TESTS_DIR "/tools/dump_values.mif", bad = MIFKIT_TESTS_DIR "/host/syntax.mif";
    const std::pair<std::string, std::string> cases[] = {
        {"dump " + values, TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/dump_values.json")},
        {"groups " + values, "ID  KIND   NAME  CLASS  COLUMNS  ROWS\n1   group  g     k      7        -\n"},
        // Defaults in row 2, an overlay in row 3.
        {"table " MIFKIT_EXAMPLES_DIR "/network_adapter.mif 2",
         "Port Index  Link       Octets Received  Speed Offset\n1           Up         1024             -2\n"
         "2           Down       0                -5\n3           *PortLink  16               7\n"},
        {"tokens " MIFKIT_TESTS_DIR "/tools/tokens.mif", TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/tokens.txt")},
        {"tokens --json " MIFKIT_TESTS_DIR "/tools/tokens.mif", TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/tokens.json")},
        {"tokens " MIFKIT_EXAMPLES_DIR "/network_adapter.mif",
         TempDirTest::ReadFile(MIFKIT_EXAMPLES_DIR "/network_adapter.tokens")}};
    std::string output;
    for (const auto &[command, expected] : cases) {
        EXPECT_EQ(RunTool(command, output), 0) << command;
        EXPECT_EQ(output, expected) << command;
    }
    // A file that does not parse or cannot be read, or no such table: nothing on stdout, and a failure.
    for (const std::string &command : {"dump " + bad, "groups " + bad, "table " + bad + " 1", "table " + values + " 2",
                                       std::string("tokens missing.mif")}) {
        EXPECT_EQ(RunTool(command, output), 1) << command;
        EXPECT_EQ(output, "") << command;
    }
}

// new_component.mif: the component ID group every component carries, with
// the name as its product, in the canonical layout.
TEST(NewComponent, PrintsAMinimalComponentIdGroup) {
    EXPECT_EQ(tool::NewComponentText("Widget"), TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/new_component.mif"));
}

// Whatever the name holds the text parses; a name too long for the product gives none.
TEST(NewComponent, EscapesWhatTheNameHolds) {
    for (const char *name : {"a \"quoted\" \\ name", "\xCE\xA9mega", "tab\there"}) {
        SCOPED_TRACE(name);
        Database database = Database::FromBuffer(tool::NewComponentText(name));
        ASSERT_TRUE(database.ok()) << ::testing::PrintToString(Lines(database));
        EXPECT_EQ(database.component().name().utf8(), name);
    }
    EXPECT_EQ(tool::NewComponentText(std::string(65, 'x')), "");
}

}  // namespace
}  // namespace mifkit::test
