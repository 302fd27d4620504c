#include "lexer/lexer.h"

#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <limits>
#include <stdexcept>

#include "core/parse_context.h"
#include "core/parse_state.h"
#include "lexer/token_actions.h"
#include "lexer/token_rules_scanner.h"
#include "core/tokens.h"

namespace mifkit {

namespace {

// "Direct-Interface" in UTF-16BE with its 2-byte NUL.
constexpr unsigned char kDirectInterfaceText[34] = {
    0, 'D', 0, 'i', 0, 'r', 0, 'e', 0, 'c', 0, 't', 0, '-', 0, 'I', 0,
    'n', 0, 't', 0, 'e', 0, 'r', 0, 'f', 0, 'a', 0, 'c', 0, 'e', 0, 0,
};

void DestroyScanner(LexerState &lexer) {
    if (lexer.scanner != nullptr) mifkit_yylex_destroy(static_cast<yyscan_t>(lexer.scanner));
    lexer.scanner = nullptr;
}

// A pool-allocated TokenValue whose text block holds `counted` bytes, left
// for the caller to fill; null once the pool is exhausted.
CountedString *NewValue(ParseContext &ctx, uint32_t kind, size_t counted) {
    std::vector<TokenValue *> &spare = ctx.state.spareValues;
    TokenValue *value = nullptr;
    if (!spare.empty()) {
        value = spare.back();
        spare.pop_back();
    } else {
        value = static_cast<TokenValue *>(ctx.pool.Allocate(sizeof(TokenValue)));
    }
    ctx.lexer.current.value = value;
    if (value == nullptr) return nullptr;
    value->kind = kind;
    size_t blockSize = CountedStringBlockSize(counted);
    if (blockSize > std::numeric_limits<uint32_t>::max()) return nullptr;
    auto *text = static_cast<CountedString *>(ctx.pool.Allocate(static_cast<uint32_t>(blockSize)));
    if (text == nullptr) return nullptr;
    text->length = static_cast<uint32_t>(counted);
    value->text = text;
    return text;
}

// A value whose text is `length` bytes copied from `bytes`, counted as
// `counted` (numbers count their NUL, which the zeroed block supplies).
int BuildValue(ParseContext &ctx, int token, uint32_t kind, const void *bytes, size_t length,
               size_t counted) {
    CountedString *text = NewValue(ctx, kind, counted);
    if (text == nullptr) return MEMORY_FAULT;
    std::memcpy(text->Bytes(), bytes, length);
    if (token == QUOTEDSTRING) ++ctx.diagnostics.literalCount;
    return token;
}

// 8-bit characters as UTF-16BE units: each byte after a zero byte. Most of
// a large file is literal text, so sixteen bytes are spread at a time.
void WidenToUtf16(const unsigned char *in, size_t length, unsigned char *out) {
    size_t i = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= length; i += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 2 * i), _mm_unpacklo_epi8(zero, bytes));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 2 * i + 16), _mm_unpackhi_epi8(zero, bytes));
    }
#endif
    for (; i < length; ++i) {
        out[2 * i] = 0;
        out[2 * i + 1] = in[i];
    }
}

// The text of a literal the conversion recorded, as UTF-16BE with its NUL.
int BuildLiteralValue(ParseContext &ctx, const WorkingCopy &copy, const LiteralSpan &span) {
    const char *text = copy.Texts().data() + span.textOffset;
    if (copy.texts != LiteralTexts::kEightBitSource)
        return BuildValue(ctx, QUOTEDSTRING, kLiteralValue, text, span.textLength, span.textLength + 2);
    CountedString *value = NewValue(ctx, kLiteralValue, 2 * span.textLength + 2);
    if (value == nullptr) return MEMORY_FAULT;
    WidenToUtf16(reinterpret_cast<const unsigned char *>(text), span.textLength, value->Bytes());
    ++ctx.diagnostics.literalCount;
    return QUOTEDSTRING;
}

