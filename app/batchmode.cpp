#include "app/batchmode.h"

#include "app/batchplan.h"
#include "app/batchreport.h"
#include "app/conversionjobs.h"
#include "app/errorreport.h"
#include "app/settingsstore.h"
#include "app/storedchoices.h"
#include "convert/conversionrun.h"
#include "convert/formattable.h"
#include "convert/reasons.h"
#include "filelist/filedrop.h"
#include "filelist/filelistmodel.h"
#include "filelist/namerules.h"
#include "platform/apperror.h"
#include "platform/eventwait.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"
#include "platform/stopsignals.h"

#include <QElapsedTimer>

namespace lorvane {

namespace {

const QString kPrefix = QStringLiteral("lorvane: ");
constexpr int kDefaultFormatIndex = 1;  // "16-bit PCM"

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

// Which files a folder was searched for, and what to do when it held none: "no .ogg, .oga
// or .opus files in FOLDER or its subfolders; ...".
QString nothingFoundIn(const QStringList& folders, const QString& extension) {
    const QStringList named = TypedExtensions(extension);
    const bool everyFile = named.contains(QStringLiteral("*"));
    QString files = QStringLiteral("files");
    if (!everyFile) {
        QStringList dotted;
        for (const QString& one : named) {
            dotted.append(QLatin1Char('.') + one);
        }
        const QString last = dotted.takeLast();
        files =
            (dotted.isEmpty() ? last
                              : dotted.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last) +
            QStringLiteral(" files");
    }
    QStringList shown;
    for (const QString& folder : folders) {
        shown.append(DisplayPath(folder));
    }
    QString text = QStringLiteral("no %1 in %2 or %3 subfolders")
                       .arg(files, shown.join(QStringLiteral(", ")),
                            folders.size() == 1 ? QStringLiteral("its") : QStringLiteral("their"));
    if (!everyFile) {
        text += QStringLiteral(
            "; --extension chooses other endings (--extension='*' takes every "
            "file)");
    }
    return text;
}

}  // namespace

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
        // Nothing stored yet: the window would show 8-bit, the lowest quality; the batch mode
        // has no earlier habit to keep.
        if (settings.ReadSetting(settingkeys::formatIndex(), QString()).isEmpty()) {
            index = kDefaultFormatIndex;
            resolved.defaultFormat = true;
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
    resolved.defaultFolder = settings.ReadSetting(settingkeys::outputFolder(),
                                                  QStringLiteral("\n")) == QLatin1String("\n");
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

namespace {

QString whereTheResultsGo(const StartOptions& options, const BatchChoices& resolved) {
    const ConversionChoices& chosen = resolved.choices;
    QString text;
    if (chosen.saveToFolder) {
        text = QStringLiteral("results in %1").arg(chosen.folderText);
        if (resolved.defaultFolder) {
            text += QStringLiteral(" (the default: no folder given or stored)");
        }
        if (options.keepTree) {
            text += QStringLiteral(", source trees kept");
        }
    } else if (chosen.saveBesideSource) {
        text = QStringLiteral("results beside their sources");
    } else {
        text = QStringLiteral("results in %1").arg(chosen.folderText);
    }
    return text;
}

QString summaryOf(const QVector<BatchRecord>& records, qint64 ms) {
    int converted = 0;
    int upToDate = 0;
    for (const BatchRecord& record : records) {
        converted += record.outcome == BatchRecord::Converted;
        upToDate += record.outcome == BatchRecord::UpToDate;
    }
    const int total = static_cast<int>(records.size());
    const QString time =
        ms < 60000 ? QStringLiteral("%1 s").arg(ms / 1000.0, 0, 'f', 1) : ClockText(ms);
    return QStringLiteral("%1 of %2 %3 converted, %4 up to date, %5 not converted, in %6")
        .arg(converted)
        .arg(total)
        .arg(total == 1 ? QStringLiteral("file") : QStringLiteral("files"))
        .arg(upToDate)
        .arg(total - converted - upToDate)
        .arg(time);
}

}  // namespace

int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder) {
    QElapsedTimer clock;
    clock.start();
    BatchChoices resolved = ResolveBatchChoices(options, settings, desktopFolder);
    if (!resolved.problem.isEmpty()) {
        console.message(kPrefix + resolved.problem);
        console.message(UsageHint());
        return kBatchUsageError;
    }

    ConsoleReporter reporter(console);
    QStringList emptyFolders;
    const QVector<QueuedSource> queued =
        QueueBatchItems(options.items, options.extension, reporter, &emptyFolders);
    // A folder that gave nothing is named with what it was searched for, never passed over.
    const bool nothingQueued = queued.isEmpty();
    if (nothingQueued) {
        console.message(kPrefix + QStringLiteral("nothing to convert: ") +
                        nothingFoundIn(emptyFolders, options.extension));
    } else {
        for (const QString& folder : emptyFolders) {
            console.message(kPrefix + QStringLiteral("note: ") +
                            nothingFoundIn({folder}, options.extension));
        }
    }
    BatchPlan plan = PlanBatch(queued, resolved.choices, options.keepTree, options.update);
    FileListModel list;
    QStringList sources;
    for (int index : plan.toConvert) {
        sources.append(plan.records[index].source);
    }
    list.addEntries(sources);

    QVector<bool> done(plan.records.size(), false);
    BatchProgress progress(
        console, options.quiet, [&clock] { return clock.elapsed(); },
        [&](int position, const QString& reason) {
            if (position < 1 || position > plan.toConvert.size()) {
                return;
            }
            const int index = plan.toConvert[position - 1];
            BatchRecord& record = plan.records[index];
            record.outcome = reason.isEmpty() ? BatchRecord::Converted : BatchRecord::NotConverted;
            record.reason = reason;
            done[index] = true;
        });
    ConversionOptions runOptions;
    runOptions.jobs = options.jobs.value_or(JobsFromEnvironment());
    const ConversionChoices choices = resolved.choices;
    ConversionRun run(
        list, [&choices] { return choices; }, progress, reporter, runOptions);
    // A signal asks the run to finish what it has begun; a second one ends it now.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, [&run](int, int count) {
        if (count == 1) {
            run.requestStop();
        } else {
            run.stopNow();
        }
    });
    // With nothing left to convert there is no run to refuse: everything is up to date.
    const bool nothingToRun = list.count() == 0 && !plan.records.isEmpty();
    RunOutcome outcome;
    if (nothingToRun) {
        outcome.ran = true;
    } else if (!nothingQueued) {
        outcome = run.run();
    }
    console.endProgress();

    for (int index : plan.toConvert) {
        if (!done[index] && plan.records[index].reason.isEmpty()) {
            plan.records[index].reason = outcome.ran
                                             ? QStringLiteral("not started: the run was stopped")
                                             : QStringLiteral("not started: the run was refused");
        }
    }
    QString reportProblem;
    if (options.reportFile) {
        reportProblem = WriteReport(*options.reportFile, plan.records);
    }
    if (!outcome.ran) {
        if (!reportProblem.isEmpty()) {
            console.message(kPrefix + QStringLiteral("the report %1 was not written: %2")
                                          .arg(*options.reportFile, reportProblem));
        }
        return kBatchSomeNotConverted;  // refused: no files, no folder, no usable FFmpeg
    }
    for (const FileNote& note : outcome.notes) {
        console.message(
            kPrefix +
            QStringLiteral("note: %1: %2").arg(DisplayPath(note.source), DisplayPath(note.text)));
    }
    for (const QString& source : outcome.endedEarly) {
        console.message(
            kPrefix +
            QStringLiteral("note: %1: %2").arg(DisplayPath(source), reasons::endsEarly()));
    }
    bool allDone = true;
    QVector<bool> byPlan(plan.records.size(), true);
    for (int index : plan.toConvert) {
        byPlan[index] = false;
    }
    for (qsizetype i = 0; i < plan.records.size(); ++i) {
        const BatchRecord& record = plan.records[i];
        if (record.outcome != BatchRecord::NotConverted) {
            continue;
        }
        allDone = false;
        // Files the stop kept from starting are counted in the summary, not named.
        if (done[i] || byPlan[i]) {
            console.message(kPrefix +
                            QStringLiteral("not converted: %1: %2")
                                .arg(DisplayPath(record.source), DisplayPath(record.reason)));
        }
    }
    QString summary = summaryOf(plan.records, clock.elapsed());
    if (outcome.stopped) {
        summary += QStringLiteral("; stopped by %1").arg(SignalName(stopSignals.firstSignal()));
        if (outcome.notStarted > 0) {
            summary += QStringLiteral(" before %1 more started").arg(outcome.notStarted);
        }
    }
    console.message(kPrefix + summary);
    QString format = resolved.choices.formatLabel + QStringLiteral(" WAV");
    if (resolved.defaultFormat) {
        format += QStringLiteral(" (the default: no format given or stored)");
    }
    console.message(kPrefix + format + QStringLiteral(", ") + whereTheResultsGo(options, resolved));
    if (!reportProblem.isEmpty()) {
        console.message(kPrefix + QStringLiteral("the report %1 was not written: %2")
                                      .arg(*options.reportFile, reportProblem));
        allDone = false;
    }
    if (outcome.stopped) {
        return 128 + stopSignals.firstSignal();  // as a shell reports a program a signal ended
    }
    return allDone && reporter.reports() == 0 ? kBatchAllConverted : kBatchSomeNotConverted;
}

}  // namespace lorvane
