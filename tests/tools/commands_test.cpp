// The query commands as a user runs them, whole outputs: `mifkit dump`,
// `groups`, `table`, `tokens`, and `new-component`, a file that parses
// whatever the name holds.
#include <gtest/gtest.h>

#include <string>

#include "tests/test_support.h"
#include "tools/new_component_command.h"

namespace mifkit::test {
namespace {

// Whole outputs of files in this folder: dump_values.mif holds every kind of
// value, dump_values.json is its dump; tokens.mif has Windows line ends, a
// comment holding a quote, adjacent literals, an escaped quote, a Latin-1
// letter and a stray byte, and every line tokens.txt and tokens.json show
// must still be the line of the source (in JSON an OS code is a number, a
// stray byte U+FFFD). The example's listing was checked by hand against it.
TEST(QueryCommands, PrintWholeOutputs) {
    const std::string values = MIFKIT_TESTS_DIR "/tools/dump_values.mif", bad = MIFKIT_TESTS_DIR "/host/syntax.mif";
    const std::pair<std::string, std::string> cases[] = {
        {"dump " + values, TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/dump_values.json")},
        {"groups " + values, "ID  KIND   NAME  CLASS  COLUMNS  ROWS\n1   group  g     k      7        -\n"},
        // Defaults in row 2, an overlay in row 3.
        {"table " MIFKIT_EXAMPLES_DIR "/network_adapter.mif 2",
         "Port Index  Link       Octets Received  Speed Offset\n1           Up         1024             -2\n"
         "2           Down       0                -5\n3           *PortLink  16               7\n"},
        {"tokens " MIFKIT_TESTS_DIR "/tools/tokens.mif", TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/tokens.txt")},
        {"tokens --json " MIFKIT_TESTS_DIR "/tools/tokens.mif", TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/tokens.json")},
        {"tokens " MIFKIT_EXAMPLES_DIR "/network_adapter.mif",
         TempDirTest::ReadFile(MIFKIT_EXAMPLES_DIR "/network_adapter.tokens")}};
    std::string output;
    for (const auto &[command, expected] : cases) {
        EXPECT_EQ(RunTool(command, output), 0) << command;
        EXPECT_EQ(output, expected) << command;
    }
    // A file that does not parse or cannot be read, or no such table: nothing on stdout, and a failure.
    for (const std::string &command : {"dump " + bad, "groups " + bad, "table " + bad + " 1", "table " + values + " 2",
                                       std::string("tokens missing.mif")}) {
        EXPECT_EQ(RunTool(command, output), 1) << command;
        EXPECT_EQ(output, "") << command;
    }
}

// new_component.mif: the component ID group every component carries, with
// the name as its product, in the canonical layout.
TEST(NewComponent, PrintsAMinimalComponentIdGroup) {
    EXPECT_EQ(tool::NewComponentText("Widget"), TempDirTest::ReadFile(MIFKIT_TESTS_DIR "/tools/new_component.mif"));
}

// A name too long for the Product attribute gives no text.
TEST(NewComponent, EscapesWhatTheNameHolds) {
    for (const char *name : {"a \"quoted\" \\ name", "\xCE\xA9mega", "tab\there"}) {
        SCOPED_TRACE(name);
        Database database = Database::FromBuffer(tool::NewComponentText(name));
        ASSERT_TRUE(database.ok()) << ::testing::PrintToString(Lines(database));
        EXPECT_EQ(database.component().name().utf8(), name);
    }
    EXPECT_EQ(tool::NewComponentText(std::string(65, 'x')), "");
}

}  // namespace
}  // namespace mifkit::test
