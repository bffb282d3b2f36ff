#pragma once

#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>

#include <optional>

namespace lorvane {

// A file's identity: device and inode.
using FileId = QPair<quint64, quint64>;
// The identity of the file a path reaches (following links), or of the path's own entry.
std::optional<FileId> FileIdOf(const QString& path, bool followLinks);

// Keeps a run from destroying what it should not: a queued source (the output path names a
// source file itself, also through another spelling or a link) and a result this run already
// wrote for a different source (two sources of one name, one output folder).
class SourceKeeper {
  public:
    // A text that reaches a file is looked at once; asking again costs a lookup.
    void protect(const QString& source);
    // Why writing the output for this source would destroy a source or another source's
    // result, or the empty text when it may be written. Where the output's folder takes
    // names that differ only in letter case for one file, two such results are one.
    QString refusal(const QString& source, const QString& output, bool foldsCase) const;
    void recordResult(const QString& source, const QString& output);

  private:
    struct Result {
        FileId source;
        QString sourceText;
    };
    QSet<QString> m_protectedTexts;
    QSet<FileId> m_sources;
    QHash<FileId, Result> m_results;         // a result written by this run -> its source
    QHash<QString, Result> m_foldedResults;  // the same, by its path in one letter case
};

}  // namespace lorvane
