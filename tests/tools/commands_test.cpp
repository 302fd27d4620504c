// The query commands as a user runs them, whole outputs: `mifkit dump`,
// `groups`, `table`, `tokens`, and `new-component`, a file that parses
// whatever the name holds.
#include <gtest/gtest.h>

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/test_support.h"
#include "tests/writer/round_trip.h"
#include "tools/new_component_command.h"

namespace mifkit::test {
namespace {

using nlohmann::json;

json Attr(int id, const char *name, const char *type, const json &rest) {
    json a = {{"id", id}, {"name", name}, {"storage", "Common"}, {"type", type}};
    a.update(rest);
    return a;
}

class QueryCommandsTest : public TempDirTest {};

TEST_F(QueryCommandsTest, DumpsEveryKindOfValue) {
    WriteFile("small.mif",
              "Start Component\nName = \"caf\xE9\"\nPragma = \"p\"\nStart Path Name = \"x\" DOS = \"a.exe\" End Path\n"
              "Start Group Name = \"g\" Class = \"k\" ID = 1\n"
              "Start Attribute Name = \"big\" ID = 1 Type = Counter64 Value = 18446744073709551615 End Attribute\n"
              "Start Attribute Name = \"neg\" ID = 2 Access = Write-Only Storage = Specific Type = Integer64\n"
              "Value = -9000000000 End Attribute\n"
              "Start Attribute Name = \"u\" ID = 3 Type = Gauge Value = Unsupported End Attribute\n"
              "Start Attribute Name = \"k\" ID = 4 Type = Counter Value = Unknown End Attribute\n"
              "Start Attribute Name = \"n\" ID = 5 Type = Start Enum 1 = \"on\" End Enum Value = 7 End Attribute\n"
              "Start Attribute Name = \"s\" ID = 6 Type = DisplayString(4) Value = *\"ov\" End Attribute\n"
              "Start Attribute Name = \"o\" ID = 7 Type = OctetString(2) Value = \"ab\" End Attribute\n"
              "End Group\nEnd Component\n");
    const json attributes = {
        Attr(1, "big", "Counter64", {{"value", UINT64_MAX}}),
        Attr(2, "neg", "Integer64", {{"access", "Write-Only"}, {"storage", "Specific"}, {"value", -9000000000LL}}),
        Attr(3, "u", "Gauge", {{"access", "Unsupported"}}), Attr(4, "k", "Counter", {{"unknown", true}}),
        Attr(5, "n", "Enum", {{"elements", {{{"value", 1}, {"text", "on"}}}}, {"value", {{"value", 7}}}}),
        Attr(6, "s", "DisplayString", {{"size", 4}, {"overlay", "ov"}}),
        Attr(7, "o", "OctetString", {{"size", 2}, {"value", "ab"}})};
    const json expected = {
        {"language", "en|US|iso8859-1"},
        {"component",
         {{"name", "caf\xC3\xA9"}, {"pragma", "p"},
          {"paths", {{{"name", "x"}, {"entries", {{{"os", "DOS"}, {"path", "a.exe"}}}}}}},
          {"enumerations", json::array()},
          {"groups", {{{"name", "g"}, {"class", "k"}, {"id", 1}, {"attributes", attributes}}}},
          {"tables", json::array()}}},
        {"topLevelGroups", json::array()}};
    std::string output;
    ASSERT_EQ(RunTool("dump small.mif", output), 0);
    EXPECT_EQ(json::parse(output), expected);
    EXPECT_EQ(output.rfind("{\n  \"language\": \"en|US|iso8859-1\",\n  \"component\": {\n    \"name\"", 0), 0u);
    EXPECT_EQ(RunTool("groups small.mif", output), 0);
    EXPECT_EQ(output, "ID  KIND   NAME  CLASS  COLUMNS  ROWS\n1   group  g     k      7        -\n");

    // A file that does not parse, or no such table: nothing on stdout, and a failure.
    WriteFile("bad.mif", "Start Component\n@\n");
    for (const char *command : {"dump bad.mif", "groups bad.mif", "table bad.mif 1", "table small.mif 2"}) {
        EXPECT_EQ(RunTool(command, output), 1) << command;
        EXPECT_EQ(output, "") << command;
    }
}

// Windows line ends, a comment holding a quote, adjacent literals, an escaped
// quote, a Latin-1 letter and a stray byte: every line shown must still be
// the line of the source.
const char kSmallFile[] =
    "// a \"comment\"\r\n"
    "Name = \"Ab\" \"c\\\"d\"\r\n"
    "Value = 0x1F, -5, Win9x\r\n"
    "Unix = Direct-Interface \"\xE9\"\r\n"
    "\x80";

const char kSmallListing[] =
    "2\t269\tNAME\n2\t268\tEQUAL\n2\t258\tQUOTEDSTRING\t\"Ab\"\n2\t258\tQUOTEDSTRING\t\"c\\\"d\"\n"
    "3\t288\tVALUE\n3\t268\tEQUAL\n3\t260\tUINTEGER\t0x1F\n3\t267\tCOMMA\n3\t259\tINTEGER\t-5\n3\t267\tCOMMA\n"
    "3\t257\tOS_NAME\t6\n4\t257\tOS_NAME\t3\n4\t268\tEQUAL\n4\t261\tDIRECT_INTERFACE\t\"Direct-Interface\"\n"
    "4\t258\tQUOTEDSTRING\t\"\xC3\xA9\"\n5\t310\tGARBAGE\t\"\\x80\"\n";

TEST_F(QueryCommandsTest, ListsTokens) {
    WriteFile("small.mif", kSmallFile);
    std::string output;
    EXPECT_EQ(RunTool("tokens small.mif", output), 0);
    EXPECT_EQ(output, kSmallListing);
    // The whole listing of the bundled example, checked by hand against it.
    EXPECT_EQ(RunTool("tokens " MIFKIT_EXAMPLES_DIR "/network_adapter.mif", output), 0);
    EXPECT_EQ(output, ReadFile(MIFKIT_EXAMPLES_DIR "/network_adapter.tokens"));
    EXPECT_EQ(RunTool("tokens --json small.mif", output), 0);
    json list = json::parse(output);
    ASSERT_EQ(list.size(), 16u);
    EXPECT_EQ(list[2], (json{{"line", 2}, {"token", 258}, {"name", "QUOTEDSTRING"}, {"value", "Ab"}}));
    EXPECT_FALSE(list[0].contains("value"));
    EXPECT_EQ(list[10]["value"], 6);               // an OS code is a number
    EXPECT_EQ(list[14]["value"], "\xC3\xA9");
    EXPECT_EQ(list[15]["value"], "\xEF\xBF\xBD");  // a stray byte is no UTF-8
    EXPECT_EQ(RunTool("tokens missing.mif", output), 1);
    EXPECT_EQ(output, "");
}

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
