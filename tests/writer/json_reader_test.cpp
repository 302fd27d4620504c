// JSON to MIF: the dump of a file reads back as the same database, and a
// document that cannot be a MIF file is refused with the JSON path at fault.
#include <filesystem>
#include <fstream>

#include "bench/mif_generator.h"
#include "tests/test_support.h"
#include "tests/writer/round_trip.h"

namespace mifkit::test {
namespace {

std::string Dump(const Database &database) {
    return DatabaseJson(database).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

TEST(FromJson, TheDumpOfEveryBundledFileGivesItsDatabase) {
    for (const char *dir : {MIFKIT_EXAMPLES_DIR, MIFKIT_TESTS_DIR "/host"}) {
        for (const auto &entry : std::filesystem::directory_iterator(dir)) {
            if (entry.path().extension() != ".mif") continue;
            Database original = Database::FromFile(entry.path().string());
            if (!original.ok()) continue;
            SCOPED_TRACE(entry.path().string());
            std::vector<std::string> errors;
            std::string text = MifFromJson(Dump(original), errors);
            ASSERT_TRUE(errors.empty()) << errors.front();
            EXPECT_EQ(text, WriteMif(original));
            ExpectSameDatabase(original, Database::FromBuffer(text), text);
        }
    }
}

TEST(FromJson, TheDumpOfAGeneratedFileGivesItsDatabase) {
    mifbench::MifShape shape;
    shape.groups = 6;
    shape.rows = 20;
    Database original = Database::FromBuffer(mifbench::GenerateMif(shape));
    ASSERT_TRUE(original.ok());
    std::vector<std::string> errors;
    std::string text = MifFromJson(Dump(original), errors);
    ASSERT_TRUE(errors.empty()) << errors.front();
    ExpectSameDatabase(original, Database::FromBuffer(text), text);
}

class FromJsonTool : public TempDirTest {};

TEST_F(FromJsonTool, WritesNothingForADocumentItRefuses) {
    WriteFile("bad.json", R"({"component": {"groups": []}})");
    std::string output;
    EXPECT_EQ(RunTool("from-json -o out.mif bad.json", output), 1);
    EXPECT_FALSE(std::filesystem::exists("out.mif"));
    WriteFile("good.json", R"({"component": {"name": "c", "groups": [{"name": "g", "class": "k", "id": 1,
        "attributes": [{"id": 1, "name": "a", "type": "Date"}]}]}})");
    EXPECT_EQ(RunTool("from-json -o out.mif good.json", output), 0);
    EXPECT_TRUE(Database::FromFile("out.mif").ok());
}

// A component around `groups` and `tables` (JSON arrays' contents).
std::string Document(const std::string &groups, const std::string &tables = "",
                     const std::string &enumerations = "") {
    return R"({"language": "en|US|iso8859-1", "component": {"name": "c", "enumerations": [)" + enumerations +
           R"(], "groups": [)" + groups + R"(], "tables": [)" + tables + "]}}";
}

const std::string kTemplate =
    R"({"name": "t", "class": "K", "keys": [1], "attributes": [{"id": 1, "name": "n", "type": "Counter"},
        {"id": 2, "name": "s", "type": "DisplayString", "size": 2}]})";

struct ErrorCase {
    const char *name;
    std::string json;
    std::vector<std::string> errors;
};

// Named in test listings by its case name alone.
void PrintTo(const ErrorCase &c, std::ostream *out) { *out << c.name; }

class FromJsonErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(FromJsonErrors, NamesThePath) {
    std::vector<std::string> errors;
    EXPECT_EQ(MifFromJson(GetParam().json, errors), "");
    EXPECT_EQ(errors, GetParam().errors);
}

const ErrorCase kErrorCases[] = {
    {"not_json", "{", {"/: not a JSON document"}},
    {"not_an_object", "[]", {"/: the document is not a JSON object"}},
    {"missing_component_name", R"({"component": {"groups": []}})", {"/component/name: missing name"}},
    {"duplicate_attribute_id",
     Document(R"({"class": "a", "id": 1, "attributes": []}, {"class": "b", "id": 2, "attributes": []},
                 {"class": "k", "id": 3, "attributes": [{"id": 3, "name": "x"}, {"id": 3, "name": "y"}]})"),
     {"/component/groups/2/attributes/1/id: duplicate attribute ID 3"}},
    {"duplicate_group_id", Document(R"({"class": "a", "id": 1}, {"class": "b", "id": 1})"),
     {"/component/groups/1/id: duplicate group ID 1"}},
    {"value_of_wrong_type",
     Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Integer", "value": "7"}]})"),
     {"/component/groups/0/attributes/0/value: not an integer from -2147483648 to 2147483647"}},
    {"counter_out_of_range",
     Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Counter", "value": -1}]})"),
     {"/component/groups/0/attributes/0/value: not an integer from 0 to 4294967295"}},
    {"string_too_long",
     Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "DisplayString",
                  "size": 2, "value": "abc"}]})"),
     {"/component/groups/0/attributes/0/value: longer than the size 2"}},
    {"unknown_enumeration",
     Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Enum",
                  "enumeration": "Colour"}]})"),
     {"/component/groups/0/attributes/0/enumeration: unknown enumeration \"Colour\""}},
    {"unknown_enumeration_value",
     Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Enum",
                  "enumeration": "E", "value": {"value": 5}}]})",
              "", R"({"name": "E", "elements": [{"value": 1, "text": "one"}]})"),
     {"/component/groups/0/attributes/0/value: unknown enumeration value 5"}},
    {"value_without_type",
     Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "value": 1}]})"),
     {"/component/groups/0/attributes/0/type: a value needs a type"}},
    {"key_without_attribute", Document(R"({"class": "a", "keys": [4], "attributes": []})"),
     {"/component/groups/0/keys/0: no attribute has the ID 4"}},
    {"table_without_template", Document(kTemplate, R"({"class": "Q", "id": 5, "rows": []})"),
     {"/component/tables/0/class: no keyed group without an ID has the class Q"}},
    {"row_cell_of_wrong_type", Document(kTemplate, R"({"class": "K", "id": 5, "rows": [[1, 2]]})"),
     {"/component/tables/0/rows/0/1: not a string"}},
    {"row_too_long", Document(kTemplate, R"({"class": "K", "id": 5, "rows": [[1, "a", 3]]})"),
     {"/component/tables/0/rows/0: more entries than the template's 2"}},
    {"bad_os", R"({"component": {"name": "c", "paths": [{"name": "p", "entries": [{"os": "BeOS", "path": "x"}]}]}})",
     {"/component/paths/0/entries/0/os: not one of DOS, MACOS, OS2, UNIX, WIN16, WIN32, WIN9X, WINNT"}},
};

INSTANTIATE_TEST_SUITE_P(Errors, FromJsonErrors, ::testing::ValuesIn(kErrorCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FromJson, TableRowsLeaveNullColumnsEmpty) {
    std::vector<std::string> errors;
    std::string text = MifFromJson(
        Document(kTemplate, R"({"name": "T", "class": "K", "id": 5, "rows": [[1, null], [null, "b"], [7, {"overlay": "o"}]]})"),
        errors);
    ASSERT_TRUE(errors.empty()) << errors.front();
    EXPECT_NE(text.find("        {1}\n        {, \"b\"}\n        {7, *\"o\"}\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace mifkit::test
