// The data blocks of groups and tables, byte for byte, through the same
// queries the C exports call: the worked layouts, filters, lookups and the
// cases where nothing is returned.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "query/queries.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

// Expected bytes, written as the block's own pieces.
struct Bytes {
    std::string data;
    Bytes &U32(uint32_t word) {
        data.append(reinterpret_cast<const char *>(&word), 4);
        return *this;
    }
    Bytes &Raw(const std::string &bytes) {
        data += bytes;
        return *this;
    }
};

std::string Name(const std::string &ascii) { return test::Utf16(ascii) + std::string(2, '\0'); }

std::string Attr(uint32_t id, const std::string &body) {
    return "Start Attribute\nName = \"a\"\nID = " + std::to_string(id) + "\n" + body + "End Attribute\n";
}

const std::string kGroup =
    "Start Component\nName = \"c\"\nStart Group\nName = \"g\"\nClass = \"k\"\nID = 4\n" +
    Attr(3, "Type = Integer\nValue = -2\n") + Attr(1, "Type = Counter\nValue = 7\n") +
    Attr(2, "Type = DisplayString(16)\nValue = \"ab\"\n") +
    Attr(5, "Type = Counter\nValue = Unsupported\n") + Attr(6, "Type = Counter\nValue = Unknown\n") +
    "End Group\n";

const std::string kTable =
    "Start Group\nName = \"t\"\nClass = \"tk\"\nKey = 1\n" + Attr(2, "Type = DisplayString(8)\n") +
    Attr(1, "Type = Counter\n") + "End Group\n" +
    "Start Table\nName = \"rows\"\nClass = \"tk\"\nID = 9\n{10, \"a\"}\n{20, \"bc\"}\nEnd Table\n";

std::string AsText(const std::vector<unsigned char> &block) { return std::string(block.begin(), block.end()); }

std::string GroupBlock(const ParseContext &ctx, uint32_t id, const std::string *cls, const uint32_t *filter) {
    const std::string component = Name("c");
    return AsText(GroupData(ctx, component.data(), static_cast<int32_t>(component.size()), id,
                            cls ? cls->data() : nullptr, cls ? static_cast<int32_t>(cls->size()) : 0, filter));
}

TEST(DataBlockTest, GroupBlocksByFilter) {
    test::ParsedText parsed = test::ParseText(kGroup + "End Component\n");
    ASSERT_EQ(parsed.status, 0) << parsed.diagnostics;
    const std::string tail = Name("c") + Name("k");
    const uint32_t onlyThree[] = {3, 0}, none[] = {0}, reversed[] = {6, 5, 3, 2, 1, 0};
    const Bytes all = Bytes()
                          .U32(106).U32(4).U32(1).U32(3).U32(98).U32(4).U32(102).U32(4).U32(44).U32(56).U32(68)
                          .U32(1).U32(2).U32(3).U32(kTypeCounter).U32(kTypeDisplayString).U32(kTypeInteger)
                          .U32(80).U32(84).U32(94)
                          .U32(7).U32(6).Raw(Name("ab")).U32(static_cast<uint32_t>(-2)).Raw(tail);
    EXPECT_EQ(GroupBlock(parsed.ctx(), 4, nullptr, nullptr), all.data);
    // Unsupported and unknown values never appear, and order does not matter.
    EXPECT_EQ(GroupBlock(parsed.ctx(), 4, nullptr, reversed), all.data);
    EXPECT_EQ(GroupBlock(parsed.ctx(), 4, nullptr, onlyThree),
              Bytes().U32(68).U32(4).U32(1).U32(1).U32(60).U32(4).U32(64).U32(4).U32(44).U32(48).U32(52)
                  .U32(3).U32(kTypeInteger).U32(56).U32(static_cast<uint32_t>(-2)).Raw(tail).data);
    EXPECT_EQ(GroupBlock(parsed.ctx(), 4, nullptr, none),
              Bytes().U32(52).U32(4).U32(1).U32(0).U32(44).U32(4).U32(48).U32(4).U32(44).U32(44).U32(44)
                  .Raw(tail).data);
    // The ID decides when it exists; a wrong ID falls back to the class.
    const std::string cls = Name("k"), otherClass = Name("x");
    EXPECT_EQ(GroupBlock(parsed.ctx(), 4, &otherClass, nullptr), all.data);
    EXPECT_EQ(GroupBlock(parsed.ctx(), 99, &cls, nullptr), all.data);
    EXPECT_EQ(GroupBlock(parsed.ctx(), 99, &otherClass, nullptr), "");
}

TEST(DataBlockTest, TableBlockHoldsColumnsOfRows) {
    test::ParsedText parsed = test::ParseText(kGroup + kTable + "End Component\n");
    ASSERT_EQ(parsed.status, 0) << parsed.diagnostics;
    EXPECT_EQ(AsText(TableData(parsed.ctx(), nullptr, 0, 9, nullptr, 0, nullptr)), Bytes()
                         .U32(104).U32(9).U32(2).U32(2).U32(94).U32(4).U32(98).U32(6).U32(44).U32(52).U32(60)
                         .U32(1).U32(2).U32(kTypeCounter).U32(kTypeDisplayString).U32(68).U32(76)
                         .U32(10).U32(20).U32(4).Raw(Name("a")).U32(6).Raw(Name("bc"))
                         .Raw(Name("c")).Raw(Name("tk")).data);
    // The template has no ID.
    EXPECT_EQ(GroupIds(parsed.ctx(), nullptr, 0), (std::vector<uint32_t>{4, 9}));
}

// A failed parse still lists its IDs but serves no data, and a released
// database serves nothing.
TEST(DataBlockTest, NothingFoundGivesNothing) {
    test::ParsedText failed = test::ParseText(kGroup + "Start Group\nEnd Component\n");
    ASSERT_NE(failed.status, 0);
    EXPECT_EQ(GroupIds(failed.ctx(), nullptr, 0).size(), 1u);
    EXPECT_TRUE(GroupData(failed.ctx(), nullptr, 0, 4, nullptr, 0, nullptr).empty());

    test::ParsedText good = test::ParseText(kGroup + "End Component\n");
    const std::string wrong = Name("C");
    EXPECT_TRUE(GroupIds(good.ctx(), wrong.data(), static_cast<int32_t>(wrong.size())).empty());
    EXPECT_TRUE(GroupIds(good.ctx(), wrong.data(), -1).empty());
    EXPECT_TRUE(TableData(good.ctx(), nullptr, 0, 4, nullptr, 0, nullptr).empty());
    ShutdownParser(good.ctx());
    EXPECT_TRUE(GroupIds(good.ctx(), nullptr, 0).empty());
    EXPECT_TRUE(GroupData(good.ctx(), nullptr, 0, 4, nullptr, 0, nullptr).empty());
}

}  // namespace
}  // namespace mifkit
