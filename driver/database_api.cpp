// The C++ interface: a parser per Database, diagnostics collected as records.
#include <cstdio>

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

// Sizes the block, then writes it: the two calls of the C protocol.
template <typename Query>
std::vector<unsigned char> DataBlock(const ParseContext &ctx, Query query, uint32_t id,
                                     std::string_view className, const std::vector<uint32_t> *attributeIds) {
    const void *cls = className.empty() ? nullptr : className.data();
    const auto clsLength = static_cast<int32_t>(className.size());
    const std::vector<uint32_t> filter = attributeIds != nullptr ? Terminated(*attributeIds)
                                                                 : std::vector<uint32_t>();
    const uint32_t *ids = attributeIds != nullptr ? filter.data() : nullptr;
    int32_t size = query(ctx, nullptr, 0, id, cls, clsLength, ids, nullptr);
    std::vector<unsigned char> block(static_cast<size_t>(size));
    if (size != 0) query(ctx, nullptr, 0, id, cls, clsLength, ids, block.data());
    return block;
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

Database Database::FromFile(const std::string &path, const ParseOptions &options) {
    Database database = Run(options, [&](ParseContext &ctx) { return ParseFile(ctx, path.c_str()); });
    hints::AttachHintsFromFile(path, database.diagnostics_);
    return database;
}

Database Database::FromBuffer(std::string_view bytes, const ParseOptions &options,
                              const std::string &name) {
    Database database = Run(options, [&](ParseContext &ctx) { return ParseBytes(ctx, bytes, name.c_str()); });
    hints::AttachHints(bytes, database.diagnostics_);
    return database;
}

ComponentView Database::component() const { return ComponentView(context_->state.componentList); }

List<GroupView> Database::topLevelGroups() const { return List<GroupView>(context_->state.topGroupList); }

Text Database::language() const { return Text(context_->state.language); }

std::vector<uint32_t> Database::groupIds() const {
    std::vector<uint32_t> ids(static_cast<size_t>(QueryGroups(*context_, nullptr, 0, nullptr)));
    if (!ids.empty()) QueryGroups(*context_, nullptr, 0, ids.data());
    return ids;
}

std::vector<unsigned char> Database::groupData(uint32_t id, std::string_view className,
                                               const std::vector<uint32_t> *attributeIds) const {
    return DataBlock(*context_, QueryGroupData, id, className, attributeIds);
}

std::vector<unsigned char> Database::tableData(uint32_t id, std::string_view className,
                                               const std::vector<uint32_t> *attributeIds) const {
    return DataBlock(*context_, QueryTableData, id, className, attributeIds);
}

}  // namespace mifkit
