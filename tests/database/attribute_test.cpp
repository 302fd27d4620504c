// Attributes, and the ID and Pragma statements they share with groups, tables and the component.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "database/builders.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii, test::ParseText;

const std::string kHead = "Start Component\nName = \"c\"\n", kEndC = "End Component\n", kTail = "End Group\n" + kEndC;
const std::string kGroupHead = kHead + "Start Group\nName = \"g\"\nClass = \"k\"\nID = 1\n";
const std::string kAttrTop = "Start Attribute\nName = \"a\"\n";  // the ID line follows
std::string Attr(uint32_t id, const std::string &body = "Type = Integer\n") {
    return kAttrTop + "ID = " + std::to_string(id) + "\n" + body + "End Attribute\n";
}
std::string GroupDef(const std::string &header, const std::string &body) {
    return "Start Group\nName = \"h\"\nClass = \"x\"\n" + header + body + "End Group\n";
}
const std::string kKeyed = kGroupHead + "Key = 1\n" + Attr(1) + "End Group\n";
const std::string kTableTop = "Start Table\nName = \"t\"\nClass = \"k\"\n";

int Line(const std::string &prefix) { return 1 + static_cast<int>(std::count(prefix.begin(), prefix.end(), '\n')); }
std::string Form1(int number, int line, const std::string &token, const std::string &text, uint32_t third = 0) {
    return "DMI0" + std::to_string(number) + "  (File: 0 (" + std::to_string(line) + "): " + std::to_string(third) +
           ": <" + token + ">) " + text + "\n";
}
std::string Form5(int number, int line, uint32_t id, const std::string &text) {
    return "DMI0" + std::to_string(number) + "  (File 0, Line " + std::to_string(line) + ", ID <" +
           std::to_string(id) + ">, Token <" + std::to_string(id) + ">) " + text + "\n";
}

using U = std::vector<uint32_t>;
using S = const ParseState &;
const Group *FirstGroup(S s) { return s.componentList->groups; }
const Attribute *First(S s) { return FirstGroup(s)->attributes; }
U Of(S s, uint32_t Attribute::*field) { U out; for (auto *a = First(s); a; a = a->next) out.push_back(a->*field); return out; }
struct Case { const char *name; std::string source; int status; std::string printed; std::function<void(S)> check; };
void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }
class AttributeTest : public ::testing::TestWithParam<Case> {};
TEST_P(AttributeTest, ReportsAndBuilds) {
    const Case &c = GetParam();
    auto parsed = ParseText(c.source);
    EXPECT_EQ(parsed.status, c.status);
    EXPECT_EQ(parsed.diagnostics, c.printed);
    if (c.check) c.check(parsed.state());
}
const std::string kAttrDup = "Duplicate statement encountered in attribute body.";
const std::string kRefer = "Type = \"e\"\nValue = 1\nEnd Attribute\nEnd Group\n@\n";  // ends the parse
const std::string kEnum = "Start Enum\nName = \"e\"\n1 = \"one\"\nEnd Enum\n";
const std::string kTableRest = "{1}\nEnd Table\n" + kEndC;

