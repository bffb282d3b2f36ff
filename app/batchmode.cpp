#include "app/batchmode.h"

#include "app/conversionjobs.h"
#include "app/errorreport.h"
#include "app/settingsstore.h"
#include "app/storedchoices.h"
#include "convert/conversionrun.h"
#include "convert/formattable.h"
#include "convert/reasons.h"
#include "filelist/filedrop.h"
#include "filelist/filelistmodel.h"
#include "platform/apperror.h"
#include "platform/eventwait.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"
#include "platform/stopsignals.h"

namespace lorvane {

namespace {

const QString kPrefix = QStringLiteral("lorvane: ");

// The boxes' line breaks are the old "\r\n" and "\r".
QStringList linesOf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// A stored option, or the control's state before start-up restored it when the text is none
// (the window reports that and leaves the option as it was).
bool storedOption(bool (*read)(const SettingsStore&), const SettingsStore& settings, bool before) {
    try {
        return read(settings);
    } catch (const AppError&) {
        return before;
    }
}

}  // namespace

void BatchConsole::progress(const QString& line) {
    if (m_terminal) {
        m_write(QStringLiteral("\r\x1b[K") + line);
        m_lineOpen = true;
    } else {
        m_write(line + QLatin1Char('\n'));
    }
}

void BatchConsole::message(const QString& line) {
    endProgress();
    m_write(line + QLatin1Char('\n'));
}

void BatchConsole::endProgress() {
    if (m_lineOpen) {
        m_write(QStringLiteral("\n"));
        m_lineOpen = false;
    }
}

void ConsoleReporter::reportFailure(const QString& description, const QString& location, int step) {
    ++m_reports;
    for (const QString& line : linesOf(ComposeErrorReport(description, location, step))) {
        m_console.message(kPrefix + QStringLiteral("Application Error: ") + line);
    }
}

BatchChoices ResolveBatchChoices(const StartOptions& options, const SettingsStore& settings,
                                 const QString& desktopFolder) {
    BatchChoices resolved;
    ConversionChoices& choices = resolved.choices;
    if (options.formatLabel) {
        choices.formatLabel = *options.formatLabel;
    } else {
        int index = -1;
        try {
            index = StoredFormatIndex(settings);
        } catch (const AppError&) {
        }
        if (index < 0) {
            resolved.problem =
                QStringLiteral("the settings choose no output format; give one with --format");
            return resolved;
        }
        choices.formatLabel = OutputFormats()[static_cast<size_t>(index)].label;
    }

    if (options.outputFolder) {
        choices.folderText = *options.outputFolder;
        choices.saveToFolder = true;
        return resolved;
    }
    try {
        choices.folderText = StoredOutputFolder(settings, desktopFolder);
    } catch (const AppError&) {
        // No desktop and no home folder: a stored folder is not shown either.
    }
    if (options.besideSource) {
        choices.saveBesideSource = true;
        return resolved;
    }
    // As start-up restores the two options: the first is on when the window is created, and
    // switching the second on switches the first off.
    choices.saveToFolder = storedOption(StoredSaveToFolder, settings, true);
    choices.saveBesideSource = storedOption(StoredSaveBesideSource, settings, false);
    if (choices.saveBesideSource) {
        choices.saveToFolder = false;
    }
    return resolved;
}

void BatchProgress::busyChanged(bool busy) {
    // The files are done once the run is no longer busy; the bar's return to rest is not
    // progress.
    if (!busy) {
        m_inHand = false;
    }
}

void BatchProgress::fileStarted(int position, int total, const QString& source) {
    ++m_filesStarted;
    m_position = position;
    m_total = total;
    m_inHand = true;
    if (!m_console.terminal()) {
        m_console.progress(QStringLiteral("[%1/%2] Processing: %3")
                               .arg(position)
                               .arg(total)
                               .arg(DisplayPath(FileNameOfPath(source))));
    }
}

void BatchProgress::progressChanged(double, const QString& caption) {
    if (m_inHand && m_console.terminal()) {
        show(caption);
    }
}

void BatchProgress::show(const QString& caption) {
    // The caption names the file as the program holds it; a terminal shows its bytes as \xHH.
    const QString line =
        QStringLiteral("[%1/%2] ").arg(m_position).arg(m_total) + DisplayPath(caption);
    if (line != m_shown) {
        m_shown = line;
        m_console.progress(line);
    }
}

void BatchProgress::refused(const QString& message) {
    for (const QString& line : linesOf(message)) {
        m_console.message(kPrefix + line);
    }
}

int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder) {
    const BatchChoices resolved = ResolveBatchChoices(options, settings, desktopFolder);
    if (!resolved.problem.isEmpty()) {
        console.message(kPrefix + resolved.problem);
        console.message(UsageHint());
        return kBatchUsageError;
    }

    ConsoleReporter reporter(console);
    FileListModel list;
    AddDroppedItems(options.items, list, reporter, YieldToEvents, {},
                    QStringLiteral("*.") + options.extension);

    BatchProgress progress(console);
    ConversionOptions runOptions;
    runOptions.jobs = options.jobs.value_or(JobsFromEnvironment());
    ConversionRun run(
        list, [&resolved] { return resolved.choices; }, progress, reporter, runOptions);
    // A signal asks the run to finish what it has begun; a second one ends it now.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, [&run](int, int count) {
        if (count == 1) {
            run.requestStop();
        } else {
            run.stopNow();
        }
    });
    const RunOutcome outcome = run.run();
    console.endProgress();

    if (!outcome.ran) {
        return kBatchSomeNotConverted;  // refused: no files, no folder, no usable FFmpeg
    }
    for (const FileFailure& entry : outcome.failures) {
        console.message(kPrefix + QStringLiteral("not converted: %1: %2")
                                      .arg(DisplayPath(entry.source), DisplayPath(entry.reason)));
    }
    for (const QString& source : outcome.endedEarly) {
        console.message(
            kPrefix +
            QStringLiteral("note: %1: %2").arg(DisplayPath(source), reasons::endsEarly()));
    }
    const int total = list.count();
    QString summary = QStringLiteral("%1 of %2 %3 converted")
                          .arg(outcome.converted)
                          .arg(total)
                          .arg(total == 1 ? QStringLiteral("file") : QStringLiteral("files"));
    if (outcome.stopped) {
        summary += QStringLiteral("; stopped by %1").arg(SignalName(stopSignals.firstSignal()));
        if (outcome.notStarted > 0) {
            summary += QStringLiteral(" before %1 more started").arg(outcome.notStarted);
        }
    }
    console.message(kPrefix + summary);
    if (outcome.stopped) {
        return 128 + stopSignals.firstSignal();  // as a shell reports a program a signal ended
    }
    return outcome.failures.isEmpty() && reporter.reports() == 0 ? kBatchAllConverted
                                                                 : kBatchSomeNotConverted;
}

}  // namespace lorvane
