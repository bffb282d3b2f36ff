#pragma once

#include "app/dialogs.h"

#include <QStringList>

#include <functional>

class QMimeData;

namespace lorvane {

class FileListModel;

// The file-drop list a drag carries: the paths of its local file URLs, in the order the
// source gives them. Empty when the drag carries no local file (text, web links): such a
// drag cannot be dropped on the list.
QStringList FileDropList(const QMimeData* data);

// A dropped item is a folder when the path names an existing folder and its attributes carry
// the directory bit. An item whose type cannot be read counts as a file.
bool IsDroppedFolder(const QString& path);

// Adds the dropped items in order: a folder's whole tree through the folder intake with the
// pattern, "*.*" for a drop (quietly, the drop having no error report of its own), a file
// exactly as given.
void AddDroppedItems(const QStringList& paths, FileListModel& list, Dialogs& dialogs,
                     const std::function<void()>& yield,
                     const QString& folderPattern = QStringLiteral("*.*"));

}  // namespace lorvane
