// Literal pieces collect while the grammar reads adjacent quoted strings and
// are joined, with their escapes resolved, when the statement that uses the
// literal is reduced.
#pragma once

#include "core/token_value.h"

namespace mifkit {

struct ParseContext;

// Appends a piece to the pending list. 0, or with Memory fault reported
// kNoMemoryForLiteralPiece / kNoMemoryForFirstLiteralPiece when the pool is
// exhausted.
int AppendLiteral(ParseContext &ctx, CountedString *piece);

// The pending pieces joined and escape-resolved into a new pool string; the
// list is emptied whatever happens. Null when the pool is exhausted or no
// piece is pending (nothing is reported).
CountedString *TakeLiteral(ParseContext &ctx);

// A new pool string holding `text` with its backslash escapes resolved: hex
// escapes take at most 2 digits and octal at most 3 for an 8-bit source, 4
// and 6 for a UTF-16 source. Null when the pool is exhausted.
CountedString *ResolveEscapes(ParseContext &ctx, const CountedString &text);

}  // namespace mifkit
