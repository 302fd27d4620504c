// `mifkit check`: parses files on several threads and prints what each one
// gives in the order the files were named.
#pragma once

#include <string>
#include <vector>

namespace mifkit::tool {

struct CheckOptions {
    bool gnu = false;               // FILE:LINE: error: lines instead of the library's
    bool writeWorkingCopy = false;  // temp.mif in the current directory (one file at a time)
    unsigned jobs = 0;              // parsers at once; 0: one per core
    std::string format = "text";    // text, json (a line per diagnostic) or sarif (one log)
};

// Prints each file's diagnostic lines, each with its hint, on stdout (or all
// of them as JSON lines or one SARIF log) and a line for each failed file on
// stderr; returns 1 when any file failed, else 0.
int RunCheck(const std::vector<std::string> &files, const CheckOptions &options);

}  // namespace mifkit::tool
