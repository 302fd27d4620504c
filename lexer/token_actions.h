// What the token rules do when they match: record the token's text and build
// its value. Called only from the generated scanner.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mifkit {

struct ParseContext;
struct LexerState;
struct LineScan;

int EmitToken(ParseContext *ctx, const char *text, size_t length, int token);
int EmitOsName(ParseContext *ctx, const char *text, size_t length, uint32_t osCode);
int EmitNumber(ParseContext *ctx, const char *text, size_t length, int token, uint32_t kind);
int EmitDirectInterface(ParseContext *ctx, const char *text, size_t length);

// A literal from the opening quote at `start` to just past its end mark.
int EmitLiteral(ParseContext *ctx, size_t start, size_t end);

// Where a literal opened by the quote at `quote` ends: just past the last
// run of six 0xFF bytes before the next line feed, or 0 when there is none.
size_t LiteralEnd(LexerState &lexer, size_t quote);

// Offset of the line feed that ends the line holding `from`, or the input's
// size when the input ends first.
size_t LineEnd(LexerState &lexer, size_t from);

}  // namespace mifkit
