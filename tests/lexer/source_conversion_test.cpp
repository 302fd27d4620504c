// Encoding detection and both conversions into the working copy, byte for
// byte. Literal texts themselves are covered by the decoding round trip.
#include <string>

#include "lexer/source_conversion.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;
using test::Utf16;
using test::Marked;
const std::string kBom = "\xFE\xFF";


struct Case { const char *name; std::string source, expected; };

TEST(DetectSourceEncoding, JudgesByTheFirstTwoBytes) {
    const std::pair<std::string, SourceEncoding> cases[] = {
        {"\xFE\xFF", kUtf16Source}, {Bytes("\xFF\xFE" "A\0"), kSwappedUtf16Source}, {"Na", kEightBitSource},
        {Bytes("\0A"), kEightBitSource}, {"\xFE\xFE", kEightBitSource}, {"\xFE", kUnreadableSource}, {"", kUnreadableSource}};
    for (const auto &[bytes, expected] : cases) EXPECT_EQ(DetectSourceEncoding(bytes), expected) << bytes.size();
}

TEST(ConvertAsciiSource, WritesTheMarkedForm) {
    const Case cases[] = {
        {"escaped quote stays inside", R"("a\"b")", Marked(R"(a\"b)")},
        {"comment emptied, its quotes open nothing", "// say \"hi\"\nY", "//\nY"},
        {"slashes inside a literal are text", "\"a//b\"", Marked("a//b")},
        {"slash then quote opens a literal", "/\"a\"", "/" + Marked("a")},
        {"line feed interrupts a literal", "\"a\nb\"", Marked("a\nb")},
        {"CR LF reads as LF, a lone CR stays", "A\r\nB\rC\r\r\n\"\r\n\"", "A\nB\rC\r\n" + Marked("\n")},
        {"0x1A ends the text", "A\x1A" "B\"c\"", "A"}, {"0x1A ends the text inside a literal", "\"a\x1A" "b\"", Marked("a", false)},
        {"NUL and 0xFF kept", Bytes("A\0\xFF\"\0\""), Bytes("A\0\xFF") + Marked(Bytes("\0"))},
        {"end of file inside a literal", "\"ab", Marked("ab", false)}, {"end of file after a backslash", "\"a\\", Marked("a", false)},
        {"end of file inside a comment", "A//xy\"z", "A//"},
    };
    for (const Case &c : cases) {
        WorkingCopy copy;
        ConvertAsciiSource(c.source, copy);
        EXPECT_EQ(copy.bytes, c.expected) << c.name;
    }
}

TEST(ConvertUnicodeSource, WritesTheMarkedForm) {
    const Case cases[] = {
        {"high byte dropped outside a literal", kBom + "\x01\x41", "A"},
        {"comment emptied", kBom + Utf16("A//x\"y\nB"), "A//\nB"}, {"end of file inside a comment", kBom + Utf16("A//x"), "A//"},
        {"cut quote after a slash opens nothing", kBom + Utf16("/") + "\x01\x22" + Utf16("A"), "/\"A"},
        {"cut slash after a slash starts no comment", kBom + Utf16("/") + "\x01\x2F" + Utf16("\"a\""), "//" + Marked("a")},
        {"odd last byte dropped", kBom + Utf16("A") + "\x42", "A"}, {"CR outside a literal kept", kBom + Utf16("A\r\nB"), "A\r\nB"},
        {"end of file inside a literal", kBom + Utf16("\"a"), Marked("a", false)},
    };
    for (const Case &c : cases) {
        WorkingCopy copy;
        EXPECT_TRUE(ConvertUnicodeSource(c.source, copy)) << c.name;
        EXPECT_EQ(copy.bytes, c.expected) << c.name;
    }
    WorkingCopy copy;
    EXPECT_FALSE(ConvertUnicodeSource("\xFE", copy));
}

}  // namespace
}  // namespace mifkit
