/*
 * A host of the library as an agent is one: it loads the shared library at
 * run time (LoadLibraryA and GetProcAddress on Windows, dlopen elsewhere),
 * parses MIF files, reads the database through the query exports, and keeps
 * generated MIF files current through an INI file. Everything the exports
 * print and return goes to standard output, the same bytes on every
 * platform: lines end in "\n" alone and nothing printed names the platform.
 *
 * Usage: mifkit_host LIBRARY, in a directory that holds copies of the MIF
 * files below; it writes its other inputs there itself.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "mifkit.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <dlfcn.h>
#endif

/* ---- Loading the library: the only part that differs per platform. ---- */

typedef void (*Function)(void);

#ifdef _WIN32
static void *OpenLibrary(const char *path) { return (void *)LoadLibraryA(path); }
static Function Symbol(void *library, const char *name) {
    /* Through void (*)(void), which any function pointer type converts to. */
    return (Function)(void (*)(void))GetProcAddress((HMODULE)library, name);
}
static void CloseLibrary(void *library) { FreeLibrary((HMODULE)library); }
/* Commands as a Windows agent's INI file holds them. */
static const char kCopyCommand[] = "cmd /c copy /y network_adapter.mif %s >nul";
static const char kIdleCommand[] = "cmd /c rem";
#else
static void *OpenLibrary(const char *path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }
static Function Symbol(void *library, const char *name) {
    void *address = dlsym(library, name);
    Function function;
    memcpy(&function, &address, sizeof function);
    return function;
}
static void CloseLibrary(void *library) { dlclose(library); }
static const char kCopyCommand[] = "cp network_adapter.mif %s";
static const char kIdleCommand[] = "true";
#endif

/* ---- The exports. ---- */

typedef int(MIFKIT_CALL *ParseFn)(const char *);
typedef int(MIFKIT_CALL *ShutdownFn)(int);
typedef int(MIFKIT_CALL *GroupsFn)(const void *, int, unsigned int *);
typedef int(MIFKIT_CALL *DataFn)(const void *, int, unsigned int, const void *, int, const unsigned int *,
                                 void *);
typedef void(MIFKIT_CALL *FreeFn)(void *);
typedef int(MIFKIT_CALL *IniStringFn)(const char *, const char *, const char *, char **);
typedef int(MIFKIT_CALL *FilenameFn)(const char *, const char *, char *);
typedef void(MIFKIT_CALL *GenerateFn)(const char *, const char *, char *);
typedef int(MIFKIT_CALL *ExecuteFn)(const char *);

static ParseFn parseMifFile;
static ShutdownFn shutdownParser;
static GroupsFn getGroups;
static DataFn getGroupData, getTableData;
static FreeFn freeTableData;
static IniStringFn getIniString;
static FilenameFn getMifFilename;
static GenerateFn generateMifFile;
static ExecuteFn executeCommand;

static int failures;

static Function Bind(void *library, const char *name) {
    Function function = Symbol(library, name);
    if (function == NULL) {
        printf("missing export %s\n", name);
        failures = 1;
    }
    return function;
}

/* What the library prints goes through its own stream; ours must be out
 * before each call so that the lines keep their order. */
static void Flush(void) { fflush(stdout); }

/* ---- Output helpers. ---- */

static void HexDump(const unsigned char *bytes, int size) {
    for (int at = 0; at < size; at += 16) {
        printf("    %04x ", at);
        for (int i = at; i < at + 16 && i < size; ++i) printf(" %02x", bytes[i]);
        printf("\n");
    }
}

/* A name list or any bytes, with NUL shown as \0. */
static void PrintBytes(const char *label, const char *bytes, int size) {
    printf("%s \"", label);
    for (int i = 0; i < size; ++i) {
        if (bytes[i] == '\0')
            printf("\\0");
        else
            putchar(bytes[i]);
    }
    printf("\"\n");
}

static int WriteBytes(const char *name, const char *bytes, size_t size) {
    FILE *file = fopen(name, "wb");
    if (file == NULL) return 0;
    size_t written = fwrite(bytes, 1, size, file);
    return fclose(file) == 0 && written == size;
}

