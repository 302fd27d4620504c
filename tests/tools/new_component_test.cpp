// `mifkit new-component`: a file that parses, whatever the name holds.
#include "tests/writer/round_trip.h"
#include "tools/new_component_command.h"

namespace mifkit::test {
namespace {

// The component ID group every component carries, with the name as its
// product, written in the canonical layout.
TEST(NewComponent, PrintsAMinimalComponentIdGroup) {
    const std::string text = tool::NewComponentText("Widget");
    const Database database = Database::FromBuffer(text);
    ASSERT_TRUE(database.ok()) << DiagnosticsOf(database);
    EXPECT_EQ(text, WriteMif(database));
    const std::string readOnly = R"("access": "Read-Only", "storage": "Common", "type": )";
    EXPECT_EQ(nlohmann::json::parse(DumpOf(database)), nlohmann::json::parse(R"({"language": "en|US|iso8859-1",
        "topLevelGroups": [], "component": {"name": "Widget", "paths": [], "enumerations": [], "tables": [],
        "groups": [{"name": "ComponentID", "class": "DMTF|ComponentID|001", "id": 1,
          "description": "This group defines attributes common to all components.", "attributes": [
            {"id": 1, "name": "Manufacturer", )" + readOnly + R"("DisplayString", "size": 64, "value": ""},
            {"id": 2, "name": "Product", )" + readOnly + R"("DisplayString", "size": 64, "value": "Widget"},
            {"id": 3, "name": "Version", )" + readOnly + R"("DisplayString", "size": 64, "value": ""},
            {"id": 4, "name": "Serial Number", )" + readOnly + R"("DisplayString", "size": 64, "value": ""},
            {"id": 5, "name": "Installation", )" + readOnly + R"("Date", "value": "00000000000000.000000+000"}]}]}})"));
}

// A name too long for the Product attribute gives no text.
TEST(NewComponent, EscapesWhatTheNameHolds) {
    for (const char *name : {"a \"quoted\" \\ name", "\xCE\xA9mega", "tab\there"}) {
        SCOPED_TRACE(name);
        Database database = Database::FromBuffer(tool::NewComponentText(name));
        ASSERT_TRUE(database.ok()) << DiagnosticsOf(database);
        EXPECT_EQ(database.component().name().utf8(), name);
    }
    EXPECT_EQ(tool::NewComponentText(std::string(65, 'x')), "");
}

}  // namespace
}  // namespace mifkit::test
