#include "app/desktoprun.h"

#include <QCoreApplication>

namespace lorvane {

namespace {

// The desktop file the package installs; the desktop ties notifications and launcher
// entries to the program through it.
const QString kDesktopEntry = QStringLiteral("lorvane");

}  // namespace

DesktopRun::DesktopRun(QDBusConnection sessionBus, QDBusConnection systemBus,
                       const QString& appTitle, QObject* parent)
    : QObject(parent),
      m_notifier(sessionBus, appTitle, kDesktopEntry),
      m_inhibitor(std::move(systemBus), appTitle),
      m_launcher(sessionBus, kDesktopEntry + QStringLiteral(".desktop")) {
    connect(&m_notifier, &DesktopNotifier::activated, this, &DesktopRun::raiseRequested);
}

void DesktopRun::busyChanged(bool busy) {
    m_busy = busy;
    if (busy) {
        //: Why the machine is kept awake, as the desktop shows it to one about to suspend or
        //: log out.
        m_inhibitor.hold(QCoreApplication::translate("DesktopRun", "Converting files"));
    } else {
        m_inhibitor.release();
        m_launcher.clear();
    }
}

void DesktopRun::progressChanged(double value) {
    // The bar's last reset to 0 comes after the run has stopped converting.
    if (m_busy) {
        m_launcher.show(value / 100.0);
    }
}

void DesktopRun::finished(const RunOutcome& outcome, bool userAway) {
    if (userAway) {
        m_notifier.show(summary(), body(outcome));
    }
}

QString DesktopRun::summary() {
    //: The heading of the desktop notification at the end of a run.
    return QCoreApplication::translate("DesktopRun", "Conversion finished");
}

QString DesktopRun::body(const RunOutcome& outcome) {
    const int failed = static_cast<int>(outcome.failures.size());
    if (failed == 0) {
        //: The desktop notification's text after a run that converted every file.
        return outcome.converted == 1
                   ? QCoreApplication::translate("DesktopRun", "1 file converted.")
                   : QCoreApplication::translate("DesktopRun", "%n files converted.", nullptr,
                                                 outcome.converted);
    }
    // Each count has its own text, so that a language whose words agree with the number
    // can make both halves agree.
    //: The desktop notification's text after a run that left files out: %1 is "N files
    //: converted", %2 "N files not converted".
    return QCoreApplication::translate("DesktopRun", "%1, %2.")
        .arg(
            //: The first half of "N files converted, N files not converted."
            outcome.converted == 1 ? QCoreApplication::translate("DesktopRun", "1 file converted")
                                   : QCoreApplication::translate("DesktopRun", "%n files converted",
                                                                 nullptr, outcome.converted),
            //: The second half of "N files converted, N files not converted."
            failed == 1 ? QCoreApplication::translate("DesktopRun", "1 file not converted")
                        : QCoreApplication::translate("DesktopRun", "%n files not converted",
                                                      nullptr, failed));
}

}  // namespace lorvane
