// The parse driver's states: which calls parse and which return at once,
// what each failure prints and returns, and what stays loaded afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tests/test_support.h"

namespace mifkit {
namespace {

namespace fs = std::filesystem;

const char *const kGood = test::kMinimalMif;
const std::string kAscii = "performing ASCII conversion...\n\tdone\n";
const std::string kUnicode = "performing Unicode conversion...\n\tdone\n";

std::string FatalFileLine(const std::string &name) {
    return "DMI0223  (0,  0, 0, Filename <" + name + ">) Fatal file error.\n";
}

std::string SyntaxErrorLine(int line, const std::string &token) {
    return "DMI0225  (File: 0 (" + std::to_string(line) + "): 0: <" + token + ">) Syntax Error.\n";
}

std::set<std::string> DirectoryEntries() {
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(".")) names.insert(entry.path().filename().string());
    return names;
}

class ParseDriverTest : public test::TempDirTest {
protected:
    // Parses; what the parse printed is left in `printed`.
    int Parse(const char *name) {
        int status = ParseFile(c.ctx, name);
        printed = c.Take();
        return status;
    }

    test::CapturedContext c;
    std::string printed;
};

TEST_F(ParseDriverTest, SameNameReturnsAtOnceEvenIfTheFileChanged) {
    WriteFile("a.mif", kGood);
    ASSERT_EQ(Parse("a.mif"), 0);
    EXPECT_EQ(printed, kAscii);
    size_t blocks = c.ctx.pool.BlockCount();
    WriteFile("a.mif", "@");
    EXPECT_EQ(Parse("a.mif"), 0);
    EXPECT_EQ(printed, "");
    EXPECT_EQ(c.ctx.pool.BlockCount(), blocks);
}

// Names are compared as written. Each new spelling releases the previous
// database before parsing, so the pool never holds two.
TEST_F(ParseDriverTest, OtherSpellingsOfTheNameParseAgain) {
    WriteFile("a.mif", kGood);
    WriteFile("A.MIF", kGood);
    ASSERT_EQ(Parse("a.mif"), 0);
    const size_t blocks = c.ctx.pool.BlockCount();
    ASSERT_GT(blocks, 0u);
    for (const std::string &name :
         std::vector<std::string>{"A.MIF", "./a.mif", (dir_ / "a.mif").string(), "a.mif"}) {
        EXPECT_EQ(Parse(name.c_str()), 0) << name;
        EXPECT_EQ(printed, kAscii) << name;
        EXPECT_EQ(c.ctx.pool.BlockCount(), blocks) << name;
    }
}

// A failed parse forgets its name but not its blocks: they stay until the
// next release, and a later parse adds to them.
TEST_F(ParseDriverTest, FailedParseForgetsTheNameAndKeepsItsBlocks) {
    WriteFile("bad.mif", "Start Component\n@\n");
    WriteFile("good.mif", kGood);
    EXPECT_EQ(Parse("bad.mif"), 1);
    EXPECT_EQ(printed, kAscii + SyntaxErrorLine(2, "@"));
    const size_t leftover = c.ctx.pool.BlockCount();
    EXPECT_EQ(Parse("bad.mif"), 1);
    EXPECT_EQ(printed, kAscii + SyntaxErrorLine(2, "@"));
    EXPECT_EQ(c.ctx.pool.BlockCount(), 2 * leftover);
    EXPECT_EQ(Parse("good.mif"), 0);
    EXPECT_GT(c.ctx.pool.BlockCount(), 2 * leftover);
}

enum SourceKind { kNoFile, kFile, kDirectory };

struct UnreadableSource {
    const char *name;
    SourceKind kind;
    std::string contents;
    int status;
    std::string printed;
};

// Switching from a loaded file to one that cannot be used releases the
// loaded database first (nothing falls back to it), writes no working copy,
// and remembers no name: the same call fails the same way again.
TEST_F(ParseDriverTest, SwitchingToAnUnusableSourceLeavesNothingLoaded) {
    const UnreadableSource cases[] = {
        {nullptr, kNoFile, "", 525, FatalFileLine("(null)")},
        {"missing.mif", kNoFile, "", 525, FatalFileLine("missing.mif")},
        {"empty.mif", kFile, "", 525, FatalFileLine("empty.mif")},
        {"one.mif", kFile, "S", 525, FatalFileLine("one.mif")},
        {"dir.mif", kDirectory, "", 525, FatalFileLine("dir.mif")},
        {"swapped.mif", kFile, test::Bytes("\xFF\xFES\0t\0"), 11,
         "DMI0228  (File 0,  0, 0, Filename <swapped.mif>) Byte swapped Unicode file.\n"},
    };
    WriteFile("a.mif", kGood);
    c.ctx.workingCopyPath = "temp.mif";
    for (const UnreadableSource &source : cases) {
        const std::string label = source.name != nullptr ? source.name : "(null)";
        if (source.kind == kFile) WriteFile(source.name, source.contents);
        if (source.kind == kDirectory) fs::create_directory(source.name);
        ASSERT_EQ(Parse("a.mif"), 0);
        fs::remove("temp.mif");
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(Parse(source.name), source.status) << label;
            EXPECT_EQ(printed, source.printed) << label;
            EXPECT_TRUE(c.ctx.pool.Empty()) << label;
            EXPECT_FALSE(fs::exists("temp.mif")) << label;
        }
    }
}

