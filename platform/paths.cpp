#include "platform/paths.h"

#include "platform/apperror.h"
#include "platform/pathbytes.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace lorvane {

namespace {

// The positions these routines find were held in 16-bit numbers; a path long enough to
// push one past that fails the way it always did, with an overflow the caller reports.
constexpr qsizetype kMaxShortPosition = 32767;

void checkShortPosition(qsizetype zeroBasedIndex) {
    if (zeroBasedIndex + 1 > kMaxShortPosition) {
        throw errors::overflow();
    }
}

// Single pass, left to right: every non-overlapping pair becomes one separator.
QString collapsePairs(QStringView text, QChar sep) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        out.append(text[i]);
        if (text[i] == sep && i + 1 < text.size() && text[i + 1] == sep) {
            ++i;
        }
    }
    return out;
}

QByteArray encoded(const QString& path) {
    return PathToBytes(path);
}

}  // namespace

QString LastNameOfPath(const QString& path) {
    const QChar sep = PathStyle::native().separator;
    qsizetype end = path.size();
    while (end > 0 && path[end - 1] == sep) {
        --end;
    }
    const qsizetype start = path.lastIndexOf(sep, end - 1) + 1;
    return path.mid(start, end - start);
}

QString WithoutTrailingSeparators(const QString& path) {
    const QChar sep = PathStyle::native().separator;
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == sep) {
        --end;
    }
    return path.left(end);
}

QString FolderOfPath(const QString& path, PathStyle style) {
    const qsizetype p = path.lastIndexOf(style.separator);
    if (p < 0) {
        return QString();
    }
    checkShortPosition(p);
    return path.left(p + 1);
}

QString FileNameOfPath(const QString& path, PathStyle style) {
    return path.mid(path.lastIndexOf(style.separator) + 1);
}

QString StripExtension(const QString& name) {
    if (name.isEmpty()) {
        return QString();
    }
    const qsizetype p = name.lastIndexOf(QLatin1Char('.'));
    if (p >= 0) {
        checkShortPosition(p);
    }
    if (p < 1) {
        return name;
    }
    return name.left(p);
}

QString CollapseBackslashes(const QString& path, PathStyle style) {
    const QChar sep = style.separator;
    if (path.isEmpty() || path.front() != sep) {
        return collapsePairs(path, sep);
    }
    qsizetype k = 1;
    while (k < path.size() && path[k] == sep) {
        ++k;
    }
    return QString(style.leadingRun, sep) + collapsePairs(QStringView(path).mid(k), sep);
}

QString JoinPath(const QString& folder, const QString& name, PathStyle style) {
    return CollapseBackslashes(folder + style.separator + name, style);
}

bool PathExists(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    struct stat st {};
    return ::stat(encoded(path).constData(), &st) == 0;
}

std::optional<bool> IsExistingFolder(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    struct stat st {};
    if (::stat(encoded(path).constData(), &st) != 0) {
        return std::nullopt;
    }
    return S_ISDIR(st.st_mode);
}

void ForceDeleteFile(const QString& path) {
    const QByteArray name = encoded(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        throw errors::fromErrno(errno);
    }
    if (S_ISDIR(st.st_mode)) {
        // Only files are ever removed; a folder of that name is "not a file".
        throw errors::fromErrno(ENOENT);
    }
    // Removing a directory entry needs write access to the folder only, so a read-only file
    // goes as long as its folder lets us.
    if (::unlink(name.constData()) != 0) {
        throw errors::fromErrno(errno);
    }
}

void DeleteFileQuietly(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    try {
        ForceDeleteFile(path);
    } catch (const AppError&) {
        // The caller only wants the file gone if it can be; it learns nothing either way.
    }
}

}  // namespace lorvane
