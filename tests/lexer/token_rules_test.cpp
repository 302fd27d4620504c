// The token rules over working-copy bytes: which tokens, texts, values and
// lines the grammar receives.
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
using test::EM;


struct Lexed {
    int token;
    std::string text;
    uint32_t line;
    const TokenValue *value;
    uint32_t osCode;

    std::string ValueText() const {
        if (value == nullptr || value->text == nullptr) return "<none>";
        return std::string(value->text->Chars(), value->text->length);
    }
};

void Start(ParseContext &ctx, std::string bytes) {
    WorkingCopy copy;
    copy.bytes = std::move(bytes);
    ResetLexer(ctx, std::move(copy));
}

std::vector<Lexed> LexAll(ParseContext &ctx, std::string bytes) {
    Start(ctx, std::move(bytes));
    std::vector<Lexed> out;
    for (int token = NextToken(ctx); token != END_OF_INPUT; token = NextToken(ctx)) {
        out.push_back({token, ctx.lexer.tokenText, ctx.lexer.lineNumber, ctx.lexer.current.value,
                       ctx.lexer.current.osCode});
        ctx.lexer.current = CurrentTokenValue{};
    }
    return out;
}

using Expected = std::vector<std::pair<int, std::string>>;

Expected Garbage(std::string_view chars, Expected tail = {}) {
    Expected out;
    for (char c : chars)
        if (c != ' ') out.push_back({GARBAGE, std::string(1, c)});
    out.insert(out.end(), tail.begin(), tail.end());
    return out;
}

TEST(TokenRules, CutsTheTrickyCases) {
    const struct {
        std::string input;
        Expected expected;
    } cases[] = {
        {"START COMPONENT", {{START_COMPONENT, "START COMPONENT"}}},
        {"start component", {{START_COMPONENT, "start component"}}},
        {"Start\tComponent", {{START_COMPONENT, "Start\tComponent"}}},
        {"START\r\n COMPONENT", {{START_COMPONENT, "START\r\n COMPONENT"}}},
        {"START\"COMPONENT", {{START_COMPONENT, "START\"COMPONENT"}}},
        {"end \" \t\ngRoUp", {{END_GROUP, "end \" \t\ngRoUp"}}},
        {"STARTCOMPONENT", Garbage("STARTCOMPONENT")},
        {"START\vCOMPONENT", Garbage("START\vCOMPONENT")},  // vertical tab separates nothing
        {"Type Int Integer", {{TYPE, "Type"}, {INTEGER_TYPE, "Int"}, {INTEGER_TYPE, "Integer"}}},
        {"Int64 Integer64 INT6", {{INTEGER64, "Int64"}, {INTEGER64, "Integer64"},
                                  {INTEGER_TYPE, "INT"}, {UINTEGER, "6"}}},
        {"Counter Counter64", {{COUNTER, "Counter"}, {COUNTER64, "Counter64"}}},
        {"NAMES", {{NAME, "NAME"}, {GARBAGE, "S"}}},
        {"Read-Only read-write", {{READ_ONLY, "Read-Only"}, {READ_WRITE, "read-write"}}},
        {"READ ONLY", Garbage("READ ONLY")},
        {"OS/2", Garbage("OS/", {{UINTEGER, "2"}})},
        {"-5 +5 - 5 -\t5 -\"5", {{INTEGER, "-5"}, {INTEGER, "+5"}, {INTEGER, "- 5"},
                                 {INTEGER, "-\t5"}, {INTEGER, "-\"5"}}},
        {"5 0x1F 0X1f 0x",
         {{UINTEGER, "5"}, {UINTEGER, "0x1F"}, {UINTEGER, "0X1f"}, {UINTEGER, "0x"}}},
        {"017 089", {{UINTEGER, "017"}, {UINTEGER, "089"}}},
        {"--5", {{GARBAGE, "-"}, {INTEGER, "-5"}}},
        {"12AB", {{UINTEGER, "12"}, {GARBAGE, "A"}, {GARBAGE, "B"}}},
        {"0x1G", {{UINTEGER, "0x1"}, {GARBAGE, "G"}}},
        {"-\n5", {{GARBAGE, "-"}, {UINTEGER, "5"}}},
        {"{}(),*=", {{LBRACE, "{"}, {RBRACE, "}"}, {LPAREN, "("}, {RPAREN, ")"},
                     {COMMA, ","}, {ASTERISK, "*"}, {EQUAL, "="}}},
        {"/*", {{GARBAGE, "/"}, {ASTERISK, "*"}}},
        {"//x\"y\n=", {{EQUAL, "="}}},
        {"=//", {{EQUAL, "="}, {GARBAGE, "/"}, {GARBAGE, "/"}}},  // no line feed: no comment
        {"\v\f\x80\xE9\xFF", Garbage("\v\f\x80\xE9\xFF")},
        {"\"A", Garbage("\"A")},  // a quote without an end mark
        {Bytes("=\0="), {{EQUAL, "="}}},
    };
    for (const auto &c : cases) {
        test::CapturedContext captured;
        Expected got;
        for (const Lexed &t : LexAll(captured.ctx, c.input)) {
            got.push_back({t.token, t.text});
            // A number's value is its text as matched, NUL counted.
            if (t.token != INTEGER && t.token != UINTEGER) continue;
            ASSERT_NE(t.value, nullptr) << c.input;
            EXPECT_EQ(t.ValueText(), t.text + '\0') << c.input;
            EXPECT_EQ(t.value->kind, t.token == INTEGER ? 1u : 2u) << c.input;
        }
        EXPECT_EQ(got, c.expected) << c.input;
        EXPECT_EQ(NextToken(captured.ctx), END_OF_INPUT) << c.input;  // and on every later call
    }
}

