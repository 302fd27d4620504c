#include "hints/hint_finder.h"

#include <optional>

#include "hints/finders.h"
#include "hints/source_text.h"
#include "platform/file_io.h"

namespace mifkit::hints {

namespace {

// A file larger than this is no hand-written MIF file: no hints for it.
constexpr size_t kMaxSourceBytes = 64u << 20;

using Finder = std::optional<Hint> (*)(const SourceText &, const Diagnostic &);

// The first finder that recognises its mistake answers. The encoding comes
// first: a wrong encoding explains whatever else the bytes look like; a
// typographic quote is UTF-8 text too, but the more telling mistake.
constexpr Finder kFinders[] = {FindEncodingHint, FindQuoteHint,       FindUtf8LetterHint, FindKeywordHint,
                               FindClassHint,    FindOpenLiteralHint, FindZeroIdHint};

}  // namespace

void AttachHints(std::string_view bytes, std::vector<Diagnostic> &diagnostics) {
    if (diagnostics.empty()) return;
    const SourceText source(bytes);
    for (Diagnostic &diagnostic : diagnostics) {
        for (Finder find : kFinders) {
            std::optional<Hint> hint = find(source, diagnostic);
            if (!hint) continue;
            diagnostic.hint = std::move(hint->text);
            diagnostic.fix = std::move(hint->fix);
            break;
        }
    }
}

void AttachHintsFromFile(const std::string &path, std::vector<Diagnostic> &diagnostics) {
    std::string bytes;
    if (diagnostics.empty() || !platform::ReadWholeFile(path.c_str(), bytes, kMaxSourceBytes)) return;
    AttachHints(bytes, diagnostics);
}

}  // namespace mifkit::hints
