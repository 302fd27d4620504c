// The finders: each looks at the source around one diagnostic for one kind
// of mistake and answers a hint, with a repair when one is mechanical.
#pragma once

#include <optional>
#include <string>

#include "hints/source_text.h"
#include "mifkit/parser.h"

namespace mifkit::hints {

struct Hint {
    std::string text;
    std::optional<Fix> fix;
};

// A UTF-16 little-endian file, or a UTF-8 mark: found from the file's first bytes.
std::optional<Hint> FindEncodingHint(const SourceText &source, const Diagnostic &diagnostic);
// A letter such as "é" saved as UTF-8 outside a literal: the lexer sees its
// first byte as a character no rule takes.
std::optional<Hint> FindUtf8LetterHint(const SourceText &source, const Diagnostic &diagnostic);
// "Start Paths", "End Enumeration": the longest keyword matched, the rest did not.
std::optional<Hint> FindKeywordHint(const SourceText &source, const Diagnostic &diagnostic);
// Class = VENDOR|GROUP|1.0 without its quotes.
std::optional<Hint> FindClassHint(const SourceText &source, const Diagnostic &diagnostic);
// Typographic double quotes in place of straight ones.
std::optional<Hint> FindQuoteHint(const SourceText &source, const Diagnostic &diagnostic);
// A literal that its line does not close.
std::optional<Hint> FindOpenLiteralHint(const SourceText &source, const Diagnostic &diagnostic);
// ID = 0 where the first ID was meant.
std::optional<Hint> FindZeroIdHint(const SourceText &source, const Diagnostic &diagnostic);

}  // namespace mifkit::hints
