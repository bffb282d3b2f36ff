#include "app/desktoprun.h"

namespace lorvane {

namespace {

// The desktop file the package installs; the desktop ties notifications and launcher
// entries to the program through it.
const QString kDesktopEntry = QStringLiteral("lorvane");

QString files(int count) {
    return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%1 files").arg(count);
}

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
        m_inhibitor.hold(QStringLiteral("Converting files"));
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
    return QStringLiteral("Conversion finished");
}

QString DesktopRun::body(const RunOutcome& outcome) {
    const int failed = static_cast<int>(outcome.failures.size());
    if (failed == 0) {
        return files(outcome.converted) + QStringLiteral(" converted.");
    }
    return QStringLiteral("%1 converted, %2 not converted.")
        .arg(files(outcome.converted), files(failed));
}

}  // namespace lorvane
