// The window's conversion handlers: "Start Converting", as a front end of the conversion
// engine, and the output folder's browse button.
#include "app/conversionjobs.h"
#include "app/desktoprun.h"
#include "app/mainwindow.h"
#include "app/storedchoices.h"
#include "app/textprogressbar.h"
#include "convert/conversionrun.h"
#include "filelist/filelistmodel.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace lorvane {

// What the run shows on the window (the bar, the hourglass and the boxes) and tells the
// desktop, for a user who works in another window meanwhile.
class WindowConversionEvents : public ConversionEvents {
  public:
    // A run started while a folder walk shows the hourglass leaves it to that walk to clear.
    explicit WindowConversionEvents(MainWindow& window)
        : m_window(window), m_outerBusy(window.isBusy()) {}

    void busyChanged(bool busy) override {
        m_window.setPointerKind(busy || m_outerBusy ? kPointerBusy : kPointerDefault);
        m_window.m_desktopRun->busyChanged(busy);
    }
    void progressChanged(double value, const QString& caption) override {
        m_window.ProgressBar1->setPreciseValue(value);
        m_window.ProgressBar1->setCaption(DisplayPath(caption));
        m_window.m_desktopRun->progressChanged(value);
    }
    void refused(const QString& message) override { m_window.msgBox(message, Dialogs::OkOnly); }
    void finished(const RunOutcome& outcome, const ClosingReport& report) override {
        if (m_window.m_exitAfterRun) {
            m_window.m_desktopRun->finished(outcome, false);
            return;  // the window is gone; the program ends with the run
        }
        // Told before the closing box, which waits for the user.
        const bool userAway = !m_window.isActiveWindow();
        m_window.m_desktopRun->finished(outcome, userAway);
        if (userAway) {
            QApplication::alert(&m_window);
        }
        // A run that left files out warrants the exclamation mark; "Done." alone stays plain.
        m_window.msgBox(report.text,
                        report.details.isEmpty() ? Dialogs::OkOnly : Dialogs::Exclamation, {},
                        report.details);
    }

  private:
    MainWindow& m_window;
    bool m_outerBusy;
};

void MainWindow::connectConversionHandlers() {
    connect(m_desktopRun, &DesktopRun::raiseRequested, this, [this] {
        showNormal();
        raise();
        activateWindow();
    });
}

ConversionChoices MainWindow::conversionChoices() const {
    return {Combo1->currentText(), Text1->text(), Option1->isChecked(), Option2->isChecked(), {}};
}

void MainWindow::PushButton2_Click() {
    StepGuard guard(reporter(), location::pushButton2());
    if (guard.test(100, [this] { return m_isConverting; })) {
        return;
    }
    guard.step(102, [this] { m_isConverting = true; });
    WindowConversionEvents events(*this);
    ConversionRun run(fileList(), [this] { return conversionChoices(); }, events, reporter(),
                      {JobsFromEnvironment(), m_waitTickMs});
    m_activeRun = &run;
    run.run();
    m_activeRun = nullptr;
    guard.step(166, [this] { m_isConverting = false; });
    if (m_exitAfterRun && m_services.exitProgram) {
        m_services.exitProgram();
    }
}

void MainWindow::stopRequested(int count) {
    if (m_activeRun == nullptr) {
        if (m_services.exitProgram) {
            m_services.exitProgram();
        }
        return;
    }
    if (count <= 1 && !m_exitAfterRun) {
        closeDuringRun();
    } else {
        m_activeRun->stopNow();
    }
}

void MainWindow::closeDuringRun() {
    // The window goes at once; the files being converted finish and are put in place, no
    // further file starts, and then the program ends.
    m_exitAfterRun = true;
    hide();
    m_activeRun->requestStop();
}

void MainWindow::PushButton7_Click() {
    StepGuard guard(reporter(), location::pushButton7());
    QString folder;
    guard.step(100, [&] {
        const QString last = settings().ReadSetting(settingkeys::lastOutputFolder(), QString());
        folder = dialogs().browseForFolder(
            QCoreApplication::translate("MainWindow", "Please select folder:"), last);
    });
    if (guard.test(102, [&] { return folder.isEmpty(); })) {
        return;
    }
    bool endsInSeparator = false;
    guard.step(104, [&] {
        settings().WriteSetting(settingkeys::lastOutputFolder(), folder);
        endsInSeparator = folder.endsWith(PathStyle::native().separator);
    });
    if (!endsInSeparator) {
        guard.step(106, [&] { Text1->setText(folder + PathStyle::native().separator); });
    } else {
        // The root comes back with its separator already.
        guard.step(108, [&] { Text1->setText(folder); });
    }
}

}  // namespace lorvane
