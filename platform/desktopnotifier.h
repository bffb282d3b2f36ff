#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace lorvane {

// Desktop notifications through the freedesktop notification service. Showing one never
// waits: the call goes out and its answer comes back whenever it comes, or not at all when
// there is no bus or no service.
class DesktopNotifier : public QObject {
    Q_OBJECT
  public:
    // `appName` is what the notification is shown under, `desktopEntry` the desktop file's
    // name without ".desktop" (the desktop takes the icon and settings from it).
    DesktopNotifier(QDBusConnection bus, QString appName, QString desktopEntry,
                    QObject* parent = nullptr);

    // Shows a notification; it replaces the one this notifier showed before, if still shown.
    void show(const QString& summary, const QString& body);

  signals:
    // The user clicked the notification.
    void activated();

  private slots:
    void onActionInvoked(uint id, const QString& action);
    void onClosed(uint id, uint reason);

  private:
    QDBusConnection m_bus;
    QString m_appName;
    QString m_desktopEntry;
    uint m_shownId = 0;  // the service's id of the notification now shown; 0 for none
};

}  // namespace lorvane
