// The lexer's interface: ready it on a working copy, then pull tokens.
#pragma once

#include <cstdint>

#include "core/working_copy.h"

namespace mifkit {

struct ParseContext;

// Starts a token stream over `copy` (taken over) at line 1. The stream ends
// at the copy's first NUL byte, as at its end.
void ResetLexer(ParseContext &ctx, WorkingCopy &&copy);

// Ends the token stream and frees the working copy: the database keeps
// copies of all it needs, so a loaded database does not hold its input.
void CloseLexer(ParseContext &ctx);

// The next token's number, 0 at the end of input and on every call after.
// Literals, numbers, OS names and Direct-Interface leave their value in
// ctx.lexer.current; literal and number values come from the block pool.
int NextToken(ParseContext &ctx);

}  // namespace mifkit
