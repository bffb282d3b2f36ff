#include "platform/sleepinhibitor.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace lorvane {

namespace {

constexpr int kTimeoutMs = 5000;

}  // namespace

SleepInhibitor::SleepInhibitor(QDBusConnection systemBus, QString who, QObject* parent)
    : QObject(parent), m_bus(std::move(systemBus)), m_who(std::move(who)) {}

SleepInhibitor::~SleepInhibitor() = default;

void SleepInhibitor::hold(const QString& why) {
    m_wanted = true;
    if (m_asking || isHeld() || !m_bus.isConnected()) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    // "block" holds suspending off until released; "delay" would only postpone it.
    call << QStringLiteral("sleep:idle") << m_who << why << QStringLiteral("block");
    m_asking = true;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, kTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                m_asking = false;
                const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *finished;
                if (reply.isValid() && m_wanted) {
                    m_lock = reply.value();
                }
                finished->deleteLater();
            });
}

void SleepInhibitor::release() {
    m_wanted = false;
    m_lock = QDBusUnixFileDescriptor();
}

}  // namespace lorvane

// Compiled here rather than with the layer's other meta-object code, so that a program
// that never talks to the desktop (the batch mode) does not link D-Bus.
#include "moc_sleepinhibitor.cpp"
