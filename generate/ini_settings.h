// The INI file that describes generated MIF files: one section per file, with
// its `filename`, the `command` that writes it and its `refresh` policy.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mifkit {

// The default handed to the profile reader: a result equal to it means that
// the section or key is absent.
inline constexpr char kIniNotFound[] = "__ERROR_NOT_FOUND__";

// GetINIString: `*out` receives a malloc'ed copy of the value of `key` in
// `section` (a name list when either is null), or null when there is none.
// Returns the value's length; for the list of section names (both null) one
// less than the list's characters without its final NUL, and -1 when the
// file has no sections; 0 when nothing was found or `iniFile` is null.
int32_t ReadIniString(const char *section, const char *key, const char *iniFile, char **out);

// The value, as ReadIniString reads it; nullopt when absent.
std::optional<std::string> IniValue(const char *iniFile, const char *section, const char *key);

// The names of the INI file's sections, in file order.
std::vector<std::string> IniSectionNames(const char *iniFile);

// The MIF file that a section stands for: its `filename`, or the section's
// own name when that is absent or empty.
std::string MifFileNameOf(const char *iniFile, const char *section);

// GetMIFFilename's name list: the file of `section`, or of every section when
// it is null. Empty when `section` is null and the file has no sections.
std::string MifFileNameList(const char *iniFile, const char *section);

}  // namespace mifkit