static int Exists(const char *name) {
    FILE *file = fopen(name, "rb");
    if (file == NULL) return 0;
    fclose(file);
    return 1;
}

/* UTF-16BE bytes of an ASCII text with its two NUL bytes: a name or class
 * string as the queries take it. Returns the byte count. */
static int Utf16Name(const char *ascii, char *out) {
    int n = 0;
    for (; *ascii != '\0'; ++ascii) {
        out[n++] = 0;
        out[n++] = *ascii;
    }
    out[n++] = 0;
    out[n++] = 0;
    return n;
}

/* ---- Parsing and queries. ---- */

static void Query(const char *label, DataFn query, unsigned int id, const char *className,
                  const unsigned int *attributeIds) {
    char classBytes[256];
    int classLength = className != NULL ? Utf16Name(className, classBytes) : 0;
    const void *classArg = className != NULL ? classBytes : NULL;
    Flush();
    int size = query(NULL, 0, id, classArg, classLength, attributeIds, NULL);
    printf("  %s: %d bytes\n", label, size);
    if (size <= 0) return;
    /* Both sides use one C runtime, so the library's free() releases it. */
    unsigned char *block = malloc((size_t)size);
    if (block == NULL) return;
    Flush();
    int again = query(NULL, 0, id, classArg, classLength, attributeIds, block);
    if (again != size) printf("  second call gave %d bytes\n", again);
    HexDump(block, size);
    freeTableData(block);
}

static void ShowDatabase(void) {
    Flush();
    int count = getGroups(NULL, 0, NULL);
    printf("  groups and tables: %d\n", count);
    if (count <= 0) return;
    unsigned int *ids = calloc((size_t)count, sizeof *ids);
    if (ids == NULL) return;
    Flush();
    getGroups(NULL, 0, ids);
    printf("  ids:");
    for (int i = 0; i < count; ++i) printf(" %u", ids[i]);
    printf("\n");
    for (int i = 0; i < count; ++i) {
        char label[64];
        snprintf(label, sizeof label, "group %u", ids[i]);
        Query(label, getGroupData, ids[i], NULL, NULL);
        snprintf(label, sizeof label, "table %u", ids[i]);
        Query(label, getTableData, ids[i], NULL, NULL);
    }
    free(ids);
}

/* The working copy's size and FNV-1a hash: the same bytes everywhere. */
static void ShowWorkingCopy(void) {
    FILE *file = fopen("temp.mif", "rb");
    if (file == NULL) {
        printf("  no temp.mif\n");
        return;
    }
    unsigned long size = 0, hash = 2166136261UL;
    for (int c; (c = getc(file)) != EOF; ++size) hash = ((hash ^ (unsigned long)c) * 16777619UL) & 0xFFFFFFFFUL;
    fclose(file);
    printf("  temp.mif: %lu bytes, hash %08lx\n", size, hash);
}

static int Parse(const char *name) {
    printf("== ParseMIFFile(%s)\n", name != NULL ? name : "NULL");
    Flush();
    int status = parseMifFile(name);
    printf("-> %d\n", status);
    ShowWorkingCopy();
    return status;
}

static void ParseAndShow(const char *name) {
    if (Parse(name) == 0) ShowDatabase();
}

static size_t PutUnit(char *out, size_t n, unsigned int unit) {
    out[n++] = (char)(unit >> 8);
    out[n++] = (char)(unit & 0xFF);
    return n;
}

static size_t PutText(char *out, size_t n, const char *ascii) {
    for (; *ascii != '\0'; ++ascii) n = PutUnit(out, n, (unsigned char)*ascii);
    return n;
}

/* Sources that are no text files: UTF-16 with and without the right byte
 * order, CR LF line ends with an end-of-file mark, an empty file. */
