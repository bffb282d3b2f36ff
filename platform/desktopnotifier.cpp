#include "platform/desktopnotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

namespace lorvane {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// A notification service that has not answered by then is not going to.
constexpr int kTimeoutMs = 5000;

}  // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, QString appName, QString desktopEntry,
                                 QObject* parent)
    : QObject(parent),
      m_bus(std::move(bus)),
      m_appName(std::move(appName)),
      m_desktopEntry(std::move(desktopEntry)) {
    if (!m_bus.isConnected()) {
        return;
    }
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onClosed(uint, uint)));
}

void DesktopNotifier::show(const QString& summary, const QString& body) {
    if (!m_bus.isConnected()) {
        return;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_desktopEntry);
    // "default" is the action of a click on the notification itself.
    const QStringList actions = {
        QStringLiteral("default"),
        //: The button on the desktop's notification that brings the window forward.
        QCoreApplication::translate("DesktopNotifier", "Show")};
    call << m_appName << m_shownId << m_desktopEntry << summary << body << actions << hints
         << qint32(-1);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isValid()) {
                    m_shownId = reply.value();
                }
                finished->deleteLater();
            });
}

void DesktopNotifier::onActionInvoked(uint id, const QString& action) {
    if (id != 0 && id == m_shownId && action == QLatin1String("default")) {
        emit activated();
    }
}

void DesktopNotifier::onClosed(uint id, uint reason) {
    Q_UNUSED(reason);
    if (id == m_shownId) {
        m_shownId = 0;
    }
}

}  // namespace lorvane

// Compiled here rather than with the layer's other meta-object code, so that a program
// that never talks to the desktop (the batch mode) does not link D-Bus.
#include "moc_desktopnotifier.cpp"
