#pragma once

#include <QDBusConnection>
#include <QString>

namespace lorvane {

// Progress on the program's task bar or dock entry, through the launcher-entry signal that
// KDE's task manager and the docks listen for. A signal is sent and forgotten: nothing waits,
// and without a bus or a listener nothing happens.
class LauncherProgress {
  public:
    // `desktopFileId` is the desktop file's name, "lorvane.desktop".
    LauncherProgress(QDBusConnection bus, const QString& desktopFileId);

    // Shows the entry's progress bar at a fraction from 0 to 1 (clamped).
    void show(double fraction);
    // Takes the progress bar away.
    void clear();

  private:
    void send(const QVariantMap& properties);

    QDBusConnection m_bus;
    QString m_appUri;
    QString m_path;
    int m_shownPermille = -1;  // what the entry shows now; -1 for no bar
};

}  // namespace lorvane
