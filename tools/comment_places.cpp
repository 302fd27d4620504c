#include "tools/comment_places.h"

#include <map>

#include "core/tokens.h"
#include "database/numeric_conversion.h"

namespace mifkit::tool {

namespace {

const char *StatementName(int token) {
    switch (token) {
    case NAME: return "NAME";
    case CLASS: return "CLASS";
    case ID: return "ID";
    case DESCRIPTION: return "DESCRIPTION";
    case KEY: return "KEY";
    case PRAGMA: return "PRAGMA";
    case ACCESS: return "ACCESS";
    case STORAGE: return "STORAGE";
    case TYPE: return "TYPE";
    case VALUE: return "VALUE";
    default: return nullptr;
    }
}

bool IsBlockEnd(int token) {
    return token == END_COMPONENT || token == END_PATH || token == END_ENUM || token == END_GROUP ||
           token == END_TABLE || token == END_ATTRIBUTE;
}

struct BlockId {
    bool given = false;
    uint32_t id = 0;
};

// The ID statement of each group, table and attribute, by the index of the
// token that opens it: a block's place needs it before the walk reaches it.
std::map<size_t, BlockId> BlockIds(const std::vector<ListedToken> &tokens) {
    std::map<size_t, BlockId> ids;
    std::vector<size_t> open;
    for (size_t i = 0; i < tokens.size(); ++i) {
        int token = tokens[i].token;
        if (token >= START_COMPONENT && token <= END_ATTRIBUTE && !IsBlockEnd(token)) {
            open.push_back(i);
        } else if (IsBlockEnd(token)) {
            if (!open.empty()) open.pop_back();
        } else if (token == ID && !open.empty() && i + 2 < tokens.size() && tokens[i + 2].token == UINTEGER) {
            ids[open.back()] = {true, ParseUnsignedNumber(tokens[i + 2].value.c_str())};
        }
    }
    return ids;
}

struct Block {
    int kind;
    std::string place;
    unsigned items = 0;  // elements, path entries or rows so far
};

class PlaceWalk {
public:
    explicit PlaceWalk(const std::vector<ListedToken> &tokens) : tokens_(tokens), ids_(BlockIds(tokens)) {}

    std::vector<std::string> Run() {
        std::vector<std::string> places;
        places.reserve(tokens_.size());
        for (size_t i = 0; i < tokens_.size(); ++i) {
            Step(i);
            places.push_back(current_);
        }
        return places;
    }

private:
    void Open(int kind, std::string place) {
        current_ = place;
        blocks_.push_back({kind, std::move(place)});
    }

    std::string Keyed(size_t i, char kind, unsigned &unnumbered) {
        auto found = ids_.find(i);
        bool given = found != ids_.end() && found->second.given;
        return writer::KeyedPlace(blocks_.empty() ? "" : "C/", kind, given, given ? found->second.id : 0, unnumbered);
    }

    std::string Item(const char *kind) {
        Block &block = blocks_.back();
        return block.place + kind + std::to_string(block.items++);
    }

    void Step(size_t i) {
        int token = tokens_[i].token;
        int inside = blocks_.empty() ? 0 : blocks_.back().kind;
        switch (token) {
        case LANGUAGE: current_ = "L"; return;
        case START_COMPONENT: return Open(token, "C");
        case START_PATH: return Open(token, "C/P:" + std::to_string(paths_++));
        case START_ENUM:
            return Open(token, inside == START_ATTRIBUTE ? blocks_.back().place + "/TYPE"
                                                         : "C/E:" + std::to_string(enumerations_++));
        case START_GROUP:
            return Open(token, Keyed(i, 'G', blocks_.empty() ? topGroups_ : groups_));
        case START_TABLE: return Open(token, Keyed(i, 'T', tables_));
        case START_ATTRIBUTE: {
            auto found = ids_.find(i);
            std::string parent = blocks_.empty() ? "" : blocks_.back().place;
            return Open(token, parent + "/A:" + std::to_string(found != ids_.end() ? found->second.id : 0));
        }
        default: break;
        }
        if (IsBlockEnd(token)) {
            if (blocks_.empty()) return;
            current_ = blocks_.back().place + "/END";
            blocks_.pop_back();
        } else if (const char *name = StatementName(token)) {
            if (!blocks_.empty()) current_ = blocks_.back().place + "/" + name;
        } else if ((token == INTEGER || token == UINTEGER) && inside == START_ENUM) {
            current_ = Item("/EL:");
        } else if (token == OS_NAME && inside == START_PATH) {
            current_ = Item("/E:");
        } else if (token == LBRACE && inside == START_TABLE) {
            current_ = Item("/R:");
        }
    }

    const std::vector<ListedToken> &tokens_;
    std::map<size_t, BlockId> ids_;
    std::vector<Block> blocks_;
    std::string current_;
    unsigned paths_ = 0, enumerations_ = 0, groups_ = 0, topGroups_ = 0, tables_ = 0;
};

}  // namespace

std::vector<std::string> TokenPlaces(const std::vector<ListedToken> &tokens) { return PlaceWalk(tokens).Run(); }

std::vector<std::u16string> PlaceRecorder::Before(const std::string &place) {
    places_.insert(place);
    return {};
}

PlacedComments::PlacedComments(const std::vector<SourceComment> &comments, const std::vector<ListedToken> &tokens,
                               const std::vector<std::string> &places, const std::set<std::string> &written) {
    // A token the output does not write (Storage = Common, say) passes its
    // comments on to the next one it does.
    std::vector<size_t> writtenFrom(tokens.size() + 1, tokens.size());
    for (size_t i = tokens.size(); i-- > 0;) writtenFrom[i] = written.count(places[i]) != 0 ? i : writtenFrom[i + 1];
    size_t next = 0;
    for (const SourceComment &comment : comments) {
        while (next < tokens.size() && tokens[next].line <= comment.line) ++next;
        size_t at = writtenFrom[next];
        if (at < tokens.size()) byPlace_[places[at]].push_back(texts_.size());
        texts_.push_back(comment.text);
    }
    taken_.assign(texts_.size(), false);
}

std::vector<std::u16string> PlacedComments::Before(const std::string &place) {
    std::vector<std::u16string> found;
    auto entry = byPlace_.find(place);
    if (entry == byPlace_.end()) return found;
    for (size_t index : entry->second) {
        if (taken_[index]) continue;
        taken_[index] = true;
        found.push_back(texts_[index]);
    }
    return found;
}

std::vector<std::u16string> PlacedComments::Rest() {
    std::vector<std::u16string> rest;
    for (size_t i = 0; i < texts_.size(); ++i)
        if (!taken_[i]) rest.push_back(texts_[i]);
    return rest;
}

void PlacedComments::Rewind() { taken_.assign(texts_.size(), false); }

}  // namespace mifkit::tool
