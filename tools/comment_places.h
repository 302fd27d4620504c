// Where the comments of a source go in its formatted text: each comment
// stays with the token after it, found in the output by that token's place
// (the statement or block it belongs to, named as the writer names it).
#pragma once

#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "tools/source_comments.h"
#include "tools/token_listing.h"
#include "writer/mif_emitter.h"

namespace mifkit::tool {

// The place of each token: "C/G:2/A:5/VALUE" for a token of the Value
// statement of attribute 5 of group 2, "C/T#0/R:3" for one of the fourth row
// of the first table without an ID, "C/G:2/END" for End Group.
std::vector<std::string> TokenPlaces(const std::vector<ListedToken> &tokens);

// The places a writing asks for, and no comments.
class PlaceRecorder : public writer::CommentSource {
public:
    std::vector<std::u16string> Before(const std::string &place) override;
    std::vector<std::u16string> Rest() override { return {}; }
    void Rewind() override {}
    const std::set<std::string> &places() const { return places_; }

private:
    std::set<std::string> places_;
};

// Comments filed under the place of the first token after them that the
// output has; those after the last token go to the end.
class PlacedComments : public writer::CommentSource {
public:
    PlacedComments(const std::vector<SourceComment> &comments, const std::vector<ListedToken> &tokens,
                   const std::vector<std::string> &places, const std::set<std::string> &written);
    std::vector<std::u16string> Before(const std::string &place) override;
    std::vector<std::u16string> Rest() override;
    void Rewind() override;

private:
    std::vector<std::u16string> texts_;
    std::vector<bool> taken_;
    std::unordered_map<std::string, std::vector<size_t>> byPlace_;
};

}  // namespace mifkit::tool
