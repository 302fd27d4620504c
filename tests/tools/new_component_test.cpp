// `mifkit new-component`: a file that parses, whatever the name holds.
#include "tests/writer/round_trip.h"
#include "tools/new_component_command.h"

namespace mifkit::test {
namespace {

TEST(NewComponent, PrintsAMinimalComponentIdGroup) {
    EXPECT_EQ(tool::NewComponentText("Widget"), R"(Language = "en|US|iso8859-1"

Start Component
    Name = "Widget"

    Start Group
        Name = "ComponentID"
        Class = "DMTF|ComponentID|001"
        ID = 1
        Description = "This group defines attributes common to all components."
        Start Attribute
            Name = "Manufacturer"
            ID = 1
            Access = Read-Only
            Type = DisplayString(64)
            Value = ""
        End Attribute
        Start Attribute
            Name = "Product"
            ID = 2
            Access = Read-Only
            Type = DisplayString(64)
            Value = "Widget"
        End Attribute
        Start Attribute
            Name = "Version"
            ID = 3
            Access = Read-Only
            Type = DisplayString(64)
            Value = ""
        End Attribute
        Start Attribute
            Name = "Serial Number"
            ID = 4
            Access = Read-Only
            Type = DisplayString(64)
            Value = ""
        End Attribute
        Start Attribute
            Name = "Installation"
            ID = 5
            Access = Read-Only
            Type = Date
            Value = "00000000000000.000000+000"
        End Attribute
    End Group
End Component
)");
}

TEST(NewComponent, EscapesWhatTheNameHolds) {
    for (const char *name : {"a \"quoted\" \\ name", "\xCE\xA9mega", "tab\there"}) {
        SCOPED_TRACE(name);
        Database database = Database::FromBuffer(tool::NewComponentText(name));
        ASSERT_TRUE(database.ok()) << DiagnosticsOf(database);
        EXPECT_EQ(database.component().name().utf8(), name);
    }
}

TEST(NewComponent, RefusesANameTooLongForTheProductAttribute) {
    EXPECT_EQ(tool::NewComponentText(std::string(65, 'x')), "");
}

}  // namespace
}  // namespace mifkit::test
