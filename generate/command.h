// Running the command that writes a MIF file.
#pragma once

namespace mifkit {

// ExecuteCommand: runs `commandLine` as a separate process and waits until
// it has ended. 0 when it ran, and when the line is null or empty (nothing
// is run); 1 when the process could not be started. The program's own exit
// status is not looked at.
int RunCommandLine(const char *commandLine);

}  // namespace mifkit
