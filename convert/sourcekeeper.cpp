#include "convert/sourcekeeper.h"

#include "convert/reasons.h"

#include "platform/pathbytes.h"

#include <QDir>

#include <sys/stat.h>

namespace lorvane {

namespace {

QString foldedPath(const QString& path) {
    return QDir::cleanPath(path).toCaseFolded();
}

}  // namespace

std::optional<FileId> FileIdOf(const QString& path, bool followLinks) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    struct stat st {};
    const QByteArray name = PathToBytes(path);
    const int rc = followLinks ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st);
    if (rc != 0) {
        return std::nullopt;
    }
    return FileId(static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino));
}

void SourceKeeper::protect(const QString& source) {
    if (m_protectedTexts.contains(source)) {
        return;
    }
    // Both the file and the entry naming it: removing a link that is itself queued loses the
    // entry as surely as removing the file loses the data.
    for (bool follow : {true, false}) {
        if (const auto id = FileIdOf(source, follow)) {
            m_sources.insert(*id);
            // A name that reaches nothing yet is looked at again next time.
            m_protectedTexts.insert(source);
        }
    }
}

QString SourceKeeper::refusal(const QString& source, const QString& output, bool foldsCase) const {
    // The result takes the place of the output's own entry (a link is never followed), so
    // that entry is what is at stake.
    const auto outputId = FileIdOf(output, false);
    if (!outputId) {
        return {};
    }
    if (m_sources.contains(*outputId)) {
        return reasons::replacesSource();
    }
    const Result* earlier = nullptr;
    if (const auto byId = m_results.constFind(*outputId); byId != m_results.constEnd()) {
        earlier = &*byId;
    } else if (foldsCase) {
        // Such a file system may give the two names different identities.
        const auto byName = m_foldedResults.constFind(foldedPath(output));
        if (byName != m_foldedResults.constEnd()) {
            earlier = &*byName;
        }
    }
    if (earlier == nullptr) {
        return {};
    }
    const auto sourceId = FileIdOf(source, true);
    if (sourceId && *sourceId == earlier->source) {
        return {};  // the same file queued again converts again
    }
    return reasons::replacesResult(earlier->sourceText);
}

void SourceKeeper::recordResult(const QString& source, const QString& output) {
    const auto outputId = FileIdOf(output, false);
    const auto sourceId = FileIdOf(source, true);
    if (outputId && sourceId) {
        m_results.insert(*outputId, {*sourceId, source});
        m_foldedResults.insert(foldedPath(output), {*sourceId, source});
    }
}

}  // namespace lorvane
