#include "generate/ini_settings.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "generate/name_list.h"
#include "platform/profile_strings.h"

namespace mifkit {

namespace {

constexpr uint32_t kSizeStep = 256;

struct FreeDeleter {
    void operator()(char *block) const { std::free(block); }
};
using MallocBuffer = std::unique_ptr<char, FreeDeleter>;

}  // namespace

int32_t ReadIniString(const char *section, const char *key, const char *iniFile, char **out) {
    if (out == nullptr) return 0;
    *out = nullptr;
    if (iniFile == nullptr) return 0;
    bool sectionNames = section == nullptr && key == nullptr;
    // A list cut short reports two less than the size, a value one less.
    uint32_t cutShort = section == nullptr || key == nullptr ? 2 : 1;
    for (uint32_t size = kSizeStep; size <= std::numeric_limits<int32_t>::max(); size += kSizeStep) {
        MallocBuffer buffer(static_cast<char *>(std::malloc(size)));
        if (!buffer) break;
        // Some readers leave the list buffer untouched when there is no file.
        buffer.get()[0] = '\0';
        uint32_t count = platform::GetProfileString(section, key, kIniNotFound, buffer.get(), size, iniFile);
        if (count == size - cutShort) continue;
        // No default is copied into the list of section names: an empty list
        // is the absent one.
        if (std::strcmp(buffer.get(), kIniNotFound) == 0 || (sectionNames && count == 0)) break;
        *out = buffer.release();
        return sectionNames ? static_cast<int32_t>(count) - 1 : static_cast<int32_t>(count);
    }
    return sectionNames ? -1 : 0;
}

std::optional<std::string> IniValue(const char *iniFile, const char *section, const char *key) {
    char *text = nullptr;
    int32_t length = ReadIniString(section, key, iniFile, &text);
    MallocBuffer owner(text);
    if (!owner || length < 0) return std::nullopt;
    return std::string(text, static_cast<size_t>(length));
}

std::vector<std::string> IniSectionNames(const char *iniFile) {
    // The list's length stops short of the last name's NUL; the walk ends there.
    std::optional<std::string> list = IniValue(iniFile, nullptr, nullptr);
    return list ? NameListNames(*list) : std::vector<std::string>();
}

std::string MifFileNameOf(const char *iniFile, const char *section) {
    std::optional<std::string> name = IniValue(iniFile, section, "filename");
    // An empty name would end the list early while its length still counted
    // the names after it.
    return name && !name->empty() ? *name : std::string(section);
}

std::string MifFileNameList(const char *iniFile, const char *section) {
    if (section != nullptr) return MakeNameList({MifFileNameOf(iniFile, section)});
    std::vector<std::string> names = IniSectionNames(iniFile);
    if (names.empty()) return {};
    for (std::string &name : names) name = MifFileNameOf(iniFile, name.c_str());
    return MakeNameList(names);
}

}  // namespace mifkit
