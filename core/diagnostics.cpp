#include "core/diagnostics.h"

#include <cstdio>

#include "core/message_catalogue.h"
#include "core/token_value.h"
#include "core/text_encoding.h"
#include "core/parse_context.h"
#include "core/tokens.h"

namespace mifkit {

namespace {

constexpr uint32_t kFileNumber = 0;

}  // namespace

std::string FormatMessage(uint32_t number, uint32_t fileNumber, uint32_t line, uint32_t third,
                          const char *text) {
    const MessageEntry &entry = LookUpMessage(number);
    const char *format = entry.text != nullptr ? MessageFormHead(entry.form) : kUnknownMessageFormat;
    // The C runtime prints a null string as "(null)"; say so explicitly
    // rather than rely on it.
    const char *shown = text != nullptr ? text : "(null)";
    auto values = [&](char *buffer, size_t size) {
        return std::snprintf(buffer, size, format, static_cast<int>(number),
                             static_cast<int>(fileNumber), static_cast<int>(line),
                             static_cast<int>(third), shown);
    };
    int length = values(nullptr, 0);
    if (length < 0) return std::string();
    std::string line_text(static_cast<size_t>(length) + 1, '\0');
    values(line_text.data(), line_text.size());
    line_text.resize(static_cast<size_t>(length));
    if (entry.text != nullptr) {
        line_text += entry.text;
        line_text += '\n';
    }
    return line_text;
}

void PrintMessage(ParseContext &ctx, uint32_t number, uint32_t fileNumber, uint32_t line,
                  uint32_t third, const char *text) {
    ctx.sink(FormatMessage(number, fileNumber, line, third, text));
}

namespace {

// Prints a message and, when the caller collects them, keeps its record
// with the token's true line and readable form.
int Report(ParseContext &ctx, uint32_t number, uint32_t line, uint32_t third, const char *text,
           uint32_t sourceLine, std::string readable) {
    uint32_t printedLine = line == 0 ? 0 : line - ctx.diagnostics.literalCount;
    std::string printed = FormatMessage(number, kFileNumber, printedLine, third, text);
    ctx.sink(printed);
    if (ctx.diagnostics.collected != nullptr) {
        Diagnostic record;
        record.message = number;
        record.line = printedLine;
        record.third = third;
        record.token = text != nullptr ? text : "(null)";
        record.sourceLine = sourceLine;
        record.readableToken = std::move(readable);
        record.text = std::move(printed);
        ctx.diagnostics.collected->push_back(std::move(record));
    }
    return 0;
}

// The current token as a person reads it: a literal decoded from its
// marked form.
std::string ReadableToken(const ParseContext &ctx) {
    const LexerState &lexer = ctx.lexer;
    if (lexer.lastToken == QUOTEDSTRING && lexer.current.value != nullptr)
        return LiteralToUtf8(lexer.current.value->text);
    return lexer.tokenText;
}

}  // namespace

int ReportMessage(ParseContext &ctx, uint32_t number, uint32_t /*fileNumber*/, uint32_t line,
                  uint32_t third, const char *text) {
    uint32_t sourceLine = line == 0 ? 0 : line - ctx.diagnostics.literalCount;
    return Report(ctx, number, line, third, text, sourceLine, text != nullptr ? text : "(null)");
}

int ReportAtToken(ParseContext &ctx, Message message, uint32_t third) {
    const auto number = static_cast<uint32_t>(message);
    if (ctx.diagnostics.collected == nullptr)
        return Report(ctx, number, ctx.lexer.lineNumber, third, ctx.lexer.tokenText.c_str(), 0, {});
    return Report(ctx, number, ctx.lexer.lineNumber, third, ctx.lexer.tokenText.c_str(),
                  ctx.lexer.tokenSourceLine, ReadableToken(ctx));
}

int ReportLiteralText(ParseContext &ctx, Message message, const CountedString &text) {
    // The bytes go out as a C string: UTF-16BE text of Latin letters stops at
    // its first zero byte. The block's trailing zeros end it safely.
    return Report(ctx, static_cast<uint32_t>(message), 0, 0, text.Chars(), ctx.lexer.tokenSourceLine,
                  LiteralToUtf8(&text));
}

void ReportSyntaxError(ParseContext &ctx, const char * /*ignored*/) {
    ReportAtToken(ctx, Message::SyntaxError);
    ctx.diagnostics.errorSeen = true;
}

void ResetStatusHistory(ParseContext &ctx) {
    for (int32_t &status : ctx.diagnostics.statusHistory) status = 0;
}

void PushStatus(ParseContext &ctx, int32_t status) {
    int32_t *history = ctx.diagnostics.statusHistory;
    history[0] = history[1];
    history[1] = history[2];
    history[2] = history[3];
    history[3] = status;
}

}  // namespace mifkit
