// One parser: the loaded file name, the block pool, the database's parse
// state, the diagnostic state and the lexer. Independent contexts run
// independent parses; the C interface uses one process-wide instance.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/builder_state.h"
#include "database/parse_state.h"
#include "driver/block_pool.h"
#include "driver/output_sink.h"
#include "lexer/lexer_state.h"
#include "mifkit/parser.h"
#include "query/query_index.h"

namespace mifkit {

struct DiagnosticState {
    uint32_t errorSeen = 0;
    uint32_t abortParse = 0;
    int32_t statusHistory[4] = {0, 0, 0, 0};  // oldest first
    uint32_t literalCount = 0;                // literals delivered, for line numbers
    // Where reported messages are also kept as records, when a caller asks.
    std::vector<Diagnostic> *collected = nullptr;
};

struct ParseContext {
    ParseContext() : sink(StdoutSink()) {}
    explicit ParseContext(OutputSink output, std::string workingCopy = std::string())
        : sink(std::move(output)), workingCopyPath(std::move(workingCopy)) {}
    ParseContext(const ParseContext &) = delete;
    ParseContext &operator=(const ParseContext &) = delete;

    // Diagnostics and progress text.
    OutputSink sink;
    // Where the working copy is also written, for callers that read it;
    // empty keeps it in memory only.
    std::string workingCopyPath;

    std::optional<std::string> loadedFileName;
    BlockPool pool;
    ParseState state{};
    BuilderState builder;
    // Set only by a parse that succeeded: the data queries read nothing else.
    bool databaseLoaded = false;
    QueryIndex query;
    DiagnosticState diagnostics;
    uint32_t unicodeSource = 0;  // the last conversion read UTF-16
    LexerState lexer;
};

// Parses a MIF file into the context's database: 0 when it is loaded and
// usable. A repeated call with the loaded name returns 0 at once.
int ParseFile(ParseContext &ctx, const char *fileName);

// Parses source bytes held in memory; `name` stands for them in messages.
// The database of any earlier parse is released first.
int ParseBytes(ParseContext &ctx, std::string_view source, const char *name = "(buffer)");

// Releases the database and forgets the loaded name. Returns 0.
int ShutdownParser(ParseContext &ctx);

// Converts a source and readies the lexer on it, without running the
// grammar: the first half of a parse, also used to list tokens.
int OpenSource(ParseContext &ctx, const char *fileName);
int OpenSourceBytes(ParseContext &ctx, const char *name, std::string_view source);

}  // namespace mifkit
