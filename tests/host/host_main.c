/*
 * A host of the library as an agent is one: it loads the shared library at
 * run time, parses MIF files, reads the database through the query exports
 * and keeps generated MIF files current through an INI file. It prints the
 * same bytes on every platform. Usage: mifkit_host LIBRARY, in a directory
 * holding copies of the MIF files below; it writes its other inputs itself.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "mifkit.h"

/* Loading the library is the only part that differs per platform. */
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#define OpenLibrary(path) (void *)LoadLibraryA(path)
#define Symbol(library, name) GetProcAddress((HMODULE)(library), name)
#define CloseLibrary(library) FreeLibrary((HMODULE)(library))
typedef FARPROC Address;
/* Commands as a Windows agent's INI file holds them: COPY_TO(name) copies the example. */
#define COPY_TO(name) "cmd /c copy /y network_adapter.mif " name " >nul"
#define IDLE "cmd /c rem"
#else
#include <dlfcn.h>
#define OpenLibrary(path) dlopen(path, RTLD_NOW | RTLD_LOCAL)
#define Symbol dlsym
#define CloseLibrary dlclose
typedef void *Address;
#define COPY_TO(name) "cp network_adapter.mif " name
#define IDLE "true"
#endif

/* Stores an export's address into the function pointer at `slot`. */
static int Bind(void *library, const char *name, void *slot) {
    Address address = Symbol(library, name);
    memcpy(slot, &address, sizeof address);
    if (address == NULL) printf("missing export %s\n", name);
    return address != NULL;
}

typedef int(MIFKIT_CALL *DataFn)(const void *, int, unsigned int, const void *, int, const unsigned int *,
                                 void *);
static int(MIFKIT_CALL *parseMifFile)(const char *);
static int(MIFKIT_CALL *shutdownParser)(int);
static int(MIFKIT_CALL *getGroups)(const void *, int, unsigned int *);
static DataFn getGroupData, getTableData;
static void(MIFKIT_CALL *freeTableData)(void *);
static int(MIFKIT_CALL *getIniString)(const char *, const char *, const char *, char **);
static int(MIFKIT_CALL *getMifFilename)(const char *, const char *, char *);
static void(MIFKIT_CALL *generateMifFile)(const char *, const char *, char *);
static int(MIFKIT_CALL *executeCommand)(const char *);

/* What the library prints goes through its own stream; ours must be out
 * before each call so that the lines keep their order. */
static void Flush(void) { fflush(stdout); }

/* A name list or any bytes, with NUL shown as \0. */
static void PrintBytes(const char *label, const char *bytes, int size) {
    printf("%s \"", label);
    for (int i = 0; i < size; ++i) bytes[i] == '\0' ? printf("\\0") : putchar(bytes[i]);
    printf("\"\n");
}

static void WriteBytes(const char *name, const char *bytes, size_t size) {
    FILE *file = fopen(name, "wb");
    if (file != NULL) fwrite(bytes, 1, size, file), fclose(file);
}

static int Exists(const char *name) { FILE *file = fopen(name, "rb"); return file != NULL && fclose(file) == 0; }

/* UTF-16BE bytes of an ASCII text, each '~' taking the next of `units`. */
static int PutUtf16(char *out, const char *ascii, const unsigned int *units) {
    int n = 0;
    for (; *ascii != '\0'; ++ascii) {
        unsigned int unit = *ascii == '~' ? *units++ : (unsigned char)*ascii;
        out[n++] = (char)(unit >> 8), out[n++] = (char)(unit & 0xFF);
    }
    return n;
}

static void Query(const char *label, DataFn query, unsigned int id, const char *className,
                  const unsigned int *attributeIds) {
    /* A class string as the queries take it: UTF-16BE and two NUL bytes. */
    char classBytes[256] = {0}, *classArg = className != NULL ? classBytes : NULL;
    int classLength = className != NULL ? PutUtf16(classBytes, className, NULL) + 2 : 0;
    int size = (Flush(), query(NULL, 0, id, classArg, classLength, attributeIds, NULL));
    printf("  %s: %d bytes\n", label, size);
    if (size <= 0) return;
    /* Both sides use one C runtime, so the library's free() releases it. */
    unsigned char *block = malloc((size_t)size);
    int again = block != NULL ? (Flush(), query(NULL, 0, id, classArg, classLength, attributeIds, block)) : 0;
    if (again != size) return free(block), (void)printf("  second call gave %d bytes\n", again);
    for (int at = 0; at < size; at += 16) {
        printf("    %04x ", at);
        for (int i = at; i < at + 16 && i < size; ++i) printf(" %02x", block[i]);
        printf("\n");
    }
    freeTableData(block);
}

