// Pool exhaustion at one allocation site of each kind: the builder's memory-fault status and line, and
// records that stay walkable, with no refused block letting later statements rewrite an earlier record.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;
const std::string kHead = "Start Component\nName = \"c\"\n", kEnd = "End Component\n";
std::string Attr(int id, const std::string &type = "Type = Integer\nValue = 0\n") {  // 0 marks a defaulted cell
    return "Start Attribute\nName = \"a" + std::to_string(id) + "\"\nID = " + std::to_string(id) + "\n" + type +
           "End Attribute\n";
}
std::string GroupDef(const std::string &name, const std::string &cls, const std::string &body) {
    return "Start Group\nName = \"" + name + "\"\nClass = \"" + cls + "\"\n" + body + "End Group\n";
}
const std::string kPlain = GroupDef("h", "m", "ID = 9\n" + Attr(3));
const std::string kTop =
    GroupDef("t", "x", "ID = 1\n" + Attr(1)) + GroupDef("u", "x", "ID = 2\n" + Attr(1)) + kHead + kPlain + kEnd;
const std::string kGroups = kHead + GroupDef("g", "k", "Key = 1, 2\n" + Attr(1) + Attr(2)) + kPlain + kEnd;
const std::string kTables = kHead + GroupDef("g", "k", "Key = 1\n" + Attr(1) + Attr(2)) +
                            "Start Table\nName = \"t\"\nClass = \"k\"\n{1, 2}\n{3}\nEnd Table\n"
                            "Start Table\nName = \"u\"\nClass = \"k\"\n{4}\nEnd Table\n" + kEnd;
const std::string kPaths = kHead + "Start Path\nName = \"p\"\nWin32 = \"a\"\nDos = \"b\"\nEnd Path\n"
                           "Start Path\nName = \"q\"\nUnix = Direct-Interface\nEnd Path\n" + kPlain + kEnd;
const std::string kEnums = kHead + "Start Enum\nName = \"e\"\n0 = \"x\"\n1 = \"y\"\nEnd Enum\n"
                           "Start Enum\nName = \"f\"\n2 = \"z\"\nEnd Enum\n" + kPlain + kEnd;
const std::string kInline =
    kHead + GroupDef("g", "k", "ID = 1\n" + Attr(1, "Type = Start Enum\n0 = \"x\"\nEnd Enum\n")) + kEnd;
