// Classes given as UTF-8 text: the literal bytes they are looked up as, and
// the data blocks found through them. The views' records are pinned by the
// dump they make (see the commands' and the Python module's tests).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_encoding.h"
#include "mifkit/parser.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

// A view made without a record reads as empty.
TEST(DatabaseViewsTest, DefaultViewIsEmpty) { EXPECT_FALSE(AttributeView().value().element()); }

using test::Bytes;

TEST(ClassTextTest, Utf8BecomesTheStoredLiteral) {
    const struct {
        std::string utf8;
        std::string literal;  // without the two NUL bytes every literal ends in
    } cases[] = {
        {"", ""},
        {"A|b", Bytes("\0A\0|\0b")},
        {"\xC3\xA9", Bytes("\x00\xE9")},                  // U+00E9
        {"\xE2\x82\xAC", Bytes("\x20\xAC")},             // U+20AC
        {"\xF0\x9F\x98\x80", Bytes("\xD8\x3D\xDE\x00")},  // U+1F600: a surrogate pair
        {"\xFF" "a", Bytes("\xFF\xFD\0a")},               // no sequence begins with 0xFF
        {"\xC0\xAF", Bytes("\xFF\xFD\xFF\xFD")},         // an overlong '/': each byte replaced
        {"\xE2\x82", Bytes("\xFF\xFD\xFF\xFD")},         // cut short
        {"\xED\xA0\x80", Bytes("\xFF\xFD\xFF\xFD\xFF\xFD")},  // an encoded surrogate
    };
    for (const auto &c : cases) EXPECT_EQ(Utf8ToLiteral(c.utf8), c.literal + std::string(2, '\0')) << c.utf8;
}

TEST(ClassTextTest, BlocksByUtf8ClassEqualThoseByStoredBytes) {
    const Database db = Database::FromFile(MIFKIT_EXAMPLES_DIR "/network_adapter.mif");
    ASSERT_TRUE(db.ok());
    const std::string stored = test::Utf16("Example|Port|002") + std::string(2, '\0');
    const std::vector<uint32_t> speed{4};
    EXPECT_EQ(db.groupDataOfClass("Example|Port|002", speed), db.groupData(0, stored, speed));
    EXPECT_EQ(db.tableDataOfClass("Example|Port|002"), db.tableData(2));
    EXPECT_FALSE(db.tableDataOfClass("Example|Port|002").empty());
    EXPECT_TRUE(db.groupDataOfClass("Example|Port|00").empty());
}

}  // namespace
}  // namespace mifkit
