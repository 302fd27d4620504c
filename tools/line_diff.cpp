#include "tools/line_diff.h"

#include <vector>

namespace mifkit::tool {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        size_t end = text.find('\n');
        if (end == std::string_view::npos) end = text.size() - 1;
        lines.push_back(text.substr(0, end + 1));
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string Range(size_t first, size_t count) {
    return std::to_string(count == 0 ? first : first + 1) + (count == 1 ? "" : "," + std::to_string(count));
}

std::string Hunk(const std::vector<std::string_view> &before, const std::vector<std::string_view> &after,
                 size_t first, size_t beforeEnd, size_t afterEnd) {
    std::string hunk = "@@ -" + Range(first, beforeEnd - first) + " +" + Range(first, afterEnd - first) + " @@\n";
    for (size_t i = first; i < beforeEnd; ++i) hunk += "-" + std::string(before[i]);
    for (size_t i = first; i < afterEnd; ++i) hunk += "+" + std::string(after[i]);
    if (hunk.back() != '\n') hunk += "\n\\ No newline at end of file\n";
    return hunk;
}

}  // namespace

std::string LineDiff(const std::string &name, std::string_view before, std::string_view after) {
    const std::vector<std::string_view> old = Lines(before), now = Lines(after);
    std::string diff = "--- " + name + "\n+++ " + name + " (fixed)\n";
    if (old.size() != now.size()) return diff + Hunk(old, now, 0, old.size(), now.size());
    for (size_t i = 0; i < old.size();) {
        if (old[i] == now[i]) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < old.size() && old[end] != now[end]) ++end;
        diff += Hunk(old, now, i, end, end);
        i = end;
    }
    return diff;
}

}  // namespace mifkit::tool
