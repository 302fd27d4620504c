// `mifkit check` with hints, its JSON and SARIF forms, and `mifkit fix` as a
// user runs them on files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "tests/test_support.h"

namespace mifkit {
namespace {

using nlohmann::json;
using test::RunTool;
namespace fs = std::filesystem;

// An adapter's file, with its paths block opened by `paths` and its class
// written as `className`.
std::string Adapter(const std::string &paths, const std::string &className) {
    return "Start Component\nName = \"c\"\n" + paths + "\nName = \"p\"\nDOS = \"x.exe\"\nEnd Path\nStart Group\n"
           "Name = \"g\"\nClass = " + className + "\nID = 1\nStart Attribute\nName = \"a\"\nID = 1\nType = Integer\n"
           "Value = 5\nEnd Attribute\nEnd Group\nEnd Component\n";
}

// Two mistakes: a plural keyword and a class without its quotes.
const std::string kTwoMistakes = Adapter("Start Paths", "Acme|Disk|1.0");
const std::string kRepaired = Adapter("Start Path", "\"Acme|Disk|1.0\"");

class FixCommandTest : public test::TempDirTest {};

// The hint follows the library's line, as a note in the editors' form and as
// fields of its own in JSON, one object a line.
TEST_F(FixCommandTest, CheckPrintsTheHintAfterTheDiagnostic) {
    WriteFile("two.mif", kTwoMistakes);
    WriteFile("bad.mif", "Start Component\n@\n");
    // Arguments, standard output.
    const std::pair<const char *, std::string> cases[] = {
        {"check two.mif", "DMI0225  (File: 0 (3): 0: <s>) Syntax Error.\n"
                          "  hint: write \"Start Path\"; this keyword has no plural\n"},
        {"check --gnu two.mif", "two.mif:3: error: Syntax Error. near \"s\" [DMI0225]\n"
                                "two.mif:3: note: write \"Start Path\"; this keyword has no plural\n"},
        // Without a known mistake, no note.
        {"check --gnu bad.mif", "bad.mif:2: error: Syntax Error. near \"@\" [DMI0225]\n"},
        {"check --format=json two.mif bad.mif",
         R"({"file":"two.mif","line":3,"message":225,"text":"Syntax Error.","token":"s",)"
         R"("hint":"write \"Start Path\"; this keyword has no plural",)"
         R"("fix":{"offset":37,"length":1,"description":"\"Start Paths\" -> \"Start Path\"","replacement":""}})"
         "\n"
         R"({"file":"bad.mif","line":2,"message":225,"text":"Syntax Error.","token":"@","hint":null,"fix":null})"
         "\n"},
    };
    for (const auto &[arguments, expected] : cases) {
        std::string output;
        EXPECT_EQ(RunTool(arguments, output), 1) << arguments;
        EXPECT_EQ(output, expected) << arguments;
    }
}

// The fields that the SARIF 2.1.0 schema requires, and the types it gives
// them, of every object this log holds.
void ExpectSarifShape(const json &log) {
    ASSERT_EQ(log.at("version"), "2.1.0");
    ASSERT_TRUE(log.at("runs").is_array());
    for (const json &run : log.at("runs")) {
        ASSERT_TRUE(run.at("tool").at("driver").at("name").is_string());
        for (const json &rule : run.at("tool").at("driver").value("rules", json::array()))
            EXPECT_TRUE(rule.at("id").is_string());
        for (const json &result : run.at("results")) {
            EXPECT_TRUE(result.at("message").at("text").is_string());
            const json levels = {"none", "note", "warning", "error"};
            EXPECT_NE(std::find(levels.begin(), levels.end(), result.at("level")), levels.end());
            for (const json &location : result.at("locations")) {
                const json &physical = location.at("physicalLocation");
                EXPECT_TRUE(physical.at("artifactLocation").at("uri").is_string());
                EXPECT_GE(physical.value("region", json{{"startLine", 1}}).at("startLine"), 1);
            }
            for (const json &fix : result.value("fixes", json::array()))
                for (const json &change : fix.at("artifactChanges")) {
                    EXPECT_TRUE(change.at("artifactLocation").at("uri").is_string());
                    ASSERT_FALSE(change.at("replacements").empty());
                    for (const json &replacement : change.at("replacements")) {
                        EXPECT_GE(replacement.at("deletedRegion").at("byteOffset"), 0);
                        const json &content = replacement.at("insertedContent");
                        EXPECT_TRUE(content.contains("text") || content.contains("binary"));
                    }
                }
        }
    }
}

