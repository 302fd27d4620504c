// The writer's promise: every file that parses comes back as the same
// database (the bundled examples, the tests' files, edge_values.mif holding
// values at the edges, generated files, texts needing UTF-16), and so does the
// dump of a file read back as JSON; a document that cannot be a MIF file is
// refused with the JSON path at fault. The layout is pinned by the format test.
#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "bench/mif_generator.h"
#include "json/database_json.h"
#include "mifkit/parser.h"
#include "mifkit/writer.h"
#include "tests/test_support.h"

namespace mifkit::test {
namespace {

std::string DumpOf(const Database &database) {
    return DatabaseJson(database).dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// The same dump and the same data block for every group and table.
void ExpectSameDatabase(const Database &a, const Database &b, const std::string &context) {
    EXPECT_EQ(DumpOf(a), DumpOf(b)) << context;
    std::vector<uint32_t> ids = a.groupIds(), otherIds = b.groupIds();
    std::sort(ids.begin(), ids.end());
    std::sort(otherIds.begin(), otherIds.end());
    EXPECT_EQ(ids, otherIds) << context;
    for (uint32_t id : ids) {
        EXPECT_EQ(a.groupData(id), b.groupData(id)) << "group " << id << "\n" << context;
        EXPECT_EQ(a.tableData(id), b.tableData(id)) << "table " << id << "\n" << context;
    }
}

// Writes `source`'s database and reads it back; returns the text written.
// Writing that again changes nothing.
std::string ExpectRoundTrip(const std::string &source, const WriteOptions &options = {}) {
    Database first = Database::FromBuffer(source);
    EXPECT_TRUE(first.ok()) << ::testing::PrintToString(Lines(first));
    std::string written = WriteMif(first, options);
    Database second = Database::FromBuffer(written);
    EXPECT_TRUE(second.ok()) << ::testing::PrintToString(Lines(second)) << written;
    ExpectSameDatabase(first, second, written);
    EXPECT_EQ(written, WriteMif(second, options));
    return written;
}

TEST(RoundTrip, EveryBundledFileThatParses) {
    int parsed = 0;
    for (const char *dir : {MIFKIT_EXAMPLES_DIR, MIFKIT_TESTS_DIR, MIFKIT_TESTS_DIR "/../fuzz/corpus"}) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(dir)) {
            if (entry.path().extension() != ".mif") continue;
            std::string source = TempDirTest::ReadFile(entry.path().string());
            if (!Database::FromBuffer(source).ok()) continue;
            SCOPED_TRACE(entry.path().string());
            ExpectRoundTrip(source);
            ++parsed;
        }
    }
    EXPECT_GE(parsed, 10);
}

TEST(RoundTrip, GeneratedFilesOfEveryStatementKind) {
    mifbench::MifShape shape;
    shape.groups = 12;
    shape.rows = 40;
    shape.rowsPerTable = 15;
    std::string source = mifbench::GenerateMif(shape);
    ExpectRoundTrip(source);
    ExpectRoundTrip(mifbench::ToUtf16Source(source));
    shape.targetBytes = 300 * 1024;
    ExpectRoundTrip(mifbench::GenerateMif(shape));
}

// A component of one group around `attributes`, for value cases.
std::string InGroup(const std::string &attributes) {
    return "Start Component\nName = \"c\"\nStart Group\nName = \"g\"\nClass = \"k\"\nID = 1\n" + attributes +
           "End Group\nEnd Component\n";
}

std::string Attribute(const std::string &type, const std::string &value) {
    return "Start Attribute\nName = \"a\"\nID = 1\nType = " + type + "\nValue = " + value + "\nEnd Attribute\n";
}

TEST(RoundTrip, SplitsLongLiteralsUnderTheirFirstQuote) {
    WriteOptions options;
    options.lineWidth = 30;
    std::string written = ExpectRoundTrip(InGroup(Attribute("String(64)", R"("abcdefghij\"klmnopqrstuvwxyz0123456789")")), options);
    // Pieces of eight characters: an escape is never cut.
    EXPECT_NE(written.find("            Value = \"abcdefgh\"\n"
                           "                    \"ij\\\"klmn\"\n"),
              std::string::npos)
        << written;
}

// UTF-16 only when a text needs it or it is asked for; 8-bit refuses such a text.
TEST(RoundTrip, PicksUtf16OnlyWhenATextNeedsIt) {
    const std::tuple<const char *, MifEncoding, bool> cases[] = {
        {"\"\xE9\"", MifEncoding::kAuto, false}, {R"("\401")", MifEncoding::kAuto, true},
        {R"("\xFF\x0A")", MifEncoding::kUtf16, true}};
    for (const auto &[value, encoding, wide] : cases) {
        WriteOptions options;
        options.encoding = encoding;
        EXPECT_EQ(ExpectRoundTrip(InGroup(Attribute("String(9)", value)), options).rfind("\xFE\xFF", 0) == 0, wide)
            << value;
    }
    WriteOptions options;
    options.encoding = MifEncoding::kEightBit;
    EXPECT_THROW(WriteMif(Database::FromBuffer(InGroup(Attribute("String(9)", R"("\401")"))), options), WriteError);
}

// Units whose bytes the working copy uses as marks: 0xFF, 0x0A, 0x00.
TEST(RoundTrip, Utf16SourceWithEveryUnit) {
    const std::string source = "\xFE\xFF" + Utf16("Start Component\nName = \"") +
                               std::string("\xFF\xFF\x0A\x00\x01\x41\xFF\x30\x00\xFF\xD8\x3D\xDE\x00", 14) +
                               Utf16("\"\nStart Group\nName = \"g\"\nClass = \"k\"\nID = 1\nStart Attribute\nName = \"a\"\n"
                                     "ID = 1\nType = Gauge\nEnd Attribute\nEnd Group\nEnd Component\n");
    EXPECT_EQ(ExpectRoundTrip(source).rfind("\xFE\xFF", 0), 0u);
}

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
