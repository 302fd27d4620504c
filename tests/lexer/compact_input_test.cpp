// The lexer's compact input against the marked working copy it stands for:
// over bundled, generated, hand-made and random sources, both give the same
// tokens (texts, values, lines, literal counts), and the working copy
// streamed to temp.mif is the marked copy byte for byte.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/mif_generator.h"
#include "core/parse_context.h"
#include "core/tokens.h"
#include "lexer/lexer.h"
#include "lexer/source_conversion.h"
#include "tests/test_support.h"

namespace mifkit {
namespace {

using test::Bytes;
using test::Utf16;

const std::string kBom = "\xFE\xFF";

// Everything the grammar and the diagnostics read after a token, in one line.
std::string Describe(const ParseContext &ctx, int token) {
    std::string out = std::to_string(token) + " L" + std::to_string(ctx.lexer.lineNumber) + " S" +
                      std::to_string(ctx.lexer.tokenSourceLine) + " C" +
                      std::to_string(ctx.diagnostics.literalCount) + " [" + ctx.lexer.tokenText.str() + "]";
    const TokenValue *value = ctx.lexer.current.value;
    if (value != nullptr && value->text != nullptr)
        out += " " + std::to_string(value->kind) + ":" + std::string(value->text->Chars(), value->text->length);
    if (token == OS_NAME) out += " os" + std::to_string(ctx.lexer.current.osCode);
    return out;
}

std::vector<std::string> Lex(WorkingCopy &&copy, bool unicode) {
    ParseContext ctx([](std::string_view) {});
    ctx.unicodeSource = unicode ? 1 : 0;
    ResetLexer(ctx, std::move(copy));
    std::vector<std::string> tokens;
    for (int token = NextToken(ctx); token != END_OF_INPUT; token = NextToken(ctx)) {
        tokens.push_back(Describe(ctx, token));
        ctx.lexer.current = CurrentTokenValue{};
    }
    CloseLexer(ctx);
    return tokens;
}

// Compares the two forms of one source; `name` labels a failure.
void ExpectSameAsMarked(const std::string &source, const std::string &name) {
    const bool unicode = DetectSourceEncoding(source) == kUtf16Source;
    WorkingCopy marked, compact;
    bool converted = unicode ? ConvertUnicodeSource(source, marked) : (ConvertAsciiSource(source, marked), true);
    ASSERT_EQ(ConvertForLexer(source, unicode, compact), converted) << name;
    std::string streamed;
    ASSERT_EQ(StreamMarkedCopy(source, unicode, [&](std::string_view piece) {
                  streamed.append(piece);
                  return true;
              }),
              converted)
        << name;
    if (!converted) return;
    EXPECT_EQ(streamed, marked.bytes) << name;
    EXPECT_LE(compact.bytes.size(), marked.bytes.size()) << name;
    EXPECT_EQ(Lex(std::move(compact), unicode), Lex(std::move(marked), unicode)) << name;
}

TEST(CompactInput, LexesAsTheMarkedCopyForTrickySources) {
    const struct { const char *name; std::string source; } cases[] = {
        {"plain literals", "Name = \"abc\"\nValue = \"\" \"x\\\"y\" \"\\\\\"\n"},
        {"literal across lines", "A = \"one\ntwo\" B\n"},
        {"literal across CR LF", "A = \"one\r\ntwo\" \"z\"\r\n"},
        {"lone CR in a literal", "A = \"a\rb\"\n"},
        {"NUL in a literal cuts the input", Bytes("A = \"a\0b\" \"c\"\n")},
        {"NUL before a literal", Bytes("A\0 = \"c\"\n")},
        {"0x1A inside a literal", "A = \"ab\x1A" "cd\"\n"},
        {"end of file inside a literal", "A = \"abc"},
        {"end of file after a backslash", "A = \"abc\\"},
        {"0xFF bytes inside and around", "\xFF\xFF\xFF\xFF\xFF\xFF \"\xFF\xFF\xFF\xFF\xFF\xFF\xFF\" \xFF\n"},
        {"quote inside a comment", "// \"x\"\nA = \"y\" // \"z\n\"w\""},
        {"slash before a literal", "/\"a\" //\"b\"\n"},
        {"escaped quote at the end", "\"a\\\"\" \"\\\\\"\n"},
        {"keyword words around a literal", "Start\"x\"Component Start \"\" Group\n"},
        {"signed number before a literal", "+\"5\" -\"\"7\n"},
        {"UTF-16 plain", kBom + Utf16("Name = \"abc\"\nValue = \"\\\"\" \"\"\n")},
        {"UTF-16 line feed and NUL in a literal", kBom + Utf16("A = \"a\nb\"") + Bytes("\0\"\0x\0\0\0\"\0\n")},
        {"UTF-16 non-Latin first character", kBom + Utf16("A = \"") + "\x20\x41" + Utf16("b\" \"c\"\n")},
        {"UTF-16 stray quote before a literal", kBom + Utf16("A ") + "\x01\x22" + Utf16(" = \"b\"\n\"c\"")},
        {"UTF-16 stray quote after a literal", kBom + Utf16("\"b\" ") + "\x01\x22" + Utf16("\"c\"\n")},
        {"UTF-16 U+FFFF runs", kBom + Utf16("A = \"") + "\xFF\xFF\xFF\xFF\xFF\xFF" + Utf16("\"\n")},
        {"UTF-16 U+0A00 first", kBom + Utf16("A = \"") + Bytes("\x0A\0") + Utf16("\"\n")},
        {"UTF-16 slashes cut from wide characters", kBom + "\x01\x2F\x01\x2F" + Utf16(" \"a\" \"b\"\nB = \"c\"")},
        {"UTF-16 end of file inside a literal", kBom + Utf16("A = \"abc")},
        {"UTF-16 odd last byte", kBom + Utf16("\"a\"") + "\x41"},
        {"UTF-16 mark only", kBom},
    };
    for (const auto &c : cases) ExpectSameAsMarked(c.source, c.name);
}

TEST(CompactInput, LexesAsTheMarkedCopyForBundledAndGeneratedFiles) {
    std::vector<std::filesystem::path> files;
    for (const char *dir : {MIFKIT_EXAMPLES_DIR, MIFKIT_TESTS_DIR "/host"})
        for (const auto &entry : std::filesystem::directory_iterator(dir))
            if (entry.path().extension() == ".mif") files.push_back(entry.path());
    ASSERT_GE(files.size(), 4u);
    for (const auto &path : files) {
        std::ifstream in(path, std::ios::binary);
        std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ExpectSameAsMarked(source, path.string());
    }
    mifbench::MifShape shape;
    shape.targetBytes = 200 * 1024;
    const std::string mixed = mifbench::GenerateMif(shape);
    mifbench::LiteralTableShape tables;
    tables.targetBytes = 200 * 1024;
    const std::string literals = mifbench::GenerateLiteralTables(tables);
    for (const std::string *text : {&mixed, &literals}) {
        ExpectSameAsMarked(*text, "generated");
        ExpectSameAsMarked(mifbench::ToUtf16Source(*text), "generated, UTF-16");
    }
}

// Random sources from the bytes every rule turns on.
TEST(CompactInput, LexesAsTheMarkedCopyForRandomSources) {
    const std::string alphabet = Bytes("\"\"\"\\\\//\n\r\x1A\0\xFF\x01 a0Start Group Name=");
    std::mt19937 random(12345);
    for (int round = 0; round < 3000; ++round) {
        std::string source = round % 2 == 0 ? std::string() : kBom;
        const size_t length = random() % 48;
        for (size_t i = 0; i < length; ++i) source += alphabet[random() % alphabet.size()];
        ExpectSameAsMarked(source, "round " + std::to_string(round));
    }
}

}  // namespace
}  // namespace mifkit
