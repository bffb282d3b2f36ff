#pragma once

// AddFolder: taking in every matching file of a folder tree, breadth-first.

#include "platform/stepguard.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <functional>
#include <optional>
#include <set>
#include <utility>

namespace lorvane {

class FileListModel;

// File attribute bits as the intake's rules know them. On Linux: hidden = the name begins
// with "."; archive = any regular file; reparse point = a symbolic link; read-only = the user
// may not write to it; system is never set.
enum FileAttributeBit {
    kAttrReadOnly = 1,
    kAttrHidden = 2,
    kAttrSystem = 4,
    kAttrDirectory = 16,
    kAttrArchive = 32,
    kAttrReparsePoint = 1024,
};

// Files with exactly these attributes are not added. The whole value is compared: one more
// bit and the rule no longer applies.
constexpr int kSkippedFile = kAttrArchive | kAttrHidden;  // 34

// The attribute value of a file or folder; fails (AppError) when it cannot be read.
int FileAttributesOf(const QString& path);

// True only for an existing regular file that can be opened without reading it and without
// ever blocking; folders, FIFOs, devices, missing paths and any failure give false.
bool FileExistsStrict(const QString& path);

// True when a folder name holds a control character (below 32, or 127 to 159). The raw form
// is also unsafe when it cannot be decoded from the file system's encoding.
bool HasUnsafeChars(const QString& name);
bool HasUnsafeChars(const QByteArray& rawName);

// Wildcard match, case-insensitive: "*" any run, "?" one character; a pattern ending in ".*"
// also matches names without a dot, so "*.*" matches every name.
bool MatchesPattern(const QString& name, const QString& pattern);

// The order in which a folder lists its names: case-insensitive (upper-cased, as the Windows
// file systems sort), names that differ only in case by their bytes.
bool ListingOrderLess(const QString& a, const QString& b);

// A drive root on Windows; on Linux "/" (however many separators).
bool IsRootFolder(const QString& path);

// Linux has no hidden system folders (the attribute values 22 and 1046 of Windows); what
// plays their part are the folders that hold deleted files or the file system's own
// bookkeeping: ".Trash", ".Trash-<uid>", "lost+found", and on NTFS and FAT drives
// "$RECYCLE.BIN" and "System Volume Information" (in any letter case, as those file systems
// compare names). The walk neither enters nor takes such a folder, nor the XDG trash folder.
bool IsSystemFolderName(const QString& name);

// Bare names of the files in the folder that match the pattern (hidden ones included, folders
// excluded, FileExistsStrict true), in listing order. A missing or unreadable folder gives no
// names; this never fails.
QStringList ListFolderFiles(const QString& folder, const QString& pattern);

// One intake's walk of a folder tree. It reports its own failures (as
// GetSubDirectories2016) to the reporter, lets window events run while it works, and walks a
// folder it reaches twice (through a link) only once.
class FolderWalk {
  public:
    // yield lets pending window events run; it is called at most every few milliseconds,
    // and the first time at once.
    FolderWalk(FailureReporter& reporter, std::function<void()> yield);

    // The location text of the walk's own failure reports.
    static QString location();

    // Appends to the list (each entry ends with a separator) its subfolders, breadth-first;
    // with recurse, every level down. Folders whose listing is refused are removed. The
    // walk never follows a link (nor a bind mount) back to a folder it is walking, to a
    // starting folder or to an ancestor of either.
    void GetSubDirectories2016(QStringList& folders, bool recurse);

    // Runs once a folder's names have been read and before its subfolders are examined, with
    // the folder's path: lets a test change the tree at exactly that moment.
    void setListedHook(std::function<void(const QString&)> hook) { m_listedHook = std::move(hook); }

    // Lets events run if enough time has passed since the last time.
    void yieldNow();
    bool yieldDue() const;
    int yieldCount() const { return m_yields; }

    using FolderId = std::pair<dev_t, ino_t>;

  private:
    // Records the folder as walked; false when it was walked already.
    bool markVisited(const FolderId& id) { return m_visited.insert(id).second; }
    // The starting folders, every folder above them and the trash folder, looked up once.
    void noteStartingFolders(const QStringList& folders);
    // One level: the subfolders of each folder of the list, appended to subfolders.
    void collectSubfolders(QStringList& folders, QStringList& subfolders);
    bool isSkippedFolder(const QString& folder, const FolderId& id) const;
    // True when the open folder lies on a pseudo file system (proc, sysfs, devtmpfs, cgroup
    // and the like): its files are windows into the kernel, some without end, never music.
    bool isPseudoFileSystem(int folderFd, dev_t device);

    FailureReporter& m_reporter;
    std::function<void()> m_yield;
    std::function<void(const QString&)> m_listedHook;
    QElapsedTimer m_sinceYield;
    int m_yields = 0;
    std::set<FolderId> m_visited;
    std::set<FolderId> m_aboveStart;  // the starting folders and all their ancestors
    std::set<FolderId> m_trash;       // the XDG trash folder, when there is one
    // The devices of devtmpfs mounts, which statfs cannot tell from tmpfs; read when needed.
    std::optional<std::set<dev_t>> m_devtmpfs;
};

// Takes in every file of the folder tree that matches the pattern: the folder (no trailing
// separator, except the root) and each subfolder, breadth-first; names beginning with "~",
// files FileExistsStrict rejects and hidden archive files (exactly 34) are skipped. Each path
// passes through CollapseBackslashes before it is appended to the list.
void AddFolderFiles(const QString& folder, const QString& pattern, FileListModel& list,
                    FolderWalk& walk, StepGuard& steps);

}  // namespace lorvane
