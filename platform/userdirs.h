#pragma once

#include <QByteArray>
#include <QString>

namespace lorvane {

// What decides where the user's desktop folder is. Each text is empty when its variable is
// unset.
struct DesktopSources {
    QString home;             // $HOME, or the account's home folder when that is unset
    QString configHome;       // $XDG_CONFIG_HOME
    QString desktopVariable;  // $XDG_DESKTOP_DIR

    static DesktopSources fromEnvironment();
};

// The desktop folder that a user-dirs.dirs text names: the last XDG_DESKTOP_DIR line whose
// value is "$HOME/..." or an absolute path, with the shell quoting of the file undone.
// Empty when the text names none.
QString DesktopFromUserDirs(const QByteArray& userDirs, const QString& home);

// The user's desktop folder when it exists as a folder, otherwise the home folder; without a
// trailing separator except for "/". The desktop is named by $XDG_DESKTOP_DIR, else by
// user-dirs.dirs in the configuration folder, else it is "Desktop" in the home folder.
// Empty when there is no home folder either.
QString DesktopFolder(const DesktopSources& sources);
QString DesktopFolder();

}  // namespace lorvane
