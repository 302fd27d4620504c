// The C interface of MIF generation: thin wrappers that keep C++ exceptions
// (only exhausted memory) from crossing into the host.
#include <cstring>
#include <string>

#include "generate/command.h"
#include "generate/generation.h"
#include "generate/ini_settings.h"
#include "mifkit.h"

extern "C" {

MIFKIT_API int MIFKIT_CALL GetINIString(const char *section, const char *key, const char *iniFile, char **out) {
    try {
        return mifkit::ReadIniString(section, key, iniFile, out);
    } catch (...) {
        return section == nullptr && key == nullptr ? -1 : 0;
    }
}

MIFKIT_API int MIFKIT_CALL GetMIFFilename(const char *iniFile, const char *section, char *buffer) {
    try {
        std::string list = mifkit::MifFileNameList(iniFile, section);
        if (buffer != nullptr) std::memcpy(buffer, list.data(), list.size());
        return static_cast<int>(list.size());
    } catch (...) {
        return 0;
    }
}

MIFKIT_API void MIFKIT_CALL GenerateMIFFile(const char *iniFile, const char *section, char *nameList) {
    if (nameList == nullptr) return;
    try {
        // The buffer's size is not passed: the list is built here and only
        // ever shrinks, so no more than GetMIFFilename's length is written,
        // whatever the commands do to the INI file meanwhile.
        std::string list = mifkit::GenerateMifFiles(iniFile, section);
        std::memcpy(nameList, list.data(), list.size());
    } catch (...) {
    }
}

MIFKIT_API int MIFKIT_CALL ExecuteCommand(const char *commandLine) {
    try {
        return mifkit::RunCommandLine(commandLine);
    } catch (...) {
        return 1;
    }
}

}  // extern "C"