// Shutting down is always allowed, and forgets the name with the records.
TEST_F(ParseDriverTest, ShutdownReleasesAndForgetsTheName) {
    WriteFile("a.mif", kGood);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(ShutdownParser(c.ctx), 0);
        EXPECT_EQ(ShutdownParser(c.ctx), 0);
        EXPECT_TRUE(c.ctx.pool.Empty());
        EXPECT_EQ(Parse("a.mif"), 0);
        EXPECT_EQ(printed, kAscii);
    }
}

// Both conversions of the same text give the same working copy: literal
// characters as zero-marked units, the end mark and an extra line feed, the
// comment emptied. It reaches the disk only when a path is set.
TEST_F(ParseDriverTest, WorkingCopyHoldsTheConversionAndIsWrittenOnlyWhenAsked) {
    const std::string text = "Start Component Name = \"Ab\" // \"q\"\nEnd Component\n";
    const std::string copy = "Start Component Name = \"\xFF\xFF\xFF" "0A\xFF\xFF\xFF" "0b\xFF\xFF\xFF" "0\""
                             "\xFF\xFF\xFF\xFF\xFF\xFF\n //\nEnd Component\n";
    // A component needs a body: the parse stops at its end.
    const std::string kNoGroupLine = SyntaxErrorLine(2, "End Component");
    const std::pair<std::string, std::string> sources[] = {
        {text, kAscii}, {"\xFE\xFF" + test::Utf16(text), kUnicode}};
    for (const auto &[source, progress] : sources) {
        WriteFile("src.mif", source);
        test::CapturedContext inMemory;
        EXPECT_EQ(ParseFile(inMemory.ctx, "src.mif"), 1);
        EXPECT_EQ(inMemory.Take(), progress + kNoGroupLine);
        EXPECT_EQ(DirectoryEntries(), std::set<std::string>{"src.mif"});

        test::CapturedContext onDisk;
        onDisk.ctx.workingCopyPath = "copy.mif";
        EXPECT_EQ(ParseFile(onDisk.ctx, "src.mif"), 1);
        EXPECT_EQ(onDisk.Take(), progress + kNoGroupLine);
        EXPECT_EQ(ReadFile("copy.mif"), copy) << progress;
        fs::remove("copy.mif");
    }
}

// A working copy that cannot be written is a fatal file error without a
// diagnostic line of its own, and leaves no stray file behind.
TEST_F(ParseDriverTest, UnwritableWorkingCopyFails) {
    WriteFile("a.mif", kGood);
    fs::create_directory("taken");
    for (const char *path : {"no-such-dir/temp.mif", "taken"}) {
        c.ctx.workingCopyPath = path;
        EXPECT_EQ(Parse("a.mif"), 525) << path;
        EXPECT_EQ(printed, kAscii) << path;
        EXPECT_EQ(DirectoryEntries(), (std::set<std::string>{"a.mif", "taken"})) << path;
    }
}

// A value the pool cannot supply becomes a token no grammar accepts. Lines
// are the source's, although each literal added a line to the working copy.
TEST_F(ParseDriverTest, SyntaxErrorsReportTheSourceLineAndToken) {
    // The language string and the group take the first two blocks.
    const char *numberInGroup = "Start Group\nID = 42\n";
    const struct { const char *source; uint64_t failingAllocation; std::string line; } cases[] = {
        {numberInGroup, 3, SyntaxErrorLine(2, "42")},  // the number's value record
        {numberInGroup, 4, SyntaxErrorLine(2, "42")},  // the number's text
        {"Start Component # End Component\n", 0, SyntaxErrorLine(1, "#")},
        {"Start Component Name = \"x\"\n\"y\"\n  @ End\n", 0, SyntaxErrorLine(3, "@")},
    };
    for (const auto &sc : cases) {
        WriteFile("f.mif", sc.source);
        test::CapturedContext fresh;
        fresh.ctx.pool.SimulateFault(sc.failingAllocation);
        EXPECT_EQ(ParseFile(fresh.ctx, "f.mif"), 1) << sc.source;
        EXPECT_EQ(fresh.Take(), kAscii + sc.line) << sc.source;
        EXPECT_EQ(fresh.ctx.diagnostics.errorSeen, 1u);
    }
}

}  // namespace
}  // namespace mifkit
