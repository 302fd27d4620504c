#include "grammar/grammar.h"

#include "driver/diagnostics.h"
#include "driver/parse_context.h"
#include "lexer/lexer.h"
#include "lexer/tokens.h"

namespace mifkit {

// Until the productions arrive, a file is accepted when every token belongs
// to the language: the lexer's garbage and memory-fault tokens, which no
// production takes, are syntax errors here as they will be there.
int RunGrammar(ParseContext &ctx) {
    for (;;) {
        int token = NextToken(ctx);
        if (token == END_OF_INPUT) return 0;
        if (token == GARBAGE || token == MEMORY_FAULT) {
            ReportSyntaxError(ctx, "syntax error");
            return 1;
        }
    }
}

}  // namespace mifkit
