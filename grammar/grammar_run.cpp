// Runs the generated parser over the lexer's tokens, and the status handling
// its actions share.
#include "core/diagnostics.h"
#include "core/parse_context.h"
#include "core/parse_status.h"
#include "core/tokens.h"
#include "grammar/grammar.h"
#include "grammar/grammar_actions.h"
#include "lexer/lexer.h"

int mif_grammar_parse(mifkit::ParseContext &ctx, mifkit::GrammarRun &run);

namespace mifkit {

bool RunStandard(ParseContext &ctx, GrammarRun &run, int status) {
    if (status != 0) {
        PushStatus(ctx, status);
        ctx.diagnostics.errorSeen = true;
    }
    if (ctx.diagnostics.abortParse) {
        run.ended = true;
        run.status = status;
        return false;
    }
    return true;
}

bool RunEndCheck(ParseContext &ctx, GrammarRun &run, int status) {
    if (status == 0) return true;
    PushStatus(ctx, status);
    run.ended = true;
    run.status = status;
    return false;
}

int NextGrammarToken(ParseContext &ctx, uint32_t &os, TokenValue *&value) {
    int token = NextToken(ctx);
    if (token == OS_NAME)
        os = ctx.lexer.current.osCode;
    else
        value = ctx.lexer.current.value;
    return token;
}

void ReportGrammarError(ParseContext &ctx, const char *message) { ReportSyntaxError(ctx, message); }

int RunGrammar(ParseContext &ctx) {
    GrammarRun run;
    int result = mif_grammar_parse(ctx, run);
    if (result == 0) return 0;
    return run.ended ? run.status : kGaveUp;
}

}  // namespace mifkit
