// The parse driver's states: which calls parse and which return at once,
// what each failure prints and returns, and what stays loaded afterwards; and
// every diagnostic as one whole line in a fixed form, checked against the
// message catalogue written out by hand, for every number.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/diagnostics.h"
#include "lexer/source_conversion.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

namespace fs = std::filesystem;

const std::string kAscii = "performing ASCII conversion...\n\tdone\n";
const char kSyntaxAt2[] = "DMI0225  (File: 0 (2): 0: <@>) Syntax Error.\n";

std::set<std::string> DirectoryEntries() {
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(".")) names.insert(entry.path().filename().string());
    return names;
}

class ParseDriverTest : public test::TempDirTest {
protected:
    int Parse(const char *name) {  // what the parse printed is left in `printed`
        int status = ParseFile(c.ctx, name);
        printed = c.Take();
        return status;
    }
    test::CapturedContext c;
    std::string printed;
};

// The same name returns at once even if the file changed. Names are compared
// as written: each new spelling releases the previous database before
// parsing, so the pool never holds two. Shutting down forgets the name.
TEST_F(ParseDriverTest, SameNameReturnsAtOnceOtherSpellingsParseAgain) {
    WriteFile("a.mif", test::kMinimalMif);
    WriteFile("A.MIF", test::kMinimalMif);
    ASSERT_EQ(Parse("a.mif"), 0);
    const size_t blocks = c.ctx.pool.BlockCount();
    for (const std::string &name : {std::string("A.MIF"), std::string("./a.mif"), (dir_ / "a.mif").string(), std::string("a.mif")}) {
        EXPECT_EQ(std::make_pair(Parse(name.c_str()), printed), std::make_pair(0, kAscii)) << name;
        EXPECT_EQ(c.ctx.pool.BlockCount(), blocks) << name;
    }
    WriteFile("a.mif", "@\n");
    EXPECT_EQ(std::make_pair(Parse("a.mif"), printed), std::make_pair(0, std::string()));
    EXPECT_EQ(c.ctx.pool.BlockCount(), blocks);
    EXPECT_EQ(ShutdownParser(c.ctx), 0);
    EXPECT_EQ(ShutdownParser(c.ctx), 0);
    EXPECT_TRUE(c.ctx.pool.Empty());
    EXPECT_EQ(std::make_pair(Parse("a.mif"), printed), std::make_pair(1,
              kAscii + "DMI0225  (File: 0 (1): 0: <@>) Syntax Error.\n"));
}

// A failed parse forgets its name but not its blocks: they stay until the
// next release, and a later parse adds to them.
TEST_F(ParseDriverTest, FailedParseForgetsTheNameAndKeepsItsBlocks) {
    WriteFile("bad.mif", "Start Component\n@\n");
    WriteFile("good.mif", test::kMinimalMif);
    EXPECT_EQ(std::make_pair(Parse("bad.mif"), printed), std::make_pair(1, kAscii + kSyntaxAt2));
    const size_t leftover = c.ctx.pool.BlockCount();
    EXPECT_EQ(std::make_pair(Parse("bad.mif"), printed), std::make_pair(1, kAscii + kSyntaxAt2));
    EXPECT_EQ(c.ctx.pool.BlockCount(), 2 * leftover);
    EXPECT_EQ(Parse("good.mif"), 0);
    EXPECT_GT(c.ctx.pool.BlockCount(), 2 * leftover);
}

// Switching from a loaded file to one that cannot be used releases the
// loaded database first, writes no working copy, and remembers no name.
TEST_F(ParseDriverTest, SwitchingToAnUnusableSourceLeavesNothingLoaded) {
    const std::string fatal = ">) Fatal file error.\n";
    const struct { const char *name; int status; std::string printed; } cases[] = {
        {nullptr, 525, "DMI0223  (0,  0, 0, Filename <(null)" + fatal},
        {"empty.mif", 525, "DMI0223  (0,  0, 0, Filename <empty.mif" + fatal},
        {"one.mif", 525, "DMI0223  (0,  0, 0, Filename <one.mif" + fatal},
        {"dir.mif", 525, "DMI0223  (0,  0, 0, Filename <dir.mif" + fatal},
        {"swapped.mif", 11, "DMI0228  (File 0,  0, 0, Filename <swapped.mif>) Byte swapped Unicode file.\n"}};
    WriteFile("a.mif", test::kMinimalMif);
    WriteFile("empty.mif", "");
    WriteFile("one.mif", "S");
    fs::create_directory("dir.mif");
    WriteFile("swapped.mif", test::Bytes("\xFF\xFES\0t\0"));
    c.ctx.workingCopyPath = "temp.mif";
    for (const auto &source : cases) {
        ASSERT_EQ(Parse("a.mif"), 0);
        fs::remove("temp.mif");
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(std::make_pair(Parse(source.name), printed), std::make_pair(source.status, source.printed));
            EXPECT_TRUE(c.ctx.pool.Empty());
            EXPECT_FALSE(fs::exists("temp.mif"));
        }
    }
}

