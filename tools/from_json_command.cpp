#include "tools/from_json_command.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <vector>

#include "mifkit/writer.h"
#include "platform/file_io.h"

namespace mifkit::tool {

int RunFromJson(const std::string &file, const std::string &output) {
    std::string json;
    if (file == "-") {
        json.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    } else if (!platform::ReadWholeFile(file.c_str(), json, size_t{1} << 31)) {
        std::fprintf(stderr, "mifkit: cannot read %s\n", file.c_str());
        return 1;
    }
    std::vector<std::string> errors;
    std::string text = MifFromJson(json, errors);
    if (!errors.empty()) {
        for (const std::string &error : errors) std::fprintf(stderr, "%s: %s\n", file.c_str(), error.c_str());
        return 1;
    }
    if (output.empty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
    } else if (!platform::WriteFileAtomically(output.c_str(), text)) {
        std::fprintf(stderr, "mifkit: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}

}  // namespace mifkit::tool
