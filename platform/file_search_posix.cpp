#ifndef _WIN32

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <memory>
#include <string>
#include <string_view>

#include "platform/file_search.h"

namespace mifkit::platform {

bool FileExists(const char *name) {
    if (name == nullptr) return false;
    std::string_view path(name);
    size_t slash = path.rfind('/');
    std::string pattern(slash == std::string_view::npos ? path : path.substr(slash + 1));
    if (pattern.empty()) return false;
    if (pattern.find_first_of("*?") == std::string::npos) {
        // The search lists a directory entry: a dangling symlink is found too.
        struct stat info;
        return ::lstat(name, &info) == 0;
    }
    std::string directory = slash == std::string_view::npos ? "." : std::string(path.substr(0, slash + 1));
    std::unique_ptr<DIR, int (*)(DIR *)> listing(::opendir(directory.c_str()), ::closedir);
    if (!listing) return false;
    while (const dirent *entry = ::readdir(listing.get())) {
        // Windows knows no escapes: a backslash is an ordinary character.
        if (::fnmatch(pattern.c_str(), entry->d_name, FNM_NOESCAPE) == 0) return true;
    }
    return false;
}

}  // namespace mifkit::platform

#endif
