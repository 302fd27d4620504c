#include "tools/check_command.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <future>
#include <memory>

// A C++ runtime without threads (mingw's win32 model) checks one file at a
// time. So does the 32-bit Windows tool: it is tested under Wine on a
// user-mode x86 emulator that keeps one segment table for all threads, where
// a second thread of a 32-bit process hangs or brings it down.
#if (defined(_GLIBCXX_HAS_GTHREADS) || !defined(__GLIBCXX__)) && !(defined(_WIN32) && !defined(_WIN64))
#include <thread>
#define MIFKIT_CHECK_THREADS 1
#endif

#include "driver/parse_driver.h"
#include "hints/hint_finder.h"
#include "tools/check_report.h"
#include "tools/machine_report.h"

namespace mifkit::tool {

namespace {

// What one file gives: its stdout text and, when it failed, its stderr line;
// for a SARIF log, its diagnostics.
struct FileReport {
    std::string out;
    std::string err;
    std::vector<Diagnostic> diagnostics;
};

// One parser, kept for every file it checks so that its pool and buffers
// are made once.
class Checker {
public:
    explicit Checker(const CheckOptions &options)
        : options_(options), ctx_([](std::string_view) {}, options.writeWorkingCopy ? "temp.mif" : "") {
        ctx_.diagnostics.collected = &diagnostics_;
    }

    FileReport Check(const std::string &file, bool withHeader) {
        diagnostics_.clear();
        int status = ParseFile(ctx_, file.c_str());
        ShutdownParser(ctx_);
        if (!diagnostics_.empty()) hints::AttachHintsFromFile(file, diagnostics_);
        FileReport report;
        if (withHeader) report.out = "==> " + file + " <==\n";
        for (const Diagnostic &diagnostic : diagnostics_) {
            if (options_.format == "json")
                report.out += FormatJsonDiagnostic(file, diagnostic);
            else if (options_.format != "text")
                continue;  // the SARIF log is written once, after every file
            else if (options_.gnu)
                report.out += FormatGnuDiagnostic(file, diagnostic) + FormatGnuHint(file, diagnostic);
            else
                report.out += diagnostic.text + FormatHint(diagnostic);
        }
        if (options_.format == "sarif") report.diagnostics = diagnostics_;
        if (status != 0) report.err = file + ": parse failed with status " + std::to_string(status) + "\n";
        return report;
    }

private:
    const CheckOptions &options_;
    std::vector<Diagnostic> diagnostics_;
    ParseContext ctx_;
};

void Print(const FileReport &report) {
    std::fwrite(report.out.data(), 1, report.out.size(), stdout);
    std::fflush(stdout);
    std::fwrite(report.err.data(), 1, report.err.size(), stderr);
}

unsigned JobCount(const CheckOptions &options, size_t files) {
    unsigned jobs = options.jobs;
#ifdef MIFKIT_CHECK_THREADS
    if (jobs == 0) jobs = std::max(1u, std::thread::hardware_concurrency());
#else
    jobs = 1;
#endif
    // temp.mif must end as the last file's, as when files are checked in turn.
    if (options.writeWorkingCopy) jobs = 1;
    return static_cast<unsigned>(std::min<size_t>(jobs, files));
}

}  // namespace

int RunCheck(const std::vector<std::string> &files, const CheckOptions &options) {
    const bool withHeader = files.size() > 1 && !options.gnu && options.format == "text";
    const unsigned jobs = JobCount(options, files.size());
    bool allParsed = true;
    std::vector<CheckedFile> checked;
    auto take = [&](FileReport report, const std::string &file) {
        allParsed = allParsed && report.err.empty();
        Print(report);
        if (options.format == "sarif") checked.emplace_back(file, std::move(report.diagnostics));
    };
    auto finish = [&] {
        if (options.format == "sarif") {
            const std::string log =
                SarifLog(checked).dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
            std::fwrite(log.data(), 1, log.size(), stdout);
        }
        return allParsed ? 0 : 1;
    };
    if (jobs <= 1) {
        Checker checker(options);
        for (const std::string &file : files) take(checker.Check(file, withHeader), file);
        return finish();
    }
#ifdef MIFKIT_CHECK_THREADS
    // Workers take the next file in turn; the reports are printed in the
    // files' order as soon as each one and those before it are done.
    std::vector<std::promise<FileReport>> reports(files.size());
    std::atomic<size_t> next{0};
    std::vector<std::thread> workers;
    for (unsigned j = 0; j < jobs; ++j)
        workers.emplace_back([&] {
            Checker checker(options);
            for (size_t i = next++; i < files.size(); i = next++) reports[i].set_value(checker.Check(files[i], withHeader));
        });
    for (size_t i = 0; i < files.size(); ++i) take(reports[i].get_future().get(), files[i]);
    for (std::thread &worker : workers) worker.join();
#endif
    return finish();
}

}  // namespace mifkit::tool
