// SPDX-License-Identifier: GPL-3.0-or-later

// Preloaded into a program (LD_PRELOAD), this makes the system calls that save files fail the
// way a failing disk makes them fail, for files under one folder only. It does nothing until
// KUJI6_FAULT_DIR names that folder; the other variables say what goes wrong there:
//
//   KUJI6_FAULT_WRITE=N:ERROR   after N more bytes every write fails with ERROR (a full disk
//                               takes what fits, then ENOSPC)
//   KUJI6_FAULT_FSYNC=ERROR     every fsync and fdatasync fails with ERROR
//   KUJI6_FAULT_RENAME=N:WHAT   the Nth rename into the folder fails with WHAT (an error
//                               name), or the process is killed (SIGKILL) just before it
//                               (KILL) or just after it (KILL-AFTER)
//
// Counting starts again whenever the variables change. ERROR is ENOSPC, EDQUOT, EIO, EACCES
// or EROFS.

#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

namespace {

struct Settings {
    std::string folder;
    long long writeLimit = -1;  // bytes that still fit; -1 for no limit
    int writeError = 0;
    int fsyncError = 0;
    long renameAt = 0;  // 1 for the first rename; 0 for none
    std::string renameFault;
};

struct State {
    std::mutex mutex;
    std::string seen;  // the variables the counts below belong to
    long long written = 0;
    long renames = 0;
};

State& state() {
    static State instance;
    return instance;
}

const char* variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

int errorNamed(const std::string& name) {
    if (name == "ENOSPC") {
        return ENOSPC;
    }
    if (name == "EDQUOT") {
        return EDQUOT;
    }
    if (name == "EACCES") {
        return EACCES;
    }
    if (name == "EROFS") {
        return EROFS;
    }
    return EIO;
}

// "N:WHAT" into its two parts.
void split(const char* text, long long& count, std::string& what) {
    const char* colon = std::strchr(text, ':');
    count = std::atoll(text);
    what = colon ? colon + 1 : "";
}

Settings settings() {
    Settings result;
    result.folder = variable("KUJI6_FAULT_DIR");
    std::string what;
    if (*variable("KUJI6_FAULT_WRITE")) {
        split(variable("KUJI6_FAULT_WRITE"), result.writeLimit, what);
        result.writeError = errorNamed(what);
    }
    if (*variable("KUJI6_FAULT_FSYNC")) {
        result.fsyncError = errorNamed(variable("KUJI6_FAULT_FSYNC"));
    }
    long long at = 0;
    split(variable("KUJI6_FAULT_RENAME"), at, result.renameFault);
    result.renameAt = static_cast<long>(at);
    return result;
}

// The counts, started afresh when the variables have changed since they were last seen.
State& countsFor() {
    State& current = state();
    const std::string now = std::string(variable("KUJI6_FAULT_DIR")) + '\n' +
                            variable("KUJI6_FAULT_WRITE") + '\n' + variable("KUJI6_FAULT_FSYNC") +
                            '\n' + variable("KUJI6_FAULT_RENAME");
    if (now != current.seen) {
        current.seen = now;
        current.written = 0;
        current.renames = 0;
    }
    return current;
}

bool inFolder(const std::string& path, const std::string& folder) {
    return !folder.empty() && path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

std::string pathOf(int fd) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    const ssize_t length = readlink(link, target, sizeof target - 1);
    return length > 0 ? std::string(target, static_cast<std::size_t>(length)) : std::string();
}

// The absolute form of a path a program passes, without resolving links.
std::string absolute(const char* path) {
    if (path[0] == '/') {
        return path;
    }
    char here[PATH_MAX];
    return getcwd(here, sizeof here) ? std::string(here) + '/' + path : std::string(path);
}

template <class Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

int failing(int error) {
    errno = error;
    return -1;
}

int syncing(const char* name, int fd) {
    static const auto fsyncCall = real<int (*)(int)>("fsync");
    static const auto fdatasyncCall = real<int (*)(int)>("fdatasync");
    const auto call = std::strcmp(name, "fsync") == 0 ? fsyncCall : fdatasyncCall;
    if (*variable("KUJI6_FAULT_DIR") && *variable("KUJI6_FAULT_FSYNC")) {
        const Settings now = settings();
        if (inFolder(pathOf(fd), now.folder)) {
            return failing(now.fsyncError);
        }
    }
    return call(fd);
}

}  // namespace

extern "C" {

// Tells a test program that the shim is loaded.
int kuji6_fault_shim = 1;

ssize_t write(int fd, const void* buffer, size_t count) {
    static const auto call = real<ssize_t (*)(int, const void*, size_t)>("write");
    if (!*variable("KUJI6_FAULT_DIR") || !*variable("KUJI6_FAULT_WRITE")) {
        return call(fd, buffer, count);
    }
    const Settings now = settings();
    if (!inFolder(pathOf(fd), now.folder)) {
        return call(fd, buffer, count);
    }
    State& counts = state();
    const std::lock_guard<std::mutex> lock(counts.mutex);
    countsFor();
    const long long room = now.writeLimit - counts.written;
    if (room <= 0) {
        return failing(now.writeError);
    }
    const size_t allowed = count < static_cast<size_t>(room) ? count : static_cast<size_t>(room);
    const ssize_t done = call(fd, buffer, allowed);
    if (done > 0) {
        counts.written += done;
    }
    return done;
}

int fsync(int fd) {
    return syncing("fsync", fd);
}

int fdatasync(int fd) {
    return syncing("fdatasync", fd);
}

int rename(const char* from, const char* to) {
    static const auto call = real<int (*)(const char*, const char*)>("rename");
    if (!*variable("KUJI6_FAULT_DIR") || !*variable("KUJI6_FAULT_RENAME")) {
        return call(from, to);
    }
    const Settings now = settings();
    if (!inFolder(absolute(to), now.folder)) {
        return call(from, to);
    }
    State& counts = state();
    long number = 0;
    {
        const std::lock_guard<std::mutex> lock(counts.mutex);
        countsFor();
        number = ++counts.renames;
    }
    if (number != now.renameAt) {
        return call(from, to);
    }
    if (now.renameFault == "KILL") {
        raise(SIGKILL);
    }
    if (now.renameFault == "KILL-AFTER") {
        call(from, to);
        raise(SIGKILL);
    }
    return failing(errorNamed(now.renameFault));
}

}  // extern "C"
