// Groups and their attributes: the end-of-group checks, attribute order, Key
// statements, duplicate header statements, the ID and Pragma statements that
// groups, tables and attributes share, top-level groups and how a table finds
// its template.
#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::MifCase, test::MifTest;
using U = std::vector<uint32_t>;

GroupView First(const Database &db) { return db.component().groups().front(); }
U Of(const Database &db, uint32_t (AttributeView::*field)() const) {
    U out;
    for (AttributeView a : First(db).attributes()) out.push_back((a.*field)());
    return out;
}

const MifCase kGroups[] = {
    // A group that fails its end check; the "@" after it shows the parse ended.
    {"NameCheckedFirst", R"(Start Component Name = "c"
Start Group ID = 1 Pragma = "p"
End Group
@)", 1004, {"DMI0179  (File: 0 (3): 0: <End Group>) Expecting the name of this group."}},
    {"AttributesBeforeIdOrKeys", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Pragma = "p"
End Group
@)", 1006, {"DMI0231  (File: 0 (3): 0: <End Group>) Expecting an attribute definition in group definition."}},
    {"NeitherIdNorKeys", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k"
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
@)", 1007, {"DMI0232  (File: 0 (4): 0: <End Group>) Expecting keys or  an ID of this group."}},
    {"RepeatedKeyIdOnlyError", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k"
Key = 1, 2, 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group End Component
)", 1041, {"DMI0176  (File: 0 (3): 0: <1>) Key is not unique."},
     [](const Database &db) { EXPECT_EQ(First(db).keys(), U({1, 2})); }},
    {"SecondKeyStatement", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" Key = 1
Key = 1, 3
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group End Component
)", 1040, {"DMI0189  (File: 0 (3): 0: <1>) Duplicate statement encountered in group body.",
           "DMI0189  (File: 0 (3): 0: <3>) Duplicate statement encountered in group body."},
     [](const Database &db) { EXPECT_EQ(First(db).keys(), U{1}); }},
    {"SecondName", R"(Start Component Name = "c"
Start Group Name = "g" Name = "h"
Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group End Component
)", 1027, {"DMI0189  (File: 0 (3): 0: <Class>) Duplicate statement encountered in group body."},
     [](const Database &db) { EXPECT_EQ(First(db).name().utf8(), "g"); }},
    // One top-level group before the component and one after is already two.
    {"RefusedGroupChangesNothing", R"(Start Group Name = "t" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
End Component
Start Group Name = "x" Class = "y" ID = 9 Description = "d" Pragma = "p" Key = 4
Start Attribute Name = "a" ID = 2 Type = Integer Value = 1 End Attribute End Group
)", 1069, {"DMI0236  (File: 0 (9): 0: <Start Group>) Only one global group is allowed per MIF file."},
     [](const Database &db) {
         ASSERT_EQ(db.topLevelGroups().size(), 1u);
         GroupView t = db.topLevelGroups().front();
         EXPECT_EQ(t.name().utf8() + "/" + t.className().utf8(), "t/k");
         EXPECT_TRUE(t.id() == 0 && !t.description().present() && !t.pragma().present() && t.keys() == U{1});
         EXPECT_TRUE(t.attributes().size() == 1 && t.attributes().front().id() == 1);
     }},
    // A top-level group of the class comes first; a class defined after an earlier table is still found.
    {"TemplateLookup", R"(Start Group Name = "top" Class = "k" Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Component Name = "c"
Start Group Name = "g1" Class = "a" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Table Name = "t" Class = "a" {1} End Table
Start Group Name = "g2" Class = "b" ID = 2 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Group Name = "g3" Class = "k" ID = 3 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute End Group
Start Table Name = "t" Class = "b" {1} End Table
Start Table Name = "t" Class = "k" {1} End Table
End Component
)", 0, {}, [](const Database &db) {
         std::vector<std::string> templates;
         for (TableView t : db.component().tables()) templates.push_back(t.templateGroup().name().utf8());
         EXPECT_EQ(templates, (std::vector<std::string>{"g1", "g2", "top"}));
         EXPECT_EQ(db.component().tables().front().templateGroup().record(), First(db).record());
     }},
    {"FirstOfAClassWinsEvenKeyless", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
Start Group Name = "g2" Class = "k" ID = 2 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 1 End Attribute
End Group
Start Table Name = "t" Class = "k"
{1}
@)", 1081, {"DMI0174  (File: 0 (9): 0: <{>) Tables must be associated with keyed groups."}},
};
INSTANTIATE_TEST_SUITE_P(Groups, MifTest, ::testing::ValuesIn(kGroups), test::CaseName);

