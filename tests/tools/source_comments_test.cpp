// The comments format keeps: found where the parse finds them, with the
// line they stand on.
#include <gtest/gtest.h>

#include "tools/source_comments.h"

namespace mifkit::tool {
namespace {

struct CommentCase {
    const char *name;
    std::string source;
    std::vector<SourceComment> comments;
};

void PrintTo(const CommentCase &c, std::ostream *out) { *out << c.name; }

bool operator==(const SourceComment &a, const SourceComment &b) { return a.line == b.line && a.text == b.text; }

class FindCommentsTest : public ::testing::TestWithParam<CommentCase> {};

TEST_P(FindCommentsTest, FindsEachWithItsLine) {
    std::vector<SourceComment> found = FindComments(GetParam().source);
    ASSERT_EQ(found.size(), GetParam().comments.size());
    for (size_t i = 0; i < found.size(); ++i) EXPECT_TRUE(found[i] == GetParam().comments[i]) << i;
}

const CommentCase kCases[] = {
    {"whole_line_and_trailing", "// a\nName = \"x\" // b\n", {{1, u" a"}, {2, u" b"}}},
    {"slashes_in_a_literal", "Name = \"http://x\" //c\n", {{1, u"c"}}},
    {"escaped_quote_keeps_the_literal_open", "Name = \"a\\\" // no\" // yes\n", {{1, u" yes"}}},
    {"quote_in_a_comment_opens_nothing", "// \"\nName = \"//\"\n", {{1, u" \""}}},
    {"crlf_line_ends", "// a\r\n\r\n//b\r\n", {{1, u" a"}, {3, u"b"}}},
    {"at_the_end_without_a_line_feed", "Name = \"x\"\n// end", {{2, u" end"}}},
    {"latin1", "// caf\xE9\n", {{1, u" caf\u00E9"}}},
    {"text_ends_at_0x1a", "// a\n\x1A// b\n", {{1, u" a"}}},
    {"utf16", std::string("\xFE\xFF\0/\0/\x03\xA9\0\n\0/\0/\0x", 16), {{1, u"\u03A9"}, {2, u"x"}}},
};

INSTANTIATE_TEST_SUITE_P(Sources, FindCommentsTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mifkit::tool
