#include "generate/ini_settings.h"

#include <cstring>

#include "generate/name_list.h"

namespace mifkit {

IniSettings::IniSettings(const char *iniFile) {
    if (iniFile != nullptr) profile_.emplace(iniFile);
}

std::optional<std::string> IniSettings::Value(const char *section, const char *key) const {
    if (!profile_) return std::nullopt;
    bool sectionNames = section == nullptr && key == nullptr;
    std::string text = profile_->Get(section, key, kIniNotFound);
    // No default is copied into the list of section names: an empty list is
    // the absent one.
    if (std::strcmp(text.c_str(), kIniNotFound) == 0 || (sectionNames && text.empty()))
        return std::nullopt;
    if (sectionNames) text.pop_back();
    return text;
}

std::vector<std::string> IniSettings::SectionNames() const {
    // The list's length stops short of the last name's NUL; the walk ends there.
    std::optional<std::string> list = Value(nullptr, nullptr);
    return list ? NameListNames(*list) : std::vector<std::string>();
}

std::string IniSettings::MifFileNameOf(const char *section) const {
    std::optional<std::string> name = Value(section, "filename");
    // An empty name would end the list early while its length still counted
    // the names after it.
    return name && !name->empty() ? *name : std::string(section);
}

std::string IniSettings::MifFileNameList(const char *section) const {
    if (section != nullptr) return MakeNameList({MifFileNameOf(section)});
    std::vector<std::string> names = SectionNames();
    if (names.empty()) return {};
    for (std::string &name : names) name = MifFileNameOf(name.c_str());
    return MakeNameList(names);
}

}  // namespace mifkit
