// The writer's promise, checked: a file that parses is written as one that
// parses to the same database.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "mifkit/parser.h"
#include "mifkit/writer.h"
#include "json/database_json.h"

namespace mifkit::test {

inline std::string DumpOf(const Database &database) {
    return DatabaseJson(database).dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

inline std::string DiagnosticsOf(const Database &database) {
    std::string text;
    for (const Diagnostic &d : database.diagnostics()) text += d.text;
    return text;
}

// The same dump and the same data block for every group and table.
inline void ExpectSameDatabase(const Database &a, const Database &b, const std::string &context) {
    EXPECT_EQ(DumpOf(a), DumpOf(b)) << context;
    std::vector<uint32_t> ids = a.groupIds(), otherIds = b.groupIds();
    std::sort(ids.begin(), ids.end());
    std::sort(otherIds.begin(), otherIds.end());
    EXPECT_EQ(ids, otherIds) << context;
    for (uint32_t id : ids) {
        EXPECT_EQ(a.groupData(id), b.groupData(id)) << "group " << id << "\n" << context;
        EXPECT_EQ(a.tableData(id), b.tableData(id)) << "table " << id << "\n" << context;
    }
}

// Writes `source`'s database and reads it back; returns the text written.
// Writing that again changes nothing.
inline std::string ExpectRoundTrip(const std::string &source, const WriteOptions &options = {}) {
    Database first = Database::FromBuffer(source);
    EXPECT_TRUE(first.ok()) << DiagnosticsOf(first);
    std::string written = WriteMif(first, options);
    Database second = Database::FromBuffer(written);
    EXPECT_TRUE(second.ok()) << DiagnosticsOf(second) << written;
    ExpectSameDatabase(first, second, written);
    EXPECT_EQ(written, WriteMif(second, options));
    return written;
}

}  // namespace mifkit::test