static void ShowDatabase(void) {
    unsigned int ids[16];
    int count = (Flush(), getGroups(NULL, 0, NULL));
    printf("  groups and tables: %d\n", count);
    if (count <= 0 || count > 16) return;
    Flush(), getGroups(NULL, 0, ids);
    for (int i = 0; i < count; ++i) printf(i == 0 ? "  ids: %u" : " %u", ids[i]);
    printf("\n");
    for (int i = 0; i < 2 * count; ++i) {
        char label[64];
        snprintf(label, sizeof label, i % 2 ? "table %u" : "group %u", ids[i / 2]);
        Query(label, i % 2 ? getTableData : getGroupData, ids[i / 2], NULL, NULL);
    }
}

/* Parses, then shows the working copy's size and FNV-1a hash: the same everywhere. */
static int Parse(const char *name, int show) {
    printf("== ParseMIFFile(%s)\n", name != NULL ? name : "NULL");
    int status = (Flush(), parseMifFile(name));
    printf("-> %d\n", status);
    FILE *file = fopen("temp.mif", "rb");
    if (file == NULL) return printf("  no temp.mif\n"), status;
    unsigned long size = 0, hash = 2166136261UL;
    for (int c; (c = getc(file)) != EOF; ++size) hash = ((hash ^ (unsigned long)c) * 16777619UL) & 0xFFFFFFFFUL;
    fclose(file);
    printf("  temp.mif: %lu bytes, hash %08lx\n", size, hash);
    if (show && status == 0) ShowDatabase();
    return status;
}

/* Sources that are no text files: UTF-16 with and without the right byte
 * order, CR LF line ends with an end-of-file mark, an empty file. Outside a
 * literal a character keeps its low byte: U+0175 in "Gro~p" reads as u. */
static void WriteGeneratedSources(void) {
    static const unsigned int kUnits[] = {0xFEFF, 0x0141, 0x4E2D, 0x0175, 0x00E9, 0x20AC};
    char utf16[2048], swapped[2048];
    int n = PutUtf16(utf16,
                     "~Start Component\r\nName = \"Widget ~~\"\r\nStart Gro~p\r\nName = \"g\"\r\nClass = \"Ex|~|1\"\r\n"
                     "ID = 3\r\nStart Attribute\r\nName = \"a\"\r\nID = 1\r\nType = DisplayString(16)\r\n"
                     "Value = \"line\nnext ~\"\r\nEnd Attribute\r\nStart Attribute\r\nName = \"b\"\r\nID = 2\r\n"
                     "Type = Counter\r\nValue = 7\r\nEnd Attribute\r\nEnd Group\r\nEnd Component\r\n",
                     kUnits);
    WriteBytes("utf16.mif", utf16, (size_t)n);
    for (int i = 0; i + 1 < n; i += 2) swapped[i] = utf16[i + 1], swapped[i + 1] = utf16[i];
    WriteBytes("swapped.mif", swapped, (size_t)n);

    static const char kCrLf[] =
        "Start Component\r\nName = \"crlf\"\r\n\r\nStart Group\r\nName = \"g\"\r\nID = 1\r\n"
        "Start Attribute\r\nName = \"a\"\r\nID = 1\r\nType = Integer\r\nValue = \"text\"\r\n"
        "End Attribute\r\nEnd Group\r\nEnd Component\r\n\x1A junk after the end-of-file mark";
    WriteBytes("crlf.mif", kCrLf, sizeof kCrLf - 1);
    WriteBytes("empty.mif", "", 0);
}

static void ParseFiles(void) {
    WriteGeneratedSources();
    Parse("network_adapter.mif", 1);
    Parse("network_adapter.mif", 0); /* loaded already: nothing happens */
    /* Templates found by their class, and a chosen set of attributes. */
    static const unsigned int kSomeAttributes[] = {4, 1, 0};
    Query("template by class", getGroupData, 0, "Example|Port|002", NULL);
    Query("table by class, attributes 4 1", getTableData, 0, "Example|Port|002", kSomeAttributes);
    Query("unknown class", getGroupData, 0, "Example|None|000", NULL);
    const char *files[] = {"table.mif", "utf16.mif", "errors.mif", "syntax.mif", "crlf.mif",
                           "swapped.mif", "empty.mif", "missing.mif", NULL};
    for (size_t i = 0; i < sizeof files / sizeof *files; ++i) Parse(files[i], 1);
    /* After a failed parse nothing is loaded. */
    Query("group 1 after a failure", getGroupData, 1, NULL, NULL);
}

