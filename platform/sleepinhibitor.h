#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

namespace lorvane {

// Keeps the machine from suspending (and from its idle action) while held, through logind's
// inhibitor locks on the system bus. Asking never waits; without a bus or without logind the
// machine is simply not held.
class SleepInhibitor : public QObject {
    Q_OBJECT
  public:
    // `who` names the program in the desktop's list of what holds off suspending.
    SleepInhibitor(QDBusConnection systemBus, QString who, QObject* parent = nullptr);
    ~SleepInhibitor() override;

    // Asks for the lock, unless it is held or asked for already. `why` is shown to the user.
    void hold(const QString& why);
    // Lets the machine suspend again; a lock granted after this is let go as it arrives.
    void release();

    // True while a granted lock is kept.
    bool isHeld() const { return m_lock.isValid(); }

  private:
    QDBusConnection m_bus;
    QString m_who;
    bool m_wanted = false;
    bool m_asking = false;
    // logind holds the lock as long as this descriptor stays open.
    QDBusUnixFileDescriptor m_lock;
};

}  // namespace lorvane
