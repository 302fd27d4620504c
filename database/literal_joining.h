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

// The pending pieces joined and escape-resolved; the list is emptied
// whatever happens. A single piece is resolved in place and returned, more
// are joined into a new pool string. Null when the pool is exhausted or no
// piece is pending (nothing is reported).
CountedString *TakeLiteral(ParseContext &ctx);

// Resolves the backslash escapes of `text` in place (an escape never
// lengthens it): hex escapes take at most 2 digits and octal at most 3 for
// an 8-bit source, 4 and 6 for a UTF-16 source. The count is rounded down
// to whole units, so nothing past it is read.
void ResolveEscapes(CountedString &text, bool unicodeSource);

}  // namespace mifkit
