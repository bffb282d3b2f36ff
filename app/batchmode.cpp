#include "app/batchmode.h"

#include "app/batchinputs.h"
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

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>

#include <csignal>

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

// What the first signal does, and how to have it done at once.
QString StoppingText(int signal) {
    if (signal == SIGINT) {
        return QCoreApplication::translate(
            "BatchMode", "stopping after the files in hand; Ctrl+C again to stop now");
    }
    //: %1 is the signal's name, such as SIGTERM.
    return QCoreApplication::translate("BatchMode",
                                       "stopping after the files in hand (%1); %1 again stops now")
        .arg(SignalName(signal));
}

// Which files a folder was searched for, and what to do when it held none: "no .ogg, .oga
// or .opus files in FOLDER or its subfolders; ...".
QString nothingFoundIn(const QStringList& folders, const QString& extension) {
    const QStringList named = TypedExtensions(extension);
    QStringList shown;
    for (const QString& folder : folders) {
        shown.append(DisplayPath(folder));
    }
    const int count = static_cast<int>(folders.size());
    if (named.contains(QStringLiteral("*"))) {
        //: %1 names the folders (%n of them) that held no file at all.
        return (count == 1
                    ? QCoreApplication::translate("BatchMode", "no files in %1 or its subfolders")
                    : QCoreApplication::translate("BatchMode", "no files in %1 or their subfolders",
                                                  nullptr, count))
            .arg(shown.join(QStringLiteral(", ")));
    }
    QStringList dotted;
    for (const QString& one : named) {
        dotted.append(QLatin1Char('.') + one);
    }
    const QString last = dotted.takeLast();
    //: The endings a folder was searched for: %1 lists all but the last (".ogg, .oga"), %2 is
    //: the last (".opus").
    const QString endings = dotted.isEmpty() ? last
                                             : QCoreApplication::translate("BatchMode", "%1 or %2")
                                                   .arg(dotted.join(QStringLiteral(", ")), last);
    //: %1 is the endings searched for (".ogg, .oga or .opus"), %2 names the folders (%n of
    //: them). Keep the options as they are.
    return (count == 1
                ? QCoreApplication::translate(
                      "BatchMode",
                      "no %1 files in %2 or its subfolders; --extension chooses other endings "
                      "(--extension='*' takes every file)")
                : QCoreApplication::translate(
                      "BatchMode",
                      "no %1 files in %2 or their subfolders; --extension chooses other endings "
                      "(--extension='*' takes every file)",
                      nullptr, count))
        .arg(endings, shown.join(QStringLiteral(", ")));
}

}  // namespace

void ConsoleReporter::reportFailure(const QString& description, const QString& location, int step) {
    ++m_reports;
    for (const QString& line : linesOf(ComposeErrorReport(description, location, step))) {
        //: A line of a failure report, as the window's "Application Error" box would show it.
        m_console.message(
            kPrefix + QCoreApplication::translate("BatchMode", "Application Error: %1").arg(line));
    }
}

