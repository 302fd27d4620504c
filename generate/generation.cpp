#include "generate/generation.h"

#include <optional>
#include <unordered_map>

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

// The first section of each file name, byte for byte.
std::unordered_map<std::string, std::string> SectionsByFile(const IniSettings &settings) {
    std::unordered_map<std::string, std::string> sections;
    for (std::string &section : settings.SectionNames())
        sections.emplace(settings.MifFileNameOf(section.c_str()), std::move(section));
    return sections;
}

// Runs the file's command when it is due; true when the name stays.
bool BringUpToDate(const IniSettings &settings, const std::string *section, const std::string &fileName,
                   const std::function<void(const CommandRun &)> &onRun) {
    bool existed = platform::FileExists(fileName.c_str());
    std::optional<std::string> refresh, command;
    if (section != nullptr) {
        refresh = settings.Value(section->c_str(), "refresh");
        command = settings.Value(section->c_str(), "command");
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
    // Read once: the commands run here cannot change what this pass reads.
    const IniSettings settings(iniFile);
    std::string list = settings.MifFileNameList(section);
    const std::unordered_map<std::string, std::string> sections = SectionsByFile(settings);
    for (size_t offset = 0; offset + 1 < list.size();) {
        std::string fileName(NameAt(list, offset));
        auto found = sections.find(fileName);
        if (BringUpToDate(settings, found != sections.end() ? &found->second : nullptr, fileName, onRun))
            offset += fileName.size() + 1;
        else
            DropName(list, offset);
    }
    return list;
}

}  // namespace mifkit
