#include "tools/check_report.h"

#include "core/message_catalogue.h"

namespace mifkit::tool {

std::string FormatGnuDiagnostic(const std::string &file, const Diagnostic &d) {
    const MessageEntry &entry = LookUpMessage(d.message);
    std::string text = entry.text != nullptr ? entry.text : "Unknown error code " + std::to_string(d.message);
    if (d.third != 0) text += " (ID " + std::to_string(d.third) + ")";
    if (!d.readableToken.empty()) text += " near \"" + d.readableToken + "\"";
    // A message without a line (a file that cannot be read) names the file alone.
    std::string where = file + ":";
    if (d.sourceLine != 0) where += std::to_string(d.sourceLine) + ":";
    return where + " error: " + text + " [DMI0" + std::to_string(d.message) + "]\n";
}

}  // namespace mifkit::tool
