#pragma once

#include <QString>

namespace lorvane {

// The user's trash folder: $XDG_DATA_HOME/Trash, by default ~/.local/share/Trash (a relative
// XDG_DATA_HOME is ignored, as freedesktop.org's trash rules say).
QString HomeTrashFolder();

// Moves a file (or a symbolic link, never followed) into the trash of its own file system,
// as file managers do (freedesktop.org's trash rules): the home trash when the file
// lies on the home trash's file system, otherwise the volume's .Trash/$uid or .Trash-$uid.
// It keeps its name (made unique in the trash) and a .trashinfo file records where it came
// from, so the file manager can restore it. The file is renamed, never copied: nothing is
// destroyed when the move fails. Returns the empty text on success, or why it failed; where
// the file now is goes to `trashedAs` when given.
QString MoveToTrash(const QString& path, QString* trashedAs = nullptr);

}  // namespace lorvane
