#include "tools/fix_command.h"

#include <cstdio>
#include <filesystem>

#include "hints/repair.h"
#include "hints/source_text.h"
#include "platform/file_io.h"
#include "tools/line_diff.h"

namespace mifkit::tool {

namespace {

namespace fs = std::filesystem;

// Larger than any MIF file a person writes by hand.
constexpr size_t kMaxFileBytes = 64u << 20;

void Print(const std::string &text) { std::fwrite(text.data(), 1, text.size(), stdout); }

bool Fail(const std::string &file, const char *why) {
    std::fprintf(stderr, "%s: %s; left as it is\n", file.c_str(), why);
    return false;
}

// The text as a person reads it, whatever the file's encoding.
std::string Readable(const std::string &bytes) {
    hints::SourceText text(bytes);
    return text.Utf8(0, text.size());
}

// The file the name stands for: a link's target, so that the link stays.
bool Target(const std::string &file, fs::path &target) {
    std::error_code error;
    target = fs::canonical(file, error);
    return !error;
}

bool Writable(const fs::path &target) {
    std::error_code error;
    const fs::perms perms = fs::status(target, error).permissions();
    return !error && (perms & fs::perms::owner_write) != fs::perms::none;
}

bool FixFile(const std::string &file, const FixOptions &options) {
    fs::path target;
    std::string original;
    if (!Target(file, target) || !platform::ReadWholeFile(target.string().c_str(), original, kMaxFileBytes))
        return Fail(file, "cannot be read");
    const hints::Repair repair = hints::RepairSource(original);
    if (repair.changes.empty()) return Fail(file, "no mechanical fix improves it");
    for (const hints::Change &change : repair.changes)
        Print(file + ":" + (change.line != 0 ? std::to_string(change.line) + ":" : "") + " " +
              change.description + "\n");
    if (options.dryRun) {
        Print(LineDiff(file, Readable(original), Readable(repair.source)));
        return true;
    }
    if (!Writable(target)) return Fail(file, "is read-only");
    const std::string backup = target.string() + ".bak";
    if (options.backup && !platform::WriteFileAtomically(backup.c_str(), original))
        return Fail(file, "cannot write its backup");
    if (!platform::ReplaceFileAtomically(target.string().c_str(), repair.source))
        return Fail(file, "cannot be written");
    return true;
}

}  // namespace

int RunFix(const std::vector<std::string> &files, const FixOptions &options) {
    bool allFixed = true;
    for (const std::string &file : files) allFixed = FixFile(file, options) && allFixed;
    return allFixed ? 0 : 1;
}

}  // namespace mifkit::tool
