#pragma once

// FolderWalk: finding every folder of a tree, breadth-first, without ever walking a folder
// twice or climbing back up the tree.

#include "platform/folderlisting.h"
#include "platform/stepguard.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>

#include <sys/types.h>

#include <functional>
#include <set>
#include <utility>

namespace lorvane {

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

    FailureReporter& m_reporter;
    std::function<void()> m_yield;
    std::function<void(const QString&)> m_listedHook;
    QElapsedTimer m_sinceYield;
    int m_yields = 0;
    std::set<FolderId> m_visited;
    std::set<FolderId> m_aboveStart;  // the starting folders and all their ancestors
    std::set<FolderId> m_trash;       // the XDG trash folder, when there is one
    // Folders on them are refused like folders one may not read.
    PseudoFileSystems m_pseudo;
};

}  // namespace lorvane
