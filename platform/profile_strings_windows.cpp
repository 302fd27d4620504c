#ifdef _WIN32

#include <windows.h>
// windows.h maps GetProfileString to the system's GetProfileStringA.
#undef GetProfileString

#include <limits>

#include "platform/profile_strings.h"

namespace mifkit::platform {

uint32_t GetProfileString(const char *section, const char *key, const char *defaultValue,
                          char *buffer, uint32_t size, const char *fileName) {
    return GetPrivateProfileStringA(section, key, defaultValue, buffer, size, fileName);
}

// The system reads the file for every answer: its own reader decides what
// the file holds.
struct Profile::Source {
    std::string fileName;
    bool named = false;
};

Profile::Profile(const char *fileName) : source_(std::make_unique<Source>()) {
    source_->named = fileName != nullptr;
    if (fileName != nullptr) source_->fileName = fileName;
}

Profile::~Profile() = default;

std::string Profile::Get(const char *section, const char *key, const char *defaultValue) const {
    constexpr uint32_t kSizeStep = 256;
    const char *fileName = source_->named ? source_->fileName.c_str() : nullptr;
    // A list cut short counts two less than the size, a value one less.
    const uint32_t cutShort = section == nullptr || key == nullptr ? 2 : 1;
    std::string buffer;
    for (uint32_t size = kSizeStep; size <= std::numeric_limits<int32_t>::max(); size += kSizeStep) {
        buffer.assign(size, '\0');
        uint32_t count = GetProfileString(section, key, defaultValue, &buffer[0], size, fileName);
        if (count != size - cutShort) {
            buffer.resize(count);
            return buffer;
        }
    }
    return std::string();
}

}  // namespace mifkit::platform

#endif
