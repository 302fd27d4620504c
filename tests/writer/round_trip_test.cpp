// Every file that parses comes back from the writer as the same database:
// the bundled examples, the host's files, and inputs at the edges.
#include "tests/writer/round_trip.h"

#include <filesystem>
#include <fstream>

#include "bench/mif_generator.h"

namespace mifkit::test {
namespace {

std::string ReadBytes(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(RoundTrip, EveryBundledFileThatParses) {
    int parsed = 0;
    for (const char *dir : {MIFKIT_EXAMPLES_DIR, MIFKIT_TESTS_DIR "/host", MIFKIT_TESTS_DIR "/../fuzz/corpus"}) {
        for (const auto &entry : std::filesystem::recursive_directory_iterator(dir)) {
            if (entry.path().extension() != ".mif") continue;
            std::string source = ReadBytes(entry.path());
            if (!Database::FromBuffer(source).ok()) continue;
            SCOPED_TRACE(entry.path().string());
            ExpectRoundTrip(source);
            ++parsed;
        }
    }
    EXPECT_GE(parsed, 3);
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

struct ValueCase {
    const char *name;
    std::string source;
};

// Named in test listings by its case name alone.
void PrintTo(const ValueCase &c, std::ostream *out) { *out << c.name; }

class ValueRoundTrip : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ValueRoundTrip, ReadsBackTheSame) { ExpectRoundTrip(GetParam().source); }

const ValueCase kValueCases[] = {
    {"counter_max", InGroup(Attribute("Counter", "4294967295"))},
    {"gauge_hex", InGroup(Attribute("Gauge", "0xFFFF"))},
    {"integer_min", InGroup(Attribute("Integer", "-2147483648"))},
    {"integer_plus", InGroup(Attribute("Integer", "+ 17"))},
    {"counter64_max", InGroup(Attribute("Counter64", "18446744073709551615"))},
    {"integer64_min", InGroup(Attribute("Integer64", "-9223372036854775808"))},
    {"integer64_octal", InGroup(Attribute("Int64", "0777"))},
    {"octet_string_nul", InGroup(Attribute("OctetString(8)", R"("a\x00b\0")"))},
    {"octet_string_empty", InGroup(Attribute("OctetString(0)", R"("")"))},
    {"display_string_empty", InGroup(Attribute("String(4)", R"("")"))},
    {"date", InGroup(Attribute("Date", R"("19970301120000.000000+000")"))},
    {"quote_and_backslash", InGroup(Attribute("String(9)", R"("\"\\\"x\\")"))},
    {"controls", InGroup(Attribute("String(20)", R"("\a\b\f\n\r\t\v\x01\x1A\x7F\x1F")"))},
    {"hex_digit_after_escape", InGroup(Attribute("String(9)", R"("\x01" "AB\x1Fc")"))},
    {"latin1_and_ff", InGroup(Attribute("String(9)", "\"caf\xE9 \xFF\\xFF\\377\""))},
    {"above_ff_by_octal", InGroup(Attribute("String(9)", R"("\401\777")"))},
    {"overlay", InGroup(Attribute("Counter", R"(*"Provider" "Name")"))},
    {"unknown", InGroup(Attribute("Counter", "Unknown"))},
    {"unsupported_then_access",
     InGroup("Start Attribute\nName = \"a\"\nID = 1\nType = Gauge\nValue = Unsupported\nAccess = Read-Write\n"
             "End Attribute\n")},
    {"unsupported_then_value",
     InGroup("Start Attribute\nName = \"a\"\nID = 1\nType = Gauge\nValue = Unsupported\nValue = Unknown\n"
             "Value = 3\nEnd Attribute\n")},
    {"no_value", InGroup("Start Attribute\nName = \"a\"\nID = 1\nType = Date\nStorage = Specific\n"
                         "Access = Write-Only\nPragma = \"p\"\nDescription = \"d\"\nEnd Attribute\n")},
    {"own_enumeration_by_text",
     InGroup(Attribute("Start Enum Type = Int 0 = \"off\" -1 = \"on\" 7 = \"off\" End Enum", "\"off\""))},
    {"own_enumeration_named_inside",
     InGroup(Attribute("Start Enum Name = \"Mine\" 1 = \"x\" End Enum", "0x1"))},
    {"own_enumeration_number_without_element",
     InGroup(Attribute("Start Enum 1 = \"x\" End Enum", "-4"))},
    {"very_long_literal",
     InGroup(Attribute("String(3000)", "\"" + std::string(2500, 'x') + "\\\"" + std::string(300, 'y') + "\""))},
    {"empty_names",
     "Start Component\nName = \"\"\nStart Group\nName = \"\"\nClass = \"\"\nID = 9\nDescription = \"\"\n"
     "Start Attribute\nName = \"\"\nID = 1\nDescription = \"\"\nPragma = \"\"\nEnd Attribute\nEnd Group\n"
     "End Component\n"},
};

INSTANTIATE_TEST_SUITE_P(Values, ValueRoundTrip, ::testing::ValuesIn(kValueCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RoundTrip, LaysTheFileOutCanonically) {
    const std::string source = R"(language="en|US|iso8859-1"
START COMPONENT NAME="Adapter" DESCRIPTION="first " "second"
start path name="P" win32="a.dll" unix=direct-interface end path
start enum name="State" 0="Down" 1="Up" end enum
start group name="Port" class="X|Port|1" key=2,1
start attribute id=2 name="Link" type="State" value="Up" end attribute
start attribute name="Index" id=1 type=int value=0 access=read-only end attribute
end group
start table name="Ports" class="X|Port|1" id=3 {1,"Down"} {2} {,"Up"} {0, 1} end table
END COMPONENT
start group name="Outside" id=4 class="O" pragma="p"
start attribute name="x" id=1 type=date end attribute end group
)";
    EXPECT_EQ(ExpectRoundTrip(source), R"(Language = "en|US|iso8859-1"

Start Component
    Name = "Adapter"
    Description = "first second"

    Start Path
        Name = "P"
        Win32 = "a.dll"
        Unix = Direct-Interface
    End Path

    Start Enum
        Name = "State"
        Type = Integer
        0 = "Down"
        1 = "Up"
    End Enum

    Start Group
        Name = "Port"
        Class = "X|Port|1"
        Key = 2, 1
        Start Attribute
            Name = "Index"
            ID = 1
            Access = Read-Only
            Type = Integer
            Value = 0
        End Attribute
        Start Attribute
            Name = "Link"
            ID = 2
            Type = "State"
            Value = "Up"
        End Attribute
    End Group

    Start Table
        Name = "Ports"
        Class = "X|Port|1"
        ID = 3
        {1, "Down"}
        {2}
        {,}
        {, 1}
    End Table
End Component

Start Group
    Name = "Outside"
    Class = "O"
    ID = 4
    Pragma = "p"
    Start Attribute
        Name = "x"
        ID = 1
        Type = Date
    End Attribute
End Group
)");
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

struct EncodingCase {
    const char *name;
    std::string source;
    MifEncoding encoding;
    bool wide;  // the file written is UTF-16
};

// Named in test listings by its case name alone.
void PrintTo(const EncodingCase &c, std::ostream *out) { *out << c.name; }

class EncodingChoice : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(EncodingChoice, PicksUtf16OnlyWhenATextNeedsIt) {
    WriteOptions options;
    options.encoding = GetParam().encoding;
    std::string written = ExpectRoundTrip(GetParam().source, options);
    EXPECT_EQ(written.rfind("\xFE\xFF", 0) == 0, GetParam().wide);
}

const EncodingCase kEncodingCases[] = {
    {"latin1_stays_8bit", InGroup(Attribute("String(9)", "\"\xE9\"")), MifEncoding::kAuto, false},
    {"above_ff_goes_wide", InGroup(Attribute("String(9)", R"("\401")")), MifEncoding::kAuto, true},
    {"asked_for_wide", InGroup(Attribute("String(9)", R"("\xFF\x0A")")), MifEncoding::kUtf16, true},
};

INSTANTIATE_TEST_SUITE_P(Encodings, EncodingChoice, ::testing::ValuesIn(kEncodingCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RoundTrip, EightBitRefusesCharactersAboveFf) {
    Database database = Database::FromBuffer(InGroup(Attribute("String(9)", R"("\401")")));
    WriteOptions options;
    options.encoding = MifEncoding::kEightBit;
    EXPECT_THROW(WriteMif(database, options), WriteError);
}

TEST(RoundTrip, Utf16SourceWithEveryUnit) {
    // Units whose bytes the working copy uses as marks: 0xFF, 0x0A, 0x00.
    std::string source = "\xFE\xFF" + std::string("\0S\0t\0a\0r\0t\0 \0C\0o\0m\0p\0o\0n\0e\0n\0t\0\n", 32);
    auto put = [&](const std::string &ascii) {
        for (char c : ascii) source += std::string(1, '\0') + c;
    };
    put("Name = \"");
    source += std::string("\xFF\xFF\x0A\x00\x01\x41\xFF\x30\x00\xFF\xD8\x3D\xDE\x00", 14);
    put("\"\nStart Group\nName = \"g\"\nClass = \"k\"\nID = 1\nStart Attribute\nName = \"a\"\nID = 1\nType = Gauge\nEnd Attribute\n"
        "End Group\nEnd Component\n");
    std::string written = ExpectRoundTrip(source);
    EXPECT_EQ(written.rfind("\xFE\xFF", 0), 0u);
}

}  // namespace
}  // namespace mifkit::test
