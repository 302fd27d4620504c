#include "hints/repair.h"

#include <algorithm>
#include <limits>

namespace mifkit::hints {

namespace {

// Enough for every quote pair of a hand-written file; a bound in case two
// fixes ever undo each other.
constexpr int kMaxRounds = 1000;

// How far a parse got: the line of its first diagnostic, or past every line
// when it parsed clean.
uint64_t Progress(const Database &database) {
    if (database.ok()) return std::numeric_limits<uint64_t>::max();
    return database.diagnostics().empty() ? 0 : database.diagnostics().front().sourceLine;
}

const Diagnostic *FirstFixable(const Database &database) {
    const auto &diagnostics = database.diagnostics();
    auto found = std::find_if(diagnostics.begin(), diagnostics.end(),
                              [](const Diagnostic &d) { return d.fix.has_value(); });
    return found == diagnostics.end() ? nullptr : &*found;
}

}  // namespace

std::string ApplyFix(std::string_view source, const Fix &fix) {
    const size_t offset = std::min<uint64_t>(fix.offset, source.size());
    const size_t length = std::min<uint64_t>(fix.length, source.size() - offset);
    std::string out(source.substr(0, offset));
    out += fix.replacement;
    out += source.substr(offset + length);
    return out;
}

Repair RepairSource(std::string_view source) {
    Repair repair{std::string(source), {}};
    Database current = Database::FromBuffer(repair.source);
    for (int round = 0; round < kMaxRounds && !current.ok(); ++round) {
        const Diagnostic *fixable = FirstFixable(current);
        if (fixable == nullptr) break;
        std::string next = ApplyFix(repair.source, *fixable->fix);
        if (next == repair.source) break;
        Database attempt = Database::FromBuffer(next);
        if (Progress(attempt) < Progress(current)) break;
        repair.changes.push_back({fixable->sourceLine, fixable->fix->description});
        repair.source = std::move(next);
        current = std::move(attempt);
    }
    return repair;
}

}  // namespace mifkit::hints
