#include "tools/machine_report.h"

#include <cctype>
#include <set>

#include "hints/unicode_text.h"
#include "tools/check_report.h"

namespace mifkit::tool {

namespace {

using json = nlohmann::ordered_json;

constexpr const char *kSarifSchema =
    "https://docs.oasis-open.org/sarif/sarif/v2.1.0/errata01/os/schemas/sarif-schema-2.1.0.json";

std::string Base64(const std::string &bytes) {
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[i + 2]);
        for (size_t k = 0; k < 4; ++k)
            out += i + k <= bytes.size() ? kDigits[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
    return out;
}

// Replacement bytes as JSON text when they read as such, else base64: a
// UTF-16 file's bytes are no UTF-8 text.
bool IsText(const std::string &bytes) {
    std::u32string decoded;
    return bytes.find('\0') == std::string::npos && hints::DecodeUtf8(bytes, decoded);
}

json FixJson(const std::optional<Fix> &fix) {
    if (!fix) return nullptr;
    json out = {{"offset", fix->offset}, {"length", fix->length}, {"description", fix->description}};
    if (IsText(fix->replacement)) out["replacement"] = fix->replacement;
    else out["replacementBase64"] = Base64(fix->replacement);
    return out;
}

std::string RuleId(const Diagnostic &d) { return "DMI0" + std::to_string(d.message); }

// A file name as a relative URI reference: '/' separators, and bytes other
// than unreserved ones percent-encoded.
std::string FileUri(const std::string &file) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string uri;
    for (char c : file) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') c = '/';
        if (std::isalnum(byte) || std::string_view("-._~/:").find(c) != std::string_view::npos) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

json SarifResult(const std::string &file, const Diagnostic &d) {
    std::string text = MessageText(d);
    if (!d.readableToken.empty()) text += " near \"" + d.readableToken + "\"";
    if (d.hint) text += "\nhint: " + *d.hint;
    json location = {{"artifactLocation", {{"uri", FileUri(file)}}}};
    if (d.sourceLine != 0) location["region"] = {{"startLine", d.sourceLine}};
    json result = {{"ruleId", RuleId(d)},
                   {"level", "error"},
                   {"message", {{"text", text}}},
                   {"locations", json::array({{{"physicalLocation", location}}})}};
    if (d.fix) {
        json content = IsText(d.fix->replacement) ? json{{"text", d.fix->replacement}}
                                                  : json{{"binary", Base64(d.fix->replacement)}};
        json replacement = {{"deletedRegion", {{"byteOffset", d.fix->offset}, {"byteLength", d.fix->length}}},
                            {"insertedContent", content}};
        json change = {{"artifactLocation", {{"uri", FileUri(file)}}}, {"replacements", json::array({replacement})}};
        json fix = {{"description", {{"text", d.fix->description}}}, {"artifactChanges", json::array({change})}};
        result["fixes"] = json::array({fix});
    }
    return result;
}

}  // namespace

std::string FormatJsonDiagnostic(const std::string &file, const Diagnostic &d) {
    json line = {{"file", file},
                 {"line", d.sourceLine},
                 {"message", d.message},
                 {"text", MessageText(d)},
                 {"token", d.readableToken},
                 {"hint", d.hint ? json(*d.hint) : json(nullptr)},
                 {"fix", FixJson(d.fix)}};
    return line.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

json SarifLog(const std::vector<CheckedFile> &files) {
    json rules = json::array();
    json results = json::array();
    std::set<uint32_t> described;
    for (const auto &[file, diagnostics] : files) {
        for (const Diagnostic &d : diagnostics) {
            if (described.insert(d.message).second)
                rules.push_back({{"id", RuleId(d)}, {"shortDescription", {{"text", MessageText(d)}}}});
            results.push_back(SarifResult(file, d));
        }
    }
    json driver = {{"name", "mifkit"}, {"rules", rules}};
    return {{"$schema", kSarifSchema},
            {"version", "2.1.0"},
            {"runs", {{{"tool", {{"driver", driver}}}, {"results", results}}}}};
}

}  // namespace mifkit::tool
