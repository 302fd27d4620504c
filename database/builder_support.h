// Shared by the builder operations: record allocation and the refusal that
// prints a message and hands back a status.
#pragma once

#include <cstdint>

#include "core/diagnostics.h"
#include "core/parse_context.h"
#include "core/parse_status.h"

namespace mifkit {

// A zero-filled record from the pool, or null when it is exhausted.
template <typename Record>
Record *NewRecord(ParseContext &ctx) {
    return static_cast<Record *>(ctx.pool.Allocate(sizeof(Record)));
}

// Prints `message` at the current token and returns `status`.
inline int Refuse(ParseContext &ctx, Message message, int status, uint32_t third = 0) {
    ReportAtToken(ctx, message, third);
    return status;
}

inline int MemoryFault(ParseContext &ctx, int status) {
    return Refuse(ctx, Message::MemoryFault, status);
}

// A new record linked after `tail`, or made the list's `head` when there is
// no tail yet: the lists keep file order. When the pool is exhausted it
// reports Memory fault, leaves the list alone, sets `status` to the later or
// the first record's status and returns null.
template <typename Record>
Record *AppendRecord(ParseContext &ctx, Record *tail, Record *&head, int laterStatus, int firstStatus,
                     int &status) {
    auto *record = NewRecord<Record>(ctx);
    if (record == nullptr) {
        status = MemoryFault(ctx, tail != nullptr ? laterStatus : firstStatus);
        return nullptr;
    }
    (tail != nullptr ? tail->next : head) = record;
    return record;
}

}  // namespace mifkit
