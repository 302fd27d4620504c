// Every file that parses comes back from the writer as the same database:
// the bundled examples, the tests' files (edge_values.mif holds values at the
// edges), generated files and texts needing UTF-16. The layout is pinned by
// the format test.
#include "tests/test_support.h"
#include "tests/writer/round_trip.h"

#include <filesystem>
#include <tuple>

#include "bench/mif_generator.h"

namespace mifkit::test {
namespace {

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

}  // namespace
}  // namespace mifkit::test
