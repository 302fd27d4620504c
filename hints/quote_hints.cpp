// Typographic double quotes pasted from a web page or a word processor, and
// literals left open at the end of their line.
#include "hints/finders.h"

namespace mifkit::hints {

namespace {

constexpr char32_t kLeftQuote = 0x201C, kRightQuote = 0x201D;

// The characters a typographic quote takes at `at`, 0 when none stands
// there: UTF-8 bytes, a byte of the 8-bit Windows code page, or a UTF-16 unit.
size_t TypographicQuoteLength(const SourceText &source, size_t at) {
    const char32_t c = source.at(at);
    if (source.encoding() != Encoding::EightBit) return c == kLeftQuote || c == kRightQuote ? 1 : 0;
    if (c == 0xE2 && source.at(at + 1) == 0x80 && (source.at(at + 2) == 0x9C || source.at(at + 2) == 0x9D))
        return 3;
    return c == 0x93 || c == 0x94 ? 1 : 0;
}

// The byte the lexer showed for the character at `at`: a UTF-16 unit is cut
// to its low byte outside literals.
bool ShownAs(const SourceText &source, size_t at, const std::string &token) {
    return !token.empty() && (source.at(at) & 0xFF) == static_cast<unsigned char>(token[0]);
}

}  // namespace

std::optional<Hint> FindQuoteHint(const SourceText &source, const Diagnostic &diagnostic) {
    const size_t start = source.LineStart(diagnostic.sourceLine);
    const size_t end = source.LineEnd(start);
    for (size_t open = start; open < end; ++open) {
        const size_t openLength = TypographicQuoteLength(source, open);
        if (openLength == 0 || !ShownAs(source, open, diagnostic.token)) continue;
        // Straighten the pair together, so that the literal between them reads as one.
        size_t close = open + openLength, closeLength = 0;
        while (close < end && (closeLength = TypographicQuoteLength(source, close)) == 0) ++close;
        std::u32string replacement = U"\"";
        size_t replaced = open + openLength;
        if (closeLength != 0) {
            replacement += source.chars().substr(replaced, close - replaced) + U"\"";
            replaced = close + closeLength;
        }
        return Hint{"\xE2\x80\x9C and \xE2\x80\x9D are typographic quotes; write straight double quotes (\")",
                    source.Replace(open, replaced, replacement, "typographic quotes -> straight quotes")};
    }
    return std::nullopt;
}

std::optional<Hint> FindOpenLiteralHint(const SourceText &source, const Diagnostic &diagnostic) {
    if (diagnostic.token != "\"") return std::nullopt;
    const size_t start = source.LineStart(diagnostic.sourceLine);
    const size_t end = source.LineEnd(start);
    bool inLiteral = false;
    for (size_t at = start; at < end; ++at) {
        const char32_t c = source.at(at);
        if (!inLiteral && c == U'/' && source.at(at + 1) == U'/') break;
        if (inLiteral && c == U'\\') ++at;
        else if (c == U'"') inLiteral = !inLiteral;
    }
    if (!inLiteral) return std::nullopt;
    return Hint{"a literal opened on this line is not closed on it; everything up to the next double quote "
                "was read as its text: close it with \" before the line ends",
                std::nullopt};
}

}  // namespace mifkit::hints
