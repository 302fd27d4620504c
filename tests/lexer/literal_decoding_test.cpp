// Turning a literal's marked form back into UTF-16BE text, and the exact
// text that literal tokens carry where that decoding is lossy.
#include <random>
#include <string>
#include <vector>

#include "lexer/lexer.h"
#include "lexer/source_conversion.h"
#include "core/tokens.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;
using test::EM;
using test::Utf16;
using test::ZM;

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
    return copy.bytes.substr(copy.literals.front().start, copy.literals.front().end - copy.literals.front().start);
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
