// The INI file that describes generated MIF files: one section per file, with
// its `filename`, the `command` that writes it and its `refresh` policy.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/profile_strings.h"

namespace mifkit {

// The default handed to the profile reader: a result equal to it means that
// the section or key is absent.
inline constexpr char kIniNotFound[] = "__ERROR_NOT_FOUND__";

// The INI file of one operation, read once.
class IniSettings {
public:
    // A null name is a file without sections.
    explicit IniSettings(const char *iniFile);

    // GetINIString's answer: the value of `key` in `section`; with a null
    // `key` the section's key names, with a null `section` the section
    // names, each ended by a NUL (the last name's NUL left out of the list
    // of sections). Nullopt when there is none.
    std::optional<std::string> Value(const char *section, const char *key) const;

    // The names of the sections, in file order.
    std::vector<std::string> SectionNames() const;

    // The MIF file that a section stands for: its `filename`, or the
    // section's own name when that is absent or empty.
    std::string MifFileNameOf(const char *section) const;

    // GetMIFFilename's name list: the file of `section`, or of every section
    // when it is null. Empty when `section` is null and there are no
    // sections.
    std::string MifFileNameList(const char *section) const;

private:
    std::optional<platform::Profile> profile_;
};

}  // namespace mifkit
