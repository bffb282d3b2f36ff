#pragma once

// AddFolderFiles: taking in every matching file of a folder tree, breadth-first.

#include "platform/folderlisting.h"
#include "platform/stepguard.h"

#include <QString>
#include <QStringList>

namespace lorvane {

class FileListModel;
class FolderWalk;

// Files with exactly these attributes are not added. The whole value is compared: one more
// bit and the rule no longer applies.
constexpr int kSkippedFile = kAttrArchive | kAttrHidden;  // 34

// Bare names of the files in the folder that match the pattern (hidden ones included, folders
// excluded, FileExistsStrict true), in listing order. A missing or unreadable folder gives no
// names; this never fails.
QStringList ListFolderFiles(const QString& folder, const QString& pattern);

// Takes in every file of the folder tree that matches the pattern: the folder (no trailing
// separator, except the root) and each subfolder, breadth-first; names beginning with "~",
// files FileExistsStrict rejects and hidden archive files (exactly 34) are skipped. Each path
// passes through CollapseBackslashes before it is appended to the list.
void AddFolderFiles(const QString& folder, const QString& pattern, FileListModel& list,
                    FolderWalk& walk, StepGuard& steps);

}  // namespace lorvane
