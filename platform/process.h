// Running a command line as a separate process, as CreateProcessA runs one.
#pragma once

namespace mifkit::platform {

// Starts the program that `commandLine` names (program and arguments as a
// Windows command line gives them) with the caller's environment and current
// directory and no handles but the standard ones, and waits until it has
// ended. False when it could not be started; the process is always reaped.
bool RunCommand(const char *commandLine);

}  // namespace mifkit::platform
