// The database walk that writes a MIF file, with the comments a format run
// keeps.
#pragma once

#include <string>

#include "mifkit/writer.h"
#include "writer/mif_emitter.h"

namespace mifkit::writer {

// As WriteMif, writing each comment of `comments` (may be null) before the
// statement whose place it names.
std::string WriteDatabase(const Database &database, const WriteOptions &options, CommentSource *comments);

}  // namespace mifkit::writer