const LineScan &ScanLine(LexerState &lexer, size_t from) {
    LineScan &scan = lexer.lineScan;
    if (scan.valid && from >= scan.from && from < scan.lineEnd) return scan;
    const char *bytes = lexer.copy.bytes.data();
    const void *lineFeed = std::memchr(bytes + from, '\n', lexer.inputSize - from);
    const size_t lineEnd = lineFeed != nullptr ? static_cast<size_t>(static_cast<const char *>(lineFeed) - bytes)
                                               : lexer.inputSize;
    // The last run of six 0xFF bytes, counted from `from`: found from the
    // line's end, where a literal's end mark stands.
    size_t lastRunEnd = 0;
    for (size_t i = lineEnd; i > from;) {
        if (static_cast<unsigned char>(bytes[i - 1]) != 0xFF) {
            --i;
            continue;
        }
        size_t runEnd = i;
        while (i > from && static_cast<unsigned char>(bytes[i - 1]) == 0xFF) --i;
        if (runEnd - i >= 6) {
            lastRunEnd = runEnd;
            break;
        }
    }
    scan = LineScan{from, lineEnd, lastRunEnd, true};
    return scan;
}

// Line feeds a literal's text holds: only a UTF-16 source can put them
// there, and each one was a line break in the source.
uint32_t CountLineFeeds(const TokenValue *value) {
    if (value == nullptr || value->text == nullptr) return 0;
    const CountedString &text = *value->text;
    uint32_t count = 0;
    for (uint32_t i = 0; i + 1 < text.length; i += 2)
        if (text.Bytes()[i] == 0 && text.Bytes()[i + 1] == '\n') ++count;
    return count;
}

}  // namespace

LexerState::~LexerState() { DestroyScanner(*this); }

void CloseLexer(ParseContext &ctx) {
    LexerState &lexer = ctx.lexer;
    DestroyScanner(lexer);
    // The last token's text outlives the input it may still point into.
    (void)lexer.tokenText.str();
    // temp.mif may still be being written from the source the copy owns.
    if (ctx.workingCopyWrite.valid()) ctx.workingCopyWrite.wait();
    // The database keeps copies of everything it needs from the input.
    lexer.copy = WorkingCopy{};
    lexer.inputSize = 0;
    lexer.literalBuffer = std::vector<unsigned char>();
    lexer.lineScan = LineScan{};
    lexer.atEnd = true;
}

void ResetLexer(ParseContext &ctx, WorkingCopy &&copy) {
    LexerState &lexer = ctx.lexer;
    DestroyScanner(lexer);
    lexer.copy = std::move(copy);
    // A NUL byte ends the input as the end of the file does.
    std::string &bytes = lexer.copy.bytes;
    const void *nul = std::memchr(bytes.data(), '\0', bytes.size());
    if (nul != nullptr) bytes.resize(static_cast<size_t>(static_cast<const char *>(nul) - bytes.data()));
    lexer.inputSize = bytes.size();
    if (lexer.inputSize > static_cast<size_t>(std::numeric_limits<int>::max() - 2))
        throw std::length_error("working copy too large");
    // flex scans the copy in place; it needs two NULs after the input.
    bytes.append(2, '\0');
    lexer.lineScan = LineScan{};
    lexer.lineNumber = 1;
    lexer.tokenSourceLine = 1;
    lexer.literalLineFeeds = 0;
    lexer.lastToken = 0;
    lexer.atEnd = false;
    lexer.tokenText.clear();
    lexer.current = CurrentTokenValue{};
    ctx.diagnostics.literalCount = 0;

    yyscan_t scanner = nullptr;
    if (mifkit_yylex_init_extra(&ctx, &scanner) != 0) throw std::bad_alloc();
    lexer.scanner = scanner;
    if (mifkit_yy_scan_buffer(bytes.data(), bytes.size(), scanner) == nullptr) throw std::bad_alloc();
    mifkit_yyset_lineno(1, scanner);
}

