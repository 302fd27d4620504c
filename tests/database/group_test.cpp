// Groups: the end-of-group checks, attribute order, Key statements, duplicate
// header statements, top-level groups and how a table finds its template.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;
using test::ParseText;

const std::string kHead = "Start Component\nName = \"c\"\n";
const std::string kEnd = "End Component\n";
const std::string kId1 = "ID = 1\n", kId2 = "ID = 2\n";
const std::string kTableHead = "Start Table\nName = \"t\"\nClass = \"k\"\n";
const std::string kTable = kTableHead + "{1}\nEnd Table\n";

std::string Attr(uint32_t id) {
    const std::string n = std::to_string(id);
    return "Start Attribute\nName = \"a" + n + "\"\nID = " + n + "\nType = Integer\nValue = 1\nEnd Attribute\n";
}
std::string GroupDef(const std::string &header, const std::string &body) {
    return "Start Group\n" + header + body + "End Group\n";
}
std::string Keyed(const std::string &name, const std::string &cls, const std::string &more = "") {
    return GroupDef("Name = \"" + name + "\"\nClass = \"" + cls + "\"\n" + more, "Key = 1\n" + Attr(1));
}
// The line on which the text after `prefix` starts.
int Line(const std::string &prefix) { return 1 + static_cast<int>(std::count(prefix.begin(), prefix.end(), '\n')); }
std::string Form1(int number, int line, const std::string &token, const std::string &text) {
    return "DMI0" + std::to_string(number) + "  (File: 0 (" + std::to_string(line) + "): 0: <" + token + ">) " +
           text + "\n";
}
const std::string kDup = "Duplicate statement encountered in group body.";
const std::string kPlain = GroupDef("Name = \"g\"\nClass = \"k\"\nID = 1\n", Attr(1));
const std::string kAfter = kHead + kPlain + kEnd;

// One field of every record of a list, in list order.
template <typename Record, typename Field>
auto Collect(const Record *r, Field field) {
    std::vector<decltype(field(r))> out;
    for (; r != nullptr; r = r->next) out.push_back(field(r));
    return out;
}
std::vector<uint32_t> Keys(const Group *g) { return Collect(g->keys, [](auto *k) { return k->attributeId; }); }
using V = std::vector<std::string>;
template <typename Record> V Names(const Record *g) { return Collect(g, [](auto *r) { return Ascii(r->name); }); }
const Group *FirstGroup(const ParseState &s) { return s.componentList->groups; }

using S = const ParseState &;
using Check = std::function<void(S)>;
struct Case { const char *name; std::string source; int status; std::string printed; Check check; uint64_t fail = 0; };
void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }
class GroupTest : public ::testing::TestWithParam<Case> {};

TEST_P(GroupTest, ReportsAndBuilds) {
    const Case &c = GetParam();
    auto parsed = ParseText(c.source, c.fail);
    EXPECT_EQ(parsed.status, c.status);
    EXPECT_EQ(parsed.diagnostics, c.printed);
    if (c.check) c.check(parsed.state());
}

// A group that fails its end check; the "@" after it shows the parse ended.
Case EndCheck(const char *name, const std::string &header, const std::string &body, int message, int status,
              const std::string &text) {
    const std::string before = kHead + "Start Group\n" + header + body;
    return Case{name, before + "End Group\n@\n", status, Form1(message, Line(before), "End Group", text), nullptr};
}
// A component group whose header and body are given, then a clean end.
Case InGroup(const char *name, const std::string &header, const std::string &body, int status,
             std::string diagnostics, Check check) {
    return Case{name, kHead + GroupDef(header, body) + kEnd, status, diagnostics, check};
}
const std::string kNameClass = "Name = \"g\"\nClass = \"k\"\n";
const std::string kGroupTop = kHead + "Start Group\n" + kNameClass;  // the Key line follows
const std::string k236 = "Only one global group is allowed per MIF file.";
const std::string k174 = "Tables must be associated with keyed groups.";
const std::string k233 = "Unknown  class specified in table definition.";

