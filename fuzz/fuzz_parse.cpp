// Any bytes as a MIF source, through the whole parse: nothing may crash,
// overrun, hang or leak, a failed parse must say why, and the first bytes
// of the input, read as a pool-fault position, make allocations fail at
// every site in turn.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "driver/parse_driver.h"
#include "mifkit/parser.h"
#include "mifkit/writer.h"

namespace {

// A file that parses must come back from the writer as the same database:
// the same groups and tables with the same data blocks, and the same text
// when written again.
void CheckRoundTrip(const mifkit::Database &database) {
    std::string written = mifkit::WriteMif(database);
    mifkit::Database again = mifkit::Database::FromBuffer(written);
    if (!again.ok() || again.groupIds().size() != database.groupIds().size()) std::abort();
    for (uint32_t id : database.groupIds())
        if (again.groupData(id) != database.groupData(id) || again.tableData(id) != database.tableData(id))
            std::abort();
    if (mifkit::WriteMif(again) != written) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string_view source(reinterpret_cast<const char *>(data), size);
    mifkit::Database database = mifkit::Database::FromBuffer(source);
    // A failure without a line is allowed only where no message applies:
    // a refused source or the checks that report nothing.
    if (database.status() == 0 && !database.diagnostics().empty()) std::abort();
    if (database.ok()) CheckRoundTrip(database);

    // The same source with the pool failing once, part-way through.
    if (size > 2 && data[0] == 'F') {
        mifkit::ParseContext ctx([](std::string_view) {});
        ctx.pool.SimulateFault(1 + data[1] % 64);
        std::string bytes(source.substr(2));
        int status = mifkit::ParseBytes(ctx, bytes);
        if (status == 0 && ctx.pool.FailureCount() != 0) std::abort();
    }
    return 0;
}
