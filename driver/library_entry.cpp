// The C interface: every export works on one process-wide parser, whose
// destructor releases the database when the library is unloaded.
#include "mifkit.h"

#include "driver/parse_driver.h"
#include "driver/process_parser.h"

namespace {

// Callers may read the working copy, so this parser writes it to disk.
mifkit::ParseContext processParser(mifkit::StdoutSink(), "temp.mif");

}  // namespace

mifkit::ParseContext &mifkit::ProcessParser() { return processParser; }

#ifdef _WIN32
#include <windows.h>

// The C runtime's start-up code calls it by its C name. Shutting the parser
// down releases the pool and frees the remembered name; an agent that unloads
// the library and goes on gets its memory back at once.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_DETACH) mifkit::ShutdownParser(processParser);
    return TRUE;
}
#endif

extern "C" {

MIFKIT_API int MIFKIT_CALL ParseMIFFile(const char *fileName) { return mifkit::ParseFile(processParser, fileName); }

MIFKIT_API int MIFKIT_CALL ShutdownParser(int /*unused*/) { return mifkit::ShutdownParser(processParser); }

}  // extern "C"
