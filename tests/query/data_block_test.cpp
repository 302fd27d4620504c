// The data blocks of groups and tables, byte for byte, through the queries
// the C exports call: the worked layouts, filters, lookups and the cases
// where nothing is returned.
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Utf16Z, test::Words;

const std::string kGroup = R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 4
Start Attribute Name = "a" ID = 3 Type = Integer Value = -2 End Attribute
Start Attribute Name = "a" ID = 1 Type = Counter Value = 7 End Attribute
Start Attribute Name = "a" ID = 2 Type = DisplayString(16) Value = "ab" End Attribute
Start Attribute Name = "a" ID = 5 Type = Counter Value = Unsupported End Attribute
Start Attribute Name = "a" ID = 6 Type = Counter Value = Unknown End Attribute
End Group
)";

std::string Block(const std::vector<unsigned char> &bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(DataBlockTest, GroupBlocksByFilter) {
    const Database db = Database::FromBuffer(kGroup + "End Component\n");
    ASSERT_TRUE(db.ok());
    const std::string tail = Utf16Z("c") + Utf16Z("k");
    const std::vector<uint32_t> onlyThree{3}, none{}, reversed{6, 5, 3, 2, 1};
    const std::string all = Words({106, 4, 1, 3, 98, 4, 102, 4, 44, 56, 68, 1, 2, 3, kTypeCounter,
                                   kTypeDisplayString, kTypeInteger, 80, 84, 94, 7, 6}) +
                            Utf16Z("ab") + Words({static_cast<uint32_t>(-2)}) + tail;
    EXPECT_EQ(Block(db.groupData(4)), all);
    // Unsupported and unknown values never appear, and order does not matter.
    EXPECT_EQ(Block(db.groupData(4, {}, reversed)), all);
    EXPECT_EQ(Block(db.groupData(4, {}, onlyThree)),
              Words({68, 4, 1, 1, 60, 4, 64, 4, 44, 48, 52, 3, kTypeInteger, 56, static_cast<uint32_t>(-2)}) + tail);
    EXPECT_EQ(Block(db.groupData(4, {}, none)), Words({52, 4, 1, 0, 44, 4, 48, 4, 44, 44, 44}) + tail);
    // The ID decides when it exists; a wrong ID falls back to the class.
    EXPECT_EQ(Block(db.groupData(4, Utf16Z("x"))), all);
    EXPECT_EQ(Block(db.groupData(99, Utf16Z("k"))), all);
    EXPECT_EQ(Block(db.groupData(99, Utf16Z("x"))), "");
    EXPECT_EQ(Block(db.tableData(4)), "");
}

TEST(DataBlockTest, TableBlockHoldsColumnsOfRows) {
    const Database db = Database::FromBuffer(kGroup + R"(Start Group Name = "t" Class = "tk" Key = 1
Start Attribute Name = "a" ID = 2 Type = DisplayString(8) End Attribute
Start Attribute Name = "a" ID = 1 Type = Counter End Attribute
End Group
Start Table Name = "rows" Class = "tk" ID = 9 {10, "a"} {20, "bc"} End Table
End Component
)");
    ASSERT_TRUE(db.ok());
    EXPECT_EQ(Block(db.tableData(9)),
              Words({104, 9, 2, 2, 94, 4, 98, 6, 44, 52, 60, 1, 2, kTypeCounter, kTypeDisplayString, 68, 76, 10, 20, 4}) +
                  Utf16Z("a") + Words({6}) + Utf16Z("bc") + Utf16Z("c") + Utf16Z("tk"));
    EXPECT_EQ(db.groupIds(), (std::vector<uint32_t>{4, 9}));  // the template has no ID
}

// A failed parse still lists its IDs but serves no data.
TEST(DataBlockTest, FailedParseServesNoData) {
    const Database failed = Database::FromBuffer(kGroup + "Start Group\nEnd Component\n");
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.groupIds(), std::vector<uint32_t>{4});
    EXPECT_TRUE(failed.groupData(4).empty());
}

}  // namespace
}  // namespace mifkit
