// Any source bytes, through detection, conversion and the lexer to the end
// of input: nothing may crash, overrun or hang, and every literal token must
// carry a well-formed UTF-16 text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/parse_context.h"
#include "lexer/lexer.h"
#include "lexer/source_conversion.h"
#include "core/tokens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static mifkit::ParseContext ctx([](std::string_view) {});
    std::string_view source(reinterpret_cast<const char *>(data), size);
    mifkit::WorkingCopy copy;
    switch (mifkit::DetectSourceEncoding(source)) {
    case mifkit::kUtf16Source:
        mifkit::ConvertUnicodeSource(source, copy);
        break;
    case mifkit::kEightBitSource:
        mifkit::ConvertAsciiSource(source, copy);
        break;
    default:
        return 0;
    }
    mifkit::ResetLexer(ctx, std::move(copy));
    for (int token = mifkit::NextToken(ctx); token != mifkit::END_OF_INPUT;
         token = mifkit::NextToken(ctx)) {
        if (token < mifkit::OS_NAME || token > mifkit::GARBAGE || token == 278) std::abort();
        const mifkit::TokenValue *value = ctx.lexer.current.value;
        if (token == mifkit::QUOTEDSTRING && value != nullptr && value->text != nullptr &&
            value->text->length == 0)
            std::abort();
    }
    ctx.pool.Release();
    return 0;
}
