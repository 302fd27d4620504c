// The token listing behind `mifkit tokens`, and the tool itself.
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "core/tokens.h"
#include "tests/test_support.h"
#include "tools/token_listing.h"

namespace mifkit::tool {
namespace {

// Windows line ends, a comment holding a quote, adjacent literals, an escaped
// quote, a Latin-1 letter and a stray byte: every line shown must still be
// the line of the source.
const char kSmallFile[] =
    "// a \"comment\"\r\n"
    "Name = \"Ab\" \"c\\\"d\"\r\n"
    "Value = 0x1F, -5, Win9x\r\n"
    "Unix = Direct-Interface \"\xE9\"\r\n"
    "\x80";

const char kSmallListing[] =
    "2\t269\tNAME\n2\t268\tEQUAL\n2\t258\tQUOTEDSTRING\t\"Ab\"\n2\t258\tQUOTEDSTRING\t\"c\\\"d\"\n"
    "3\t288\tVALUE\n3\t268\tEQUAL\n3\t260\tUINTEGER\t0x1F\n3\t267\tCOMMA\n3\t259\tINTEGER\t-5\n3\t267\tCOMMA\n"
    "3\t257\tOS_NAME\t6\n4\t257\tOS_NAME\t3\n4\t268\tEQUAL\n4\t261\tDIRECT_INTERFACE\t\"Direct-Interface\"\n"
    "4\t258\tQUOTEDSTRING\t\"\xC3\xA9\"\n5\t310\tGARBAGE\t\"\\x80\"\n";

class TokenListingTest : public test::TempDirTest {
protected:
    std::vector<ListedToken> List(const char *file) {
        std::vector<ListedToken> tokens;
        EXPECT_EQ(ListTokens(captured_.ctx, file, tokens), 0);
        return tokens;
    }

    test::CapturedContext captured_;
};

TEST_F(TokenListingTest, ListsASmallFile) {
    WriteFile("small.mif", kSmallFile);
    EXPECT_EQ(FormatTokenLines(List("small.mif")), kSmallListing);
}

// The whole listing of the bundled example, checked by hand against it, from
// the library and from the built tool alike.
TEST_F(TokenListingTest, ListsTheExampleFile) {
    const std::string example = MIFKIT_EXAMPLES_DIR "/network_adapter.mif";
    const std::string expected = ReadFile(MIFKIT_EXAMPLES_DIR "/network_adapter.tokens");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(FormatTokenLines(List(example.c_str())), expected);
    std::string output;
    EXPECT_EQ(test::RunTool("tokens " + example, output), 0);
    EXPECT_EQ(output, expected);
}

TEST_F(TokenListingTest, ToolListsTokens) {
    WriteFile("small.mif", kSmallFile);
    std::string output;
    EXPECT_EQ(test::RunTool("tokens --json small.mif", output), 0);
    nlohmann::json list = nlohmann::json::parse(output);
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[2], (nlohmann::json{{"line", 2}, {"token", 258}, {"name", "QUOTEDSTRING"}, {"value", "Ab"}}));
    EXPECT_FALSE(list[0].contains("value"));
    EXPECT_EQ(list[10]["value"], 6);                  // an OS code is a number
    EXPECT_EQ(list[14]["value"], "\xC3\xA9");
    EXPECT_EQ(list[15]["value"], "\xEF\xBF\xBD");  // a stray byte is no UTF-8
    EXPECT_EQ(test::RunTool("tokens missing.mif", output), 1);
    EXPECT_EQ(output, "");
}

}  // namespace
}  // namespace mifkit::tool
