// The C interface of MIF generation: thin wrappers that keep C++ exceptions
// (only exhausted memory) from crossing into the host.
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "generate/command.h"
#include "generate/generation.h"
#include "generate/ini_settings.h"
#include "mifkit.h"

extern "C" {

MIFKIT_API int MIFKIT_CALL GetINIString(const char *section, const char *key, const char *iniFile, char **out) {
    if (out == nullptr) return 0;
    *out = nullptr;
    if (iniFile == nullptr) return 0;
    // Nothing found: -1 for the list of section names, else 0.
    const int none = section == nullptr && key == nullptr ? -1 : 0;
    try {
        std::optional<std::string> value = mifkit::IniSettings(iniFile).Value(section, key);
        if (!value || value->size() > static_cast<size_t>(std::numeric_limits<int>::max())) return none;
        // A list ends in two NULs: its last name's and the list's own.
        auto *copy = static_cast<char *>(std::malloc(value->size() + 2));
        if (copy == nullptr) return none;
        std::memcpy(copy, value->data(), value->size());
        copy[value->size()] = copy[value->size() + 1] = '\0';
        *out = copy;
        return static_cast<int>(value->size());
    } catch (...) {
        return none;
    }
}

MIFKIT_API int MIFKIT_CALL GetMIFFilename(const char *iniFile, const char *section, char *buffer) {
    try {
        std::string list = mifkit::IniSettings(iniFile).MifFileNameList(section);
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
