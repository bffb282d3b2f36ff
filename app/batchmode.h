#pragma once

// The batch mode: the conversion engine without the window. It gives the run the list and
// the choices, shows its progress on standard error, and turns its outcome into a report and
// an exit status.

#include "app/startoptions.h"
#include "convert/runfrontend.h"
#include "platform/stepguard.h"

#include <QString>

#include <functional>

namespace lorvane {

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

// A failing step of the run or of a folder walk: its report as lines on the console.
class ConsoleReporter : public FailureReporter {
  public:
    explicit ConsoleReporter(BatchConsole& console) : m_console(console) {}
    void reportFailure(const QString& description, const QString& location, int step) override;
    int reports() const { return m_reports; }

  private:
    BatchConsole& m_console;
    int m_reports = 0;
};

// What the run reads instead of the window's controls, or why there is nothing sensible to
// run with.
struct BatchChoices {
    ConversionChoices choices;
    QString problem;
};

// The options where given, otherwise the stored settings as the window would restore them
// at start-up; the store is only read. The desktop folder is the default output folder.
BatchChoices ResolveBatchChoices(const StartOptions& options, const SettingsStore& settings,
                                 const QString& desktopFolder);

// The run's progress as lines: "[i/n] Processing: name" as each file starts; on a terminal
// one line that follows the run's caption (the wait notes included) with the file's place.
class BatchProgress : public ConversionEvents {
  public:
    explicit BatchProgress(BatchConsole& console) : m_console(console) {}
    void busyChanged(bool busy) override;
    void fileStarted(int position, int total, const QString& source) override;
    void progressChanged(double value, const QString& caption) override;
    void refused(const QString& message) override;
    int filesStarted() const { return m_filesStarted; }

  private:
    void show(const QString& caption);
    BatchConsole& m_console;
    int m_position = 0;
    int m_total = 0;
    int m_filesStarted = 0;
    bool m_inHand = false;
    QString m_shown;
};

// The whole batch mode for parsed options: the list (files as given, folders through the
// folder intake with the pattern of the extension), the run, the report. Returns the exit
// status.
int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder);

}  // namespace lorvane
