#ifdef _WIN32

#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/process.h"

#ifdef _MSC_VER
#pragma comment(lib, "user32")
#endif

namespace mifkit::platform {

bool RunCommand(const char *commandLine) {
    if (commandLine == nullptr) return false;
    // CreateProcess may write into the command line it is given.
    std::vector<char> line(commandLine, commandLine + std::strlen(commandLine) + 1);
    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    // The caller's windows stay responsive while the command runs. The wake
    // mask is the one agents have always been given: keys, mouse, posted
    // messages, timers, paint and hot keys.
    constexpr DWORD kWakeMask = 0xBF;
    for (;;) {
        DWORD woke = MsgWaitForMultipleObjects(1, &process.hThread, FALSE, INFINITE, kWakeMask);
        // A failed wait would fail again at once: give up rather than spin.
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) break;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace mifkit::platform

#endif
