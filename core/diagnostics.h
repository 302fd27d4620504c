// Reporting: one line per problem, in the fixed forms of the DMI message
// catalogue, and the flags and history through which a parse decides how it
// ends.
#pragma once

#include <cstdint>
#include <string>

#include "core/message_catalogue.h"

namespace mifkit {

struct ParseContext;
struct CountedString;

// Reports a message. `line` is as the lexer counts it (0 when no line
// applies); the literal count is subtracted to give the source line. The
// file number is ignored: the line always shows file 0. Any number prints:
// one outside the catalogue in the fallback form. Returns 0.
int ReportMessage(ParseContext &ctx, uint32_t number, uint32_t fileNumber, uint32_t line,
                  uint32_t third, const char *text);
inline int ReportMessage(ParseContext &ctx, Message message, uint32_t fileNumber, uint32_t line,
                         uint32_t third, const char *text) {
    return ReportMessage(ctx, static_cast<uint32_t>(message), fileNumber, line, third, text);
}

// Prints the line of a message with the values as given.
void PrintMessage(ParseContext &ctx, uint32_t number, uint32_t fileNumber, uint32_t line,
                  uint32_t third, const char *text);

// The line PrintMessage prints.
std::string FormatMessage(uint32_t number, uint32_t fileNumber, uint32_t line, uint32_t third,
                          const char *text);

// Reports a message at the lexer's current line and token text: the form
// every builder operation uses.
int ReportAtToken(ParseContext &ctx, Message message, uint32_t third = 0);

// Reports a message with no line and a UTF-16BE text passed on as its
// bytes, as a value checked after its token has gone by.
int ReportLiteralText(ParseContext &ctx, Message message, const CountedString &text);

// Syntax Error at the lexer's line and token; sets ErrorSeen.
void ReportSyntaxError(ParseContext &ctx, const char *ignored);

void ResetStatusHistory(ParseContext &ctx);
void PushStatus(ParseContext &ctx, int32_t status);

}  // namespace mifkit