static void WriteGeneratedSources(void) {
    char utf16[2048], swapped[2048];
    size_t n = PutUnit(utf16, 0, 0xFEFF);
    n = PutText(utf16, n, "Start Component\r\nName = \"Widget ");
    n = PutUnit(utf16, n, 0x0141);
    n = PutUnit(utf16, n, 0x4E2D);
    /* Outside a literal a character keeps its low byte: U+0175 reads as u. */
    n = PutText(utf16, n, "\"\r\nStart Gro");
    n = PutUnit(utf16, n, 0x0175);
    n = PutText(utf16, n, "p\r\nName = \"g\"\r\nClass = \"Ex|");
    n = PutUnit(utf16, n, 0x00E9);
    n = PutText(utf16, n, "|1\"\r\nID = 3\r\nStart Attribute\r\nName = \"a\"\r\nID = 1\r\n"
                          "Type = DisplayString(16)\r\nValue = \"line\nnext ");
    n = PutUnit(utf16, n, 0x20AC);
    n = PutText(utf16, n, "\"\r\nEnd Attribute\r\nStart Attribute\r\nName = \"b\"\r\nID = 2\r\n"
                          "Type = Counter\r\nValue = 7\r\nEnd Attribute\r\nEnd Group\r\nEnd Component\r\n");
    WriteBytes("utf16.mif", utf16, n);
    for (size_t i = 0; i + 1 < n; i += 2) {
        swapped[i] = utf16[i + 1];
        swapped[i + 1] = utf16[i];
    }
    WriteBytes("swapped.mif", swapped, n);

    static const char kCrLf[] =
        "Start Component\r\nName = \"crlf\"\r\n\r\nStart Group\r\nName = \"g\"\r\nID = 1\r\n"
        "Start Attribute\r\nName = \"a\"\r\nID = 1\r\nType = Integer\r\nValue = \"text\"\r\n"
        "End Attribute\r\nEnd Group\r\nEnd Component\r\n\x1A junk after the end-of-file mark";
    WriteBytes("crlf.mif", kCrLf, sizeof kCrLf - 1);
    WriteBytes("empty.mif", "", 0);
}

static void ParseFiles(void) {
    WriteGeneratedSources();
    ParseAndShow("network_adapter.mif");
    Parse("network_adapter.mif"); /* loaded already: nothing happens */
    /* Templates found by their class, and a chosen set of attributes. */
    static const unsigned int kSomeAttributes[] = {4, 1, 0};
    Query("template by class", getGroupData, 0, "Example|Port|002", NULL);
    Query("table by class, attributes 4 1", getTableData, 0, "Example|Port|002", kSomeAttributes);
    Query("unknown class", getGroupData, 0, "Example|None|000", NULL);
    ParseAndShow("table.mif");
    ParseAndShow("utf16.mif");
    ParseAndShow("errors.mif");
    ParseAndShow("syntax.mif");
    ParseAndShow("crlf.mif");
    ParseAndShow("swapped.mif");
    ParseAndShow("empty.mif");
    ParseAndShow("missing.mif");
    ParseAndShow(NULL);
    /* After a failed parse nothing is loaded. */
    Query("group 1 after a failure", getGroupData, 1, NULL, NULL);
    Parse("table.mif");
    Flush();
    printf("== ShutdownParser -> %d\n", shutdownParser(0));
    Query("group 7 after shutdown", getTableData, 7, NULL, NULL);
}

/* ---- Generation. ---- */

static void ShowIniString(const char *section, const char *key, const char *ini) {
    char *value = (char *)1;
    Flush();
    int length = getIniString(section, key, ini, &value);
    printf("GetINIString(%s, %s) -> %d ", section != NULL ? section : "NULL", key != NULL ? key : "NULL", length);
    if (value == NULL) {
        printf("NULL\n");
        return;
    }
    /* A list: its length and the final NUL; a value: up to its NUL. */
    int bytes = section != NULL && key != NULL ? (int)strlen(value) : length + 2;
    PrintBytes("", value, bytes);
    free(value);
}

static void ShowFilenames(const char *ini, const char *section) {
    Flush();
    int length = getMifFilename(ini, section, NULL);
    char *list = malloc((size_t)length + 1);
    if (list == NULL) return;
    Flush();
    int again = getMifFilename(ini, section, list);
    char label[96];
    snprintf(label, sizeof label, "GetMIFFilename(%s) -> %d %d", section != NULL ? section : "NULL", length, again);
    PrintBytes(label, list, length);
    free(list);
}

