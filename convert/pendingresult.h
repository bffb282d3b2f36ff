#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace lorvane {

// One result while it is being made: a temporary file in the output folder, hidden and named
// as this program's (".lorvane-<random>.part"), created exclusively so that nothing another
// user placed there is ever opened or followed. The converter writes it through the open
// descriptor (a path of its own could be swapped for a link meanwhile); it is read back
// through the descriptor too, and only then renamed to its final name. While the program (or
// a converter it started) holds the file, it is locked, so a later run can tell a temporary
// file whose owner is gone from one still being written. Dropped without being put in place,
// it is removed.
class PendingResult {
  public:
    // Creates the temporary file beside `output` (the final path). Empty with the system's
    // reason in `error` when the folder cannot take it.
    static std::unique_ptr<PendingResult> create(const QString& output, QString* error);
    ~PendingResult();
    PendingResult(const PendingResult&) = delete;
    PendingResult& operator=(const PendingResult&) = delete;

    int descriptor() const { return m_fd; }
    // What the converter is told to write: the open descriptor.
    QString converterAddress() const;
    // A path that reaches the temporary file itself, whatever happens to its name.
    QString readBackPath() const;
    const QString& finalPath() const { return m_finalPath; }
    // Whether the folder's file system takes two names that differ only in letter case for
    // one file (FAT, exFAT, NTFS, a case-folding ext4 folder).
    bool foldsCase() const { return m_foldsCase; }

    // What is at the final name now.
    enum class Existing { Nothing, OwnResult, OtherFile, Folder };
    // `mark` is what this program records on its results (the source's path): a file carrying
    // the same mark is an earlier result of the same source.
    Existing existingAtFinalName(const QByteArray& mark) const;

    // Renames the temporary file to its final name, marked as made from `mark`. Without
    // `replace`, it never takes the place of a file that is there (also one that appeared
    // meanwhile). Returns the empty text, or why it was not put in place.
    QString putInPlace(const QByteArray& mark, bool replace);

  private:
    PendingResult() = default;
    void removeTemporary();

    int m_dirFd = -1;
    int m_fd = -1;
    QByteArray m_tempName;
    QByteArray m_finalName;
    QString m_finalPath;
    bool m_foldsCase = false;
    bool m_placed = false;
};

// The mark an earlier result of this program carries, or empty (none, or the file system
// keeps no marks).
QByteArray ResultMarkOf(const QString& path);
// The mark a result of this source carries: its absolute path, as bytes.
QByteArray ResultMarkFor(const QString& source);

// Removes the temporary files that runs of this program left in the folder and that no living
// run (nor a converter still writing) holds: only this user's, only those named as ours.
// Returns how many were removed.
int RemoveStaleTemporaries(const QString& folder);

}  // namespace lorvane
