// The window's conversion handlers: "Start Converting", as a front end of the conversion
// engine, and the output folder's browse button.
#include "app/conversionjobs.h"
#include "app/desktoprun.h"
#include "app/mainwindow.h"
#include "app/storedchoices.h"
#include "app/textprogressbar.h"
#include "convert/conversionrun.h"
#include "filelist/filelistmodel.h"
#include "platform/paths.h"

#include <QApplication>
#include <QComboBox>
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
        m_window.ProgressBar1->setCaption(caption);
        m_window.m_desktopRun->progressChanged(value);
    }
    void refused(const QString& message) override { m_window.msgBox(message, Dialogs::OkOnly); }
    void finished(const RunOutcome& outcome, const ClosingReport& report) override {
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
    return {Combo1->currentText(), Text1->text(), Option1->isChecked(), Option2->isChecked()};
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
    run.run();
    guard.step(166, [this] { m_isConverting = false; });
}

void MainWindow::PushButton7_Click() {
    StepGuard guard(reporter(), location::pushButton7());
    QString folder;
    guard.step(100, [&] {
        const QString last = settings().ReadSetting(settingkeys::lastOutputFolder(), QString());
        folder = dialogs().browseForFolder(QStringLiteral("Please select folder:"), last);
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