// Both conversions give the same working copy, which reaches the disk only
// when a path is set; one that cannot be written is a fatal file error
// without a line of its own and leaves no stray file. What the C export
// prints and writes as temp.mif is the host test's.
TEST_F(ParseDriverTest, WorkingCopyIsWrittenOnlyWhenAsked) {
    const std::string text = "Start Component Name = \"Ab\" // \"q\"\nEnd Component\n";
    const std::string copy = "Start Component Name = \"\xFF\xFF\xFF" "0A\xFF\xFF\xFF" "0b\xFF\xFF\xFF" "0\""
                             "\xFF\xFF\xFF\xFF\xFF\xFF\n //\nEnd Component\n";
    // A component needs a body.
    const std::string noGroup = "DMI0225  (File: 0 (2): 0: <End Component>) Syntax Error.\n";
    for (const auto &[source, progress] : {std::make_pair(text, kAscii),
             std::make_pair("\xFE\xFF" + test::Utf16(text), std::string("performing Unicode conversion...\n\tdone\n"))}) {
        WriteFile("src.mif", source);
        c.ctx.workingCopyPath.clear();
        EXPECT_EQ(std::make_pair(Parse("src.mif"), printed), std::make_pair(1, progress + noGroup));
        EXPECT_EQ(DirectoryEntries(), std::set<std::string>{"src.mif"});
        c.ctx.workingCopyPath = "copy.mif";
        EXPECT_EQ(std::make_pair(Parse("src.mif"), printed), std::make_pair(1, progress + noGroup));
        EXPECT_EQ(ReadFile("copy.mif"), copy) << progress;
        fs::remove("copy.mif");
    }
    WriteFile("a.mif", test::kMinimalMif);
    fs::create_directory("taken");
    for (const char *path : {"no-such-dir/temp.mif", "taken"}) {
        c.ctx.workingCopyPath = path;
        EXPECT_EQ(std::make_pair(Parse("a.mif"), printed), std::make_pair(525, kAscii)) << path;
        EXPECT_EQ(DirectoryEntries(), (std::set<std::string>{"a.mif", "src.mif", "taken"})) << path;
    }
#ifndef _WIN32  // making a symbolic link needs a privilege there
    // Written through a fresh file renamed over it: a symlink planted there is
    // replaced, its target left as it was, and no other file is left behind.
    WriteFile("victim.txt", "precious");
    fs::create_symlink("victim.txt", "temp.mif");
    c.ctx.workingCopyPath = "temp.mif";
    EXPECT_EQ(Parse("src.mif"), 1);
    EXPECT_EQ(std::make_pair(fs::is_symlink("temp.mif"), ReadFile("temp.mif")), std::make_pair(false, copy));
    EXPECT_EQ(ReadFile("victim.txt"), "precious");
    EXPECT_EQ(DirectoryEntries(), (std::set<std::string>{"a.mif", "src.mif", "taken", "temp.mif", "victim.txt"}));
#endif
}

