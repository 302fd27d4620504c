// `mifkit check` over many files: whatever the number of jobs, each file's
// lines come out whole, in the order the files were named.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

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

}  // namespace
}  // namespace mifkit
