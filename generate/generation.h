// Bringing the MIF files that an INI file lists up to date by running their
// commands.
#pragma once

#include <functional>
#include <string>

namespace mifkit {

struct CommandRun {
    std::string fileName;  // the MIF file the command writes
    std::string command;
    int status;            // RunCommandLine's result: 0 ran, 1 not started
};

// GenerateMIFFile's pass: for each file of MifFileNameList(iniFile, section)
// runs its section's command when the file is missing, or when it exists and
// its `refresh` is not "NEVER" (in any case); then drops the names of the
// files that still do not exist. Returns the edited name list (empty when
// MifFileNameList is). `onRun`, when set, hears of every command run.
std::string GenerateMifFiles(const char *iniFile, const char *section,
                             const std::function<void(const CommandRun &)> &onRun = {});

}  // namespace mifkit
