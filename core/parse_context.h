// One parser: the loaded file name, the block pool, the database's parse
// state, the diagnostic state and the lexer. Independent contexts run
// independent parses; the C interface uses one process-wide instance.
#pragma once

#include <cstdint>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/builder_state.h"
#include "core/parse_state.h"
#include "core/block_pool.h"
#include "core/output_sink.h"
#include "core/lexer_state.h"
#include "mifkit/parser.h"
#include "core/query_index.h"

namespace mifkit {

struct DiagnosticState {
    bool errorSeen = false;
    bool abortParse = false;
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
    bool unicodeSource = false;  // the last conversion read UTF-16
    LexerState lexer;
    // temp.mif of a large source, being written while the source is parsed;
    // true once it was written whole.
    std::future<bool> workingCopyWrite;
};

}  // namespace mifkit
