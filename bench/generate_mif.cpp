// generate_mif: writes a large valid MIF file for load tests, and with
// --check parses it in memory to prove that it is accepted without a word.
//   generate_mif [--size-mb N] [--utf16] [--literal-tables] [--check] [-o FILE]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/mif_generator.h"
#include "driver/parse_driver.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: generate_mif [--size-mb N] [--utf16] [--literal-tables] [--check] [-o FILE]\n");
    return 2;
}

// Parses the bytes; anything printed besides the progress lines is a fault.
bool ParsesCleanly(const std::string &source) {
    std::string printed;
    mifkit::ParseContext ctx([&](std::string_view text) { printed.append(text); });
    int status = mifkit::ParseBytes(ctx, source, "generated");
    for (const char *progress : {"performing ASCII conversion...\n\t", "performing Unicode conversion...\n\t", "done\n"}) {
        size_t at = printed.find(progress);
        if (at != std::string::npos) printed.erase(at, std::strlen(progress));
    }
    if (status != 0 || !printed.empty()) {
        std::fprintf(stderr, "generated source refused, status %d:\n%s", status, printed.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char **argv) {
    double megabytes = 1;
    bool utf16 = false;
    bool check = false;
    bool literalTables = false;
    std::string path = "generated.mif";
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--size-mb" && i + 1 < argc) {
            megabytes = std::atof(argv[++i]);
        } else if (arg == "--utf16") {
            utf16 = true;
        } else if (arg == "--literal-tables") {
            literalTables = true;
        } else if (arg == "--check") {
            check = true;
        } else if (arg == "-o" && i + 1 < argc) {
            path = argv[++i];
        } else {
            return Usage();
        }
    }
    if (megabytes <= 0) return Usage();

    // A UTF-16 source takes two bytes a character: halve the text to keep the file's size.
    const auto targetBytes = static_cast<size_t>(megabytes * (1 << 20) / (utf16 ? 2 : 1));
    std::string source;
    if (literalTables) {
        mifbench::LiteralTableShape shape;
        shape.targetBytes = targetBytes;
        source = mifbench::GenerateLiteralTables(shape);
    } else {
        mifbench::MifShape shape;
        shape.targetBytes = targetBytes;
        source = mifbench::GenerateMif(shape);
    }
    if (utf16) source = mifbench::ToUtf16Source(source);

    if (check && !ParsesCleanly(source)) return 1;
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(source.data(), 1, source.size(), file) != source.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: %zu bytes (%s)\n", path.c_str(), source.size(), utf16 ? "UTF-16BE" : "8-bit");
    return 0;
}