INSTANTIATE_TEST_SUITE_P(
    Attributes, AttributeTest,
    ::testing::Values(
        Case{"DuplicateIdKeptOtherGroupFree",
             kGroupHead + Attr(5) + Attr(5) + "End Group\n" + GroupDef("ID = 2\n", Attr(5)) + kEndC, 1071,
             Form5(239, Line(kGroupHead + Attr(5) + kAttrTop), 5, "Attribute ID is not unique."),
             [](S s) { EXPECT_TRUE(Of(s, &Attribute::id) == U({5, 5}) && Of(s, &Attribute::idGiven) == U({1, 1})); }},
        Case{"SecondIdInTable", kKeyed + kTableTop + "ID = 7\nID = 8\n" + kTableRest, 1032,
             Form1(170, Line(kKeyed + kTableTop) + 1, "8", "Duplicate statement encountered in table definition."),
             [](S s) { EXPECT_EQ(s.componentList->tables->id, 7u); }},
        Case{"GroupIdOfEarlierTable",
             kKeyed + kTableTop + "ID = 5\n{1}\nEnd Table\n" + GroupDef("ID = 5\n", Attr(1)) + kEndC, 1072,
             Form5(240, Line(kKeyed + kTableTop + "ID = 5\n{1}\nEnd Table\n") + 3, 5, " Group ID is not unique."),
             [](S s) { EXPECT_TRUE(FirstGroup(s)->next->id == 5 && FirstGroup(s)->next->idGiven == 1); }},
        Case{"TableIdOfGroup", kKeyed + kTableTop + "ID = 1\n" + kTableRest, 1070,
             Form5(241, Line(kKeyed + kTableTop), 1, "Table  ID is not unique."),
             [](S s) { EXPECT_EQ(s.componentList->tables->id, 1u); }},
        Case{"TopLevelIdsNotCompared", GroupDef("ID = 1\n", Attr(1)) + kGroupHead + Attr(1) + kTail, 0, "", nullptr},
        // The last Access wins and Value = Unsupported sets Write-Only only when it comes last.
        Case{"AccessAndStorageCodes",
             kGroupHead + Attr(1, "Access = Read-Only\nStorage = Specific\n") +
                 Attr(2, "Access = Read-Write\nStorage = Common\n") + Attr(3) +
                 Attr(4, "Access = Read-Only\nAccess = Write-Only\nStorage = Specific\nStorage = Common\n") +
                 Attr(5, "Type = Integer\nValue = Unsupported\nAccess = Read-Only\n") +
                 Attr(6, "Access = Read-Only\nType = Integer\nValue = Unsupported\n") + kTail,
             0, "", [](S s) {
                 EXPECT_EQ(Of(s, &Attribute::access), U({1, 2, 0, 3, 1, 4}));
                 EXPECT_EQ(Of(s, &Attribute::storage), U({1, 0, 0, 0, 0, 0}));
             }},
        Case{"LaterTypeKeepsSize", kGroupHead + Attr(1, "Type = OctetString(4)\nType = Integer\nValue = 5\n") + kTail,
             0, "", [](S s) { EXPECT_TRUE(Of(s, &Attribute::type) == U{kTypeInteger} && First(s)->size == 4); }},
        Case{"EnumerationDefinedLater", kGroupHead + kAttrTop + "ID = 1\n" + kRefer + kEnum, 1039,
             "DMI0234  (File 0, ID " + std::to_string(Line(kGroupHead + kAttrTop) + 2) +
                 ", 0,  <Value>) Cannot locate enumeration by name.\n", nullptr},
        Case{"SecondPragmaInAttribute", kGroupHead + Attr(1, "Pragma = \"p\"\nPragma = \"q\"\n") + kTail, 1082,
             Form1(135, Line(kGroupHead + kAttrTop) + 3, "End Attribute", kAttrDup),
             [](S s) { EXPECT_EQ(Ascii(First(s)->pragma), "p"); }},
        Case{"PragmaAfterAttributeGoesToGroup", kGroupHead + Attr(1, "Pragma = \"a\"\n") + "Pragma = \"g\"\n" + kTail,
             0, "", [](S s) { EXPECT_TRUE(Ascii(First(s)->pragma) == "a" && Ascii(FirstGroup(s)->pragma) == "g"); }}),
    [](const auto &info) { return std::string(info.param.name); });

// What only a caller can give an open attribute: the grammar allows one ID
// statement, and a Type literal is null only when the pool ran dry.
TEST(AttributeHeader, CallerOnlyArguments) {
    auto parsed = ParseText(kGroupHead + kAttrTop + "ID = 1\n@");
    struct { uint32_t length = 2; char text[6] = "2"; } two;  // a counted number text
    EXPECT_EQ(SetId(parsed.ctx(), reinterpret_cast<CountedString *>(&two)), 1033);
    EXPECT_EQ(parsed.parser->Take(), Form1(135, Line(kGroupHead + kAttrTop) + 1, "@", kAttrDup, 2));
    EXPECT_EQ(parsed.state().currentAttribute->id, 1u);
    EXPECT_EQ(SetAttributeType(parsed.ctx(), kTypeNamedEnumeration, nullptr), 0);  // missing, not unknown
    EXPECT_EQ(parsed.parser->Take(), "");
    EXPECT_TRUE(parsed.state().currentAttribute->type == kTypeNamedEnumeration && parsed.ctx().diagnostics.abortParse == 0);
}

// Group IDs stay unique however many groups the component holds: one line, for the one repeat.
TEST(AttributeHeader, GroupIdsUniqueAtScale) {
    std::string source = kHead, before;
    for (uint32_t i = 1; i <= 3000; ++i) {
        if (i == 2000) before = source + "Start Group\nName = \"h\"\nClass = \"x\"\n";
        source += GroupDef("ID = " + std::to_string(i == 2000 ? 777 : i) + "\n", Attr(1));
    }
    auto parsed = ParseText(source + kEndC);
    EXPECT_EQ(parsed.status, 1072);
    EXPECT_EQ(parsed.diagnostics, Form5(240, Line(before), 777, " Group ID is not unique."));
}

}  // namespace
}  // namespace mifkit
