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
    // Where a choice came from, as the summary says it.
    enum Origin { Given, Default, Window };
    ConversionChoices choices;
    QString problem;
    Origin formatOrigin = Given;
    Origin folderOrigin = Given;  // of the output folder, or of "beside their sources"
};

// The options where given, otherwise what the user chose in the window (the store is only
// read), otherwise the batch mode's defaults: "16-bit PCM" and the desktop folder (the home
// folder without one). What the window stores by itself on its first start is no choice and
// leaves the defaults in place (FormatChosenInWindow, FolderChosenInWindow). A chosen folder
// that no longer exists is a problem that names it.
BatchChoices ResolveBatchChoices(const StartOptions& options, const SettingsStore& settings,
                                 const QString& desktopFolder);

// The whole batch mode for parsed options: the list (files as given, folders through the
// folder intake with the pattern of the extension), what is up to date left out, the run,
// the summary and the report file. Returns the exit status.
int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder);

}  // namespace lorvane
