#include "platform/filecontents.h"

#include "platform/apperror.h"
#include "platform/pathbytes.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

namespace lorvane {

QByteArray ReadWholeFile(const QString& path) {
    const QByteArray name = PathToBytes(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw errors::fromErrno(errno);
    }
    QByteArray contents;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            const int err = errno;
            ::close(fd);
            throw errors::fromErrno(err);
        }
        if (got == 0) {
            break;
        }
        contents.append(buffer, static_cast<qsizetype>(got));
    }
    ::close(fd);
    return contents;
}

}  // namespace lorvane
