// `mifkit fix`: applies the mechanical repairs the hints offer.
#pragma once

#include <string>
#include <vector>

namespace mifkit::tool {

struct FixOptions {
    bool dryRun = false;  // print the diff, write nothing
    bool backup = false;  // keep the original as FILE.bak
};

// Repairs each file in place, atomically and keeping its permissions; a link
// is followed and its target replaced. 1 when any file could not be
// improved or written (then it is left untouched), else 0.
int RunFix(const std::vector<std::string> &files, const FixOptions &options);

}  // namespace mifkit::tool
