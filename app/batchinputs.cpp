#include "app/batchinputs.h"

#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QSet>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lorvane {

namespace {

QString systemError(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

QString withoutTrailingSlashes(QString path) {
    while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) {
        path.chop(1);
    }
    return path;
}

QString quoted(const QString& path) {
    return QLatin1Char('\'') + DisplayPath(path) + QLatin1Char('\'');
}

}  // namespace

QStringList InputProblems(const QStringList& items) {
    QStringList problems;
    for (const QString& item : items) {
        struct stat st {};
        if (::stat(PathToBytes(item).constData(), &st) == 0) {
            continue;
        }
        const int err = errno;
        const QString bare = withoutTrailingSlashes(item);
        struct stat plain {};
        if (err == ENOTDIR && bare != item && ::stat(PathToBytes(bare).constData(), &plain) == 0 &&
            !S_ISDIR(plain.st_mode)) {
            problems.append(
                QCoreApplication::translate(
                    "BatchInputs", "%1 is a file, not a folder: leave out the trailing '/'")
                    .arg(quoted(item)));
        } else if (err == ENOENT || err == ENOTDIR) {
            problems.append(QCoreApplication::translate("BatchInputs", "%1: no such file or folder")
                                .arg(quoted(item)));
        } else {
            //: %1 is a file or folder given; %2 is the system's reason.
            problems.append(QCoreApplication::translate("BatchInputs", "%1 cannot be reached (%2)")
                                .arg(quoted(item), systemError(err)));
        }
    }
    return problems;
}

QStringList OutputFolderProblems(const ConversionChoices& choices, const QStringList& sources) {
    QStringList folders;
    if (choices.saveToFolder) {
        folders.append(choices.folderText);
    } else if (choices.saveBesideSource) {
        QSet<QString> seen;
        for (const QString& source : sources) {
            const QString folder = FolderOfPath(source);
            if (!seen.contains(folder)) {
                seen.insert(folder);
                folders.append(folder);
            }
        }
    }
    QStringList problems;
    for (const QString& folder : folders) {
        const QString shown = withoutTrailingSlashes(folder);
        // As the user the program runs as: root passes every permission, not a read-only mount.
        if (::faccessat(AT_FDCWD, PathToBytes(shown.isEmpty() ? QStringLiteral(".") : shown),
                        W_OK | X_OK, AT_EACCESS) != 0) {
            //: %2 is the system's reason.
            problems.append(QCoreApplication::translate(
                                "BatchInputs", "the output folder %1 takes no new files (%2)")
                                .arg(quoted(shown), systemError(errno)));
        }
    }
    return problems;
}

QString JobsEnvironmentWarning(int most, int instead) {
    if (!qEnvironmentVariableIsSet("LORVANE_JOBS")) {
        return {};
    }
    const QString value = qEnvironmentVariable("LORVANE_JOBS");
    bool ok = false;
    const int n = value.toInt(&ok);
    if (ok && n >= 1 && n <= most && !value.isEmpty() && value.front().isDigit()) {
        return {};
    }
    //: %1 is the variable's value; %2 is the most conversions at once; %n is how many run.
    const QString text =
        instead == 1
            ? QCoreApplication::translate("BatchInputs",
                                          "warning: LORVANE_JOBS='%1' is not a whole number from "
                                          "1 to %2; running 1 conversion at once")
            : QCoreApplication::translate("BatchInputs",
                                          "warning: LORVANE_JOBS='%1' is not a whole number from "
                                          "1 to %2; running %n conversions at once",
                                          nullptr, instead);
    return text.arg(value, QString::number(most));  // in one go: the value may hold a "%2"
}

}  // namespace lorvane