BatchChoices ResolveBatchChoices(const StartOptions& options, const SettingsStore& settings,
                                 const QString& desktopFolder) {
    BatchChoices resolved;
    ConversionChoices& choices = resolved.choices;
    if (options.formatLabel) {
        choices.formatLabel = *options.formatLabel;
    } else if (!FormatChosenInWindow(settings)) {
        // The window's first start stores 8-bit, its lowest quality, without anyone choosing
        // it: the batch mode keeps its own default until the user picks a format there.
        choices.formatLabel = OutputFormats()[kDefaultFormatIndex].label;
        resolved.formatOrigin = BatchChoices::Default;
    } else {
        int index = -1;
        try {
            index = StoredFormatIndex(settings);
        } catch (const AppError&) {
        }
        if (index < 0) {
            //: %1 is the settings file.
            resolved.problem =
                QCoreApplication::translate(
                    "BatchMode",
                    "the window's settings (%1) choose no output format; give one with --format")
                    .arg(settings.fileName());
            return resolved;
        }
        choices.formatLabel = OutputFormats()[static_cast<size_t>(index)].label;
        resolved.formatOrigin = BatchChoices::Window;
    }

    if (options.outputFolder) {
        choices.folderText = *options.outputFolder;
        choices.saveToFolder = true;
        return resolved;
    }
    const bool folderChosen = FolderChosenInWindow(settings, desktopFolder);
    try {
        choices.folderText = folderChosen ? StoredOutputFolder(settings, desktopFolder)
                                          : DefaultOutputFolder(desktopFolder);
    } catch (const AppError&) {
        // No desktop and no home folder: a stored folder is not shown either.
    }
    resolved.folderOrigin = folderChosen ? BatchChoices::Window : BatchChoices::Default;
    if (options.besideSource) {
        choices.saveBesideSource = true;
        resolved.folderOrigin = BatchChoices::Given;
        return resolved;
    }
    // As start-up restores the two options: the first is on when the window is created, and
    // switching the second on switches the first off.
    choices.saveToFolder = storedOption(StoredSaveToFolder, settings, true);
    choices.saveBesideSource = storedOption(StoredSaveBesideSource, settings, false);
    if (choices.saveBesideSource) {
        // Only a click in the window selects it.
        choices.saveToFolder = false;
        resolved.folderOrigin = BatchChoices::Window;
        return resolved;
    }
    if (choices.saveToFolder && !IsExistingFolder(choices.folderText).value_or(false)) {
        if (folderChosen) {
            //: %1 is the folder, %2 the settings file.
            resolved.problem = QCoreApplication::translate(
                                   "BatchMode",
                                   "the output folder '%1', the window's choice (stored in %2), "
                                   "does not exist; give one with --output-folder")
                                   .arg(choices.folderText, settings.fileName());
        } else {
            resolved.problem = QCoreApplication::translate(
                                   "BatchMode",
                                   "the default output folder '%1' does not exist; give one "
                                   "with --output-folder")
                                   .arg(choices.folderText);
        }
    }
    return resolved;
}

namespace {

// A choice of the last line, and where it came from when not from the command line.
QString withOrigin(const QString& choice, BatchChoices::Origin origin) {
    switch (origin) {
        case BatchChoices::Default:
            //: In the batch mode's last line: %1 is the format or where the results went,
            //: which nobody chose.
            return QCoreApplication::translate("BatchMode", "%1, the default").arg(choice);
        case BatchChoices::Window:
            //: In the batch mode's last line: %1 is the format or where the results went, as
            //: chosen in the window.
            return QCoreApplication::translate("BatchMode", "%1, the window's choice").arg(choice);
        case BatchChoices::Given:
            break;
    }
    return choice;
}

// "16-bit PCM, the default; results in /home/u/Desktop/, the default"
QString choicesText(const StartOptions& options, const BatchChoices& resolved) {
    const ConversionChoices& chosen = resolved.choices;
    QString results;
    if (chosen.saveBesideSource && !chosen.saveToFolder) {
        results = QCoreApplication::translate("BatchMode", "results beside their sources");
    } else {
        //: In the batch mode's last line: %1 is the output folder.
        results = QCoreApplication::translate("BatchMode", "results in %1").arg(chosen.folderText);
    }
    results = withOrigin(results, resolved.folderOrigin);
    if (chosen.saveToFolder && options.keepTree) {
        //: In the batch mode's last line: %1 says where the results went; --keep-tree was given.
        results = QCoreApplication::translate("BatchMode", "%1, source trees kept").arg(results);
    }
    //: The batch mode's last line: %1 is the format, %2 where the results went.
    return QCoreApplication::translate("BatchMode", "%1; %2")
        .arg(withOrigin(chosen.formatLabel, resolved.formatOrigin), results);
}

QString summaryOf(const QVector<BatchRecord>& records, qint64 ms) {
    int converted = 0;
    int upToDate = 0;
    for (const BatchRecord& record : records) {
        converted += record.outcome == BatchRecord::Converted;
        upToDate += record.outcome == BatchRecord::UpToDate;
    }
    const int total = static_cast<int>(records.size());
    //: The time a short run took: %1 is in seconds.
    const QString time = ms < 60000 ? QCoreApplication::translate("BatchMode", "%1 s")
                                          .arg(QLocale().toString(ms / 1000.0, 'f', 1))
                                    : ClockText(ms);
    //: The batch mode's summary: %1 of the run's %n files were converted, %2 were up to date
    //: and %3 not converted; %4 is the time the run took.
    return (total == 1
                ? QCoreApplication::translate(
                      "BatchMode", "%1 of 1 file converted, %2 up to date, %3 not converted, in %4")
                : QCoreApplication::translate(
                      "BatchMode",
                      "%1 of %n files converted, %2 up to date, %3 not converted, in %4", nullptr,
                      total))
        .arg(converted)
        .arg(upToDate)
        .arg(total - converted - upToDate)
        .arg(time);
}

QString reportNotWritten(const QString& file, const QString& problem) {
    //: %1 is the report file, %2 the system's reason.
    return QCoreApplication::translate("BatchMode", "the report %1 was not written: %2")
        .arg(file, problem);
}

QString fileNote(const QString& source, const QString& text) {
    //: Something about a converted file worth knowing: %1 is the source, %2 what.
    return QCoreApplication::translate("BatchMode", "note: %1: %2").arg(source, text);
}

}  // namespace

