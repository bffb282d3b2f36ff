#pragma once

#include "convert/runreport.h"
#include "platform/desktopnotifier.h"
#include "platform/launcherprogress.h"
#include "platform/sleepinhibitor.h"

#include <QDBusConnection>
#include <QObject>

namespace lorvane {

// What the desktop hears of a conversion run, for a user working in another window: the
// run's progress on the launcher entry, the machine kept awake while files convert, and a
// notification of how the run ended. Everything goes through the session's buses without
// waiting; where there is no bus or no service, the run just goes on without them.
class DesktopRun : public QObject {
    Q_OBJECT
  public:
    // `sessionBus` reaches the notification service and the launcher, `systemBus` logind.
    DesktopRun(QDBusConnection sessionBus, QDBusConnection systemBus, const QString& appTitle,
               QObject* parent = nullptr);

    // The run converts (true) or has stopped converting (false).
    void busyChanged(bool busy);
    // The run's bar value, 0 to 100.
    void progressChanged(double value);
    // The run has ended; `userAway` says whether the window is not the active one.
    void finished(const RunOutcome& outcome, bool userAway);

    // The notification's summary and text for a run's outcome.
    static QString summary();
    static QString body(const RunOutcome& outcome);

  signals:
    // The user clicked the notification: the window should come forward.
    void raiseRequested();

  private:
    DesktopNotifier m_notifier;
    SleepInhibitor m_inhibitor;
    LauncherProgress m_launcher;
    bool m_busy = false;
};

}  // namespace lorvane
