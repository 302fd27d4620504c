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
using U = std::vector<uint32_t>;
using S = const ParseState &;

const std::string kHead = "Start Component\nName = \"c\"\n", kEnd = "End Component\n";
const std::string kNameClass = "Name = \"g\"\nClass = \"k\"\n";
std::string TableOf(const std::string &cls) { return "Start Table\nName = \"t\"\nClass = \"" + cls + "\"\n{1}\nEnd Table\n"; }
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
const std::string kPlain = GroupDef(kNameClass + "ID = 1\n", Attr(1)), kAfter = kHead + kPlain + kEnd;
const int kKeyLine = Line(kHead + "Start Group\n" + kNameClass);
U Keys(const Group *g) { U out; for (const KeyEntry *k = g->keys; k; k = k->next) out.push_back(k->attributeId); return out; }
const Group *First(S s) { return s.componentList->groups; }

struct Case { const char *name; std::string source; int status; std::string printed; std::function<void(S)> check; };
void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }
class GroupTest : public ::testing::TestWithParam<Case> {};
TEST_P(GroupTest, ReportsAndBuilds) {
    const Case &c = GetParam();
    auto parsed = test::ParseText(c.source);
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
Case InGroup(const char *name, const std::string &header, int status, std::string printed, std::function<void(S)> check) {
    return Case{name, kHead + GroupDef(header, Attr(1)) + kEnd, status, printed, check};
}
const std::string kRefused = GroupDef("Name = \"x\"\nClass = \"y\"\nID = 9\nDescription = \"d\"\nPragma = \"p\"\nKey = 4\n", Attr(2));

INSTANTIATE_TEST_SUITE_P(
    Groups, GroupTest,
    ::testing::Values(
        EndCheck("NameCheckedFirst", "ID = 1\n", "Pragma = \"p\"\n", 179, 1004, "Expecting the name of this group."),
        EndCheck("AttributesBeforeIdOrKeys", kNameClass, "Pragma = \"p\"\n", 231, 1006,
                 "Expecting an attribute definition in group definition."),
        EndCheck("NeitherIdNorKeys", kNameClass, Attr(1), 232, 1007, "Expecting keys or  an ID of this group."),
        InGroup("RepeatedKeyIdOnlyError", kNameClass + "Key = 1, 2, 1\n", 1041,
                Form1(176, kKeyLine, "1", "Key is not unique."), [](S s) { EXPECT_EQ(Keys(First(s)), U({1, 2})); }),
        InGroup("SecondKeyStatement", kNameClass + "Key = 1\nKey = 1, 3\n", 1040,
                Form1(189, kKeyLine + 1, "1", kDup) + Form1(189, kKeyLine + 1, "3", kDup),
                [](S s) { EXPECT_EQ(Keys(First(s)), U{1}); }),
        InGroup("SecondName", "Name = \"g\"\nName = \"h\"\nClass = \"k\"\nID = 1\n", 1027,
                Form1(189, 6, "Class", kDup), [](S s) { EXPECT_EQ(Ascii(First(s)->name), "g"); }),
        // One top-level group before the component and one after is already two.
        Case{"RefusedGroupChangesNothing", Keyed("t", "k") + kAfter + kRefused, 1069,
             Form1(236, Line(Keyed("t", "k") + kAfter), "Start Group", "Only one global group is allowed per MIF file."),
             [](S s) {
                 const Group *t = s.topGroupList;
                 EXPECT_TRUE(Ascii(t->name) == "t" && t->next == nullptr && Ascii(t->className) == "k" && t->id == 0);
                 EXPECT_TRUE(t->description == nullptr && t->pragma == nullptr && Keys(t) == U{1});
                 EXPECT_TRUE(t->attributes->id == 1 && t->attributes->next == nullptr);
             }},
        // A top-level group of the class comes first; a class defined after an earlier table is still found.
        Case{"TemplateLookup",
             Keyed("top", "k") + kHead + Keyed("g1", "a", "ID = 1\n") + TableOf("a") + Keyed("g2", "b", "ID = 2\n") +
                 Keyed("g3", "k", "ID = 3\n") + TableOf("b") + TableOf("k") + kEnd,
             0, "", [](S s) {
                 const Table *t = s.componentList->tables;
                 EXPECT_TRUE(t->templateGroup == First(s) && t->next->templateGroup == First(s)->next);
                 EXPECT_EQ(t->next->next->templateGroup, s.topGroupList);
             }},
        Case{"FirstOfAClassWinsEvenKeyless", kHead + kPlain + Keyed("g2", "k", "ID = 2\n") + TableOf("k") + "@\n", 1081,
             Form1(174, Line(kHead + kPlain + Keyed("g2", "k", "ID = 2\n")) + 3, "{",
                   "Tables must be associated with keyed groups."), nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

// Attributes end in ascending ID order, compared as unsigned numbers; each record moves whole.
TEST(GroupAttributeOrder, SortsByIdWhenTheGroupEnds) {
    U large(5000);
    std::iota(large.rbegin(), large.rend(), 1u);
    for (const U &ids : {U{4294967295u, 2147483648u, 1}, large}) {
        std::string attributes;
        for (uint32_t id : ids) attributes += Attr(id);
        auto parsed = test::ParseText(kHead + GroupDef(kNameClass + "ID = 1\n", attributes) + kEnd);
        ASSERT_EQ(parsed.status, 0) << parsed.diagnostics;
        U sorted = ids, got;
        std::sort(sorted.begin(), sorted.end());
        for (const Attribute *a = First(parsed.state())->attributes; a; a = a->next)
            if (got.push_back(a->id), Ascii(a->name) != "a" + std::to_string(a->id)) ADD_FAILURE() << a->id;
        EXPECT_EQ(got, sorted);
        EXPECT_EQ(First(parsed.state())->attributeCount, ids.size());
    }
}

}  // namespace
}  // namespace mifkit
