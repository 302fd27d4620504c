// INI values as the Windows profile API reads them: GetPrivateProfileStringA
// on Windows, our own reader elsewhere.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace mifkit::platform {

// Copies into `buffer` (`size` bytes) the value of `key` in `section` of the
// INI file `fileName`; with a null `section`, the names of all sections, and
// with a null `key`, the key names of `section`, each ended by a NUL with one
// more NUL after the last. An absent section or key (or a section without
// keys) copies `defaultValue`. Returns the count of characters copied
// without the final NUL: `size` - 1 for a value cut short, `size` - 2 for a
// list cut short.
//
// Our reader matches sections and keys without regard to case (the first
// match wins), trims blanks around keys and values, removes one pair of
// enclosing quotes from a value, skips lines starting with ';', reads a
// missing file as an empty one, and knows no line limit and no inline
// comments.
uint32_t GetProfileString(const char *section, const char *key, const char *defaultValue,
                          char *buffer, uint32_t size, const char *fileName);

// An INI file for an operation that reads many of its values: our reader
// reads the file once, when the profile is made; on Windows every answer
// still comes from GetPrivateProfileStringA.
class Profile {
public:
    explicit Profile(const char *fileName);
    ~Profile();
    Profile(const Profile &) = delete;
    Profile &operator=(const Profile &) = delete;

    // What GetProfileString copies, whole: the characters it counts, never
    // cut short (a list without its final NUL).
    std::string Get(const char *section, const char *key, const char *defaultValue) const;

private:
    struct Source;
    std::unique_ptr<Source> source_;
};

}  // namespace mifkit::platform
