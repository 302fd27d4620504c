// The typed C++ views over the bundled example.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace mifkit