static void ShowGenerate(const char *ini, const char *section) {
    Flush();
    int length = getMifFilename(ini, section, NULL);
    char *list = malloc((size_t)length + 1);
    if (list == NULL) return;
    memset(list, '#', (size_t)length + 1);
    Flush();
    generateMifFile(ini, section, list);
    char label[96];
    snprintf(label, sizeof label, "GenerateMIFFile(%s)", section != NULL ? section : "NULL");
    PrintBytes(label, list, length + 1);
    free(list);
}

static void ShowExecute(const char *label, const char *commandLine) {
    Flush();
    printf("ExecuteCommand(%s) -> %d\n", label, executeCommand(commandLine));
}

static void Generate(void) {
    /* A name without a directory would be looked for in the Windows
     * directory there: name the INI file with one. */
    const char *ini = "./agent.ini";
    char made[128], kept[128], text[1024];
    snprintf(made, sizeof made, kCopyCommand, "made.mif");
    snprintf(kept, sizeof kept, kCopyCommand, "never-ran.mif");
    snprintf(text, sizeof text,
             "; one section per MIF file\n"
             "[made]\nfilename = made.mif\ncommand = %s\n"
             "[kept]\nfilename = kept.mif\ncommand = %s\nrefresh = Never\n"
             "[idle]\nfilename = idle.mif\ncommand = %s\n"
             "[unstartable]\ncommand = no-such-program-of-mifkit --write unstartable\n"
             "[plain]\n",
             made, kept, kIdleCommand);
    WriteBytes("agent.ini", text, strlen(text));
    WriteBytes("kept.mif", "", 0);
    WriteBytes("plain", "", 0);

    printf("== generation\n");
    ShowIniString("made", "filename", ini);
    ShowIniString("KEPT", "Refresh", ini);
    ShowIniString("made", "none", ini);
    ShowIniString(NULL, NULL, ini);
    ShowIniString(NULL, NULL, "./none.ini");
    ShowIniString("made", "filename", NULL);
    ShowFilenames(ini, NULL);
    ShowFilenames(ini, "kept");
    ShowFilenames(ini, "absent");
    ShowGenerate(ini, "idle");
    ShowGenerate(ini, NULL);
    printf("made.mif %d, never-ran.mif %d, idle.mif %d\n", Exists("made.mif"), Exists("never-ran.mif"),
           Exists("idle.mif"));
    if (Parse("made.mif") == 0) {
        Flush();
        printf("  groups and tables: %d\n", getGroups(NULL, 0, NULL));
    }

    char copy[128];
    snprintf(copy, sizeof copy, kCopyCommand, "executed.mif");
    ShowExecute("NULL", NULL);
    ShowExecute("\"\"", "");
    ShowExecute("a missing program", "no-such-program-of-mifkit");
    ShowExecute("a copy", copy);
    printf("executed.mif %d\n", Exists("executed.mif"));
}

int main(int argc, char **argv) {
#ifdef _WIN32
    /* Our lines end in "\n" alone, as the library's do. */
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc != 2) {
        fprintf(stderr, "usage: mifkit_host LIBRARY\n");
        return 2;
    }
    void *library = OpenLibrary(argv[1]);
    if (library == NULL) {
        fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    parseMifFile = (ParseFn)Bind(library, "ParseMIFFile");
    shutdownParser = (ShutdownFn)Bind(library, "ShutdownParser");
    getGroups = (GroupsFn)Bind(library, "GetGroups");
    getGroupData = (DataFn)Bind(library, "GetGroupData");
    getTableData = (DataFn)Bind(library, "GetTableData");
    freeTableData = (FreeFn)Bind(library, "FreeTableData");
    getIniString = (IniStringFn)Bind(library, "GetINIString");
    getMifFilename = (FilenameFn)Bind(library, "GetMIFFilename");
    generateMifFile = (GenerateFn)Bind(library, "GenerateMIFFile");
    executeCommand = (ExecuteFn)Bind(library, "ExecuteCommand");
    if (failures == 0) {
        ParseFiles();
        Generate();
        Flush();
        printf("== ShutdownParser -> %d\n", shutdownParser(0));
    }
    Flush();
    CloseLibrary(library);
    return failures;
}
