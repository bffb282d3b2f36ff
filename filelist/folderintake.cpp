#include "filelist/folderintake.h"

#include "filelist/filelistmodel.h"
#include "filelist/folderwalk.h"
#include "filelist/namerules.h"
#include "platform/paths.h"

#include <algorithm>
#include <utility>

namespace lorvane {

namespace {

const QChar kSep = PathStyle::native().separator;

// Appends in batches: one model notification per batch keeps a big intake linear. The
// batch is handed over before the window gets a chance to run other handlers, so entries
// keep the order in which they were found.
class EntryBatch {
  public:
    explicit EntryBatch(FileListModel& list) : m_list(list) {}
    ~EntryBatch() { flush(); }
    EntryBatch(const EntryBatch&) = delete;
    EntryBatch& operator=(const EntryBatch&) = delete;

    void add(QString path) { m_pending.append(std::move(path)); }
    void flush() {
        if (!m_pending.isEmpty()) {
            m_list.addEntries(m_pending);
            m_pending.clear();
        }
    }

  private:
    FileListModel& m_list;
    QStringList m_pending;
};

}  // namespace

QStringList ListFolderFiles(const QString& folder, const QString& pattern) {
    QStringList kept =
        ListFileNames(folder, [&](const QString& name) { return MatchesPattern(name, pattern); });
    std::sort(kept.begin(), kept.end(), ListingOrderLess);
    return kept;
}

void AddFolderFiles(const QString& folder, const QString& pattern, FileListModel& list,
                    FolderWalk& walk, StepGuard& steps) {
    QStringList folders;
    steps.step(114, [&] { folders = QStringList{folder + kSep}; });
    steps.step(116, [&] { walk.GetSubDirectories2016(folders, true); });

    EntryBatch batch(list);
    for (const QString& listed : std::as_const(folders)) {  // step 118
        QString current = listed;
        steps.step(120, [&] { current.chop(1); });
        QStringList names;
        steps.step(122, [&] { names = ListFolderFiles(current, pattern); });
        for (const QString& name : std::as_const(names)) {  // step 124
            if (steps.test(126, [&] { return name.startsWith(QLatin1Char('~')); })) {
                continue;
            }
            QString path;
            steps.step(128, [&] { path = current + kSep + name; });
            // The listing has just found the file to exist, strictly; it is not asked again.
            steps.step(132, [&] {
                // Only a name beginning with "." can carry the hidden bit.
                if (name.startsWith(QLatin1Char('.')) && FileAttributesOf(path) == kSkippedFile) {
                    return;
                }
                batch.add(CollapseBackslashes(path));
            });
        }
        // Big trees: the window repaints between folders too, not only while the folders are
        // being found.
        if (walk.yieldDue()) {
            batch.flush();
            walk.yieldNow();
        }
    }
}

}  // namespace lorvane
