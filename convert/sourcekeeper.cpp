#include "convert/sourcekeeper.h"

#include "convert/resultcheck.h"
#include "platform/pathbytes.h"

#include <sys/stat.h>

namespace lorvane {

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

QString SourceKeeper::refusal(const QString& source, const QString& output) const {
    // The output is removed (never followed) before the tool writes it, so its own entry is
    // what is at stake.
    const auto outputId = FileIdOf(output, false);
    if (!outputId) {
        return {};
    }
    if (m_sources.contains(*outputId)) {
        return reasons::replacesSource();
    }
    const auto earlier = m_results.constFind(*outputId);
    if (earlier == m_results.constEnd()) {
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
    }
}

}  // namespace lorvane
