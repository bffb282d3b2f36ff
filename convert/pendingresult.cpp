#include "convert/pendingresult.h"

#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QDir>
#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lorvane {

namespace {

const char kMarkAttribute[] = "user.lorvane.source";
const QByteArray kTempPrefix = ".lorvane-";
const QByteArray kTempSuffix = ".part";
constexpr int kRandomLetters = 12;
constexpr int kPlaceAttempts = 3;

QString errorText(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

QByteArray randomName() {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray name = kTempPrefix;
    for (int i = 0; i < kRandomLetters; ++i) {
        name += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    }
    return name + kTempSuffix;
}

bool isTemporaryName(const char* name) {
    const QByteArrayView view(name);
    if (view.size() != kTempPrefix.size() + kRandomLetters + kTempSuffix.size() ||
        !view.startsWith(kTempPrefix) || !view.endsWith(kTempSuffix)) {
        return false;
    }
    for (qsizetype i = kTempPrefix.size(); i < kTempPrefix.size() + kRandomLetters; ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) {
            return false;
        }
    }
    return true;
}

QByteArray folderPart(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0) {
        return ".";
    }
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray markAt(int fd) {
    char buffer[8192];
    const ssize_t got = ::fgetxattr(fd, kMarkAttribute, buffer, sizeof buffer);
    return got > 0 ? QByteArray(buffer, got) : QByteArray();
}

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

std::unique_ptr<PendingResult> PendingResult::create(const QString& output, QString* error) {
    const QByteArray final = PathToBytes(output);
    std::unique_ptr<PendingResult> result(new PendingResult);
    result->m_finalPath = output;
    result->m_finalName = final.mid(final.lastIndexOf('/') + 1);
    result->m_dirFd = ::open(folderPart(final).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (result->m_dirFd < 0) {
        *error = errorText(errno);
        return nullptr;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = randomName();
        // O_EXCL: a name someone else placed (a link included) is never opened.
        const int fd = ::openat(result->m_dirFd, name.constData(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            *error = errorText(errno);
            return nullptr;
        }
        result->m_fd = fd;
        result->m_tempName = name;
        ::flock(fd, LOCK_EX | LOCK_NB);
        struct stat ours {};
        struct stat other {};
        ::fstat(fd, &ours);
        result->m_foldsCase = ::fstatat(result->m_dirFd, name.toUpper().constData(), &other,
                                        AT_SYMLINK_NOFOLLOW) == 0;
        return result;
    }
    *error = errorText(EEXIST);
    return nullptr;
}

PendingResult::~PendingResult() {
    if (!m_placed) {
        removeTemporary();
    }
    if (m_fd >= 0) {
        ::close(m_fd);
    }
    if (m_dirFd >= 0) {
        ::close(m_dirFd);
    }
}

void PendingResult::removeTemporary() {
    if (m_tempName.isEmpty()) {
        return;
    }
    // Only our own file goes: the name may have been taken by another since.
    struct stat ours {};
    struct stat named {};
    if (::fstat(m_fd, &ours) == 0 &&
        ::fstatat(m_dirFd, m_tempName.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        sameFile(ours, named)) {
        ::unlinkat(m_dirFd, m_tempName.constData(), 0);
    }
    m_tempName.clear();
}

QString PendingResult::converterAddress() const {
    return QStringLiteral("/dev/fd/%1").arg(m_fd);
}

QString PendingResult::readBackPath() const {
    return QStringLiteral("/proc/self/fd/%1").arg(m_fd);
}

PendingResult::Existing PendingResult::existingAtFinalName(const QByteArray& mark) const {
    struct stat st {};
    if (::fstatat(m_dirFd, m_finalName.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        return Existing::Nothing;
    }
    if (S_ISDIR(st.st_mode)) {
        return Existing::Folder;
    }
    if (!S_ISREG(st.st_mode) || mark.isEmpty()) {
        return Existing::OtherFile;
    }
    const int fd =
        ::openat(m_dirFd, m_finalName.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return Existing::OtherFile;
    }
    const bool own = markAt(fd) == mark;
    ::close(fd);
    return own ? Existing::OwnResult : Existing::OtherFile;
}

QString PendingResult::putInPlace(const QByteArray& mark, bool replace) {
    // Recorded before the result has its name, so it is never there unmarked. A file system
    // without such attributes (FAT) keeps no mark: its results then count as not known.
    if (!mark.isEmpty()) {
        ::fsetxattr(m_fd, kMarkAttribute, mark.constData(), static_cast<size_t>(mark.size()), 0);
    }
    // Closed for writing while it still has its temporary name: a watcher that takes a close
    // after writing for "the file is finished" hears it there, never under the final name.
    // The lock passes to a read-only descriptor of the same file, shared for the moment both
    // hold it, so a later run never takes the file for one left behind.
    const int readOnly = ::open(PathToBytes(readBackPath()).constData(), O_RDONLY | O_CLOEXEC);
    if (readOnly >= 0) {
        ::flock(m_fd, LOCK_SH);
        ::flock(readOnly, LOCK_SH | LOCK_NB);
        ::close(m_fd);
        m_fd = readOnly;
    }
    // The temporary name must still be ours.
    struct stat ours {};
    struct stat named {};
    if (::fstat(m_fd, &ours) != 0 ||
        ::fstatat(m_dirFd, m_tempName.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(ours, named)) {
        return errorText(ENOENT);
    }
    int rc = -1;
    if (replace) {
        rc = ::renameat(m_dirFd, m_tempName.constData(), m_dirFd, m_finalName.constData());
    } else {
        rc = ::renameat2(m_dirFd, m_tempName.constData(), m_dirFd, m_finalName.constData(),
                         RENAME_NOREPLACE);
        if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system that cannot rename without replacing (FUSE, some network file
            // systems): look, then rename; only a file appearing in between is at risk.
            struct stat st {};
            if (::fstatat(m_dirFd, m_finalName.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
                errno = EEXIST;
            } else {
                rc = ::renameat(m_dirFd, m_tempName.constData(), m_dirFd, m_finalName.constData());
            }
        }
    }
    if (rc != 0) {
        return errorText(errno);
    }
    m_tempName.clear();
    // In a world-writable folder without the sticky bit another user may swap the temporary
    // name between the look above and the rename: then what got the final name is theirs,
    // and it must not pass for a result.
    struct stat placed {};
    if (::fstatat(m_dirFd, m_finalName.constData(), &placed, AT_SYMLINK_NOFOLLOW) != 0 ||
        !sameFile(ours, placed)) {
        return errorText(EPERM);
    }
    m_placed = true;
    return {};
}

QByteArray ResultMarkOf(const QString& path) {
    const int fd =
        ::open(PathToBytes(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    const QByteArray mark = markAt(fd);
    ::close(fd);
    return mark;
}

QByteArray ResultMarkFor(const QString& source) {
    const QString absolute =
        source.startsWith(QLatin1Char('/')) ? source : QDir::current().absoluteFilePath(source);
    return PathToBytes(QDir::cleanPath(absolute));
}

int RemoveStaleTemporaries(const QString& folder) {
    const int dirFd = ::open(PathToBytes(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) {
        return 0;
    }
    const int listFd = ::dup(dirFd);
    DIR* dir = listFd < 0 ? nullptr : ::fdopendir(listFd);
    if (dir == nullptr) {
        if (listFd >= 0) {
            ::close(listFd);
        }
        ::close(dirFd);
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name)) {
            continue;
        }
        const int fd =
            ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        struct stat named {};
        // Another user's, one still locked by a living run or its converter, or one that was
        // created this very moment and is not locked yet, stays.
        const bool stale = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                           st.st_uid == ::getuid() &&
                           !(st.st_size == 0 && st.st_mtime >= ::time(nullptr) - 2) &&
                           ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
                           ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
                           sameFile(st, named);
        if (stale && ::unlinkat(dirFd, entry->d_name, 0) == 0) {
            ++removed;
        }
        ::close(fd);
    }
    ::closedir(dir);
    ::close(dirFd);
    return removed;
}

}  // namespace lorvane
