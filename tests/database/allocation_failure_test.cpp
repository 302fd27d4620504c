// Pool exhaustion at one allocation site of each kind: the builder's memory-fault status and line, and
// records that stay walkable, with no refused block letting later statements rewrite an earlier record.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Ascii;
// Each source gives a defaulted cell the value 0 of its attribute.
const std::string kTop = R"(Start Group Name = "t" Class = "x" ID = 1
Start Attribute Name = "a1" ID = 1 Type = Integer Value = 0 End Attribute End Group
Start Group Name = "u" Class = "x" ID = 2
Start Attribute Name = "a1" ID = 1 Type = Integer Value = 0 End Attribute End Group
Start Component Name = "c"
Start Group Name = "h" Class = "m" ID = 9
Start Attribute Name = "a3" ID = 3 Type = Integer Value = 0 End Attribute End Group
End Component
)";
const std::string kGroups = R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Key = 1, 2
Start Attribute Name = "a1" ID = 1 Type = Integer Value = 0 End Attribute
Start Attribute Name = "a2" ID = 2 Type = Integer Value = 0 End Attribute
End Group
Start Group Name = "h" Class = "m" ID = 9
Start Attribute Name = "a3" ID = 3 Type = Integer Value = 0 End Attribute End Group
End Component
)";
const std::string kTables = R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Key = 1
Start Attribute Name = "a1" ID = 1 Type = Integer Value = 0 End Attribute
Start Attribute Name = "a2" ID = 2 Type = Integer Value = 0 End Attribute
End Group
Start Table Name = "t" Class = "k"
{1, 2}
{3}
End Table
Start Table Name = "u" Class = "k" {4} End Table
End Component
)";
const std::string kComponent = R"(Start Component Name = "c"
Description = "a" "b"
Start Path Name = "p" Win32 = "a" Dos = "b" End Path
Start Path Name = "q"
Unix = Direct-Interface End Path
Start Enum Name = "e" 0 = "x"
1 = "y" End Enum
Start Enum Name = "f" 2 = "z" End Enum
Start Group Name = "h" Class = "m" ID = 9
Start Attribute Name = "a3" ID = 3 Type = Integer Value = 0 End Attribute End Group
End Component
)";
const std::string kInline = R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a1" ID = 1 Type = Start Enum 0 = "x" End Enum End Attribute
End Group
End Component
)";
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
std::string InC(const std::string &records) { return " | c (null)" + records; }  // no top-level group
// Allocation `n` fails and its builder returns `fault`; `result` is the parse's when a later report follows.
struct Case { const char *name; std::string source; uint64_t n; int fault, result; std::vector<std::string> lines; std::string records; };
class AllocationFailureTest : public ::testing::TestWithParam<Case> {};
TEST_P(AllocationFailureTest, ReportsTheSiteAndKeepsEarlierRecords) {
    const Case &c = GetParam();
    auto parsed = test::ParseText(c.source, c.n);
    EXPECT_EQ(parsed.status, c.result != 0 ? c.result : c.fault);
    EXPECT_EQ(test::Lines(parsed.diagnostics), c.lines);
    const int32_t *history = parsed.ctx().diagnostics.statusHistory;
    EXPECT_NE(std::find(history, history + 4, c.fault), history + 4);
    EXPECT_EQ(Dump(parsed.state()), c.records);
}
const std::string kH = " Gh/m#9 a3:3", kG = " Gg/kk1 a1:1 a2:2";
INSTANTIATE_TEST_SUITE_P(Sites, AllocationFailureTest, ::testing::Values(
        Case{"LaterCell", kTables, 38, 2001, 0, {"DMI0220  (File: 0 (7): 0: <2>) Memory fault."},
             InC(kG + " Tt:10;30; Tu:40;")},
        Case{"LaterRow", kTables, 40, 2003, 0, {"DMI0220  (File: 0 (8): 0: <3>) Memory fault."},
             InC(kG + " Tt:12; Tu:40;")},
        Case{"FirstKey", kGroups, 13, 2006, 0, {"DMI0220  (File: 0 (2): 0: <1>) Memory fault."},
             InC(" Gg/kk2 a1:1 a2:2" + kH)},
        Case{"FirstElement", kComponent, 36, 2008, 0, {"DMI0220  (File: 0 (7): 0: <1>) Memory fault."},
             " | c ab Pp:5a0b Pq:3Direct-Interface Ee:y Ef:z" + kH},
        Case{"DirectInterface", kComponent, 26, 2010, 0,
             {"DMI0220  (File: 0 (5): 0: <Direct-Interface>) Memory fault."}, " | c ab Pp:5a0b Pq: Ee:xy Ef:z" + kH},
        Case{"LaterLiteralPiece", kComponent, 10, 2011, 0,
             {"DMI0220  (File: 0 (1): 0: <\"" + test::ZM + "b" + test::EM + ">) Memory fault."},
             " | c a Pp:5a0b Pq:3Direct-Interface Ee:xy Ef:z" + kH},
        // Only a parse's first literal takes a new piece entry; the rest reuse spent ones.
        Case{"FirstLiteralPiece", kComponent, 5, 2012, 1001,
             {"DMI0220  (File: 0 (0): 0: <\"" + test::ZM + "c" + test::EM + ">) Memory fault.",
              "DMI0150  (File: 0 (11): 0: <End Component>) Expecting the name of this component."},
             " | (null) ab Pp:5a0b Pq:3Direct-Interface Ee:xy Ef:z" + kH},
        Case{"InlineEnumerationName", kInline, 19, 2013, 0, {"DMI0220  (File: 0 (3): 0: <Start Enum>) Memory fault."},
             InC(" Gg/k#1 a1:1 E(null):x")},
        Case{"FirstEnumeration", kComponent, 27, 2016, 0, {"DMI0220  (File: 0 (6): 0: <Start Enum>) Memory fault."},
             " | c ab Pp:5a0b Pq:3Direct-Interface Ef:z" + kH},
        // The earlier path keeps its name, so the refused path's Name clashes.
        Case{"LaterPath", kComponent, 23, 2017, 1025,
             {"DMI0220  (File: 0 (5): 0: <Unix>) Memory fault.", "DMI0224  (File: 0 (5): 0: <Unix>) Unknown Error."},
             " | c ab Pp:5a0b Ee:xy Ef:z" + kH},
        Case{"FirstAttribute", kGroups, 17, 2019, 0, {"DMI0220  (File: 0 (3): 0: <Start Attribute>) Memory fault."},
             InC(" Gg/kk1k2 a2:2" + kH)},
        Case{"FirstTable", kTables, 28, 2021, 0, {"DMI0220  (File: 0 (6): 0: <Start Table>) Memory fault."},
             InC(kG + " Tu:40;")},
        Case{"FirstComponentGroup", kGroups, 6, 2023, 0, {"DMI0220  (File: 0 (2): 0: <Start Group>) Memory fault."},
             InC(kH)},
        Case{"FirstTopLevelGroup", kTop, 2, 2025, 0, {"DMI0220  (File: 0 (1): 0: <Start Group>) Memory fault."},
             " Gu/x#2 a1:1 | c (null)" + kH},
        // The refused component's group joins the top-level groups.
        Case{"Component", kTop, 31, 2027, 0, {"DMI0220  (File: 0 (5): 0: <Start Component>) Memory fault."},
             " Gt/x#1 a1:1 Gu/x#2 a1:1" + kH + " |"}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

// Fails each allocation of a clean parse in turn: the parse always fails, the
// fault is the only one, and whatever records it left can be walked.
TEST(AllocationFailureSweep, EveryAllocationFailsTheParseSafely) {
    std::ifstream in(MIFKIT_EXAMPLES_DIR "/network_adapter.mif", std::ios::binary);
    const std::string example(std::istreambuf_iterator<char>(in), {});
    for (const std::string *source : {&example, &kTop, &kGroups, &kTables, &kComponent, &kInline}) {
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
