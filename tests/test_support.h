// Shared by the tests: MIF text parsed through the C++ interface and its
// diagnostic lines, one table-driven case shape, a context whose output is
// captured, a temporary directory per test, and byte helpers.
#pragma once

#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <utility>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "core/working_copy.h"
#include "driver/parse_driver.h"
#include "mifkit/parser.h"

namespace mifkit::test {

// A parse context whose diagnostics and progress text collect in `output`.
struct CapturedContext {
    std::string output;
    ParseContext ctx{[this](std::string_view text) { output.append(text); }};
    std::string Take() { return std::exchange(output, std::string()); }
};

// Runs the test inside a fresh temporary directory (the working copy is
// written to the current directory), removed afterwards.
class TempDirTest : public ::testing::Test {
public:
    static void WriteFile(const std::string &name, std::string_view bytes) {
        std::ofstream(name, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    static std::string ReadFile(const std::string &name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

protected:
    void SetUp() override {  // a random name, retried while it is taken
        std::random_device random;
        std::error_code error;
        for (int attempt = 0; attempt < 100 && dir_.empty(); ++attempt) {
            auto dir = std::filesystem::temp_directory_path() / ("mifkit-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(dir, error)) dir_ = dir;
        }
        ASSERT_FALSE(dir_.empty());
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }

    std::filesystem::path dir_, previous_;
};

// Runs the mifkit tool with `arguments` through the system's shell, its
// standard error discarded; returns its exit status, and its standard output
// in `output` (on Windows read in text mode, so lines end in "\n" alone).
inline int RunTool(const std::string &arguments, std::string &output) {
    output.clear();
#ifdef _WIN32
    std::string tool = MIFKIT_TOOL;
    for (char &c : tool) c = c == '/' ? '\\' : c;  // cmd.exe takes '/' for a switch
    FILE *pipe = ::_popen((tool + " " + arguments + " 2>NUL").c_str(), "r");
#else
    FILE *pipe = ::popen((std::string(MIFKIT_TOOL) + " " + arguments + " 2>/dev/null").c_str(), "r");
#endif
    if (pipe == nullptr) return -1;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
#ifdef _WIN32
    return ::_pclose(pipe);
#else
    int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// The working copy's marks, for writing expected bytes.
inline const std::string ZM(kZeroMark), EM(kEndMark);

// An 8-bit literal as the working copy holds it: the quote, every byte after
// a zero mark, then (when the literal was closed) the end mark and a line feed.
inline std::string Marked(std::string_view text, bool closed = true) {
    std::string out = "\"";
    for (char c : text) out += ZM + c;
    return closed ? out + EM + "\n" : out;
}

// Bytes from a string literal that may hold NULs: Bytes("a\0b").
template <size_t N>
std::string Bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// UTF-16BE bytes of an ASCII string, for building UTF-16 sources.
inline std::string Utf16(std::string_view ascii) {
    std::string out;
    for (char c : ascii) out += std::string{'\0', c};
    return out;
}

// A literal as the database stores it: UTF-16BE and its NUL.
inline std::string Utf16Z(std::string_view ascii) { return Utf16(ascii) + std::string(2, '\0'); }

// 32-bit words in the machine's order, as a data block holds them.
inline std::string Words(std::initializer_list<uint32_t> words) {
    std::string out;
    for (uint32_t w : words) out.append(reinterpret_cast<const char *>(&w), 4);
    return out;
}

// The smallest file that parses clean: a component with one group.
inline const char kMinimalMif[] = R"(Start Component Name = "c"
Start Group Name = "g" Class = "k" ID = 1
Start Attribute Name = "a" ID = 1 Type = Integer Value = 5 End Attribute
End Group
End Component
)";

// Printed text as its lines, each without its line feed.
inline std::vector<std::string> Lines(std::string_view printed) {
    std::vector<std::string> lines;
    for (size_t end; !printed.empty(); printed.remove_prefix(end + 1)) {
        end = std::min(printed.find('\n'), printed.size() - 1);
        lines.emplace_back(printed.substr(0, printed[end] == '\n' ? end : end + 1));
    }
    return lines;
}

// The diagnostic lines of a parse.
inline std::vector<std::string> Lines(const Database &db) {
    std::string printed;
    for (const Diagnostic &d : db.diagnostics()) printed += d.text;
    return Lines(printed);
}

// One MIF file as written and what parsing it gives: the status, every
// diagnostic line, and what `check` finds in the database.
struct MifCase {
    const char *name;
    std::string mif;
    int status;
    std::vector<std::string> lines;
    std::function<void(const Database &)> check = nullptr;
};
inline void PrintTo(const MifCase &c, std::ostream *os) { *os << c.name; }
inline std::string CaseName(const ::testing::TestParamInfo<MifCase> &info) { return info.param.name; }
// Tables of cases instantiate this suite, its one test in grammar_test.cpp.
class MifTest : public ::testing::TestWithParam<MifCase> {};

// `text` with each hole (a word in capitals) replaced, for a file written
// once with the parts a table of cases changes.
inline std::string Fill(std::string text, const std::vector<std::pair<std::string, std::string>> &holes) {
    for (const auto &[hole, with] : holes) text.replace(text.find(hole), hole.size(), with);
    return text;
}

// A parse of MIF text held in memory: its result, the diagnostic lines it
// printed (without the conversion's progress lines) and the database.
struct ParsedText {
    int status = 0;
    std::string diagnostics;
    std::unique_ptr<CapturedContext> parser = std::make_unique<CapturedContext>();
    const ParseState &state() const { return parser->ctx.state; }
    ParseContext &ctx() { return parser->ctx; }
};

// Parses `source` in a context of its own, for the tests that reach the
// pool's fault switch or the records a view does not show; `failAllocation`
// makes that allocation (1 = the first) of the parse fail.
inline ParsedText ParseText(const std::string &source, uint64_t failAllocation = 0) {
    ParsedText parsed;
    parsed.parser->ctx.pool.SimulateFault(failAllocation);
    parsed.status = ParseBytes(parsed.parser->ctx, source);
    parsed.diagnostics = parsed.parser->Take();
    for (std::string_view progress : {"performing ASCII conversion...\n\tdone\n",
                                      "performing Unicode conversion...\n\tdone\n"})
        if (parsed.diagnostics.compare(0, progress.size(), progress) == 0) parsed.diagnostics.erase(0, progress.size());
    return parsed;
}

// A UTF-16 text of a 16-bit counted string, as ASCII: "Ab" for 00 41 00 62
// 00 00. Units above 0xFF show as '?'.
inline std::string Ascii(const CountedString *text) {
    if (text == nullptr) return "(null)";
    std::string out;
    for (uint32_t i = 0; i + 3 < text->length; i += 2)
        out += text->Bytes()[i] == 0 ? static_cast<char>(text->Bytes()[i + 1]) : '?';
    return out;
}

}  // namespace mifkit::test