TEST(TokenRules, OsNamesCarryTheirCode) {
    test::CapturedContext captured;
    auto os = LexAll(captured.ctx, "DOS MacOS OS2 UNIX Win16 WIN32 win9x WinNT");
    ASSERT_EQ(os.size(), 8u);
    for (uint32_t code = 0; code < 8; ++code)
        EXPECT_EQ(std::make_pair(os[code].token, os[code].osCode),
                  std::make_pair(int{OS_NAME}, code));
}

// A literal interrupted by a line feed (possible with an 8-bit source) is no
// literal; only the tail of its end mark forms one.
TEST(TokenRules, BrokenLiteralBecomesGarbageAndAnFFTail) {
    test::CapturedContext captured;
    auto tokens = LexAll(captured.ctx, "\"" + ZM + "a" + ZM + "\n" + ZM + "b" + EM + "\n");
    ASSERT_FALSE(tokens.empty());
    EXPECT_EQ(tokens.front().token, GARBAGE);
    EXPECT_EQ(tokens.front().text, "\"");
    const Lexed &tail = tokens.back();
    ASSERT_EQ(tail.token, QUOTEDSTRING);
    EXPECT_EQ(tail.text, "\"" + std::string(6, '\xFF'));
    EXPECT_EQ(tail.ValueText(), std::string(6, '\xFF'));
    EXPECT_EQ(captured.ctx.diagnostics.literalCount, 1u);
}

// Literals carry their text and are counted. The line counts the line feeds
// consumed so far: those after a literal, in a comment or in a split
// keyword, not those read ahead and given back.
TEST(TokenRules, LiteralsAndLineNumbers) {
    test::CapturedContext captured;
    std::string input = "=\n\"" + EM + "\n\"" + ZM + "A" + ZM + "b" + EM +
                        "\n=\nSTART\n\nGROUP =\n//c\n=START\n=";
    std::vector<int> kinds;
    std::vector<uint32_t> lines;
    auto tokens = LexAll(captured.ctx, input);
    for (const Lexed &t : tokens) {
        kinds.push_back(t.token);
        lines.push_back(t.line);
    }
    EXPECT_EQ(kinds, (std::vector<int>{EQUAL, QUOTEDSTRING, QUOTEDSTRING, EQUAL, START_GROUP, EQUAL,
                                       EQUAL, GARBAGE, GARBAGE, GARBAGE, GARBAGE, GARBAGE, EQUAL}));
    EXPECT_EQ(lines, (std::vector<uint32_t>{1, 2, 3, 4, 7, 7, 9, 9, 9, 9, 9, 9, 10}));
    ASSERT_EQ(tokens[2].token, QUOTEDSTRING);
    EXPECT_EQ(tokens[1].text, "\"" + EM);
    EXPECT_EQ(tokens[1].ValueText(), Bytes("\0\0"));
    EXPECT_EQ(tokens[2].ValueText(), Bytes("\0A\0b\0\0"));
    EXPECT_EQ(tokens[2].value->kind, kLiteralValue);
    EXPECT_EQ(captured.ctx.diagnostics.literalCount, 2u);  // other tokens do not count
}

