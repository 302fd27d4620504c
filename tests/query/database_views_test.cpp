// The C++ interface over the bundled example: the typed views, and classes
// given as UTF-8 text, with the literal bytes they are looked up as.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text_encoding.h"
#include "mifkit/parser.h"
#include "tests/test_support.h"
#include "tools/table_views.h"

namespace mifkit {
namespace {

using Strings = std::vector<std::string>;

TEST(DatabaseViewsTest, ReadsTheExample) {
    const Database db = Database::FromFile(MIFKIT_EXAMPLES_DIR "/network_adapter.mif");
    ASSERT_TRUE(db.ok());
    const ComponentView component = db.component();
    EXPECT_EQ(component.name().bytes(), test::Utf16("Example Network Adapter") + std::string(2, '\0'));
    EXPECT_EQ(component.description().utf8(), "A network interface card described for the management agent.");
    Strings seen;
    for (PathEntryView e : component.paths().front().entries())
        seen.push_back(std::to_string(e.os()) + (e.directInterface() ? "+" : " ") + e.path().utf8());
    GroupView identity = component.groups().front(), port = *++component.groups().begin();
    for (AttributeView a : identity.attributes())
        seen.push_back(a.name().utf8() + "=" + (a.overlay() ? "*" : "") + a.value().text().utf8());
    EXPECT_EQ(seen, (Strings{"5 adapter32.dll", "3+Direct-Interface", "Manufacturer=Example Devices",
                             "Product=EX-100 Gigabit \"Pro\"", "Serial Number=*SerialNumberOverlay",
                             "Installation=19970301120000.000000+000"}));
    EXPECT_EQ(port.keys(), std::vector<uint32_t>{1});
    EXPECT_FALSE(port.idGiven() || component.pragma().present() || AttributeView().value().element());
    AttributeView link = *++port.attributes().begin();
    EXPECT_EQ(link.enumeration().name().utf8() + "/" + link.value().element().text().utf8(), "Link State/Down");
    EXPECT_EQ(component.tables().front().templateGroup().record(), port.record());
    // Rows through the cells' typed values: defaults in row 2, an overlay.
    std::string rows;
    ASSERT_TRUE(tool::FormatTableRows(db, 2, rows));
    EXPECT_EQ(rows, "Port Index  Link       Octets Received  Speed Offset\n1           Up         1024             -2\n"
                    "2           Down       0                -5\n3           *PortLink  16               7\n");
}

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