INSTANTIATE_TEST_SUITE_P(
    Groups, GroupTest,
    ::testing::Values(
        EndCheck("NameCheckedFirst", "ID = 1\n", "Pragma = \"p\"\n", 179, 1004, "Expecting the name of this group."),
        EndCheck("ClassBeforeAttributes", "Name = \"g\"\n", "Pragma = \"p\"\n", 181, 1005,
                 "Expecting the class, name, or ID of this group."),
        EndCheck("AttributesBeforeIdOrKeys", kNameClass, "Pragma = \"p\"\n", 231, 1006,
                 "Expecting an attribute definition in group definition."),
        EndCheck("NeitherIdNorKeys", kNameClass, Attr(1), 232, 1007, "Expecting keys or  an ID of this group."),
        InGroup("RepeatedKeyIdOnlyError", kNameClass, "Key = 1, 2, 1\n" + Attr(1), 1041,
                Form1(176, Line(kGroupTop), "1", "Key is not unique."),
                [](S s) { EXPECT_EQ(Keys(FirstGroup(s)), (std::vector<uint32_t>{1, 2})); }),
        InGroup("SecondKeyStatement", kNameClass, "Key = 1\nKey = 1, 3\n" + Attr(1), 1040,
                Form1(189, Line(kGroupTop) + 1, "1", kDup) + Form1(189, Line(kGroupTop) + 1, "3", kDup),
                [](S s) { EXPECT_EQ(Keys(FirstGroup(s)), (std::vector<uint32_t>{1})); }),
        InGroup("SecondName", "Name = \"g\"\nName = \"h\"\nClass = \"k\"\nID = 1\n", Attr(1), 1027,
                Form1(189, 6, "Class", kDup), [](S s) { EXPECT_EQ(Ascii(FirstGroup(s)->name), "g"); }),
        InGroup("SecondClass", kNameClass + "Class = \"x\"\nID = 1\n", Attr(1), 1030, Form1(189, 7, "ID", kDup),
                [](S s) { EXPECT_EQ(Ascii(FirstGroup(s)->className), "k"); }),
        // Top-level groups.
        Case{"TwoBeforeTheComponentAccepted", Keyed("t1", "k") + Keyed("t2", "k") + kAfter, 0, "",
             [](S s) { EXPECT_EQ(Names(s.topGroupList), V({"t1", "t2"})); }},
        Case{"OneAfterTheComponentAlone", kAfter + Keyed("t", "k"), 0, "",
             [](S s) { EXPECT_EQ(Names(s.topGroupList), V{"t"}); }},
        Case{"OneBeforeOneAfterTheComponent", Keyed("t", "k") + kAfter + Keyed("x", "k"), 1069,
             Form1(236, Line(Keyed("t", "k") + kAfter), "Start Group", k236),
             [](S s) { EXPECT_EQ(Names(s.topGroupList), V{"t"}); }},
        Case{"RefusedGroupChangesNothing",
             kAfter + Keyed("t", "k") + "Start Group\nName = \"x\"\nClass = \"y\"\nID = 9\n" +
                 "Description = \"d\"\nPragma = \"p\"\nKey = 4\n" + Attr(2) + "End Group\n",
             1069, Form1(236, Line(kAfter + Keyed("t", "k")), "Start Group", k236), [](S s) {
                 const Group *t = s.topGroupList;
                 EXPECT_TRUE(Names(t) == V{"t"} && Ascii(t->className) == "k" && t->id == 0);
                 EXPECT_TRUE(t->description == nullptr && t->pragma == nullptr);
                 EXPECT_EQ(Keys(t), (std::vector<uint32_t>{1}));
                 EXPECT_TRUE(t->attributes->id == 1 && t->attributes->next == nullptr);
             }},
        // The first top-level group takes the default language's block before its own.
        Case{"FirstGroupWithoutMemory", Keyed("t", "k") + kAfter, 2025, Form1(220, 1, "Start Group", "Memory fault."),
             [](S s) { EXPECT_EQ(s.topGroupList, nullptr); }, 2},
        // Templates.
        Case{"TopLevelTemplateWins", Keyed("top", "k") + kHead + Keyed("g", "k", kId1) + kTable + kEnd, 0, "",
             [](S s) { EXPECT_EQ(s.componentList->tables->templateGroup, s.topGroupList); }},
        Case{"FirstOfAClassWins", kHead + Keyed("g1", "k", kId1) + Keyed("g2", "k", kId2) + kTable + kEnd, 0, "",
             [](S s) { EXPECT_EQ(s.componentList->tables->templateGroup, FirstGroup(s)); }},
        Case{"LaterGroupFoundByLaterTable",
             kHead + Keyed("g1", "a", kId1) + "Start Table\nName = \"t\"\nClass = \"a\"\n{1}\nEnd Table\n" +
                 Keyed("g2", "k", kId2) + kTable + kEnd,
             0, "", [](S s) {
                 EXPECT_EQ(s.componentList->tables->next->templateGroup, FirstGroup(s)->next);
             }},
        Case{"KeylessTemplateEndsTheParse", kHead + kPlain + kTable + "@\n", 1081,
             Form1(174, Line(kHead + kPlain + kTableHead), "{", k174), nullptr},
        Case{"FirstOfAClassWinsEvenKeyless", kHead + kPlain + Keyed("g2", "k", kId2) + kTable + "@\n", 1081,
             Form1(174, Line(kHead + kPlain + Keyed("g2", "k", kId2) + kTableHead), "{", k174), nullptr},
        Case{"UnknownClassEndsTheParse", kHead + Keyed("g", "K", kId1) + kTable + "@\n", 1029,
             Form1(233, Line(kHead + Keyed("g", "K", kId1) + kTableHead), "{", k233), nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

// Attributes end in ascending ID order, compared as unsigned numbers.
TEST(GroupAttributeOrder, SortsByIdWhenTheGroupEnds) {
    std::vector<uint32_t> large(5000);
    std::iota(large.rbegin(), large.rend(), 1u);  // 5000 down to 1
    const std::vector<std::vector<uint32_t>> rows = {{3, 1, 2}, {1, 2, 4, 3}, {4294967295u, 2147483648u, 1}, large};
    for (const auto &ids : rows) {
        std::string attributes;
        for (uint32_t id : ids) attributes += Attr(id);
        auto parsed = ParseText(kHead + GroupDef(kNameClass + kId1, attributes) + kEnd);
        ASSERT_EQ(parsed.status, 0) << parsed.diagnostics;
        std::vector<uint32_t> sorted = ids;
        std::sort(sorted.begin(), sorted.end());
        V expected;
        for (uint32_t id : sorted) expected.push_back("a" + std::to_string(id));
        const Group *g = FirstGroup(parsed.state());
        EXPECT_EQ(Collect(g->attributes, [](auto *a) { return a->id; }), sorted);
        EXPECT_EQ(Names(g->attributes), expected);  // each record moved whole
        EXPECT_EQ(g->attributeCount, ids.size());
    }
}

}  // namespace
}  // namespace mifkit
