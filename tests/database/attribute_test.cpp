// Attributes, and the ID and Pragma statements they share with groups, tables and the component.
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

const MifCase kAttributes[] = {
    {"DuplicateIdKeptOtherGroupFree", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 5 Type = Integer End Attribute
Start Attribute Name = "a"
ID = 5 Type = Integer End Attribute
End Group
Start Group Name = "h" Class = "x" ID = 2
Start Attribute Name = "a" ID = 5 Type = Integer End Attribute
End Group
End Component
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
{1}
End Table
End Component
)", 1032, {"DMI0170  (File: 0 (6): 0: <8>) Duplicate statement encountered in table definition."},
     [](const Database &db) { EXPECT_EQ(db.component().tables().front().id(), 7u); }},
    {"GroupIdOfEarlierTable", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1 Key = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Table Name = "t" Class = "k" ID = 5 {1} End Table
Start Group Name = "h" Class = "x"
ID = 5
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
End Component
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
{1}
End Table
End Component
)", 1070, {"DMI0241  (File 0, Line 6, ID <1>, Token <1>) Table  ID is not unique."},
     [](const Database &db) { EXPECT_EQ(db.component().tables().front().id(), 1u); }},
    // The last Access wins and Value = Unsupported sets Write-Only only when it
    // comes last. A top-level group's ID is not compared with the component's.
    {"AccessAndStorageCodes", R"(Start Group Name = "h" Class = "x" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer End Attribute
End Group
Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Access = Read-Only Storage = Specific End Attribute
Start Attribute Name = "a" ID = 2 Access = Read-Write Storage = Common End Attribute
Start Attribute Name = "a" ID = 3 Type = Integer End Attribute
Start Attribute Name = "a" ID = 4
  Access = Read-Only Access = Write-Only Storage = Specific Storage = Common End Attribute
Start Attribute Name = "a" ID = 5 Type = Integer Value = Unsupported Access = Read-Only End Attribute
Start Attribute Name = "a" ID = 6 Access = Read-Only Type = Integer Value = Unsupported End Attribute
End Group
End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::access), U({1, 2, 0, 3, 1, 4}));
         EXPECT_EQ(Of(db, &AttributeView::storage), U({1, 0, 0, 0, 0, 0}));
     }},
    {"LaterTypeKeepsSize", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = OctetString(4) Type = Integer Value = 5 End Attribute
End Group
End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(Of(db, &AttributeView::type), U{kTypeInteger});
         EXPECT_EQ(Of(db, &AttributeView::size), U{4});
     }},
    // The "@" ends the parse before the enumeration.
    {"EnumerationDefinedLater", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = "e"
Value = 1 End Attribute
End Group
@
Start Enum Name = "e" 1 = "one" End Enum
)", 1039, {"DMI0234  (File 0, ID 4, 0,  <Value>) Cannot locate enumeration by name."}},
    {"SecondPragmaInAttribute", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Pragma = "p" Pragma = "q"
End Attribute
End Group
End Component
)", 1082, {"DMI0135  (File: 0 (4): 0: <End Attribute>) Duplicate statement encountered in attribute body."},
     [](const Database &db) { EXPECT_EQ(First(db).attributes().front().pragma().utf8(), "p"); }},
    {"PragmaAfterAttributeGoesToGroup", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Pragma = "a" End Attribute
Pragma = "g"
End Group
End Component
)", 0, {}, [](const Database &db) {
         EXPECT_EQ(First(db).attributes().front().pragma().utf8() + First(db).pragma().utf8(), "ag");
     }},
};
INSTANTIATE_TEST_SUITE_P(Attributes, MifTest, ::testing::ValuesIn(kAttributes), test::CaseName);

// Group IDs stay unique however many groups the component holds: one line, for the one repeat.
TEST(AttributeHeader, GroupIdsUniqueAtScale) {
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