static void ShowIniString(const char *section, const char *key, const char *ini) {
    char *value = (char *)1;
    int length = (Flush(), getIniString(section, key, ini, &value));
    printf("GetINIString(%s, %s) -> %d ", section != NULL ? section : "NULL", key != NULL ? key : "NULL", length);
    if (value == NULL) return (void)printf("NULL\n");
    /* A list: its length and the final NUL; a value: up to its NUL. */
    PrintBytes("", value, section != NULL && key != NULL ? (int)strlen(value) : length + 2);
    free(value);
}

/* GetMIFFilename's list, or with `generate` the buffer of the same size
 * (one guard byte more) after GenerateMIFFile. */
static void ShowList(const char *ini, const char *section, int generate) {
    const char *name = section != NULL ? section : "NULL";
    int length = (Flush(), getMifFilename(ini, section, NULL));
    char *list = malloc((size_t)length + 1), label[96];
    if (list == NULL) return;
    memset(list, '#', (size_t)length + 1), Flush();
    if (generate) {
        generateMifFile(ini, section, list);
        snprintf(label, sizeof label, "GenerateMIFFile(%s)", name);
    } else {
        snprintf(label, sizeof label, "GetMIFFilename(%s) -> %d %d", name, length, getMifFilename(ini, section, list));
    }
    PrintBytes(label, list, length + generate);
    free(list);
}

static void Generate(void) {
    /* Windows looks for a name without a directory in its own directory. */
    const char *ini = "./agent.ini";
    static const char kIni[] = "; one section per MIF file\n"
                               "[made]\nfilename = made.mif\ncommand = " COPY_TO("made.mif") "\n"
                               "[kept]\nfilename = kept.mif\ncommand = " COPY_TO("never-ran.mif") "\nrefresh = Never\n"
                               "[idle]\nfilename = idle.mif\ncommand = " IDLE "\n"
                               "[unstartable]\ncommand = no-such-program-of-mifkit --write unstartable\n[plain]\n";
    WriteBytes("agent.ini", kIni, sizeof kIni - 1);
    WriteBytes("kept.mif", "", 0);
    WriteBytes("plain", "", 0);

    printf("== generation\n");
    ShowIniString("made", "filename", ini);
    ShowIniString("KEPT", "Refresh", ini);
    ShowIniString(NULL, NULL, ini);
    ShowList(ini, NULL, 0);
    ShowList(ini, "idle", 1);
    ShowList(ini, NULL, 1);
    printf("made.mif %d, never-ran.mif %d, idle.mif %d\n", Exists("made.mif"), Exists("never-ran.mif"),
           Exists("idle.mif"));
    if (Parse("made.mif", 0) == 0) Flush(), printf("  groups and tables: %d\n", getGroups(NULL, 0, NULL));
    Flush(), printf("ExecuteCommand(a missing program) -> %d\n", executeCommand("no-such-program-of-mifkit"));
    Flush(), printf("ExecuteCommand(a copy) -> %d\n", executeCommand(COPY_TO("executed.mif")));
    printf("executed.mif %d\n", Exists("executed.mif"));
}

int main(int argc, char **argv) {
#ifdef _WIN32
    /* Our lines end in "\n" alone, as the library's do. */
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (argc != 2) return fprintf(stderr, "usage: mifkit_host LIBRARY\n"), 2;
    void *library = OpenLibrary(argv[1]);
    if (library == NULL) return fprintf(stderr, "cannot load %s\n", argv[1]), 1;
    int bound = Bind(library, "ParseMIFFile", &parseMifFile) & Bind(library, "ShutdownParser", &shutdownParser) &
                Bind(library, "GetGroups", &getGroups) & Bind(library, "GetGroupData", &getGroupData) &
                Bind(library, "GetTableData", &getTableData) & Bind(library, "FreeTableData", &freeTableData) &
                Bind(library, "GetINIString", &getIniString) & Bind(library, "GetMIFFilename", &getMifFilename) &
                Bind(library, "GenerateMIFFile", &generateMifFile) & Bind(library, "ExecuteCommand", &executeCommand);
    if (bound) {
        ParseFiles();
        Generate();
        Flush(), printf("== ShutdownParser -> %d\n", shutdownParser(0));
    }
    Flush();
    CloseLibrary(library);
    return !bound;
}