TEST(TokenRules, DirectInterfaceGetsAFreshTextEachTime) {
    const std::string expected = Bytes("\0D\0i\0r\0e\0c\0t\0-\0I\0n\0t\0e\0r\0f\0a\0c\0e\0\0");
    test::CapturedContext captured;
    auto tokens = LexAll(captured.ctx, "direct-interface DIRECT-INTERFACE");
    ASSERT_EQ(tokens.size(), 2u);
    for (const Lexed &t : tokens) {
        EXPECT_EQ(t.token, DIRECT_INTERFACE);
        EXPECT_EQ(t.ValueText(), expected);
        EXPECT_EQ(t.value->kind, kLiteralValue);
    }
    EXPECT_NE(tokens[0].value->text, tokens[1].value->text);  // a builder may keep either
}

TEST(TokenRules, TokensBeyondThreeThousandCharacters) {
    test::CapturedContext captured;
    WorkingCopy copy;
    ConvertAsciiSource("\"" + std::string(5000, 'x') + "\" " + std::string(5000, '7'), copy);
    ResetLexer(captured.ctx, std::move(copy));
    ASSERT_EQ(NextToken(captured.ctx), QUOTEDSTRING);
    const CountedString *text = captured.ctx.lexer.current.value->text;
    ASSERT_EQ(text->length, 10002u);
    EXPECT_EQ(std::string(text->Chars() + 9996, 6), Bytes("\0x\0x\0\0"));
    ASSERT_EQ(NextToken(captured.ctx), UINTEGER);
    EXPECT_EQ(captured.ctx.lexer.current.value->text->length, 5001u);
}

// Every quote looks for the end of a literal and every slash pair for the
// end of a comment, all on one line; the cost is measured by the benchmarks.
TEST(TokenRules, LongLineOfStrayQuotesAndSlashes) {
    std::string line = "\"" + std::string(6, '\xFF');
    for (int i = 0; i < 33334; ++i) line += "\"//";
    test::CapturedContext captured;
    auto tokens = LexAll(captured.ctx, line);
    ASSERT_EQ(tokens.size(), 1u + 3 * 33334);
    EXPECT_EQ(tokens[0].token, QUOTEDSTRING);
    EXPECT_EQ(tokens.back().token, GARBAGE);
}

TEST(TokenRules, MemoryFaultWhileBuildingAValue) {
    const std::string inputs[] = {"5 6", "Direct-Interface 6", "\"" + EM + "\n6"};
    for (const std::string &input : inputs) {
        for (uint64_t failing : {1, 2}) {  // the TokenValue, then its text
            test::CapturedContext captured;
            ParseContext &ctx = captured.ctx;
            Start(ctx, input);
            ctx.pool.SimulateFault(failing);
            ASSERT_EQ(NextToken(ctx), MEMORY_FAULT) << input;
            const TokenValue *value = ctx.lexer.current.value;
            EXPECT_EQ(value == nullptr, failing == 1) << input;
            EXPECT_TRUE(value == nullptr || value->text == nullptr) << input;
            EXPECT_EQ(ctx.diagnostics.literalCount, 0u) << input;
            ASSERT_EQ(NextToken(ctx), UINTEGER) << input;  // the stream goes on
            EXPECT_EQ(ctx.lexer.current.value->text->length, 2u) << input;
        }
    }
}

}  // namespace
}  // namespace mifkit