// A large source's temp.mif is written while it is parsed: the same bytes,
// and the same lines, held back until the file is written; a file that
// cannot be written fails the parse as if it had not begun.
TEST_F(ParseDriverTest, LargeSourceWritesItsWorkingCopyBesideTheParse) {
    std::string source = "Start Component Name = \"c\" Description =\n";
    while (source.size() < 1536 * 1024) source += "  \"text with a \\\"quote\\\" \\x41, caf\xE9 and more words\"\n";
    source += "Start Group Name = \"g\" Class = \"k\" ID = 1\nStart Attribute Name = \"a\" ID = 1 Type = Integer "
              "Value = 5 End Attribute\nEnd Group\nEnd Component\n@\n";
    const std::string lines = kAscii + "DMI0225  (File: 0 (" + std::to_string(std::count(source.begin(), source.end(), '\n')) +
                              "): 0: <@>) Syntax Error.\n";  // the last line
    WriteFile("big.mif", source);
    WorkingCopy marked;
    ConvertAsciiSource(source, marked);
    for (const char *path : {"", "copy.mif", "no-such-dir/temp.mif"}) {
        c.ctx.workingCopyPath = path;
        const bool unwritable = std::string(path).find('/') != std::string::npos;
        EXPECT_EQ(std::make_pair(Parse("big.mif"), printed), std::make_pair(unwritable ? 525 : 1, unwritable ? kAscii : lines))
            << path;
        EXPECT_EQ(c.ctx.state.componentList == nullptr, unwritable) << path << ": records of a parse that never was";
        if (*path != '\0' && !unwritable) {
            EXPECT_TRUE(ReadFile(path) == marked.bytes) << "temp.mif differs";
        }
        fs::remove("copy.mif");
        EXPECT_EQ(DirectoryEntries(), std::set<std::string>{"big.mif"}) << path;
    }
}

// A value the pool cannot supply becomes a token no grammar accepts: the
// language string and the group take the first two blocks; 3 is the number's.
TEST_F(ParseDriverTest, ALostValueIsASyntaxError) {
    WriteFile("f.mif", "Start Group\nID = 42\n");
    c.ctx.pool.SimulateFault(3);
    EXPECT_EQ(std::make_pair(Parse("f.mif"), printed),
              std::make_pair(1, kAscii + "DMI0225  (File: 0 (2): 0: <42>) Syntax Error.\n"));
    EXPECT_EQ(c.ctx.diagnostics.errorSeen, 1u);
}

// every_message.txt holds one line per number from 99 to 249 for file 7, line
// 12, third number 34 and text "tok". 99, 249 and 102..107 have no text and
// print the fallback line; the caller's file number is ignored.
TEST(Diagnostics, EveryMessagePrintsItsWholeLine) {
    std::ifstream in(MIFKIT_TESTS_DIR "/driver/every_message.txt", std::ios::binary);
    std::vector<std::string> expected;
    for (std::string line; std::getline(in, line);) expected.push_back(line + "\n");
    ASSERT_EQ(expected.size(), 151u);
    for (uint32_t number = 99; number <= 249; ++number) {
        test::CapturedContext c;
        EXPECT_EQ(ReportMessage(c.ctx, number, 7, 12, 34, "tok"), 0);
        EXPECT_EQ(c.Take(), expected[number - 99]) << "message " << number;
    }
}

// The line shown is the source's, not the working copy's (a literal adds a
// line there); 0 means "no line" and stays 0. Labels do not reorder the
// values: form 3 shows the line after "ID", form 5 the third number.
TEST(Diagnostics, LinesAndLabels) {
    for (const auto &[literals, line, printed] : {std::make_tuple(3u, 0u, "0"), std::make_tuple(3u, 10u, "7"),
                                                  std::make_tuple(0u, 10u, "10"), std::make_tuple(5u, 5u, "0")}) {
        test::CapturedContext c;
        c.ctx.diagnostics.literalCount = literals;
        ReportMessage(c.ctx, 225, 0, line, 0, "End");
        EXPECT_EQ(c.Take(), std::string("DMI0225  (File: 0 (") + printed + "): 0: <End>) Syntax Error.\n") << line;
    }
    test::CapturedContext c;
    c.ctx.diagnostics.literalCount = 2;
    ReportMessage(c.ctx, 234, 0, 10, 99, "Colors");
    ReportMessage(c.ctx, 241, 0, 10, 99, "Table");
    EXPECT_EQ(c.Take(), "DMI0234  (File 0, ID 8, 99,  <Colors>) Cannot locate enumeration by name.\n"
                        "DMI0241  (File 0, Line 8, ID <99>, Token <Table>) Table  ID is not unique.\n");
    c.ctx.lexer.lineNumber = 9;  // a syntax error takes the lexer's line and token, and is remembered
    c.ctx.lexer.tokenText = "End";
    ReportSyntaxError(c.ctx, "ignored text");
    EXPECT_EQ(c.Take(), "DMI0225  (File: 0 (7): 0: <End>) Syntax Error.\n");
    EXPECT_EQ(c.ctx.diagnostics.errorSeen, 1u);
}

}  // namespace
}  // namespace mifkit
