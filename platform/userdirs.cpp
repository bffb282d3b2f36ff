#include "platform/userdirs.h"

#include "platform/apperror.h"
#include "platform/filecontents.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QDir>
#include <QList>

#include <pwd.h>
#include <unistd.h>

namespace lorvane {

namespace {

// The value part of a shell assignment as user-dirs.dirs writes it: double quotes with
// backslash escapes, single quotes taken literally, or a bare word.
QString unquoteShellWord(const QString& word) {
    QString out;
    QChar quote;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        if (quote.isNull()) {
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                quote = c;
            } else if (c == QLatin1Char('\\') && i + 1 < word.size()) {
                out += word.at(++i);
            } else if (c.isSpace() || c == QLatin1Char('#')) {
                break;  // the end of the word, or a comment after it
            } else {
                out += c;
            }
        } else if (c == quote) {
            quote = QChar();
        } else if (quote == QLatin1Char('"') && c == QLatin1Char('\\') && i + 1 < word.size() &&
                   QStringLiteral("\"\\$`").contains(word.at(i + 1))) {
            out += word.at(++i);
        } else {
            out += c;
        }
    }
    return out;
}

// A variable's value: "$HOME/..." (as a session file that is not a shell may leave it) in the
// home folder, an absolute path as it is; a relative path names nothing.
QString homeRelative(const QString& value, const QString& home) {
    for (const QString& prefix : {QStringLiteral("$HOME"), QStringLiteral("${HOME}")}) {
        if (value == prefix || value.startsWith(prefix + QLatin1Char('/'))) {
            if (home.isEmpty()) {
                return QString();
            }
            return home + value.mid(prefix.size());
        }
    }
    return value.startsWith(QLatin1Char('/')) ? value : QString();
}

// Expands a leading $HOME only where the file wrote it unescaped, then undoes the quoting.
QString expandValue(const QString& raw, const QString& home) {
    QString word = raw.trimmed();
    const bool quoted = word.startsWith(QLatin1Char('"'));
    const QString body = quoted ? word.mid(1) : word;
    for (const QString& prefix : {QStringLiteral("$HOME"), QStringLiteral("${HOME}")}) {
        if (body.startsWith(prefix)) {
            const QString rest = unquoteShellWord(
                quoted ? QLatin1Char('"') + body.mid(prefix.size()) : body.mid(prefix.size()));
            if (!rest.isEmpty() && !rest.startsWith(QLatin1Char('/'))) {
                return QString();  // "$HOMEwork" is another variable, not the home folder
            }
            return home.isEmpty() ? QString() : home + rest;
        }
    }
    const QString value = unquoteShellWord(word);
    return value.startsWith(QLatin1Char('/')) ? value : QString();
}

QString cleaned(const QString& path) {
    return path.isEmpty() ? QString() : QDir::cleanPath(path);
}

}  // namespace

DesktopSources DesktopSources::fromEnvironment() {
    DesktopSources s;
    s.home = PathFromBytes(qgetenv("HOME"));
    if (s.home.isEmpty()) {
        if (const passwd* account = ::getpwuid(::getuid())) {
            s.home = PathFromBytes(QByteArray(account->pw_dir));
        }
    }
    s.configHome = PathFromBytes(qgetenv("XDG_CONFIG_HOME"));
    s.desktopVariable = PathFromBytes(qgetenv("XDG_DESKTOP_DIR"));
    return s;
}

QString DesktopFromUserDirs(const QByteArray& userDirs, const QString& home) {
    QString found;
    const QList<QByteArray> lines = userDirs.split('\n');
    for (const QByteArray& rawLine : lines) {
        // The values are names, and names are bytes.
        const QString line = PathFromBytes(rawLine).trimmed();
        static const QString key = QStringLiteral("XDG_DESKTOP_DIR=");
        if (!line.startsWith(key)) {
            continue;  // comments, other folders, blank lines
        }
        const QString value = expandValue(line.mid(key.size()), home);
        if (!value.isEmpty()) {
            found = value;  // a sourced file keeps the last assignment
        }
    }
    return cleaned(found);
}

QString DesktopFolder(const DesktopSources& sources) {
    const QString home = cleaned(sources.home);
    if (home.isEmpty()) {
        return QString();
    }
    QString desktop = cleaned(homeRelative(sources.desktopVariable, home));
    if (desktop.isEmpty()) {
        // The base directory rules ignore a relative configuration folder.
        QString configHome = sources.configHome;
        if (!configHome.startsWith(QLatin1Char('/'))) {
            configHome = home + QStringLiteral("/.config");
        }
        try {
            desktop = DesktopFromUserDirs(
                ReadWholeFile(configHome + QStringLiteral("/user-dirs.dirs")), home);
        } catch (const AppError&) {
            // No such file, or none we may read: the desktop is the default one.
        }
    }
    if (desktop.isEmpty()) {
        desktop = home + QStringLiteral("/Desktop");
    }
    return IsExistingFolder(desktop).value_or(false) ? desktop : home;
}

QString DesktopFolder() {
    return DesktopFolder(DesktopSources::fromEnvironment());
}

}  // namespace lorvane
