// The window's conversion handlers: "Start Converting" and the output folder's browse button.
#include "app/mainwindow.h"

#include "app/errorreport.h"
#include "app/textprogressbar.h"
#include "convert/conversionrun.h"
#include "filelist/filelistmodel.h"
#include "platform/paths.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace lorvane {

// The run's view of the window: the list, the save options, the format and the bar, each
// read when the run asks.
class WindowConversionHost : public ConversionHost {
  public:
    // A run started while a folder walk shows the hourglass leaves it to that walk to clear.
    explicit WindowConversionHost(MainWindow& window)
        : m_window(window), m_outerBusy(window.isBusy()) {}

    int entryCount() override { return m_window.fileList().count(); }
    QString entryText(int position) override { return m_window.fileList().entryText(position); }
    QString folderText() override { return m_window.Text1->text(); }
    bool saveToFolder() override { return m_window.Option1->isChecked(); }
    bool saveBesideSource() override { return m_window.Option2->isChecked(); }
    QString formatLabel() override { return m_window.Combo1->currentText(); }
    void setBusyPointer(bool busy) override {
        m_window.setPointerKind(busy || m_outerBusy ? kPointerBusy : kPointerDefault);
    }
    void setText(const QString& text) override { m_window.ProgressBar1->setCaption(text); }
    void setValue(double value) override { m_window.ProgressBar1->setPreciseValue(value); }
    QString progressText() override { return m_window.ProgressBar1->caption(); }
    double progressValue() override { return m_window.ProgressBar1->preciseValue(); }
    void showMessage(const QString& text) override { m_window.msgBox(text, Dialogs::OkOnly); }
    void showClosingMessage(const ClosingReport& report) override {
        // A run that left files out warrants the exclamation mark; "Done." alone stays plain.
        m_window.msgBox(report.text,
                        report.details.isEmpty() ? Dialogs::OkOnly : Dialogs::Exclamation, {},
                        report.details);
    }
    int waitTickMs() override { return m_window.m_waitTickMs; }

  private:
    MainWindow& m_window;
    bool m_outerBusy;
};

void MainWindow::connectConversionHandlers() {}

void MainWindow::PushButton2_Click() {
    StepGuard guard(dialogs(), location::pushButton2());
    if (guard.test(100, [this] { return m_isConverting; })) {
        return;
    }
    guard.step(102, [this] { m_isConverting = true; });
    WindowConversionHost host(*this);
    RunConversion(host, guard);
    guard.step(166, [this] { m_isConverting = false; });
}

void MainWindow::PushButton7_Click() {
    StepGuard guard(dialogs(), location::pushButton7());
    QString folder;
    guard.step(100, [&] {
        const QString last = settings().ReadSetting(QStringLiteral("LastFolderDot"), QString());
        folder = dialogs().browseForFolder(QStringLiteral("Please select folder:"), last);
    });
    if (guard.test(102, [&] { return folder.isEmpty(); })) {
        return;
    }
    bool endsInSeparator = false;
    guard.step(104, [&] {
        settings().WriteSetting(QStringLiteral("LastFolderDot"), folder);
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
