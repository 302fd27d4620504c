// JSON to MIF: the dump of a file reads back as the same database, and a
// document that cannot be a MIF file is refused with the JSON path at fault.
#include <filesystem>

#include "bench/mif_generator.h"
#include "tests/test_support.h"
#include "tests/writer/round_trip.h"

namespace mifkit::test {
namespace {

// The text is the one WriteMif writes, but for an enumeration value given as
// a number (as the generated file gives some), which it writes as the text.
TEST(FromJson, TheDumpOfEveryBundledOrGeneratedFileGivesItsDatabase) {
    mifbench::MifShape shape;
    shape.groups = 6;
    shape.rows = 20;
    std::vector<Database> originals;
    originals.push_back(Database::FromBuffer(mifbench::GenerateMif(shape)));
    for (const char *dir : {MIFKIT_EXAMPLES_DIR, MIFKIT_TESTS_DIR "/host"})
        for (const auto &entry : std::filesystem::directory_iterator(dir))
            if (entry.path().extension() == ".mif") originals.push_back(Database::FromFile(entry.path().string()));
    for (const Database &original : originals) {
        if (!original.ok()) continue;
        std::vector<std::string> errors;
        std::string text = MifFromJson(DumpOf(original), errors);
        ASSERT_TRUE(errors.empty()) << errors.front();
        ExpectSameDatabase(original, Database::FromBuffer(text), text);
        if (&original == &originals.front()) continue;
        EXPECT_EQ(text, WriteMif(original));
    }
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

TEST(FromJson, RefusesADocumentNamingThePathAtFault) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"{", {"/: not a JSON document"}},
        {"[]", {"/: the document is not a JSON object"}},
        {R"({"component": {"groups": []}})", {"/component/name: missing name"}},
        {Document(R"({"class": "a", "id": 1, "attributes": []}, {"class": "b", "id": 2, "attributes": []},
                     {"class": "k", "id": 3, "attributes": [{"id": 3, "name": "x"}, {"id": 3, "name": "y"}]})"),
         {"/component/groups/2/attributes/1/id: duplicate attribute ID 3"}},
        {Document(R"({"class": "a", "id": 1}, {"class": "b", "id": 1})"),
         {"/component/groups/1/id: duplicate group ID 1"}},
        {Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Integer", "value": "7"}]})"),
         {"/component/groups/0/attributes/0/value: not an integer from -2147483648 to 2147483647"}},
        {Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Counter", "value": -1}]})"),
         {"/component/groups/0/attributes/0/value: not an integer from 0 to 4294967295"}},
        {Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "DisplayString",
                      "size": 2, "value": "abc"}]})"),
         {"/component/groups/0/attributes/0/value: longer than the size 2"}},
        {Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Enum",
                      "enumeration": "Colour"}]})"),
         {"/component/groups/0/attributes/0/enumeration: unknown enumeration \"Colour\""}},
        {Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "type": "Enum",
                      "enumeration": "E", "value": {"value": 5}}]})",
                  "", R"({"name": "E", "elements": [{"value": 1, "text": "one"}]})"),
         {"/component/groups/0/attributes/0/value: unknown enumeration value 5"}},
        {Document(R"({"class": "a", "id": 1, "attributes": [{"id": 1, "name": "x", "value": 1}]})"),
         {"/component/groups/0/attributes/0/type: a value needs a type"}},
        {Document(R"({"class": "a", "keys": [4], "attributes": []})"),
         {"/component/groups/0/keys/0: no attribute has the ID 4"}},
        {Document(kTemplate, R"({"class": "Q", "id": 5, "rows": []})"),
         {"/component/tables/0/class: no keyed group without an ID has the class Q"}},
        {Document(kTemplate, R"({"class": "K", "id": 5, "rows": [[1, 2]]})"),
         {"/component/tables/0/rows/0/1: not a string"}},
        {Document(kTemplate, R"({"class": "K", "id": 5, "rows": [[1, "a", 3]]})"),
         {"/component/tables/0/rows/0: more entries than the template's 2"}},
        {R"({"component": {"name": "c", "paths": [{"name": "p", "entries": [{"os": "BeOS", "path": "x"}]}]}})",
         {"/component/paths/0/entries/0/os: not one of DOS, MACOS, OS2, UNIX, WIN16, WIN32, WIN9X, WINNT"}},
    };
    for (const auto &[json, expected] : cases) {
        std::vector<std::string> errors;
        EXPECT_EQ(MifFromJson(json, errors), "");
        EXPECT_EQ(errors, expected) << json;
    }
}

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
