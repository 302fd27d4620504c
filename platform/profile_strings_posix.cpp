#ifndef _WIN32

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "platform/file_io.h"
#include "platform/profile_strings.h"

namespace mifkit::platform {

namespace {

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view Trim(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y && !(x >= 'A' && x <= 'Z' && x + 32 == y) && !(y >= 'A' && y <= 'Z' && y + 32 == x))
            return false;
    }
    return true;
}

// One line that carries meaning: a section header (`isHeader`, `name` the
// section's name) or a "key = value" line of the current section.
struct IniLine {
    bool isHeader = false;
    std::string_view name;
    std::string_view value;
};

// Calls `handler` with every header and key line in file order until it
// returns false. Blank lines, comments, lines without '=' and lines before
// the first header carry nothing.
template <class Handler>
void ForEachLine(std::string_view text, Handler handler) {
    bool inSection = false;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            inSection = true;
            if (!handler(IniLine{true, Trim(line.substr(1, close - 1)), {}})) return;
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos) continue;
        std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) continue;
        if (!handler(IniLine{false, key, Trim(line.substr(equals + 1))})) return;
    }
}

// Calls `handler` with the key lines of the first section named `section`.
template <class Handler>
void ForEachKeyOf(std::string_view text, std::string_view section, Handler handler) {
    bool inside = false;
    ForEachLine(text, [&](const IniLine &line) {
        if (line.isHeader) {
            if (inside) return false;
            inside = SameName(line.name, section);
            return true;
        }
        return !inside || handler(line);
    });
}

uint32_t CopyText(std::string_view text, char *buffer, uint32_t size) {
    uint32_t count = static_cast<uint32_t>(std::min<size_t>(text.size(), size - 1));
    if (count > 0) std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

uint32_t CopyValue(std::string_view value, char *buffer, uint32_t size) {
    value = value.substr(0, value.find('\0'));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return CopyText(value, buffer, size);
}

// `list` holds every name with its NUL; the final NUL is added here. A list
// cut short ends in two NULs.
uint32_t CopyList(std::string list, char *buffer, uint32_t size) {
    list += '\0';
    if (list.size() <= size) {
        std::memcpy(buffer, list.data(), list.size());
        return static_cast<uint32_t>(list.size() - 1);
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = buffer[size - 1] = '\0';
    return size - 2;
}

void AppendName(std::string &list, std::string_view name) {
    list.append(name.substr(0, name.find('\0')));
    list += '\0';
}

}  // namespace

uint32_t GetProfileString(const char *section, const char *key, const char *defaultValue,
                          char *buffer, uint32_t size, const char *fileName) {
    if (buffer == nullptr || size == 0) return 0;
    std::string text;
    // A file that cannot be read is an empty one, as on Windows.
    if (fileName == nullptr || !ReadWholeFile(fileName, text, std::numeric_limits<size_t>::max()))
        text.clear();
    std::string list;
    if (section == nullptr) {
        ForEachLine(text, [&](const IniLine &line) {
            // An empty name would end the list early.
            if (line.isHeader && !line.name.empty()) AppendName(list, line.name);
            return true;
        });
        return CopyList(std::move(list), buffer, size);
    }
    if (key == nullptr) {
        ForEachKeyOf(text, section, [&](const IniLine &line) {
            AppendName(list, line.name);
            return true;
        });
        if (!list.empty()) return CopyList(std::move(list), buffer, size);
    } else {
        bool found = false;
        uint32_t count = 0;
        ForEachKeyOf(text, section, [&](const IniLine &line) {
            found = SameName(line.name, key);
            if (found) count = CopyValue(line.value, buffer, size);
            return !found;
        });
        if (found) return count;
    }
    return CopyText(defaultValue == nullptr ? "" : defaultValue, buffer, size);
}

}  // namespace mifkit::platform

#endif
