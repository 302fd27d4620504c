#include "generate/generation.h"

#include <optional>

#include "generate/command.h"
#include "generate/ini_settings.h"
#include "generate/name_list.h"
#include "platform/file_search.h"

namespace mifkit {

namespace {

bool IsNever(const std::string &refresh) {
    static const char kNever[] = "never";
    if (refresh.size() != sizeof kNever - 1) return false;
    for (size_t i = 0; i < refresh.size(); ++i) {
        char c = refresh[i];
        if ((c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c) != kNever[i]) return false;
    }
    return true;
}

// The first section whose file name is `fileName`, byte for byte.
std::optional<std::string> SectionOfFile(const char *iniFile, const std::string &fileName) {
    for (const std::string &section : IniSectionNames(iniFile))
        if (MifFileNameOf(iniFile, section.c_str()) == fileName) return section;
    return std::nullopt;
}

// Runs the file's command when it is due; true when the name stays.
bool BringUpToDate(const char *iniFile, const std::string &fileName,
                   const std::function<void(const CommandRun &)> &onRun) {
    bool existed = platform::FileExists(fileName.c_str());
    std::optional<std::string> refresh, command;
    if (std::optional<std::string> section = SectionOfFile(iniFile, fileName)) {
        refresh = IniValue(iniFile, section->c_str(), "refresh");
        command = IniValue(iniFile, section->c_str(), "command");
    }
    if (existed && refresh && IsNever(*refresh)) return true;
    if (!command) return existed;
    int status = RunCommandLine(command->c_str());
    if (onRun && !command->empty()) onRun(CommandRun{fileName, *command, status});
    // A file that existed stays even when its command could not be started.
    return existed || (status == 0 && platform::FileExists(fileName.c_str()));
}

}  // namespace

std::string GenerateMifFiles(const char *iniFile, const char *section,
                             const std::function<void(const CommandRun &)> &onRun) {
    std::string list = MifFileNameList(iniFile, section);
    for (size_t offset = 0; offset + 1 < list.size();) {
        std::string fileName(NameAt(list, offset));
        if (BringUpToDate(iniFile, fileName, onRun))
            offset += fileName.size() + 1;
        else
            DropName(list, offset);
    }
    return list;
}

}  // namespace mifkit