const std::string kJoin = kHead + "Description = \"a\" \"b\"\n" + kPlain + kEnd;
// Every record a parse left, reached through every link a query follows; top-level groups first.
std::string Dump(const ParseState &s) {
    std::string o;
    auto text = [](const CountedString *t) { return t != nullptr ? "'" + Ascii(t) + "'" : std::string(); };
    auto elements = [&o](const Enumeration *e) {
        o += " E" + Ascii(e->name) + ":";
        for (const EnumElement *el = e->elements; el != nullptr; el = el->next) o += Ascii(el->text);
    };
    auto groups = [&](const Group *g) {
        for (; g != nullptr; g = g->next) {
            o += " G" + Ascii(g->name) + "/" + Ascii(g->className) + (g->idGiven ? "#" + std::to_string(g->id) : "");
            for (const KeyEntry *k = g->keys; k != nullptr; k = k->next) o += "k" + std::to_string(k->attributeId);
            for (const Attribute *a = g->attributes; a != nullptr; a = a->next)
                if (o += " " + Ascii(a->name) + ":" + std::to_string(a->id) + text(a->value.text); a->ownEnumeration)
                    elements(a->ownEnumeration);
        }
    };
    groups(s.topGroupList);
    const Component *c = s.componentList;
    if (o += " |"; c == nullptr) return o;
    o += " " + Ascii(c->name) + " " + Ascii(c->description);
    for (const ComponentPath *p = c->paths; p != nullptr; p = p->next) {
        o += " P" + Ascii(p->name) + ":";
        for (const PathEntry *e = p->entries; e != nullptr; e = e->next) o += std::to_string(e->os) + Ascii(e->path);
    }
    for (const Enumeration *e = c->enumerations; e != nullptr; e = e->next) elements(e);
    groups(c->groups);
    for (const Table *t = c->tables; t != nullptr; t = t->next) {
        o += " T" + Ascii(t->name) + ":";
        for (const TableRow *r = t->rows; r != nullptr; r = r->next, o += ";")
            for (const TableCell *cell = r->cells; cell != nullptr; cell = cell->next)
                o += std::to_string(cell->value.signedValue) + text(cell->value.text);
    }
    return o;
}
std::string Fault(int line, const std::string &token) {
    return "DMI0220  (File: 0 (" + std::to_string(line) + "): 0: <" + token + ">) Memory fault.\n";
}
std::string Lit(const std::string &text) { return "\"" + test::ZM + text + test::EM; }
std::string InC(const std::string &records) { return " | c (null)" + records; }  // no top-level group
// Allocation `n` fails and its builder returns `fault`; `result` is the parse's when a later report follows.
struct Case { const char *name; std::string source; uint64_t n; int fault, result; std::string diagnostics, records; };
class AllocationFailureTest : public ::testing::TestWithParam<Case> {};
TEST_P(AllocationFailureTest, ReportsTheSiteAndKeepsEarlierRecords) {
    const Case &c = GetParam();
    auto parsed = test::ParseText(c.source, c.n);
    EXPECT_EQ(parsed.status, c.result != 0 ? c.result : c.fault);
    EXPECT_EQ(parsed.diagnostics, c.diagnostics);
    const int32_t *history = parsed.ctx().diagnostics.statusHistory;
    EXPECT_NE(std::find(history, history + 4, c.fault), history + 4);
    EXPECT_EQ(Dump(parsed.state()), c.records);
}
const std::string kH = " Gh/m#9 a3:3", kG = " Gg/kk1 a1:1 a2:2";
INSTANTIATE_TEST_SUITE_P(Sites, AllocationFailureTest, ::testing::Values(
        Case{"LaterCell", kTables, 52, 2001, 0, Fault(23, "2"), InC(kG + " Tt:10;30; Tu:40;")},
        Case{"LaterRow", kTables, 55, 2003, 0, Fault(24, "3"), InC(kG + " Tt:12; Tu:40;")},
        Case{"FirstKey", kGroups, 18, 2006, 0, Fault(6, "1"), InC(" Gg/kk2 a1:1 a2:2" + kH)},
        Case{"FirstElement", kEnums, 20, 2008, 0, Fault(6, "1"), InC(" Ee:y Ef:z" + kH)},
        Case{"DirectInterface", kPaths, 29, 2010, 0, Fault(10, "Direct-Interface"), InC(" Pp:5a0b Pq:" + kH)},
        Case{"LaterLiteralPiece", kJoin, 12, 2011, 0, Fault(2, Lit("b")), " | c a" + kH},
        Case{"FirstLiteralPiece", kJoin, 9, 2012, 0, Fault(2, Lit("a")), " | c b" + kH},
        Case{"InlineEnumerationName", kInline, 26, 2013, 0, Fault(10, "Start Enum"), InC(" Gg/k#1 a1:1 E(null):x")},
        Case{"FirstEnumeration", kEnums, 7, 2016, 0, Fault(3, "Start Enum"), InC(" Ef:z" + kH)},
        // The earlier path keeps its name, so the refused path's Name clashes.
        Case{"LaterPath", kPaths, 25, 2017, 1025,
             Fault(10, "Unix") + "DMI0224  (File: 0 (10): 0: <Unix>) Unknown Error.\n", InC(" Pp:5a0b" + kH)},
        Case{"FirstAttribute", kGroups, 22, 2019, 0, Fault(7, "Start Attribute"), InC(" Gg/kk1k2 a2:2" + kH)},
        Case{"FirstTable", kTables, 37, 2021, 0, Fault(20, "Start Table"), InC(kG + " Tu:40;")},
        Case{"FirstComponentGroup", kGroups, 7, 2023, 0, Fault(3, "Start Group"), InC(kH)},
        Case{"FirstTopLevelGroup", kTop, 2, 2025, 0, Fault(1, "Start Group"), " Gu/x#2 a1:1 | c (null)" + kH},
        // The refused component's group joins the top-level groups.
        Case{"Component", kTop, 42, 2027, 0, Fault(23, "Start Component"), " Gt/x#1 a1:1 Gu/x#2 a1:1" + kH + " |"}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

// Fails each allocation of a clean parse in turn: the parse always fails, the
// fault is the only one, and whatever records it left can be walked.
TEST(AllocationFailureSweep, EveryAllocationFailsTheParseSafely) {
    std::ifstream in(MIFKIT_EXAMPLES_DIR "/network_adapter.mif", std::ios::binary);
    const std::string example(std::istreambuf_iterator<char>(in), {});
    for (const std::string *source : {&example, &kTop, &kGroups, &kTables, &kPaths, &kEnums, &kInline, &kJoin}) {
        auto clean = test::ParseText(*source);
        ASSERT_EQ(clean.status, 0);
        for (size_t n = 1, count = clean.ctx().pool.BlockCount(); n <= count; ++n) {
            SCOPED_TRACE(source->substr(0, 40) + " allocation " + std::to_string(n));
            auto failed = test::ParseText(*source, n);
            EXPECT_NE(failed.status, 0);
            EXPECT_EQ(failed.ctx().pool.FailureCount(), 1u);
            EXPECT_FALSE(Dump(failed.state()).empty());
        }
    }
}

}  // namespace
}  // namespace mifkit
