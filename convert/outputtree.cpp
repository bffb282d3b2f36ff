#include "convert/outputtree.h"

#include "platform/pathbytes.h"

#include <QStringList>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace lorvane {

bool StaysBelow(const QString& relative) {
    if (relative.startsWith(QLatin1Char('/'))) {
        return false;
    }
    // Only a part that is exactly ".." climbs: "...", "..x" or ".. " are names like any other.
    const QStringList parts = relative.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

std::optional<QString> ResultFolderFor(const ConversionChoices& choices, const QString& source) {
    const QString sub = choices.subfolders.value(source);
    if (sub.isEmpty()) {
        return choices.folderText;
    }
    if (!StaysBelow(sub)) {
        return std::nullopt;
    }
    // The separators doubled here are collapsed when the result's path is made.
    return choices.folderText + QLatin1Char('/') + sub + QLatin1Char('/');
}

QString MakeResultFolder(const ConversionChoices& choices, const QString& source) {
    const QString sub = choices.subfolders.value(source);
    if (!choices.saveToFolder || sub.isEmpty() || !StaysBelow(sub)) {
        return {};
    }
    // Only the subfolder's parts are made: an output folder that has gone stays gone, and the
    // run says so instead of making it again somewhere the user no longer expects.
    QByteArray path = PathToBytes(choices.folderText);
    for (const QString& part : sub.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!path.endsWith('/')) {
            path += '/';
        }
        path += PathToBytes(part);
        if (::mkdir(path.constData(), 0777) != 0 && errno != EEXIST) {
            return QString::fromLocal8Bit(std::strerror(errno));
        }
    }
    return {};
}

}  // namespace lorvane
