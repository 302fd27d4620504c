#ifndef _WIN32

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/command_line.h"
#include "platform/process.h"

extern char **environ;

namespace mifkit::platform {

namespace {

// The child starts as a fresh Windows process does: no signal blocked or
// ignored, and no descriptor of the host's but the standard ones.
class SpawnSettings {
public:
    SpawnSettings() {
        attributesReady_ = ::posix_spawnattr_init(&attributes_) == 0;
        actionsReady_ = ::posix_spawn_file_actions_init(&actions_) == 0;
        sigset_t none, all;
        sigemptyset(&none);
        sigfillset(&all);
        ok_ = attributesReady_ && actionsReady_ &&
              ::posix_spawnattr_setsigmask(&attributes_, &none) == 0 &&
              ::posix_spawnattr_setsigdefault(&attributes_, &all) == 0 &&
              ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF) == 0;
#if defined(__GLIBC__) && (__GLIBC__ > 2 || __GLIBC_MINOR__ >= 34)
        ok_ = ok_ && ::posix_spawn_file_actions_addclosefrom_np(&actions_, 3) == 0;
#endif
    }
    ~SpawnSettings() {
        if (actionsReady_) ::posix_spawn_file_actions_destroy(&actions_);
        if (attributesReady_) ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings &) = delete;
    SpawnSettings &operator=(const SpawnSettings &) = delete;

    bool ok() const { return ok_; }
    const posix_spawnattr_t *attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t *actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
    bool attributesReady_ = false;
    bool actionsReady_ = false;
    bool ok_ = false;
};

}  // namespace

bool RunCommand(const char *commandLine) {
    std::vector<std::string> words = SplitCommandLine(commandLine == nullptr ? "" : commandLine);
    if (words.empty() || words.front().empty()) return false;
    std::vector<char *> arguments;
    for (std::string &word : words) arguments.push_back(word.data());
    arguments.push_back(nullptr);
    SpawnSettings settings;
    if (!settings.ok()) return false;
    // posix_spawnp reports a program that cannot be run as its own failure,
    // and its child never returns into our code or flushes our buffers.
    pid_t child = 0;
    if (::posix_spawnp(&child, arguments.front(), settings.actions(), settings.attributes(),
                       arguments.data(), environ) != 0)
        return false;
    int status = 0;
    // ECHILD: a host that ignores SIGCHLD has had the child reaped already.
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

}  // namespace mifkit::platform

#endif
