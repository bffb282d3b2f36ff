#pragma once

// The batch mode: the window's conversion run without the window. It supplies the run with
// the list and the choices, shows its progress on standard error, and turns its outcome into
// a report and an exit status.

#include "app/dialogs.h"
#include "app/startoptions.h"
#include "convert/conversionrun.h"

#include <QString>

#include <functional>

namespace lorvane {

class FileListModel;
class SettingsStore;

// Exit statuses of the batch mode.
enum BatchStatus { kBatchAllConverted = 0, kBatchSomeNotConverted = 1, kBatchUsageError = 2 };

// Standard error, as the batch mode writes to it: on a terminal the progress is one line that
// updates itself; anywhere else every progress line stays.
class BatchConsole {
  public:
    BatchConsole(std::function<void(const QString&)> write, bool terminal)
        : m_write(std::move(write)), m_terminal(terminal) {}
    void progress(const QString& line);
    // A line of its own; an updating progress line is ended first.
    void message(const QString& line);
    void endProgress();
    bool terminal() const { return m_terminal; }

  private:
    std::function<void(const QString&)> m_write;
    bool m_terminal;
    bool m_lineOpen = false;
};

// Answers no question (a question gets its negative answer, a dialog is cancelled) and
// writes every message to the console, so nothing ever waits for a user.
class ConsoleDialogs : public Dialogs {
  public:
    explicit ConsoleDialogs(BatchConsole& console) : m_console(console) {}
    int messageBox(const QString& text, int style, const QString& title) override;
    int messageBoxWithDetails(const QString& text, int style, const QString& title,
                              const QString& details) override;
    QString inputBox(const QString&, const QString&, const QString&) override { return {}; }
    QString openFiles(const QString&, const QString&) override { return {}; }
    QString browseForFolder(const QString&, const QString&) override { return {}; }
    void openFolder(const QString&) override {}
    void openWebPage(const QString&) override {}
    // How many "Application Error" reports were written.
    int errorReports() const { return m_errorReports; }

  private:
    BatchConsole& m_console;
    int m_errorReports = 0;
};

// What the run reads instead of the window's controls.
struct BatchChoices {
    QString formatLabel;
    QString folderText;
    bool saveToFolder = false;
    bool saveBesideSource = false;
    QString problem;  // not empty: there is nothing sensible to run with
};

// The options where given, otherwise the stored settings as the window would restore them
// at start-up; the store is only read. The desktop folder is the default output folder.
BatchChoices ResolveBatchChoices(const StartOptions& options, const SettingsStore& settings,
                                 const QString& desktopFolder);

// The run's host: the list and the choices, and the bar's texts turned into progress lines:
// one per file, "[i/n] Processing: name", and on a terminal also the wait notes.
class BatchHost : public ConversionHost {
  public:
    BatchHost(const FileListModel& list, BatchChoices choices, BatchConsole& console)
        : m_list(list), m_choices(std::move(choices)), m_console(console) {}

    int entryCount() override;
    QString entryText(int position) override;
    QString folderText() override { return m_choices.folderText; }
    bool saveToFolder() override { return m_choices.saveToFolder; }
    bool saveBesideSource() override { return m_choices.saveBesideSource; }
    QString formatLabel() override { return m_choices.formatLabel; }
    void setBusyPointer(bool) override {}
    void setText(const QString& text) override;
    void setValue(double value) override;
    QString progressText() override { return m_text; }
    double progressValue() override { return m_value; }
    void showMessage(const QString& text) override { m_closingMessage = text; }
    // The report lists every file itself, with its reason.
    void showClosingMessage(const ClosingReport& report) override {
        m_closingMessage = report.text;
    }

    QString closingMessage() const { return m_closingMessage; }
    int filesStarted() const { return m_filesStarted; }

  private:
    const FileListModel& m_list;
    BatchChoices m_choices;
    BatchConsole& m_console;
    QString m_text;
    double m_value = 0;
    bool m_valueSinceText = false;
    QString m_fileText;  // the bar's text for the file in hand
    bool m_inWaitNote = false;
    int m_filesStarted = 0;
    QString m_closingMessage;
};

// The whole batch mode for parsed options: the list (files as given, folders through the
// folder intake with the pattern of the extension), the run, the report. Returns the exit
// status.
int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder);

}  // namespace lorvane
