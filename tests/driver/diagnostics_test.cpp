// Every diagnostic is one whole line in a fixed form: checked against the
// message catalogue written out by hand, for every number.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "core/diagnostics.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

// every_message.txt holds one line per number from 99 to 249 for file 7, line
// 12, third number 34 and text "tok". 99, 249 and 102..107 have no text and
// print the fallback line; the caller's file number is ignored.
TEST(Diagnostics, EveryMessagePrintsItsWholeLine) {
    std::ifstream in(MIFKIT_TESTS_DIR "/driver/every_message.txt", std::ios::binary);
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line + "\n");
    ASSERT_EQ(expected.size(), 151u);
    for (uint32_t number = 99; number <= 249; ++number) {
        test::CapturedContext c;
        EXPECT_EQ(ReportMessage(c.ctx, number, 7, 12, 34, "tok"), 0);
        EXPECT_EQ(c.Take(), expected[number - 99]) << "message " << number;
    }
}

// The line shown is the source's, not the working copy's (a literal adds a
// line there); 0 means "no line" and stays 0. Labels do not reorder the
// values: form 3 shows the line after "ID", form 5 the third number.
TEST(Diagnostics, LinesAndLabels) {
    for (const auto &[literals, line, printed] : {std::make_tuple(3u, 0u, "0"), std::make_tuple(3u, 10u, "7"),
                                                  std::make_tuple(0u, 10u, "10"), std::make_tuple(5u, 5u, "0")}) {
        test::CapturedContext c;
        c.ctx.diagnostics.literalCount = literals;
        ReportMessage(c.ctx, 225, 0, line, 0, "End");
        EXPECT_EQ(c.Take(), std::string("DMI0225  (File: 0 (") + printed + "): 0: <End>) Syntax Error.\n") << line;
    }
    test::CapturedContext c;
    c.ctx.diagnostics.literalCount = 2;
    ReportMessage(c.ctx, 234, 0, 10, 99, "Colors");
    ReportMessage(c.ctx, 241, 0, 10, 99, "Table");
    EXPECT_EQ(c.Take(), "DMI0234  (File 0, ID 8, 99,  <Colors>) Cannot locate enumeration by name.\n"
                        "DMI0241  (File 0, Line 8, ID <99>, Token <Table>) Table  ID is not unique.\n");
    c.ctx.lexer.lineNumber = 9;  // a syntax error takes the lexer's line and token, and is remembered
    c.ctx.lexer.tokenText = "End";
    ReportSyntaxError(c.ctx, "ignored text");
    EXPECT_EQ(c.Take(), "DMI0225  (File: 0 (7): 0: <End>) Syntax Error.\n");
    EXPECT_EQ(c.ctx.diagnostics.errorSeen, 1u);
}

}  // namespace
}  // namespace mifkit
