#ifndef _WIN32

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/file_io.h"

namespace mifkit::platform {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return fd_; }
    bool Close() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

bool ReadWholeFile(const char *name, std::string &out, size_t maxBytes) {
    out.clear();
    FileDescriptor file(::open(name, O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return false;
    struct stat info;
    if (::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode)) {
        if (static_cast<unsigned long long>(info.st_size) > maxBytes) return false;
        out.reserve(static_cast<size_t>(info.st_size));
    }
    char buffer[64 * 1024];
    for (;;) {
        ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (out.size() + static_cast<size_t>(n) > maxBytes) return false;
        out.append(buffer, static_cast<size_t>(n));
    }
}

bool RegularFileSize(const char *name, size_t &size) {
    struct stat info;
    if (::stat(name, &info) != 0 || !S_ISREG(info.st_mode)) return false;
    size = static_cast<size_t>(info.st_size);
    return true;
}

bool ReadFileInto(const char *name, char *out, size_t capacity, size_t &read) {
    read = 0;
    FileDescriptor file(::open(name, O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) return false;
    while (read < capacity) {
        ssize_t n = ::read(file.get(), out + read, capacity - read);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        read += static_cast<size_t>(n);
    }
    return true;
}

namespace {

// Writes a fresh file beside `name`, its bytes handed over by `produce`, and
// renames it over `name`; `mode`, when given, is set on the fresh file before
// any byte is written.
bool WriteAndRename(const char *name, const std::function<bool(const WritePiece &)> &produce,
                    const mode_t *mode) {
    std::string path(name);
    std::string::size_type slash = path.rfind('/');
    std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    // O_EXCL never opens an existing name, a planted symlink included.
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        std::string fresh = directory + ".mifkit-" + std::to_string(::getpid()) + "-" +
                            std::to_string(attempt) + ".tmp";
        int fd = ::open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return false;
        FileDescriptor file(fd);
        const WritePiece write = [&file](std::string_view piece) { return WriteAll(file.get(), piece); };
        bool ok = (mode == nullptr || ::fchmod(file.get(), *mode) == 0) && produce(write) && file.Close() &&
                  std::rename(fresh.c_str(), name) == 0;
        if (!ok) ::unlink(fresh.c_str());
        return ok;
    }
    return false;
}

std::function<bool(const WritePiece &)> Whole(std::string_view data) {
    return [data](const WritePiece &write) { return write(data); };
}

}  // namespace

bool WriteFileAtomically(const char *name, std::string_view data) { return WriteAndRename(name, Whole(data), nullptr); }

bool WriteFileAtomically(const char *name, const std::function<bool(const WritePiece &)> &produce) {
    return WriteAndRename(name, produce, nullptr);
}

bool ReplaceFileAtomically(const char *name, std::string_view data) {
    struct stat info;
    if (::stat(name, &info) != 0 || !S_ISREG(info.st_mode) || (info.st_mode & S_IWUSR) == 0) return false;
    mode_t mode = info.st_mode & 07777;
    return WriteAndRename(name, Whole(data), &mode);
}

}  // namespace mifkit::platform

#endif
