// The grammar's shape (what is a syntax error, and where it is reported) and
// the moment each builder operation runs: whether the token after its
// production has been read decides the line and token its message shows.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;
using test::ParseText;

std::string Syntax(int line, const std::string &token) {
    return "DMI0225  (File: 0 (" + std::to_string(line) + "): 0: <" + token + ">) Syntax Error.\n";
}

std::string Form1(int number, int line, const std::string &token, const std::string &text) {
    return "DMI0" + std::to_string(number) + "  (File: 0 (" + std::to_string(line) + "): 0: <" +
           token + ">) " + text + "\n";
}

// Lines 1-2.
const std::string kHead = "Start Component\nName = \"c\"\n";
// Seven lines: a group's header and one attribute, without End Group.
const std::string kGroupOpen =
    "Start Group\nName = \"g\"\nClass = \"k\"\nID = 1\nStart Attribute\nName = \"a\"\nID = 1\n";
const std::string kAttributeRest = "Type = Integer\nValue = 5\nEnd Attribute\n";
const std::string kGroup = kGroupOpen + kAttributeRest + "End Group\n";  // 11 lines
const std::string kTail = kGroup + "End Component\n";

struct Case {
    const char *name;
    std::string source;
    int status;
    std::string diagnostics;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

// One MIF per case: its whole diagnostic text and the parse's status.
class GrammarCaseTest : public ::testing::TestWithParam<Case> {};

TEST_P(GrammarCaseTest, PrintsExactlyTheExpectedLines) {
    const Case &c = GetParam();
    auto parsed = ParseText(c.source);
    EXPECT_EQ(parsed.status, c.status);
    EXPECT_EQ(parsed.diagnostics, c.diagnostics);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, GrammarCaseTest,
    ::testing::Values(
        Case{"BlankFile", "\n\n", 1, Syntax(3, "")},
        Case{"Utf16MarkOnly", "\xFE\xFF", 1, Syntax(1, "")},
        Case{"DescriptionBeforeName", "Start Component\nDescription = \"d\"\n", 1,
             Syntax(2, "Description")},
        Case{"PathWithoutEntries", kHead + "Start Path\nName = \"p\"\nEnd Path\n", 1,
             Syntax(5, "End Path")},
        Case{"AttributeWithoutId",
             kHead + "Start Group\nName = \"g\"\nClass = \"k\"\nID = 1\nStart Attribute\n"
                     "Name = \"a\"\nType = Integer\n",
             1, Syntax(9, "Type")},
        Case{"CounterTypeInEnumeration", kHead + "Start Enum\nName = \"e\"\nType = Counter\n", 1,
             Syntax(5, "Counter")},
        Case{"LanguageAfterDefinition", kHead + kTail + "Language = \"a|b|c\"\n", 1,
             Syntax(15, "Language")},
        Case{"StringWithoutSize", kHead + kGroupOpen + "Type = String\nValue = \"v\"\n", 1,
             Syntax(11, "Value")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GrammarTest, AcceptsIntegerTypeInEnumerationAndTopLevelGroupsInARow) {
    auto parsed = ParseText(kGroup + kGroup + kHead + "Start Enum\nName = \"e\"\nType = Integer\n"
                                                      "1 = \"x\"\nEnd Enum\n" + kTail);
    ASSERT_EQ(parsed.status, 0) << parsed.diagnostics;
    EXPECT_NE(parsed.state().topGroupList->next, nullptr);
    EXPECT_EQ(Ascii(parsed.state().componentList->enumerations->elements->text), "x");
}

TEST(GrammarTest, WorkBeforeAStrayTokenStaysDone) {
    auto parsed = ParseText("Start Component\nName = \"early\" @");
    EXPECT_EQ(parsed.status, 1);
    EXPECT_EQ(parsed.diagnostics, Syntax(2, "@"));
    ASSERT_NE(parsed.state().componentList, nullptr);
    EXPECT_EQ(Ascii(parsed.state().componentList->name), "early");
    // The path's entries were attached before End Component was found wrong.
    auto path = ParseText(kHead + "Start Path\nName = \"p\"\nWin32 = \"x\"\nEnd Component\n");
    EXPECT_EQ(path.diagnostics, Syntax(6, "End Component"));
    const ComponentPath *p = path.state().componentList->paths;
    ASSERT_TRUE(p != nullptr && p->entries != nullptr);
    EXPECT_EQ(Ascii(p->entries->path), "x");
}

// One diagnostic per kind of production. A production that ends in a literal
// (or a key list, a list of path entries or elements) needs the next token to
// know it is complete, so its message shows that token; every other action
// runs before the next token is read and shows its own last token.
const std::string kAttributeHead = kHead + kGroupOpen;  // lines 1-9
const std::string kAfterValue = "Type = Integer\nEnd Attribute\nEnd Group\nEnd Component\n";
const std::string kNoType = "Type statement missing from attribute.";
const std::string kKeyed = kHead + "Start Group\nName = \"t\"\nClass = \"k\"\nKey = 1\n" +
                           "Start Attribute\nName = \"a\"\nID = 1\nType = Integer\nValue = 5\n"
                           "End Attribute\nEnd Group\nStart Table\nName = \"tb\"\nClass = \"k\"\nID = 2\n";

INSTANTIATE_TEST_SUITE_P(
    ActionTiming, GrammarCaseTest,
    ::testing::Values(
        // A literal statement: the token on the next line.
        Case{"DescriptionShowsNextToken",
             kHead + "Description = \"a\"\nDescription = \"b\"\n\n  Pragma = \"p\"\n" + kTail, 1023,
             Form1(156, 6, "Pragma", "Duplicate statement encountered in component body.")},
        // A number, a keyword value or a Direct-Interface entry: itself.
        Case{"ValueNumberShowsItself", kAttributeHead + "Value =\n  5\n" + kAfterValue, 1043,
             Form1(235, 11, "5", kNoType)},
        Case{"ValueKeywordShowsItself", kAttributeHead + "Value = Unsupported\n" + kAfterValue, 1043,
             Form1(235, 10, "Unsupported", kNoType)},
        Case{"DirectInterfaceShowsItself",
             kHead + "Start Path\nName = \"p\"\nWin32 = \"x\"\nWin32 =\n Direct-Interface\nEnd Path\n" +
                 kTail,
             1026, Form1(207, 7, "Direct-Interface", "Duplicate statement in component paths body.")},
        // A start marker: the start token itself.
        Case{"StartMarkerShowsItself", kHead + kTail + "\n Start Component\nName = \"d\"\n" + kTail, 1068,
             Form1(118, 16, "Start Component", "Only one component is allowed per MIF file.")},
        // Row entries and the row's end: the entry itself, the closing brace.
        Case{"RowEntryShowsItself", kKeyed + "{10\n  20}\nEnd Table\nEnd Component\n", 1044,
             Form1(173, 19, "20", "Expecting a ',' or '}' after a table data entry.")},
        Case{"RowEndShowsBrace",
             kHead + kGroup + "Start Table\nName = \"tb\"\nID = 2\n{1,\n}\nEnd Table\nEnd Component\n", 1048,
             Form1(171, 18, "}", "Expecting the class name of a template.")},
        // The end of a definition: its end token, and the parse ends there.
        Case{"FailingEndGroupEndsTheParse",
             kHead + "Start Group\nName = \"g\"\nID = 1\nStart Attribute\nName = \"a\"\nID = 1\n" +
                 kAttributeRest + "End Group\nStart Group\nName = \"h\"\nEnd Group\n@",
             1005,
             Form1(181, 12, "End Group", "Expecting the class, name, or ID of this group.")},
        // An unknown template class aborts right after its statement.
        Case{"UnknownTemplateClassAborts",
             kHead + kGroup + "Start Table\nName = \"tb\"\nClass = \"nope\"\nID = 1\nID = 0\n@", 1029,
             Form1(233, 17, "ID", "Unknown  class specified in table definition.")}),
    [](const auto &info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mifkit
