// The C++ interface: a parser per Database, diagnostics collected as records.
#include <cstdio>

#include "driver/parse_context.h"
#include "mifkit/parser.h"

namespace mifkit {

namespace {

OutputSink SinkFor(const ParseOptions &options) {
    if (options.print) return StdoutSink();
    return [](std::string_view) {};
}

}  // namespace

Database::Database() = default;
Database::Database(Database &&) noexcept = default;
Database &Database::operator=(Database &&) noexcept = default;
Database::~Database() = default;

Database Database::FromFile(const std::string &path, const ParseOptions &options) {
    Database database;
    database.context_ = std::make_unique<ParseContext>(SinkFor(options), options.workingCopyPath);
    database.context_->diagnostics.collected = &database.diagnostics_;
    database.status_ = ParseFile(*database.context_, path.c_str());
    database.context_->diagnostics.collected = nullptr;
    return database;
}

Database Database::FromBuffer(std::string_view bytes, const ParseOptions &options,
                              const std::string &name) {
    Database database;
    database.context_ = std::make_unique<ParseContext>(SinkFor(options), options.workingCopyPath);
    database.context_->diagnostics.collected = &database.diagnostics_;
    database.status_ = ParseBytes(*database.context_, bytes, name.c_str());
    database.context_->diagnostics.collected = nullptr;
    return database;
}

}  // namespace mifkit
