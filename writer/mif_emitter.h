// The layout of MIF text: one statement a line, blocks indented, literals
// escaped and split into pieces. The database writer and the JSON reader
// both write through it, so their files look alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mifkit/writer.h"

namespace mifkit::writer {

// The comments a file keeps. Each statement has a place (a path such as
// "C/G:1/A:2/VALUE") and is preceded by the comments given for it.
class CommentSource {
public:
    virtual ~CommentSource() = default;
    // Comment texts (after the two slashes) to write before `place`.
    virtual std::vector<std::u16string> Before(const std::string &place) = 0;
    // Those that no place took, for the end of the file.
    virtual std::vector<std::u16string> Rest() = 0;
    // Every comment untaken again, for a second writing.
    virtual void Rewind() = 0;
};

// A group's or table's place: "C/G:2" by its ID, or "C/G#0" by its rank
// among those of its scope without one. The writer and the comment finder
// both name blocks so.
std::string KeyedPlace(const std::string &scope, char kind, bool idGiven, uint32_t id, unsigned &unnumbered);

class Emitter {
public:
    Emitter(const WriteOptions &options, bool wide, CommentSource *comments)
        : options_(options), wide_(wide), comments_(comments) {}

    // A line that opens a block ("Start Group") and one that closes it.
    void Open(std::string_view line, const std::string &place);
    void Close(std::string_view line, const std::string &place);
    void Blank();
    // KEYWORD = WORD, the word as it is (a number, a type, a keyword).
    void Statement(std::string_view keyword, std::string_view word, const std::string &place);
    // KEYWORD = PREFIX"TEXT", split when the line grows too long.
    void LiteralStatement(std::string_view keyword, std::u16string_view text, const std::string &place,
                          std::string_view prefix = {});
    // A whole line made by the caller, such as a table row.
    void Line(std::u16string_view text, const std::string &place);
    // A literal on one line, for the caller's own lines.
    std::u16string Literal(std::u16string_view text);

    // The file's bytes, with the comments no statement took at the end.
    std::string Finish();
    // A character above U+00FF met while writing 8-bit text.
    bool needsWide() const { return needsWide_; }

private:
    void Comments(const std::string &place);
    void Indent();
    void NoteWidth(std::u16string_view text);

    const WriteOptions &options_;
    bool wide_;
    CommentSource *comments_;
    unsigned level_ = 0;
    bool needsWide_ = false;
    std::u16string text_;
};

}  // namespace mifkit::writer
