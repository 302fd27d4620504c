// Encoding detection and both conversions into the working copy, byte for
// byte; and turning a literal's marked form back into UTF-16BE text, with the
// exact text that literal tokens carry where that decoding is lossy.
#include <random>
#include <string>
#include <vector>

#include "core/tokens.h"
#include "lexer/lexer.h"
#include "lexer/source_conversion.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes, test::EM, test::Marked, test::Utf16, test::ZM;
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

std::string Decode(std::string_view tokenText) {
    std::vector<unsigned char> out(tokenText.size() + 1);
    size_t n = DecodeLiteralText(tokenText, out.data());
    EXPECT_LE(n, tokenText.size());
    return std::string(out.begin(), out.begin() + static_cast<long>(n));
}

// Converts a source holding one literal (UTF-16 when `unicode`), and returns
// that literal's marked form, as the lexer cuts it out of the working copy.
std::string MarkedLiteral(const std::string &body, bool unicode, WorkingCopy &copy) {
    if (unicode)
        EXPECT_TRUE(ConvertUnicodeSource("\xFE\xFF" + Utf16("\"") + body + Utf16("\""), copy));
    else
        ConvertAsciiSource("\"" + body + "\"", copy);
    if (copy.literals.size() != 1) return "no single literal";
    return copy.bytes.substr(copy.literals[0].start, copy.literals[0].end - copy.literals[0].start);
}

TEST(DecodeLiteralText, StopsAtTheEnds) {
    EXPECT_EQ(Decode("\""), "");
    EXPECT_EQ(Decode("\"" + ZM + "A" + Bytes("\0") + ZM + "B"), Bytes("\0A"));  // at a NUL
    EXPECT_EQ(Decode("\"" + ZM + "A" + EM + ZM + "B"), Bytes("\0A\0\0"));       // after the end mark
}

// Any text without 0xFF bytes survives conversion and decoding unchanged,
// whichever of its bytes collide with the marks' own characters.
TEST(DecodeLiteralText, RoundTripsGeneratedTexts) {
    const char pool[] = {0x00, 0x0A, 0x0D, 0x22, 0x30, 0x4E, 0x5C, 0x41, 0x2F, '\x80', '\xFE'};
    std::mt19937 random(20240607);
    for (int round = 0; round < 400; ++round) {
        const bool unicode = round % 2 == 0;
        std::string text, body;  // UTF-16BE without its NUL; as the source writes it
        for (size_t i = 0, units = random() % 40; i < units; ++i) {
            char high = unicode ? pool[random() % sizeof pool] : '\0', low = pool[random() % sizeof pool];
            if (!unicode && (low == '\0' || low == '\n')) low = 'z';  // would end the literal early
            if (high == '\0' && (low == '"' || low == '\\')) {  // would close the literal or escape: escape it
                text += Bytes("\0\\");
                body += unicode ? Bytes("\0\\") : "\\";
            }
            text += std::string{high, low};
            body += unicode ? std::string{high, low} : std::string{low};
        }
        WorkingCopy copy;
        EXPECT_EQ(Decode(MarkedLiteral(body, unicode, copy)), text + Bytes("\0\0")) << "round " << round;
        EXPECT_EQ(copy.literalTexts, text + Bytes("\0\0")) << "round " << round;
    }
}

// 0xFF bytes next to a mark read as part of it; the decoding keeps that
// result, while the token takes the conversion's exact text.
TEST(DecodeLiteralText, LossyWhereTextHoldsFFBytesButTokensAreExact) {
    const struct { std::string body; bool unicode; std::string decoded; } cases[] = {
        {"\xFF", false, Bytes("\0\xFF\xFF\xFF\xFF" "0\0")},
        {Bytes("\0\xFF\0A"), true, Bytes("\0\xFF\xFF\xFF\xFF" "0A\0\0")},          // U+00FF before a zero high byte
        {Bytes("\xFF\0\xFF\x01"), true, Bytes("\xFF\xFF\xFF\xFF" "0\xFF\x01\0\0")},  // U+FF00 then U+FF01
        {Bytes("\xFF\xFF\xFF" "0\"\xFF\xFF\xFF\xFF\xFF\0A"), true, Bytes("\0\0")},    // units spelling an end mark
    };
    for (const auto &c : cases) {
        WorkingCopy copy;
        EXPECT_EQ(Decode(MarkedLiteral(c.body, c.unicode, copy)), c.decoded) << c.body;
        test::CapturedContext captured;
        ResetLexer(captured.ctx, std::move(copy));
        ASSERT_EQ(NextToken(captured.ctx), QUOTEDSTRING) << c.body;
        const CountedString *text = captured.ctx.lexer.current.value->text;
        EXPECT_EQ(std::string(text->Chars(), text->length), (c.unicode ? c.body : Bytes("\0") + c.body) + Bytes("\0\0"));
        EXPECT_EQ(NextToken(captured.ctx), END_OF_INPUT) << c.body;
    }
}

}  // namespace
}  // namespace mifkit
