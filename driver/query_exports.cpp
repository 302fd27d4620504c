// The query exports of the C interface, on the process-wide parser.
#include <cstdlib>

#include "driver/process_parser.h"
#include "mifkit.h"
#include "query/queries.h"

extern "C" {

MIFKIT_API int MIFKIT_CALL GetGroups(const void *componentName, int componentNameLength, unsigned int *ids) {
    return mifkit::QueryGroups(mifkit::ProcessParser(), componentName, componentNameLength, ids);
}

MIFKIT_API int MIFKIT_CALL GetGroupData(const void *componentName, int componentNameLength,
                                        unsigned int groupId, const void *className, int classNameLength,
                                        const unsigned int *attributeIds, void *buffer) {
    return mifkit::QueryGroupData(mifkit::ProcessParser(), componentName, componentNameLength, groupId,
                                  className, classNameLength, attributeIds, buffer);
}

MIFKIT_API int MIFKIT_CALL GetTableData(const void *componentName, int componentNameLength,
                                        unsigned int tableId, const void *className, int classNameLength,
                                        const unsigned int *attributeIds, void *buffer) {
    return mifkit::QueryTableData(mifkit::ProcessParser(), componentName, componentNameLength, tableId,
                                  className, classNameLength, attributeIds, buffer);
}

MIFKIT_API void MIFKIT_CALL FreeTableData(void *block) { std::free(block); }

}  // extern "C"
