#include "platform/trash.h"

#include "platform/pathbytes.h"

#include <QDateTime>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lorvane {

namespace {

QString errorText(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

bool isFolder(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool makeFolder(const QByteArray& path) {
    return ::mkdir(path.constData(), 0700) == 0 || (errno == EEXIST && isFolder(path));
}

// The device of the nearest existing folder at or above the path: where a folder made
// there would lie.
bool deviceOfNearest(QByteArray path, dev_t* device) {
    for (;;) {
        struct stat st {};
        if (::stat(path.constData(), &st) == 0) {
            *device = st.st_dev;
            return true;
        }
        const qsizetype slash = path.lastIndexOf('/');
        if (slash <= 0) {
            return false;
        }
        path.truncate(slash);
    }
}

// Makes the folder and any folders above it that are missing.
bool makeFolders(const QByteArray& path) {
    if (isFolder(path)) {
        return true;
    }
    const qsizetype slash = path.lastIndexOf('/');
    if (slash > 0 && !makeFolders(path.left(slash))) {
        return false;
    }
    return makeFolder(path);
}

// The top folder of the file system the path lies on: the highest folder above it on the
// same device.
QByteArray topFolderOf(const QByteArray& folder, dev_t device) {
    QByteArray top = folder;
    while (top != "/") {
        const qsizetype slash = top.lastIndexOf('/');
        const QByteArray parent = slash <= 0 ? QByteArray("/") : top.left(slash);
        struct stat st {};
        if (::stat(parent.constData(), &st) != 0 || st.st_dev != device) {
            break;
        }
        top = parent;
    }
    return top;
}

// A volume's trash for this user: $top/.Trash/$uid when $top/.Trash is a real folder with the
// sticky bit (a shared trash an administrator set up), otherwise $top/.Trash-$uid.
QByteArray volumeTrash(const QByteArray& top) {
    const QByteArray base = top == "/" ? QByteArray() : top;
    const QByteArray uid = QByteArray::number(::getuid());
    const QByteArray shared = base + "/.Trash";
    struct stat st {};
    if (::lstat(shared.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX)) {
        const QByteArray mine = shared + '/' + uid;
        if (makeFolder(mine)) {
            return mine;
        }
    }
    return base + "/.Trash-" + uid;
}

QByteArray absolute(const QByteArray& path) {
    if (path.startsWith('/')) {
        return path;
    }
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd) == nullptr) {
        return path;
    }
    return QByteArray(cwd) + '/' + path;
}

}  // namespace

QString HomeTrashFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !data.startsWith(QLatin1Char('/'))) {
        data = qEnvironmentVariable("HOME") + QStringLiteral("/.local/share");
    }
    return data + QStringLiteral("/Trash");
}

QString MoveToTrash(const QString& path, QString* trashedAs) {
    const QByteArray file = absolute(PathToBytes(path));
    struct stat st {};
    if (::lstat(file.constData(), &st) != 0) {
        return errorText(errno);
    }
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray("/") : file.left(slash);
    const QByteArray name = file.mid(slash + 1);

    // The home trash takes every file of its own file system, and is made (with the folders
    // above it, as in a new account without ~/.local/share) when it is first needed: a file
    // sent to the top of the system's disk instead would be out of the file manager's sight.
    QByteArray trash = PathToBytes(HomeTrashFolder());
    dev_t homeDevice = 0;
    QByteArray top;  // the volume's top, for a volume trash (relative paths in .trashinfo)
    if (!deviceOfNearest(trash, &homeDevice) || homeDevice != st.st_dev) {
        top = topFolderOf(folder, st.st_dev);
        trash = volumeTrash(top);
    } else if (!makeFolders(trash)) {
        return errorText(errno);
    }
    const QByteArray files = trash + "/files";
    const QByteArray info = trash + "/info";
    if (!makeFolder(trash) || !makeFolder(files) || !makeFolder(info)) {
        return errorText(errno);
    }

    // Where it came from: a path relative to the volume's top for a volume trash, else
    // absolute; percent-encoded bytes either way.
    QByteArray origin = file;
    if (!top.isEmpty() && top != "/" && file.startsWith(top + '/')) {
        origin = file.mid(top.size() + 1);
    }
    const QByteArray infoText =
        "[Trash Info]\nPath=" + origin.toPercentEncoding("/") + "\nDeletionDate=" +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() +
        "\n";

    // The .trashinfo file is made first and exclusively: it claims the name in the trash.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        QByteArray trashedName = name;
        if (attempt > 0) {
            const qsizetype dot = name.lastIndexOf('.');
            const QByteArray suffix = "." + QByteArray::number(attempt + 1);
            trashedName = dot > 0 ? name.left(dot) + suffix + name.mid(dot) : name + suffix;
        }
        const QByteArray infoPath = info + '/' + trashedName + ".trashinfo";
        const int fd = ::open(infoPath.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) {
            if (errno == EEXIST) {
                continue;
            }
            return errorText(errno);
        }
        const bool written = ::write(fd, infoText.constData(),
                                     static_cast<size_t>(infoText.size())) == infoText.size();
        ::close(fd);
        const QByteArray target = files + '/' + trashedName;
        struct stat taken {};
        if (!written || ::lstat(target.constData(), &taken) == 0) {
            ::unlink(infoPath.constData());
            if (!written) {
                return errorText(EIO);
            }
            continue;  // a file without its .trashinfo holds the name
        }
        if (::rename(file.constData(), target.constData()) != 0) {
            const int err = errno;
            ::unlink(infoPath.constData());
            return errorText(err);
        }
        if (trashedAs != nullptr) {
            *trashedAs = PathFromBytes(target);
        }
        return {};
    }
    return errorText(EEXIST);
}

}  // namespace lorvane