int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder) {
    QElapsedTimer clock;
    clock.start();
    // What cannot work is said once, before anything starts, rather than file by file; every
    // such problem at once, so one attempt shows them all.
    BatchChoices resolved = ResolveBatchChoices(options, settings, desktopFolder);
    const QStringList inputProblems = InputProblems(options.items);
    for (const QString& problem : inputProblems) {
        console.message(kPrefix + problem);
    }
    if (!resolved.problem.isEmpty()) {
        console.message(kPrefix + resolved.problem);
        console.message(UsageHint());
        return kBatchUsageError;
    }
    if (!inputProblems.isEmpty()) {
        return kBatchUsageError;
    }
    const int jobs = options.jobs.value_or(JobsFromEnvironment());
    if (!options.jobs) {
        const QString warning = JobsEnvironmentWarning(kMaxJobs, jobs);
        if (!warning.isEmpty()) {
            console.message(kPrefix + warning);
        }
    }

    ConsoleReporter reporter(console);
    QStringList emptyFolders;
    const QVector<QueuedSource> queued =
        QueueBatchItems(options.items, options.extension, reporter, &emptyFolders);
    // A folder that gave nothing is named with what it was searched for, never passed over.
    const bool nothingQueued = queued.isEmpty();
    if (nothingQueued) {
        //: %1 says what the folders given held none of.
        console.message(kPrefix + QCoreApplication::translate("BatchMode", "nothing to convert: %1")
                                      .arg(nothingFoundIn(emptyFolders, options.extension)));
    } else {
        for (const QString& folder : emptyFolders) {
            //: %1 says what a folder given held none of.
            console.message(kPrefix + QCoreApplication::translate("BatchMode", "note: %1")
                                          .arg(nothingFoundIn({folder}, options.extension)));
        }
    }
    BatchPlan plan = PlanBatch(queued, resolved.choices, options.keepTree, options.update);
    FileListModel list;
    QStringList sources;
    for (int index : plan.toConvert) {
        sources.append(plan.records[index].source);
    }
    const QStringList folderProblems = OutputFolderProblems(resolved.choices, sources);
    for (const QString& problem : folderProblems) {
        console.message(kPrefix + problem);
    }
    if (!folderProblems.isEmpty()) {
        return kBatchUsageError;
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
    int upToDate = 0;
    for (const BatchRecord& record : plan.records) {
        upToDate += record.outcome == BatchRecord::UpToDate;
    }
    progress.setPlan(static_cast<int>(plan.records.size()), upToDate,
                     static_cast<int>(plan.records.size() - plan.toConvert.size()) - upToDate);
    ConversionOptions runOptions;
    runOptions.jobs = jobs;
    const ConversionChoices choices = resolved.choices;
    ConversionRun run(
        list, [&choices] { return choices; }, progress, reporter, runOptions);
    // A signal asks the run to finish what it has begun; a second one ends it now.
    StopSignals stopSignals;
    QObject::connect(&stopSignals, &StopSignals::received, [&](int signal, int count) {
        if (count == 1) {
            run.requestStop();
            progress.stopping();
            console.message(kPrefix + StoppingText(signal));
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
            plan.records[index].reason =
                outcome.ran
                    ? QCoreApplication::translate("BatchMode", "not started: the run was stopped")
                    : QCoreApplication::translate("BatchMode", "not started: the run was refused");
        }
    }
    for (const TrashedFile& file : outcome.trashed) {
        for (int index : plan.toConvert) {
            BatchRecord& record = plan.records[index];
            if (record.source == file.source && record.trashedAs.isEmpty()) {
                record.trashedAs = file.trashedAs;
                break;
            }
        }
    }
    QString reportProblem;
    if (options.reportFile) {
        reportProblem = WriteReport(*options.reportFile, plan.records);
    }
    if (!outcome.ran) {
        if (!reportProblem.isEmpty()) {
            console.message(kPrefix + reportNotWritten(*options.reportFile, reportProblem));
        }
        return kBatchSomeNotConverted;  // refused: no files, no folder, no usable FFmpeg
    }
    for (const FileNote& note : outcome.notes) {
        console.message(kPrefix + fileNote(DisplayPath(note.source), DisplayPath(note.text)));
    }
    for (const QString& source : outcome.endedEarly) {
        console.message(kPrefix + fileNote(DisplayPath(source), reasons::endsEarly()));
    }
    for (const TrashedFile& file : outcome.trashed) {
        //: %1 is the file that was in the way, and where in the trash it went.
        console.message(kPrefix +
                        QCoreApplication::translate(
                            "BatchMode", "moved to the trash to make way for its result: %1")
                            .arg(DisplayPath(TrashedLine(file))));
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
            //: %1 is the source, %2 the reason.
            console.message(kPrefix +
                            QCoreApplication::translate("BatchMode", "not converted: %1: %2")
                                .arg(DisplayPath(record.source), DisplayPath(record.reason)));
        }
    }
    QString summary = summaryOf(plan.records, clock.elapsed());
    if (outcome.stopped) {
        const QString signal = SignalName(stopSignals.firstSignal());
        if (outcome.notStarted > 0) {
            //: Added to the summary: %1 is the signal's name, such as SIGINT; %n files were
            //: still to start.
            summary +=
                QCoreApplication::translate("BatchMode", "; stopped by %1 before %n more started",
                                            nullptr, outcome.notStarted)
                    .arg(signal);
        } else {
            //: Added to the summary: %1 is the signal's name, such as SIGINT.
            summary += QCoreApplication::translate("BatchMode", "; stopped by %1").arg(signal);
        }
    }
    console.message(kPrefix + summary);
    console.message(kPrefix + choicesText(options, resolved));
    if (!reportProblem.isEmpty()) {
        console.message(kPrefix + reportNotWritten(*options.reportFile, reportProblem));
        allDone = false;
    }
    if (outcome.stopped) {
        return 128 + stopSignals.firstSignal();  // as a shell reports a program a signal ended
    }
    return allDone && reporter.reports() == 0 ? kBatchAllConverted : kBatchSomeNotConverted;
}

}  // namespace lorvane
