#include "filelist/namerules.h"

#include "platform/folderlisting.h"
#include "platform/paths.h"

#include <QRegularExpression>
#include <QStringTokenizer>

#include <algorithm>

namespace lorvane {

namespace {

char16_t folded(QChar c) {
    return static_cast<char16_t>(QChar::toCaseFolded(c.unicode()));
}

bool wildcardMatch(QStringView name, QStringView pattern) {
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') || folded(pattern[p]) == folded(name[n]))) {
            ++n;
            ++p;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

bool HasUnsafeChars(const QString& name) {
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        if (code < 32 || (code >= 127 && code <= 159)) {
            return true;
        }
    }
    return false;
}

bool HasUnsafeChars(const QByteArray& rawName) {
    QString name;
    if (!DecodeFileName(rawName.constData(), static_cast<size_t>(rawName.size()), &name)) {
        return true;
    }
    return HasUnsafeChars(name);
}

bool MatchesPattern(const QString& name, const QString& pattern) {
    // Asked once per listed name: the patterns are walked in place, never split into a list.
    for (const QStringView one : qTokenize(QStringView(pattern), u';')) {
        if (wildcardMatch(name, one)) {
            return true;
        }
        // "name.*" stands for the name with any extension or none, as on Windows.
        if (one.endsWith(QLatin1String(".*")) && wildcardMatch(name, one.chopped(2))) {
            return true;
        }
    }
    return false;
}

QStringList TypedExtensions(const QString& typed) {
    static const QRegularExpression kSeparators(QStringLiteral("[\\s,;]+"));
    QStringList extensions;
    for (QString extension : typed.split(kSeparators, Qt::SkipEmptyParts)) {
        if (extension.startsWith(QLatin1String("*."))) {
            extension.remove(0, 2);
        }
        while (extension.startsWith(QLatin1Char('.'))) {
            extension.remove(0, 1);
        }
        if (extension.isEmpty() || extensions.contains(extension, Qt::CaseInsensitive)) {
            continue;
        }
        extensions.append(extension);
    }
    return extensions;
}

QString ExtensionPattern(const QString& typed) {
    QStringList patterns;
    for (const QString& extension : TypedExtensions(typed)) {
        // "*" was always "*.*": every name, with a dot or without.
        patterns.append(QStringLiteral("*.") + extension);
    }
    return patterns.join(QLatin1Char(';'));
}

bool ListingOrderLess(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char32_t ua = QChar::toUpper(a[i].unicode());
        const char32_t ub = QChar::toUpper(b[i].unicode());
        if (ua != ub) {
            return ua < ub;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

bool IsRootFolder(const QString& path) {
    return !path.isEmpty() && path.count(PathStyle::native().separator) == path.size();
}

bool IsSystemFolderName(const QString& name) {
    static const QLatin1String kTrashOfUser(".Trash-");
    if (name == QLatin1String(".Trash") || name == QLatin1String("lost+found")) {
        return true;
    }
    if (name.startsWith(kTrashOfUser) && name.size() > kTrashOfUser.size()) {
        const QStringView uid = QStringView(name).sliced(kTrashOfUser.size());
        return std::all_of(uid.begin(), uid.end(),
                           [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    }
    return name.compare(QLatin1String("$RECYCLE.BIN"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("System Volume Information"), Qt::CaseInsensitive) == 0;
}

}  // namespace lorvane
