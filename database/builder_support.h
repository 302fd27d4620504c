// Shared by the builder operations: record allocation and the refusal that
// prints a message and hands back a status.
#pragma once

#include <cstdint>

#include "driver/diagnostics.h"
#include "driver/parse_context.h"

namespace mifkit {

constexpr uint32_t kMemoryFaultMessage = 220;

// A zero-filled record from the pool, or null when it is exhausted.
template <typename Record>
Record *NewRecord(ParseContext &ctx) {
    return static_cast<Record *>(ctx.pool.Allocate(sizeof(Record)));
}

// Prints `message` at the current token and returns `status`.
inline int Refuse(ParseContext &ctx, uint32_t message, int status, uint32_t third = 0) {
    ReportAtToken(ctx, message, third);
    return status;
}

inline int MemoryFault(ParseContext &ctx, int status) {
    return Refuse(ctx, kMemoryFaultMessage, status);
}

}  // namespace mifkit
