#include "filelist/filedrop.h"

#include "filelist/addfolder.h"
#include "filelist/filelistmodel.h"
#include "platform/apperror.h"
#include "platform/paths.h"

#include <QMimeData>
#include <QUrl>

namespace lorvane {

QStringList FileDropList(const QMimeData* data) {
    QStringList paths;
    if (data == nullptr || !data->hasUrls()) {
        return paths;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            const QString path = url.toLocalFile();
            if (!path.isEmpty()) {
                paths.append(path);
            }
        }
    }
    return paths;
}

bool IsDroppedFolder(const QString& path) {
    try {
        return IsExistingFolder(path).value_or(false) &&
               (FileAttributesOf(path) & kAttrDirectory) != 0;
    } catch (const AppError&) {
        return false;
    }
}

void AddDroppedItems(const QStringList& paths, FileListModel& list, Dialogs& dialogs,
                     const std::function<void()>& yield, const QString& folderPattern) {
    for (const QString& path : paths) {
        if (IsDroppedFolder(path)) {
            // Each dropped folder is a walk of its own: dropping two folders where one holds
            // the other takes the inner one's files twice, as two separate intakes would.
            FolderWalk walk(dialogs, yield);
            QuietSteps steps;
            AddFolderFiles(path, folderPattern, list, walk, steps);
        } else {
            list.AddListEntry(path);
        }
    }
}

}  // namespace lorvane
