#include "tools/check_report.h"

#include "core/message_catalogue.h"

namespace mifkit::tool {

namespace {

// A message without a line (a file that cannot be read) names the file alone.
std::string Where(const std::string &file, const Diagnostic &d) {
    std::string where = file + ":";
    if (d.sourceLine != 0) where += std::to_string(d.sourceLine) + ":";
    return where;
}

}  // namespace

std::string MessageText(const Diagnostic &d) {
    const MessageEntry &entry = LookUpMessage(d.message);
    std::string text = entry.text != nullptr ? entry.text : "Unknown error code " + std::to_string(d.message);
    if (d.third != 0) text += " (ID " + std::to_string(d.third) + ")";
    return text;
}

std::string FormatGnuDiagnostic(const std::string &file, const Diagnostic &d) {
    std::string text = MessageText(d);
    if (!d.readableToken.empty()) text += " near \"" + d.readableToken + "\"";
    return Where(file, d) + " error: " + text + " [DMI0" + std::to_string(d.message) + "]\n";
}

std::string FormatHint(const Diagnostic &d) { return d.hint ? "  hint: " + *d.hint + "\n" : std::string(); }

std::string FormatGnuHint(const std::string &file, const Diagnostic &d) {
    return d.hint ? Where(file, d) + " note: " + *d.hint + "\n" : std::string();
}

}  // namespace mifkit::tool
