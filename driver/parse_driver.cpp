#include "driver/parse_driver.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/diagnostics.h"
#include "core/parse_status.h"
#include "grammar/grammar.h"
#include "query/record_lookup.h"
#include "lexer/lexer.h"
#include "lexer/working_copy_preparation.h"

namespace mifkit {

namespace {

// Everything a parse starts from, except the lexer, which OpenSource readies.
void ResetParseState(ParseContext &ctx) {
    ctx.state = ParseState{};
    ctx.builder.Reset();
    ctx.databaseLoaded = false;
    ctx.query = QueryIndex{};
    ctx.diagnostics.abortParse = false;
    ctx.diagnostics.errorSeen = false;
    ResetStatusHistory(ctx);
}

// The status a failed parse returns: the grammar's own when it stopped early;
// otherwise the most recent builder status, which set ErrorSeen.
int FailureStatus(const ParseContext &ctx, int grammarStatus) {
    if (grammarStatus != 0) return grammarStatus;
    int32_t newest = ctx.diagnostics.statusHistory[3];
    return newest != 0 ? newest : kGaveUp;
}

// Runs the grammar over an opened source. A block the pool refused is a
// record or a literal missing from the database, so a parse that met one
// never counts as a success, even where no operation could report it.
int ParseOpenedSource(ParseContext &ctx, uint64_t poolFailuresBefore) {
    int grammarStatus = RunGrammar(ctx);
    CloseLexer(ctx);
    // Whatever the outcome, the records may be listed; index them once now.
    BuildQueryIndex(ctx);
    bool complete = ctx.pool.FailureCount() == poolFailuresBefore;
    ctx.databaseLoaded = grammarStatus == 0 && !ctx.diagnostics.errorSeen && complete;
    return ctx.databaseLoaded ? 0 : FailureStatus(ctx, grammarStatus);
}

// True when temp.mif, if it was being written beside the parse, was
// written whole; waits for it.
bool WrittenBesideParse(ParseContext &ctx) {
    if (!ctx.workingCopyWrite.valid()) return true;
    try {
        return ctx.workingCopyWrite.get();
    } catch (const std::exception &) {
        return false;
    }
}

// Parses an opened source while temp.mif may still be being written. What
// the parse prints or collects is held back until the file is written: a
// file that could not be written fails the parse before it began, as when
// it is written first.
int ParseBesideWrite(ParseContext &ctx, uint64_t poolFailures) {
    if (!ctx.workingCopyWrite.valid()) return ParseOpenedSource(ctx, poolFailures);
    std::vector<std::string> held;  // piece by piece, as they would have gone out
    OutputSink sink = std::exchange(ctx.sink, [&held](std::string_view text) { held.emplace_back(text); });
    const size_t collected = ctx.diagnostics.collected != nullptr ? ctx.diagnostics.collected->size() : 0;
    int status = kFatalFileError;
    try {
        status = ParseOpenedSource(ctx, poolFailures);
    } catch (...) {
        ctx.sink = std::move(sink);
        WrittenBesideParse(ctx);
        throw;
    }
    ctx.sink = std::move(sink);
    if (WrittenBesideParse(ctx)) {
        for (const std::string &piece : held) ctx.sink(piece);
        return status;
    }
    if (ctx.diagnostics.collected != nullptr) ctx.diagnostics.collected->resize(collected);
    ResetParseState(ctx);
    ShutdownParser(ctx);
    return kFatalFileError;
}

// A whole parse of the source that `open` readies, with the remembered name
// kept only when it succeeds.
template <typename Open>
int RunParse(ParseContext &ctx, const char *fileName, Open open) {
    if (ctx.loadedFileName) ShutdownParser(ctx);
    try {
        if (fileName != nullptr) ctx.loadedFileName = fileName;
        uint64_t poolFailures = ctx.pool.FailureCount();
        int status = open();
        if (status == 0)
            status = ParseBesideWrite(ctx, poolFailures);
        else if (!WrittenBesideParse(ctx))
            status = kFatalFileError;
        if (status != 0) ctx.loadedFileName.reset();
        return status;
    } catch (const std::exception &) {
        // Out of memory outside the pool (the source, the working copy):
        // no parse, and nothing escapes to a C caller.
        WrittenBesideParse(ctx);
        ctx.loadedFileName.reset();
        return kFatalFileError;
    }
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

int OpenSourceBytes(ParseContext &ctx, const char *name, std::string_view source) {
    ResetParseState(ctx);
    WorkingCopy copy;
    int status = PrepareWorkingCopyFromBytes(ctx, name, source, copy);
    if (status != 0) return status;
    ResetLexer(ctx, std::move(copy));
    return 0;
}

int ParseFile(ParseContext &ctx, const char *fileName) {
    if (ctx.loadedFileName && fileName != nullptr && *ctx.loadedFileName == fileName) return 0;
    return RunParse(ctx, fileName, [&] { return OpenSource(ctx, fileName); });
}

int ParseBytes(ParseContext &ctx, std::string_view source, const char *name) {
    // Bytes have no name to remember: every call parses.
    ShutdownParser(ctx);
    int status = RunParse(ctx, nullptr, [&] { return OpenSourceBytes(ctx, name, source); });
    return status;
}

int ShutdownParser(ParseContext &ctx) {
    // Forget the name and the roots with the records, so that neither a
    // repeated name nor a query can reach released memory.
    ctx.loadedFileName.reset();
    ctx.state = ParseState{};
    ctx.builder.Reset();
    ctx.databaseLoaded = false;
    ctx.query = QueryIndex{};
    ctx.lexer.current = CurrentTokenValue{};
    ctx.pool.Release();
    return 0;
}

}  // namespace mifkit
