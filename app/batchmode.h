#pragma once

// The batch mode: the conversion engine without the window. It gives the run the list and
// the choices, shows its progress on standard error, and turns its outcome into a report and
// an exit status.

#include "app/batchprogress.h"
#include "app/startoptions.h"
#include "convert/runfrontend.h"
#include "platform/stepguard.h"

#include <QString>

#include <functional>

namespace lorvane {

class SettingsStore;

// Exit statuses of the batch mode.
enum BatchStatus { kBatchAllConverted = 0, kBatchSomeNotConverted = 1, kBatchUsageError = 2 };

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
    // Neither given nor stored: the summary says the default was taken.
    bool defaultFormat = false;
    bool defaultFolder = false;
};

// The options where given, otherwise the stored settings as the window would restore them
// at start-up; the store is only read. The desktop folder (the home folder without one) is the
// default output folder, and "16-bit PCM" the default format.
BatchChoices ResolveBatchChoices(const StartOptions& options, const SettingsStore& settings,
                                 const QString& desktopFolder);

// The whole batch mode for parsed options: the list (files as given, folders through the
// folder intake with the pattern of the extension), what is up to date left out, the run,
// the summary and the report file. Returns the exit status.
int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder);

}  // namespace lorvane
