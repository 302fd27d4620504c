#ifndef _WIN32

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

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

uint32_t CopyText(std::string_view text, char *buffer, uint32_t size) {
    uint32_t count = static_cast<uint32_t>(std::min<size_t>(text.size(), size - 1));
    if (count > 0) std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return count;
}

// A value as the reader gives it: up to a NUL, without one pair of
// enclosing quotes.
std::string ValueText(std::string_view value) {
    value = value.substr(0, value.find('\0'));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
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

// A name with its ASCII capitals lowered: the names that compare equal
// without regard to case have one folded form.
std::string Folded(std::string_view name) {
    std::string folded(name);
    for (char &c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
    return folded;
}

// The file's text; a file that cannot be read is an empty one, as on Windows.
std::string ReadProfileText(const char *fileName) {
    std::string text;
    if (fileName == nullptr || !ReadWholeFile(fileName, text, std::numeric_limits<size_t>::max()))
        text.clear();
    return text;
}

// The file read once and indexed: its section names, and the key lines of
// the first section of each name, which is the one every lookup finds.
struct IndexedProfile {
    std::string text;
    std::string sectionNames;  // each ended by a NUL; empty names left out
    std::vector<std::vector<IniLine>> sections;
    std::unordered_map<std::string, size_t> firstSection;

    explicit IndexedProfile(std::string fileText) : text(std::move(fileText)) {
        std::vector<IniLine> *keys = nullptr;
        ForEachLine(text, [&](const IniLine &line) {
            if (!line.isHeader) {
                if (keys != nullptr) keys->push_back(line);
                return true;
            }
            // An empty name would end the list early.
            if (!line.name.empty()) AppendName(sectionNames, line.name);
            keys = nullptr;
            if (firstSection.emplace(Folded(line.name), sections.size()).second) {
                sections.emplace_back();
                keys = &sections.back();
            }
            return true;
        });
    }

    // What GetProfileString answers, whole; `isList` when it is a list of
    // names, each ended by a NUL.
    std::string Look(const char *section, const char *key, const char *defaultValue, bool &isList) const {
        isList = section == nullptr;
        if (isList) return sectionNames;
        auto found = firstSection.find(Folded(section));
        if (found != firstSection.end()) {
            const std::vector<IniLine> &lines = sections[found->second];
            if (key == nullptr && !lines.empty()) {
                isList = true;
                std::string list;
                for (const IniLine &line : lines) AppendName(list, line.name);
                return list;
            }
            if (key != nullptr)
                for (const IniLine &line : lines)
                    if (SameName(line.name, key)) return ValueText(line.value);
        }
        return defaultValue == nullptr ? "" : defaultValue;
    }
};

}  // namespace

struct Profile::Source : IndexedProfile {
    using IndexedProfile::IndexedProfile;
};

uint32_t GetProfileString(const char *section, const char *key, const char *defaultValue,
                          char *buffer, uint32_t size, const char *fileName) {
    if (buffer == nullptr || size == 0) return 0;
    bool isList = false;
    std::string answer = IndexedProfile(ReadProfileText(fileName)).Look(section, key, defaultValue, isList);
    return isList ? CopyList(std::move(answer), buffer, size) : CopyText(answer, buffer, size);
}

Profile::Profile(const char *fileName) : source_(std::make_unique<Source>(ReadProfileText(fileName))) {}

Profile::~Profile() = default;

std::string Profile::Get(const char *section, const char *key, const char *defaultValue) const {
    bool isList = false;
    return source_->Look(section, key, defaultValue, isList);
}

}  // namespace mifkit::platform

#endif
