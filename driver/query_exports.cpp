// The query exports of the C interface, on the process-wide parser: the C
// protocol of a count or size, and a copy into the caller's buffer when it
// gives one.
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "driver/process_parser.h"
#include "mifkit.h"
#include "query/queries.h"

namespace {

// The number of items, copied into `out` unless it is null; 0 when the
// number does not fit the C interface's int.
template <typename Item>
int CopyOut(const std::vector<Item> &items, void *out) {
    if (items.size() > static_cast<size_t>(std::numeric_limits<int>::max())) return 0;
    if (out != nullptr && !items.empty()) std::memcpy(out, items.data(), items.size() * sizeof(Item));
    return static_cast<int>(items.size());
}

// Runs a query; exhausted memory answers as nothing found, never reaching
// the host.
template <typename Query>
int Answer(Query query, void *out) {
    try {
        return CopyOut(query(), out);
    } catch (...) {
        return 0;
    }
}

// A data block of the process-wide parser's database, by the C protocol.
template <typename Query>
int DataBlock(Query query, const void *componentName, int componentNameLength, unsigned int id,
              const void *className, int classNameLength, const unsigned int *attributeIds, void *buffer) {
    return Answer(
        [&] {
            return query(mifkit::ProcessParser(), componentName, componentNameLength, id, className,
                         classNameLength, attributeIds);
        },
        buffer);
}

}  // namespace

extern "C" {

MIFKIT_API int MIFKIT_CALL GetGroups(const void *componentName, int componentNameLength, unsigned int *ids) {
    return Answer([&] { return mifkit::GroupIds(mifkit::ProcessParser(), componentName, componentNameLength); },
                  ids);
}

MIFKIT_API int MIFKIT_CALL GetGroupData(const void *componentName, int componentNameLength,
                                        unsigned int groupId, const void *className, int classNameLength,
                                        const unsigned int *attributeIds, void *buffer) {
    return DataBlock(mifkit::GroupData, componentName, componentNameLength, groupId, className, classNameLength,
                     attributeIds, buffer);
}

MIFKIT_API int MIFKIT_CALL GetTableData(const void *componentName, int componentNameLength,
                                        unsigned int tableId, const void *className, int classNameLength,
                                        const unsigned int *attributeIds, void *buffer) {
    return DataBlock(mifkit::TableData, componentName, componentNameLength, tableId, className, classNameLength,
                     attributeIds, buffer);
}

MIFKIT_API void MIFKIT_CALL FreeTableData(void *block) { std::free(block); }

}  // extern "C"
