// The one parser behind the C interface.
#pragma once

namespace mifkit {

struct ParseContext;

ParseContext &ProcessParser();

}  // namespace mifkit
