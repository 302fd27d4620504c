// Every diagnostic is one whole line in a fixed form: checked against the
// message catalogue written out by hand, for every number.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "driver/diagnostics.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

// The expected lines, one per number from 99 to 249, for file number 7,
// line 12, third number 34 and text "tok", written out from the catalogue.
std::vector<std::string> ExpectedLines() {
    std::ifstream in(MIFKIT_TESTS_DIR "/driver/every_message.txt", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line + "\n");
    return lines;
}

// 99 and 249 lie just outside the catalogue and 102..107 inside it without a
// text: all print the fallback line. The caller's file number (7) is ignored.
TEST(Diagnostics, EveryMessagePrintsItsWholeLine) {
    const std::vector<std::string> expected = ExpectedLines();
    ASSERT_EQ(expected.size(), 151u);
    for (uint32_t number = 99; number <= 249; ++number) {
        test::CapturedContext c;
        EXPECT_EQ(ReportMessage(c.ctx, number, 7, 12, 34, "tok"), 0);
        EXPECT_EQ(c.Take(), expected[number - 99]) << "message " << number;
    }
}

// Each literal adds a line to the working copy; the report must show the
// source line, but a line of 0 means "no line" and stays 0.
TEST(Diagnostics, LiteralCountIsSubtractedFromTheLine) {
    const struct { uint32_t literalCount, line; const char *printed; } cases[] = {
        {3, 0, "0"}, {3, 10, "7"}, {0, 10, "10"}, {5, 5, "0"}};
    for (const auto &lc : cases) {
        test::CapturedContext c;
        c.ctx.diagnostics.literalCount = lc.literalCount;
        ReportMessage(c.ctx, 225, 0, lc.line, 0, "End");
        EXPECT_EQ(c.Take(), std::string("DMI0225  (File: 0 (") + lc.printed +
                                "): 0: <End>) Syntax Error.\n")
            << lc.literalCount << " literals, line " << lc.line;
    }
}

// Labels do not reorder the values: after "ID" form 3 shows the line, form 5
// shows the line after "Line" and the third number after "ID".
TEST(Diagnostics, LabelsKeepTheValueOrder) {
    test::CapturedContext c;
    c.ctx.diagnostics.literalCount = 2;
    ReportMessage(c.ctx, 234, 0, 10, 99, "Colors");
    ReportMessage(c.ctx, 241, 0, 10, 99, "Table");
    EXPECT_EQ(c.Take(),
              "DMI0234  (File 0, ID 8, 99,  <Colors>) Cannot locate enumeration by name.\n"
              "DMI0241  (File 0, Line 8, ID <99>, Token <Table>) Table  ID is not unique.\n");
}

TEST(Diagnostics, StatusHistoryKeepsTheNewestFour) {
    test::CapturedContext c;
    ResetStatusHistory(c.ctx);
    for (int32_t status : {1001, 1002, 1003, 1004, 1005}) PushStatus(c.ctx, status);
    const int32_t *history = c.ctx.diagnostics.statusHistory;
    EXPECT_EQ((std::vector<int32_t>(history, history + 4)),
              (std::vector<int32_t>{1002, 1003, 1004, 1005}));
}

TEST(Diagnostics, SyntaxErrorUsesTheLexersLineAndTokenAndSetsErrorSeen) {
    test::CapturedContext c;
    c.ctx.lexer.lineNumber = 9;
    c.ctx.lexer.tokenText = "End";
    c.ctx.diagnostics.literalCount = 2;
    ReportSyntaxError(c.ctx, "ignored text");
    EXPECT_EQ(c.Take(), "DMI0225  (File: 0 (7): 0: <End>) Syntax Error.\n");
    EXPECT_EQ(c.ctx.diagnostics.errorSeen, 1u);
}

}  // namespace
}  // namespace mifkit
