#include "generate/command.h"

#include "platform/process.h"

namespace mifkit {

int RunCommandLine(const char *commandLine) {
    if (commandLine == nullptr || *commandLine == '\0') return 0;
    return platform::RunCommand(commandLine) ? 0 : 1;
}

}  // namespace mifkit
