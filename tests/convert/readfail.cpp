// Preloaded into FFmpeg by the tests: reads of the file named by READFAIL_PATH fail with EIO
// once READFAIL_AFTER bytes of it have been read, as when a USB stick is pulled or a network
// share drops mid-file. Every other file reads as usual.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int g_fd = -1;
long long g_read = 0;

bool isTarget(const char* path) {
    const char* target = std::getenv("READFAIL_PATH");
    if (target == nullptr || path == nullptr) {
        return false;
    }
    // A file handed over as an open descriptor is known by the file behind it.
    char resolved[4096];
    if (std::strncmp(path, "/dev/fd/", 8) == 0) {
        const std::string link = std::string("/proc/self/fd/") + (path + 8);
        const ssize_t length = ::readlink(link.c_str(), resolved, sizeof resolved - 1);
        if (length > 0) {
            resolved[length] = '\0';
            path = resolved;
        }
    }
    return std::strcmp(path, target) == 0;
}

template <typename Open>
int track(Open real, const char* path, int flags, va_list args) {
    const mode_t mode = (flags & O_CREAT) != 0 ? static_cast<mode_t>(va_arg(args, int)) : 0;
    const int fd = real(path, flags, mode);
    if (fd >= 0 && isTarget(path)) {
        g_fd = fd;
        g_read = 0;
    }
    return fd;
}

using OpenFn = int (*)(const char*, int, ...);
using ReadFn = ssize_t (*)(int, void*, size_t);

}  // namespace

extern "C" {

int open(const char* path, int flags, ...) {
    static auto real = reinterpret_cast<OpenFn>(dlsym(RTLD_NEXT, "open"));
    va_list args;
    va_start(args, flags);
    const int fd = track(real, path, flags, args);
    va_end(args);
    return fd;
}

int open64(const char* path, int flags, ...) {
    static auto real = reinterpret_cast<OpenFn>(dlsym(RTLD_NEXT, "open64"));
    va_list args;
    va_start(args, flags);
    const int fd = track(real, path, flags, args);
    va_end(args);
    return fd;
}

ssize_t read(int fd, void* buffer, size_t count) {
    static auto real = reinterpret_cast<ReadFn>(dlsym(RTLD_NEXT, "read"));
    if (fd != g_fd) {
        return real(fd, buffer, count);
    }
    const long long limit = std::atoll(std::getenv("READFAIL_AFTER"));
    if (g_read >= limit) {
        errno = EIO;
        return -1;
    }
    if (g_read + static_cast<long long>(count) > limit) {
        count = static_cast<size_t>(limit - g_read);
    }
    const ssize_t got = real(fd, buffer, count);
    if (got > 0) {
        g_read += got;
    }
    return got;
}

}  // extern "C"