TEST_F(FixCommandTest, SarifLogsEveryFileWithItsFixes) {
    WriteFile("two.mif", kTwoMistakes);
    WriteFile("swapped.mif", test::Bytes("\xFF\xFES\0"));
    WriteFile("gone dir.mif", "");
    std::string output;
    EXPECT_EQ(RunTool("check --format=sarif two.mif swapped.mif \"gone dir.mif\"", output), 1);
    const json log = json::parse(output);
    ExpectSarifShape(log);
    const json &results = log.at("runs")[0].at("results");
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].at("ruleId"), "DMI0225");
    EXPECT_EQ(results[0].at("message").at("text"),
              "Syntax Error. near \"s\"\nhint: write \"Start Path\"; this keyword has no plural");
    EXPECT_EQ(results[0].at("locations")[0].at("physicalLocation").at("region").at("startLine"), 3);
    EXPECT_EQ(results[0].at("fixes")[0].at("artifactChanges")[0].at("replacements")[0],
              json::parse(R"({"deletedRegion":{"byteOffset":37,"byteLength":1},"insertedContent":{"text":""}})"));
    // The swapped file's repair is UTF-16 big-endian bytes: "S" after the mark.
    EXPECT_EQ(results[1].at("fixes")[0].at("artifactChanges")[0].at("replacements")[0].at("insertedContent"),
              json::parse(R"({"binary":"/v8AUw=="})"));
    EXPECT_EQ(results[2].at("locations")[0].at("physicalLocation").at("artifactLocation").at("uri"),
              "gone%20dir.mif");
    EXPECT_EQ(log.at("runs")[0].at("tool").at("driver").at("rules").size(), 3u);
}

TEST_F(FixCommandTest, FixRewritesInPlaceAndTheSecondRunChangesNothing) {
    WriteFile("two.mif", kTwoMistakes);
    std::string output;
    ASSERT_EQ(RunTool("fix --dry-run two.mif", output), 0);
    EXPECT_EQ(output, "two.mif:3: \"Start Paths\" -> \"Start Path\"\n"
                      "two.mif:9: Acme|Disk|1.0 -> \"Acme|Disk|1.0\"\n"
                      "--- two.mif\n+++ two.mif (fixed)\n"
                      "@@ -3 +3 @@\n-Start Paths\n+Start Path\n"
                      "@@ -9 +9 @@\n-Class = Acme|Disk|1.0\n+Class = \"Acme|Disk|1.0\"\n");
    EXPECT_EQ(ReadFile("two.mif"), kTwoMistakes);

    ASSERT_EQ(RunTool("fix --backup two.mif", output), 0);
    EXPECT_EQ(output, "two.mif:3: \"Start Paths\" -> \"Start Path\"\ntwo.mif:9: Acme|Disk|1.0 -> \"Acme|Disk|1.0\"\n");
    EXPECT_EQ(ReadFile("two.mif"), kRepaired);
    EXPECT_EQ(ReadFile("two.mif.bak"), kTwoMistakes);
    EXPECT_EQ(RunTool("check two.mif", output), 0);

    EXPECT_EQ(RunTool("fix two.mif", output), 1);
    EXPECT_EQ(output, "");
    EXPECT_EQ(ReadFile("two.mif"), kRepaired);
}

TEST_F(FixCommandTest, FilesItCannotImproveOrWriteStayUntouched) {
    WriteFile("zero.mif", R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 0 Type = Integer Value = 5 End Attribute
End Group
End Component
)");
    WriteFile("locked.mif", kTwoMistakes);
    fs::permissions("locked.mif", fs::perms::owner_read | fs::perms::group_read);
    const std::string zero = ReadFile("zero.mif");
    std::string output;
    EXPECT_EQ(RunTool("fix zero.mif", output), 1);
    EXPECT_EQ(ReadFile("zero.mif"), zero);
    EXPECT_EQ(RunTool("fix locked.mif", output), 1);
    EXPECT_EQ(ReadFile("locked.mif"), kTwoMistakes);
    fs::permissions("locked.mif", fs::perms::owner_write, fs::perm_options::add);
}

#ifndef _WIN32
TEST_F(FixCommandTest, FixReplacesALinksTargetAndKeepsItsPermissions) {
    fs::create_directory("real");
    WriteFile("real/target.mif", kTwoMistakes);
    fs::permissions("real/target.mif", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/target.mif", "link.mif");
    std::string output;
    ASSERT_EQ(RunTool("fix link.mif", output), 0);
    EXPECT_TRUE(fs::is_symlink("link.mif"));
    EXPECT_EQ(fs::read_symlink("link.mif"), "real/target.mif");
    EXPECT_EQ(ReadFile("real/target.mif"), kRepaired);
    EXPECT_EQ(fs::status("real/target.mif").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Nothing left behind beside the target.
    EXPECT_EQ(std::distance(fs::directory_iterator("real"), fs::directory_iterator()), 1);
}
#endif

}  // namespace
}  // namespace mifkit
