// Mechanical repairs: a diagnostic's fix applied to the source, one parse at
// a time, kept only while the source parses at least as far as before.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mifkit/parser.h"

namespace mifkit::hints {

// The source with `fix`'s range replaced.
std::string ApplyFix(std::string_view source, const Fix &fix);

struct Change {
    uint32_t line = 0;  // the diagnostic's source line, 0 for the whole file
    std::string description;
};

struct Repair {
    std::string source;           // the repaired bytes
    std::vector<Change> changes;  // what was changed, in order; empty: nothing could be
};

// Repeats: parse, apply the first fix offered, until the source parses, no
// fix is offered, or a fix would make it parse less far.
Repair RepairSource(std::string_view source);

}  // namespace mifkit::hints