const MifCase kAttributes[] = {
    {"DuplicateIdKeptOtherGroupFree", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 5 Type = Integer End Attribute
Start Attribute Name = "a"
ID = 5 Type = Integer End Attribute
End Group
Start Group Name = "h" Class = "x" ID = 2
Start Attribute Name = "a" ID = 5 Type = Integer End Attribute End Group End Component
)", 1071, {"DMI0239  (File 0, Line 5, ID <5>, Token <5>) Attribute ID is not unique."},
     [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::id), U({5, 5}));
         for (AttributeView a : First(db).attributes()) EXPECT_EQ(a.record()->idGiven, 1u);
     }},
    {"SecondIdInTable", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Table Name = "t" Class = "k" ID = 7
ID = 8
{1} End Table End Component
)", 1032, {"DMI0170  (File: 0 (6): 0: <8>) Duplicate statement encountered in table definition."},
     [](const Database &db) { EXPECT_EQ(db.component().tables().front().id(), 7u); }},
    {"GroupIdOfEarlierTable", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Table Name = "t" Class = "k" ID = 5 {1} End Table
Start Group Name = "h" Class = "x"
ID = 5
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute End Group End Component
)", 1072, {"DMI0240  (File 0, Line 7, ID <5>, Token <5>)  Group ID is not unique."},
     [](const Database &db) {
         GroupView h = *++db.component().groups().begin();
         EXPECT_TRUE(h.id() == 5 && h.idGiven());
     }},
    {"TableIdOfGroup", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Table Name = "t" Class = "k"
ID = 1
{1} End Table End Component
)", 1070, {"DMI0241  (File 0, Line 6, ID <1>, Token <1>) Table  ID is not unique."},
     [](const Database &db) { EXPECT_EQ(db.component().tables().front().id(), 1u); }},
    // The last Access wins and Value = Unsupported sets Write-Only only when it
    // comes last. A top-level group's ID is not compared with the component's.
    {"AccessAndStorageCodes", R"(Start Group Name = "h" Class = "x" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute End Group
Start Component Name = "c" Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Access = Read-Only Storage = Specific End Attribute
Start Attribute Name = "a" ID = 2 Access = Read-Write Storage = Common End Attribute
Start Attribute Name = "a" ID = 3 Type = Integer End Attribute
Start Attribute Name = "a" ID = 4
  Access = Read-Only Access = Write-Only Storage = Specific Storage = Common End Attribute
Start Attribute Name = "a" ID = 5 Type = Integer Value = Unsupported Access = Read-Only End Attribute
Start Attribute Name = "a" ID = 6 Access = Read-Only Type = Integer Value = Unsupported End Attribute
End Group End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::access), U({1, 2, 0, 3, 1, 4}));
         EXPECT_EQ(Of(db, &AttributeView::storage), U({1, 0, 0, 0, 0, 0}));
     }},
    {"LaterTypeKeepsSize", R"(Start Component Name = "c" Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = OctetString(4) Type = Integer Value = 5 End Attribute
End Group End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::type), U{kTypeInteger});
         EXPECT_EQ(Of(db, &AttributeView::size), U{4});
     }},
    // The "@" ends the parse before the enumeration.
    {"EnumerationDefinedLater", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = "e"
Value = 1 End Attribute End Group
@ Start Enum Name = "e" 1 = "one" End Enum
)", 1039, {"DMI0234  (File 0, ID 4, 0,  <Value>) Cannot locate enumeration by name."}},
    {"SecondPragmaInAttribute", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Pragma = "p" Pragma = "q"
End Attribute End Group End Component
)", 1082, {"DMI0135  (File: 0 (4): 0: <End Attribute>) Duplicate statement encountered in attribute body."},
     [](const Database &db) { EXPECT_EQ(First(db).attributes().front().pragma().utf8(), "p"); }},
    {"PragmaAfterAttributeGoesToGroup", R"(Start Component Name = "c" Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Pragma = "a" End Attribute
Pragma = "g" End Group End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(First(db).attributes().front().pragma().utf8() + First(db).pragma().utf8(), "ag");
     }},
};
INSTANTIATE_TEST_SUITE_P(Attributes, MifTest, ::testing::ValuesIn(kAttributes), test::CaseName);

// Attributes end in ascending ID order, compared as unsigned numbers; each record moves whole.
TEST(GroupAttributeOrder, SortsByIdWhenTheGroupEnds) {
    U large(5000);
    std::iota(large.rbegin(), large.rend(), 1u);
    for (const U &ids : {U{4294967295u, 2147483648u, 1}, large}) {
        std::string mif = "Start Component Name = \"c\" Start Group Name = \"g\" Class = \"k\" ID = 1\n";
        for (uint32_t id : ids)
            mif += "Start Attribute Name = \"a" + std::to_string(id) + "\" ID = " + std::to_string(id) +
                   " Type = Integer Value = 1 End Attribute\n";
        const Database db = Database::FromBuffer(mif + "End Group End Component\n");
        ASSERT_TRUE(db.ok()) << db.status();
        U sorted = ids, got;
        std::sort(sorted.begin(), sorted.end());
        for (AttributeView a : First(db).attributes())
            if (got.push_back(a.id()), a.name().utf8() != "a" + std::to_string(a.id())) ADD_FAILURE() << a.id();
        EXPECT_EQ(got, sorted);
        EXPECT_EQ(First(db).attributeCount(), ids.size());
    }
}

// Group IDs stay unique however many groups the component holds: one line, for the one repeat.
TEST(GroupIds, UniqueAtScale) {
    std::string mif = "Start Component Name = \"c\"\n";  // group N on line N + 1
    for (uint32_t i = 1; i <= 3000; ++i)
        mif += "Start Group Name = \"h\" Class = \"x\" ID = " + std::to_string(i == 2000 ? 777 : i) +
               " Start Attribute Name = \"a\" ID = 1 Type = Integer End Attribute End Group\n";
    const Database db = Database::FromBuffer(mif + "End Component\n");
    EXPECT_EQ(db.status(), 1072);
    EXPECT_EQ(test::Lines(db),
              std::vector<std::string>{"DMI0240  (File 0, Line 2001, ID <777>, Token <777>)  Group ID is not unique."});
}

}  // namespace
}  // namespace mifkit
