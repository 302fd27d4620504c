#ifdef _WIN32

#include <windows.h>

#include <string>

#include "platform/file_io.h"

namespace mifkit::platform {

bool RegularFileSize(const char *name, size_t &size) {
    WIN32_FILE_ATTRIBUTE_DATA info;
    if (!GetFileAttributesExA(name, GetFileExInfoStandard, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    const unsigned long long bytes = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (bytes > static_cast<size_t>(-1)) return false;
    size = static_cast<size_t>(bytes);
    return true;
}

bool ReadFileInto(const char *name, char *out, size_t capacity, size_t &read) {
    read = 0;
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    while (read < capacity) {
        const size_t left = capacity - read;
        DWORD n = 0;
        if (!ReadFile(file, out + read, left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left), &n, nullptr)) {
            ok = false;
            break;
        }
        if (n == 0) break;
        read += n;
    }
    CloseHandle(file);
    return ok;
}

bool ReadWholeFile(const char *name, std::string &out, size_t maxBytes) {
    out.clear();
    HANDLE file = CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[64 * 1024];
    bool ok = true;
    for (;;) {
        DWORD n = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            ok = false;
            break;
        }
        if (n == 0) break;
        if (out.size() + n > maxBytes) {
            ok = false;
            break;
        }
        out.append(buffer, n);
    }
    CloseHandle(file);
    return ok;
}

bool WriteFileAtomically(const char *name, std::string_view data) {
    return WriteFileAtomically(name, [data](const WritePiece &write) { return write(data); });
}

bool WriteFileAtomically(const char *name, const std::function<bool(const WritePiece &)> &produce) {
    std::string path(name);
    std::string::size_type slash = path.find_last_of("/\\");
    std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string fresh = directory + ".mifkit-" + std::to_string(GetCurrentProcessId()) + "-" +
                            std::to_string(attempt) + ".tmp";
        HANDLE file = CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS) continue;
        if (file == INVALID_HANDLE_VALUE) return false;
        const WritePiece write = [file](std::string_view piece) {
            DWORD written = 0;
            return WriteFile(file, piece.data(), static_cast<DWORD>(piece.size()), &written, nullptr) &&
                   written == piece.size();
        };
        bool ok = produce(write);
        ok = CloseHandle(file) && ok;
        ok = ok && MoveFileExA(fresh.c_str(), name, MOVEFILE_REPLACE_EXISTING);
        if (!ok) DeleteFileA(fresh.c_str());
        return ok;
    }
    return false;
}

bool ReplaceFileAtomically(const char *name, std::string_view data) {
    // The new file takes the old one's attributes from nothing: one that is
    // read-only is not to be replaced.
    DWORD attributes = GetFileAttributesA(name);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;
    return WriteFileAtomically(name, data);
}

}  // namespace mifkit::platform

#endif
