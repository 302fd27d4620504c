#pragma once

namespace mifkit {

struct ParseContext;

// Runs the MIF grammar over the lexer's token stream: 0 when the whole input
// was accepted, 1 after a syntax error, otherwise the status of the builder
// operation that ended the parse.
int RunGrammar(ParseContext &ctx);

}  // namespace mifkit
