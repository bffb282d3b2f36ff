#pragma once

// A private D-Bus session with stand-ins for the desktop's services: the notification
// service, logind's inhibitor locks and a listener for launcher-entry updates. Everything the
// program sends is recorded; the services answer as the real ones do.
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QProcess>
#include <QVariantMap>

#include <poll.h>
#include <unistd.h>

namespace lorvane::test {

// dbus-daemon on a socket of its own, for the life of the object.
class PrivateBus {
  public:
    PrivateBus() {
        m_daemon.start(QStringLiteral("dbus-daemon"),
                       {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
        if (m_daemon.waitForStarted(5000)) {
            while (!m_address.contains('\n') && m_daemon.waitForReadyRead(5000)) {
                m_address += m_daemon.readAllStandardOutput();
            }
        }
        m_address = m_address.trimmed();
    }
    ~PrivateBus() {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return QString::fromUtf8(m_address); }
    // A connection of its own to the bus, named `name` in this process.
    QDBusConnection connect(const QString& name) const {
        return QDBusConnection::connectToBus(address(), name);
    }

  private:
    QProcess m_daemon;
    QByteArray m_address;
};

struct Notification {
    QString appName;
    uint replacesId = 0;
    QString icon;
    QString summary;
    QString body;
    QStringList actions;
    QVariantMap hints;
    int timeout = 0;
};

// org.freedesktop.Notifications, answering each Notify with the next id.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    explicit FakeNotifications(QDBusConnection bus) : m_bus(bus) {
        m_bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                             QDBusConnection::ExportAllSlots);
        m_bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }
    ~FakeNotifications() override {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    }
    QList<Notification> shown;
    // The user clicks the notification with the given id.
    void click(uint id) {
        QDBusMessage signal = QDBusMessage::createSignal(
            QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"));
        signal << id << QStringLiteral("default");
        m_bus.send(signal);
    }

  public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout) {
        shown.append({appName, replacesId, icon, summary, body, actions, hints, timeout});
        return static_cast<uint>(shown.size()) + 40;
    }

  private:
    QDBusConnection m_bus;
};

// org.freedesktop.login1.Manager's Inhibit: hands out the write end of a pipe, as logind
// hands out a descriptor it watches; the lock is released once every copy is closed.
class FakeLogin : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")
  public:
    explicit FakeLogin(QDBusConnection bus) : m_bus(bus) {
        m_bus.registerObject(QStringLiteral("/org/freedesktop/login1"), this,
                             QDBusConnection::ExportAllSlots);
        m_bus.registerService(QStringLiteral("org.freedesktop.login1"));
    }
    ~FakeLogin() override {
        m_bus.unregisterService(QStringLiteral("org.freedesktop.login1"));
        for (int fd : m_readEnds) {
            ::close(fd);
        }
    }
    QStringList calls;  // "what | who | why | mode"
    // Whether the lock handed out by call n (from 0) is still held by someone.
    bool held(int n) const {
        pollfd p{m_readEnds.value(n, -1), POLLIN, 0};
        return p.fd >= 0 && ::poll(&p, 1, 0) == 0;
    }

  public slots:
    QDBusUnixFileDescriptor Inhibit(const QString& what, const QString& who, const QString& why,
                                    const QString& mode) {
        calls.append(QStringList{what, who, why, mode}.join(QStringLiteral(" | ")));
        int ends[2] = {-1, -1};
        if (::pipe(ends) != 0) {
            return {};
        }
        m_readEnds.append(ends[0]);
        QDBusUnixFileDescriptor lock(ends[1]);  // a copy of its own
        ::close(ends[1]);
        return lock;
    }

  private:
    QDBusConnection m_bus;
    QList<int> m_readEnds;
};

// Every launcher-entry update sent on the bus, as "uri progress visible".
class LauncherListener : public QObject {
    Q_OBJECT
  public:
    explicit LauncherListener(QDBusConnection bus) {
        bus.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                    QStringLiteral("Update"), this, SLOT(onUpdate(QString, QVariantMap)));
    }
    QStringList updates;

  public slots:
    void onUpdate(const QString& uri, const QVariantMap& properties) {
        updates.append(QStringLiteral("%1 %2 %3")
                           .arg(uri)
                           .arg(properties.value(QStringLiteral("progress")).toDouble())
                           .arg(properties.value(QStringLiteral("progress-visible")).toBool()
                                    ? QStringLiteral("true")
                                    : QStringLiteral("false")));
    }
};

}  // namespace lorvane::test