int NextToken(ParseContext &ctx) {
    LexerState &lexer = ctx.lexer;
    if (lexer.atEnd || lexer.scanner == nullptr) {
        lexer.tokenText.clear();
        return END_OF_INPUT;
    }
    auto scanner = static_cast<yyscan_t>(lexer.scanner);
    const uint32_t literalsBefore = ctx.diagnostics.literalCount;
    int token;
    try {
        token = mifkit_yylex(scanner);
    } catch (const std::exception &) {
        // The scanner could not grow a buffer: end the stream as a fault.
        lexer.atEnd = true;
        lexer.current.value = nullptr;
        return MEMORY_FAULT;
    }
    lexer.lineNumber = static_cast<uint32_t>(mifkit_yyget_lineno(scanner));
    lexer.tokenSourceLine = lexer.lineNumber - literalsBefore + lexer.literalLineFeeds;
    lexer.lastToken = token;
    if (token == QUOTEDSTRING && ctx.unicodeSource)
        lexer.literalLineFeeds += CountLineFeeds(lexer.current.value);
    if (token == END_OF_INPUT) {
        lexer.atEnd = true;
        lexer.tokenText.clear();
    }
    return token;
}

int EmitToken(ParseContext *ctx, const char *text, size_t length, int token) {
    ctx->lexer.tokenText.assign(text, length);
    return token;
}

int EmitOsName(ParseContext *ctx, const char *text, size_t length, uint32_t osCode) {
    ctx->lexer.current.osCode = osCode;
    return EmitToken(ctx, text, length, OS_NAME);
}

int EmitNumber(ParseContext *ctx, const char *text, size_t length, int token, uint32_t kind) {
    EmitToken(ctx, text, length, token);
    return BuildValue(*ctx, token, kind, text, length, length + 1);
}

int EmitDirectInterface(ParseContext *ctx, const char *text, size_t length) {
    EmitToken(ctx, text, length, DIRECT_INTERFACE);
    return BuildValue(*ctx, DIRECT_INTERFACE, kLiteralValue, kDirectInterfaceText,
                      sizeof kDirectInterfaceText, sizeof kDirectInterfaceText);
}

// The span the conversion recorded for the literal at `start`, if any.
const LiteralSpan *SpanAt(LexerState &lexer, size_t start) {
    // The lexer never goes back: a span it has passed is dropped.
    LiteralSpans &literals = lexer.copy.literals;
    while (!literals.empty() && literals.front().start < start) literals.pop_front();
    if (!literals.empty() && literals.front().start == start) return &literals.front();
    return nullptr;
}

int EmitLiteral(ParseContext *ctx, size_t start, size_t end) {
    LexerState &lexer = ctx->lexer;
    WorkingCopy &copy = lexer.copy;
    // The conversion kept the exact text of every literal it wrote; a token
    // that is not one of them (a broken literal's tail) is decoded instead.
    const LiteralSpan *span = SpanAt(lexer, start);
    if (span != nullptr && span->end == end) {
        if (copy.texts == LiteralTexts::kMarked)
            lexer.tokenText.assign(copy.bytes.data() + start, end - start);
        else
            lexer.tokenText.SetLiteral(copy.Texts().substr(span->textOffset, span->textLength),
                                       copy.texts == LiteralTexts::kUnicodeSource);
        copy.TextsReadTo(span->textOffset);
        return BuildLiteralValue(*ctx, copy, *span);
    }
    lexer.tokenText.assign(copy.bytes.data() + start, end - start);
    lexer.literalBuffer.resize(end - start);
    size_t length = DecodeLiteralText(lexer.tokenText.str(), lexer.literalBuffer.data());
    return BuildValue(*ctx, QUOTEDSTRING, kLiteralValue, lexer.literalBuffer.data(), length, length);
}

size_t LiteralEnd(LexerState &lexer, size_t quote) {
    // A compact literal is the span the conversion recorded, nothing else.
    if (lexer.copy.texts != LiteralTexts::kMarked) {
        const LiteralSpan *span = SpanAt(lexer, quote);
        if (span != nullptr) return span->end;
    }
    const LineScan &scan = ScanLine(lexer, quote);
    // The six 0xFF bytes must all follow the quote.
    return scan.lastRunEnd >= quote + 7 ? scan.lastRunEnd : 0;
}

size_t LineEnd(LexerState &lexer, size_t from) { return ScanLine(lexer, from).lineEnd; }

}  // namespace mifkit
