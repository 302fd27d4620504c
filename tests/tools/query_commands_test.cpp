// `mifkit dump` and `groups` as a user runs them: whole outputs.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using nlohmann::json;
using test::RunTool;

json Attr(int id, const char *name, const char *type, const json &rest) {
    json a = {{"id", id}, {"name", name}, {"storage", "Common"}, {"type", type}};
    a.update(rest);
    return a;
}

class QueryCommandsTest : public test::TempDirTest {};

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

}  // namespace
}  // namespace mifkit
