// `mifkit check`: over many files, whatever the number of jobs, each file's
// lines come out whole, in the order the files were named; and the records
// behind --gnu, with the true source line and the readable token where the
// printed line differs from them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "mifkit/parser.h"
#include "tests/test_support.h"
#include "tools/check_report.h"

namespace mifkit {
namespace {

using test::RunTool;

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
    EXPECT_EQ(alone[1], "");
    EXPECT_NE(alone[0], "");
    EXPECT_NE(alone[2], "");
    std::string files;
    std::string expected;
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

}  // namespace
}  // namespace mifkit
