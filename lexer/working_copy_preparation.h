#pragma once

#include <string_view>

#include "core/working_copy.h"

namespace mifkit {

struct ParseContext;

// Reads the source, detects its encoding and converts it into `copy`,
// printing the conversion's progress; also writes the copy to the context's
// working-copy path when it has one. Returns 0, 525 when a file cannot be
// read or written, or 11 for a byte-swapped UTF-16 source.
int PrepareWorkingCopy(ParseContext &ctx, const char *sourceName, WorkingCopy &copy);

// The same for source bytes already in memory; `sourceName` only names them
// in messages.
int PrepareWorkingCopyFromBytes(ParseContext &ctx, const char *sourceName, std::string_view source,
                                WorkingCopy &copy);

}  // namespace mifkit
