#pragma once

#include "platform/stepguard.h"

#include <QStringList>

#include <functional>
#include <optional>

class QMimeData;
class QUrl;

namespace lorvane {

class FileListModel;

// The path of a local file URL: "file:///music", "file://localhost/music" and
// "file://<this machine's name>/music" all name /music. No value for any other URL, a file
// URL of another machine included.
std::optional<QString> LocalPathOfUrl(const QUrl& url);

// The file URL of a path, its bytes percent-encoded, so that LocalPathOfUrl (and any other
// program) reads back the same bytes. No URL for the empty path.
QUrl FileUrlOfPath(const QString& path);

// The file-drop list a drag carries: the paths of its local file URLs, in the order the
// source gives them. Empty when the drag carries no local file (text, web links, files of
// another machine): such a drag cannot be dropped on the list.
QStringList FileDropList(const QMimeData* data);

// Whether the drag offers at least one local file, as FileDropList would find, without
// building the path list.
bool OffersLocalFiles(const QMimeData* data);

// A dropped item is a folder when the path names an existing folder and its attributes carry
// the directory bit. An item whose type cannot be read counts as a file.
bool IsDroppedFolder(const QString& path);

// Adds the dropped items in order: a folder's whole tree through the folder intake with the
// pattern, "*.*" for a drop (its steps quietly, the drop having no error report of its own;
// the walk reports its own failures to the reporter), a file exactly as given. walking(true) comes
// before each folder's walk and walking(false) after it.
void AddDroppedItems(const QStringList& paths, FileListModel& list, FailureReporter& reporter,
                     const std::function<void()>& yield,
                     const std::function<void(bool)>& walking = {},
                     const QString& folderPattern = QStringLiteral("*.*"));

}  // namespace lorvane
