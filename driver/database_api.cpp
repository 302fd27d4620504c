// The C++ interface: a parser per Database, diagnostics collected as records.
#include <cstdio>

#include "core/text_encoding.h"
#include "driver/parse_driver.h"
#include "hints/hint_finder.h"
#include "mifkit/parser.h"
#include "query/queries.h"

namespace mifkit {

namespace {

OutputSink SinkFor(const ParseOptions &options) {
    if (options.print) return StdoutSink();
    return [](std::string_view) {};
}

// The caller's attribute list as the queries take it: ended by 0.
std::vector<uint32_t> Terminated(const std::vector<uint32_t> &ids) {
    std::vector<uint32_t> list(ids);
    list.push_back(0);
    return list;
}

// A data block of the database's component, every attribute or those listed.
template <typename Query>
std::vector<unsigned char> DataBlock(const ParseContext &ctx, Query query, uint32_t id,
                                     std::string_view className, const AttributeFilter &attributeIds) {
    const void *cls = className.empty() ? nullptr : className.data();
    const auto clsLength = static_cast<int32_t>(className.size());
    if (!attributeIds) return query(ctx, nullptr, 0, id, cls, clsLength, nullptr);
    return query(ctx, nullptr, 0, id, cls, clsLength, Terminated(*attributeIds).data());
}

}  // namespace

Database::Database() = default;
Database::Database(Database &&) noexcept = default;
Database &Database::operator=(Database &&) noexcept = default;
Database::~Database() = default;

// Runs `parse` on a fresh parser of the database, collecting its messages.
template <typename Parse>
Database Database::Run(const ParseOptions &options, Parse parse) {
    Database database;
    database.context_ = std::make_unique<ParseContext>(SinkFor(options), options.workingCopyPath);
    database.context_->diagnostics.collected = &database.diagnostics_;
    database.status_ = parse(*database.context_);
    database.context_->diagnostics.collected = nullptr;
    return database;
}

Database Database::FromFile(std::string_view path, const ParseOptions &options) {
    const std::string file(path);
    Database database = Run(options, [&](ParseContext &ctx) { return ParseFile(ctx, file.c_str()); });
    hints::AttachHintsFromFile(file, database.diagnostics_);
    return database;
}

Database Database::FromBuffer(std::string_view bytes, const ParseOptions &options,
                              std::string_view name) {
    const std::string label(name);
    Database database = Run(options, [&](ParseContext &ctx) { return ParseBytes(ctx, bytes, label.c_str()); });
    hints::AttachHints(bytes, database.diagnostics_);
    return database;
}

ComponentView Database::component() const { return ComponentView(context_->state.componentList); }

List<GroupView> Database::topLevelGroups() const { return List<GroupView>(context_->state.topGroupList); }

Text Database::language() const { return Text(context_->state.language); }

std::vector<uint32_t> Database::groupIds() const { return GroupIds(*context_, nullptr, 0); }

std::vector<unsigned char> Database::groupData(uint32_t id, std::string_view className,
                                               const AttributeFilter &attributeIds) const {
    return DataBlock(*context_, GroupData, id, className, attributeIds);
}

std::vector<unsigned char> Database::tableData(uint32_t id, std::string_view className,
                                               const AttributeFilter &attributeIds) const {
    return DataBlock(*context_, TableData, id, className, attributeIds);
}

std::vector<unsigned char> Database::groupDataOfClass(std::string_view className,
                                                      const AttributeFilter &attributeIds) const {
    return groupData(0, Utf8ToLiteral(className), attributeIds);
}

std::vector<unsigned char> Database::tableDataOfClass(std::string_view className,
                                                      const AttributeFilter &attributeIds) const {
    return tableData(0, Utf8ToLiteral(className), attributeIds);
}

}  // namespace mifkit
