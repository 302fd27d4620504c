#include <stdexcept>

#include "driver/diagnostics.h"
#include "driver/parse_context.h"
#include "grammar/grammar.h"
#include "lexer/lexer.h"
#include "lexer/working_copy_preparation.h"

namespace mifkit {

namespace {

constexpr int kFatalFileError = 525;

// Everything a parse starts from, except the lexer, which OpenSource readies.
void ResetParseState(ParseContext &ctx) {
    ctx.state = ParseState{};
    ctx.diagnostics.abortParse = 0;
    ctx.diagnostics.errorSeen = 0;
    ResetStatusHistory(ctx);
}

// The status a failed parse returns: the grammar's own when it stopped early;
// otherwise the most recent builder status, which set ErrorSeen.
int FailureStatus(const ParseContext &ctx, int grammarStatus) {
    if (grammarStatus != 0) return grammarStatus;
    int32_t newest = ctx.diagnostics.statusHistory[3];
    return newest != 0 ? newest : 1;
}

}  // namespace

int OpenSource(ParseContext &ctx, const char *fileName) {
    ResetParseState(ctx);
    WorkingCopy copy;
    int status = PrepareWorkingCopy(ctx, fileName, copy);
    if (status != 0) return status;
    ResetLexer(ctx, std::move(copy));
    return 0;
}

int ParseFile(ParseContext &ctx, const char *fileName) {
    if (ctx.loadedFileName && fileName != nullptr && *ctx.loadedFileName == fileName) return 0;
    if (ctx.loadedFileName) ShutdownParser(ctx);
    try {
        if (fileName != nullptr) ctx.loadedFileName = fileName;
        int status = OpenSource(ctx, fileName);
        if (status == 0) {
            int grammarStatus = RunGrammar(ctx);
            if (grammarStatus == 0 && ctx.diagnostics.errorSeen != 1) return 0;
            status = FailureStatus(ctx, grammarStatus);
        }
        ctx.loadedFileName.reset();
        return status;
    } catch (const std::exception &) {
        // Out of memory outside the pool (the source, the working copy):
        // no parse, and nothing escapes to a C caller.
        ctx.loadedFileName.reset();
        return kFatalFileError;
    }
}

int ShutdownParser(ParseContext &ctx) {
    // Forget the name and the roots with the records, so that neither a
    // repeated name nor a query can reach released memory.
    ctx.loadedFileName.reset();
    ctx.state = ParseState{};
    ctx.lexer.current = CurrentTokenValue{};
    ctx.pool.Release();
    return 0;
}

}  // namespace mifkit
