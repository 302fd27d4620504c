// Encoding detection and both conversions into the working copy, byte for
// byte; a literal's marked form back into UTF-16BE text, with the exact text
// literal tokens carry where that decoding is lossy; and the token rules over
// working-copy bytes: which tokens, texts, values and lines the grammar
// receives.
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

// Both conversions by the source's first bytes: UTF-16 after its mark.
TEST(ConvertSource, WritesTheMarkedForm) {
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
        {"UTF-16: high byte dropped outside a literal", kBom + "\x01\x41", "A"},
        {"UTF-16: comment emptied", kBom + Utf16("A//x\"y\nB"), "A//\nB"},
        {"UTF-16: end of file inside a comment", kBom + Utf16("A//x"), "A//"},
        {"UTF-16: cut quote after a slash opens nothing", kBom + Utf16("/") + "\x01\x22" + Utf16("A"), "/\"A"},
        {"UTF-16: cut slash after a slash starts no comment", kBom + Utf16("/") + "\x01\x2F" + Utf16("\"a\""), "//" + Marked("a")},
        {"UTF-16: odd last byte dropped", kBom + Utf16("A") + "\x42", "A"},
        {"UTF-16: CR outside a literal kept", kBom + Utf16("A\r\nB"), "A\r\nB"},
        {"UTF-16: end of file inside a literal", kBom + Utf16("\"a"), Marked("a", false)},
    };
    for (const Case &c : cases) {
        WorkingCopy copy;
        if (c.source.rfind(kBom, 0) == 0)
            EXPECT_TRUE(ConvertUnicodeSource(c.source, copy)) << c.name;
        else
            ConvertAsciiSource(c.source, copy);
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

const uint32_t kLiteral = kLiteralValue;

// One token as the grammar receives it; `value` is the text its value holds.
struct Lexed {
    int token;
    std::string text;
    uint32_t line, osCode, kind;
    std::string value;
    const void *record, *valueText;
};

// Lexes `bytes` to the end, the `fault`th allocation failing.
std::vector<Lexed> LexAll(ParseContext &ctx, std::string bytes, uint64_t fault = 0) {
    WorkingCopy copy;
    copy.bytes = std::move(bytes);
    ResetLexer(ctx, std::move(copy));
    ctx.pool.SimulateFault(fault);
    std::vector<Lexed> out;
    for (int token = NextToken(ctx); token != END_OF_INPUT; token = NextToken(ctx)) {
        const TokenValue *v = ctx.lexer.current.value;
        const CountedString *t = v != nullptr ? v->text : nullptr;
        out.push_back({token, ctx.lexer.tokenText, ctx.lexer.lineNumber, ctx.lexer.current.osCode,
                       v != nullptr ? v->kind : 0u, t != nullptr ? std::string(t->Chars(), t->length) : "", v, t});
        ctx.lexer.current = CurrentTokenValue{};
    }
    return out;
}

// A garbage token shows as its character, any other as [NAME@line text].
std::string Render(const std::vector<Lexed> &tokens) {
    std::string out;
    for (const Lexed &t : tokens)
        out += t.token == GARBAGE ? t.text
                                  : "[" + std::string(TokenName(t.token)) + "@" + std::to_string(t.line) + " " + t.text + "]";
    return out;
}

TEST(TokenRules, CutsTheTrickyCases) {
    const struct { std::string input, expected; } cases[] = {
        {"START\r\n COMPONENT", "[START_COMPONENT@2 START\r\n COMPONENT]"},
        {"end \" \t\ngRoUp", "[END_GROUP@2 end \" \t\ngRoUp]"},
        {"STARTCOMPONENT", "STARTCOMPONENT"}, {"READ ONLY", "READONLY"}, {"NAMES", "[NAME@1 NAME]S"},
        {"START\vCOMPONENT", "START\vCOMPONENT"},  // vertical tab separates nothing
        {"Int Int64 Integer64 INT6 Counter", "[INTEGER_TYPE@1 Int][INTEGER64@1 Int64][INTEGER64@1 Integer64]"
                                             "[INTEGER_TYPE@1 INT][UINTEGER@1 6][COUNTER@1 Counter]"},
        {"OS/2", "OS/[UINTEGER@1 2]"},
        {"-5 +5 -\t5 -\"5", "[INTEGER@1 -5][INTEGER@1 +5][INTEGER@1 -\t5][INTEGER@1 -\"5]"},
        {"0x1F 0X1f 0x 089", "[UINTEGER@1 0x1F][UINTEGER@1 0X1f][UINTEGER@1 0x][UINTEGER@1 089]"},
        {"--5 12A 0x1G -\n5", "-[INTEGER@1 -5][UINTEGER@1 12]A[UINTEGER@1 0x1]G-[UINTEGER@2 5]"},
        {"//x\"y\n= /*", "[EQUAL@2 =]/[ASTERISK@2 *]"}, {Bytes("=\0="), "[EQUAL@1 =]"},
        {"=//", "[EQUAL@1 =]//"},  // no line feed: no comment
        {"\v\f\x80\xE9\xFF\"A", "\v\f\x80\xE9\xFF\"A"},  // a quote without an end mark
    };
    for (const auto &c : cases) {
        test::CapturedContext captured;
        auto tokens = LexAll(captured.ctx, c.input);
        EXPECT_EQ(Render(tokens), c.expected) << c.input;
        EXPECT_EQ(NextToken(captured.ctx), END_OF_INPUT) << c.input;  // and on every later call
        for (const Lexed &t : tokens)  // a number's value is its text as matched, NUL counted; others have none
            EXPECT_EQ(std::make_pair(t.value, t.kind), t.token == INTEGER || t.token == UINTEGER
                          ? std::make_pair(t.text + '\0', t.token == INTEGER ? 1u : 2u) : std::make_pair(std::string(), 0u));
    }
    test::CapturedContext captured;
    auto os = LexAll(captured.ctx, "DOS MacOS OS2 UNIX Win16 WIN32 win9x WinNT");
    ASSERT_EQ(os.size(), 8u);
    for (uint32_t code = 0; code < 8; ++code)
        EXPECT_EQ(std::make_pair(os[code].token, os[code].osCode), std::make_pair(int{OS_NAME}, code));
}

// A literal interrupted by a line feed is no literal (only its end mark's
// tail forms one). The line counts the line feeds consumed so far: those after
// a literal, in a comment or in a split keyword, not those read ahead.
TEST(TokenRules, LiteralsAndLineNumbers) {
    const std::string ff(3, '\xFF'), tail = "\"" + std::string(6, '\xFF');
    test::CapturedContext captured;
    auto tokens = LexAll(captured.ctx, "=\n\"" + EM + "\n\"" + ZM + "A" + ZM + "b" + EM +
                                           "\n=\nSTART\n\nGROUP =\n//c\n=START\n=\"" + ZM + "\n" + EM + "\n");
    EXPECT_EQ(Render(tokens), "[EQUAL@1 =][QUOTEDSTRING@2 \"" + EM + "][QUOTEDSTRING@3 \"" + ZM + "A" + ZM + "b" + EM +
                                  "][EQUAL@4 =][START_GROUP@7 START\n\nGROUP][EQUAL@7 =][EQUAL@9 =]START[EQUAL@10 =]\"" + ff +
                                  "[UINTEGER@10 0]" + ff + "[UINTEGER@11 0][QUOTEDSTRING@11 " + tail + "]");
    EXPECT_EQ(tokens[1].value, Bytes("\0\0"));
    EXPECT_EQ(std::make_pair(tokens[2].value, tokens[2].kind), std::make_pair(Bytes("\0A\0b\0\0"), kLiteral));
    EXPECT_EQ(tokens.back().value, std::string(6, '\xFF'));
    EXPECT_EQ(captured.ctx.diagnostics.literalCount, 3u);  // other tokens do not count
    // Each Direct-Interface gets its own text: a builder may keep either.
    auto direct = LexAll(captured.ctx, "direct-interface DIRECT-INTERFACE");
    ASSERT_EQ(Render(direct), "[DIRECT_INTERFACE@1 direct-interface][DIRECT_INTERFACE@1 DIRECT-INTERFACE]");
    for (const Lexed &t : direct)
        EXPECT_EQ(std::make_pair(t.value, t.kind), std::make_pair(test::Utf16("Direct-Interface") + Bytes("\0\0"), kLiteral));
    EXPECT_NE(direct[0].valueText, direct[1].valueText);
}

TEST(TokenRules, TokensBeyondThreeThousandCharacters) {
    std::string literal = "\"";
    for (int i = 0; i < 5000; ++i) literal += ZM + "x";
    test::CapturedContext captured;
    auto tokens = LexAll(captured.ctx, literal + EM + "\n" + std::string(5000, '7'));
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0].value, test::Utf16(std::string(5000, 'x')) + Bytes("\0\0"));
    EXPECT_EQ(tokens[1].value, std::string(5000, '7') + '\0');
}

// The failing value becomes a token no grammar accepts; the stream goes on.
TEST(TokenRules, MemoryFaultWhileBuildingAValue) {
    for (const std::string &input : {std::string("5 6"), std::string("Direct-Interface 6"), "\"" + EM + "\n6"})
        for (uint64_t failing : {1, 2}) {  // the TokenValue, then its text
            test::CapturedContext captured;
            auto tokens = LexAll(captured.ctx, input, failing);
            ASSERT_EQ(tokens.size(), 2u) << input;
            EXPECT_EQ(tokens[0].token, MEMORY_FAULT) << input;
            EXPECT_EQ(tokens[0].record == nullptr, failing == 1) << input;
            EXPECT_EQ(tokens[0].valueText, nullptr) << input;
            EXPECT_EQ(std::make_pair(tokens[1].token, tokens[1].value), std::make_pair(int{UINTEGER}, Bytes("6\0")));
            EXPECT_EQ(captured.ctx.diagnostics.literalCount, 0u) << input;
        }
}

}  // namespace
}  // namespace mifkit
