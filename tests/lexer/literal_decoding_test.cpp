// Turning a literal's marked form back into UTF-16BE text, and the exact
// text that literal tokens carry where that decoding is lossy.
#include <random>
#include <string>
#include <vector>

#include "lexer/lexer.h"
#include "lexer/source_conversion.h"
#include "lexer/tokens.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;
using test::ZM;
using test::LM;
using test::EM;
using test::Utf16;


std::string Decode(std::string_view tokenText) {
    std::vector<unsigned char> out(tokenText.size() + 1);
    size_t n = DecodeLiteralText(tokenText, out.data());
    EXPECT_LE(n, tokenText.size());
    return std::string(out.begin(), out.begin() + static_cast<long>(n));
}

// A UTF-16 source holding one literal of `units` (UTF-16BE bytes).
std::string Utf16Literal(const std::string &units) {
    return "\xFE\xFF" + Utf16("\"") + units + Utf16("\"");
}

// Converts a source with one literal and returns that literal as the lexer
// cuts it out of the working copy.
std::string MarkedLiteral(const std::string &source, WorkingCopy &copy) {
    if (DetectSourceEncoding(source) == kUtf16Source)
        EXPECT_TRUE(ConvertUnicodeSource(source, copy));
    else
        ConvertAsciiSource(source, copy);
    EXPECT_EQ(copy.literals.size(), 1u);
    if (copy.literals.size() != 1) return std::string();
    return copy.bytes.substr(copy.literals[0].start, copy.literals[0].end - copy.literals[0].start);
}

TEST(DecodeLiteralText, UndoesTheMarks) {
    const struct {
        const char *name;
        std::string marked;
        std::string expected;
    } cases[] = {
        {"empty literal", "\"" + EM, Bytes("\0\0")},
        {"nothing after the quote", "\"", ""},
        {"units holding 0x0A", "\"" + ZM + LM + LM + "A" + LM + LM + EM, Bytes("\0\n\nA\n\n\0\0")},
        {"stops at a NUL", "\"" + ZM + "A" + Bytes("\0") + ZM + "B", Bytes("\0A")},
        {"stops after the end mark", "\"" + ZM + "A" + EM + ZM + "B", Bytes("\0A\0\0")},
    };
    for (const auto &c : cases) EXPECT_EQ(Decode(c.marked), c.expected) << c.name;
}

// Any text without 0xFF bytes survives conversion and decoding unchanged,
// whichever of its bytes collide with the marks' own characters.
TEST(DecodeLiteralText, RoundTripsGeneratedTexts) {
    const char pool[] = {0x00, 0x0A, 0x0D, 0x22, 0x30, 0x4E, 0x5C, 0x41, 0x2F, '\x80', '\xFE'};
    std::mt19937 random(20240607);
    auto pick = [&] { return pool[random() % sizeof pool]; };
    for (int round = 0; round < 400; ++round) {
        bool unicode = round % 2 == 0;
        std::string text;  // UTF-16BE, without its NUL
        std::string body;  // as the source writes it
        for (size_t i = 0, units = random() % 40; i < units; ++i) {
            char high = unicode ? pick() : '\0';
            char low = pick();
            if (!unicode && (low == '\0' || low == '\n')) low = 'z';  // would end the literal early
            // A quote or backslash of its own would close the literal or
            // escape the next unit: write it escaped.
            if (high == '\0' && (low == '"' || low == '\\')) {
                text += Bytes("\0\\");
                body += unicode ? Bytes("\0\\") : "\\";
            }
            text += std::string{high, low};
            body += unicode ? std::string{high, low} : std::string{low};
        }
        WorkingCopy copy;
        std::string marked = MarkedLiteral(unicode ? Utf16Literal(body) : "\"" + body + "\"", copy);
        EXPECT_EQ(Decode(marked), text + Bytes("\0\0")) << "round " << round;
        EXPECT_EQ(copy.literalTexts, text + Bytes("\0\0")) << "round " << round;
    }
}

// 0xFF bytes next to a mark read as part of it; the decoding keeps its
// documented result, while the token takes the conversion's exact text.
TEST(DecodeLiteralText, LossyWhereTextHoldsFFBytesButTokensAreExact) {
    const struct {
        const char *name;
        std::string source;
        std::string text;  // exact, without the NUL
        std::string decoded;
    } cases[] = {
        {"8-bit byte 0xFF", "\"\xFF\"", Bytes("\0\xFF"), Bytes("\0\xFF\xFF\xFF\xFF" "0\0")},
        {"U+00FF before a zero high byte", Utf16Literal(Bytes("\0\xFF\0A")), Bytes("\0\xFF\0A"),
         Bytes("\0\xFF\xFF\xFF\xFF" "0A\0\0")},
        {"U+FF00 then U+FF01", Utf16Literal(Bytes("\xFF\0\xFF\x01")), Bytes("\xFF\0\xFF\x01"),
         Bytes("\xFF\xFF\xFF\xFF" "0\xFF\x01\0\0")},
        {"units spelling an end mark",
         Utf16Literal(Bytes("\xFF\xFF\xFF" "0\"\xFF\xFF\xFF\xFF\xFF\0A")),
         Bytes("\xFF\xFF\xFF" "0\"\xFF\xFF\xFF\xFF\xFF\0A"), Bytes("\0\0")},
    };
    for (const auto &c : cases) {
        WorkingCopy copy;
        EXPECT_EQ(Decode(MarkedLiteral(c.source, copy)), c.decoded) << c.name;

        test::CapturedContext captured;
        ResetLexer(captured.ctx, std::move(copy));
        ASSERT_EQ(NextToken(captured.ctx), QUOTEDSTRING) << c.name;
        const CountedString *text = captured.ctx.lexer.current.value->text;
        EXPECT_EQ(std::string(text->Chars(), text->length), c.text + Bytes("\0\0")) << c.name;
        EXPECT_EQ(NextToken(captured.ctx), END_OF_INPUT) << c.name;
    }
}

}  // namespace
}  // namespace mifkit
