#include "filelist/filedrop.h"

#include "filelist/filelistmodel.h"
#include "filelist/folderintake.h"
#include "filelist/folderwalk.h"
#include "platform/apperror.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QMimeData>
#include <QSysInfo>
#include <QUrl>

#include <algorithm>

namespace lorvane {

std::optional<QString> LocalPathOfUrl(const QUrl& url) {
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    // Some programs name this machine in the URL; Qt would make such a URL a network path
    // ("//localhost/music").
    const QString host = url.host();
    if (!host.isEmpty() && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0 &&
        host.compare(QSysInfo::machineHostName(), Qt::CaseInsensitive) != 0) {
        return std::nullopt;
    }
    // The URL carries the name's bytes percent-encoded; decoded as text, a byte that is not
    // UTF-8 would become U+FFFD and the path would lead nowhere.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (bytes.isEmpty()) {
        return std::nullopt;
    }
    return PathFromBytes(bytes);
}

QUrl FileUrlOfPath(const QString& path) {
    if (path.isEmpty()) {
        return QUrl();
    }
    return QUrl::fromEncoded(
        QByteArrayLiteral("file://") + PathToBytes(path).toPercentEncoding("/"), QUrl::StrictMode);
}

QStringList FileDropList(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (std::optional<QString> path = LocalPathOfUrl(url)) {
            paths.append(std::move(*path));
        }
    }
    return paths;
}

bool OffersLocalFiles(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return false;
    }
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(),
                       [](const QUrl& url) { return LocalPathOfUrl(url).has_value(); });
}

bool IsDroppedFolder(const QString& path) {
    try {
        return IsExistingFolder(path).value_or(false) &&
               (FileAttributesOf(path) & kAttrDirectory) != 0;
    } catch (const AppError&) {
        return false;
    }
}

void AddDroppedItems(const QStringList& paths, FileListModel& list, FailureReporter& reporter,
                     const std::function<void()>& yield, const std::function<void(bool)>& walking,
                     const QString& folderPattern) {
    for (const QString& path : paths) {
        if (IsDroppedFolder(path)) {
            if (walking) {
                walking(true);
            }
            // Each dropped folder is a walk of its own: dropping two folders where one holds
            // the other takes the inner one's files twice, as two separate intakes would.
            FolderWalk walk(reporter, yield);
            QuietReporter quiet;
            StepGuard steps(quiet, QString());
            AddFolderFiles(path, folderPattern, list, walk, steps);
            if (walking) {
                walking(false);
            }
        } else {
            list.AddListEntry(path);
        }
    }
}

}  // namespace lorvane
