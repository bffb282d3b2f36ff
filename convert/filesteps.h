#pragma once

#include "convert/commandline.h"
#include "convert/resultcheck.h"
#include "convert/runfrontend.h"

#include <QByteArray>
#include <QString>

#include <QSet>
#include <QVector>

#include <functional>
#include <memory>

namespace lorvane {

class FileListModel;
class PendingResult;
class RunProgress;
class SourceKeeper;
class StepGuard;

// One list entry on its way through the run.
struct FileJob {
    int position = 0;
    QString source;
    QString output;
    bool outputBuilt = false;
    SourceLook look;
    bool looked = false;
    QString codec;
    // Why it is not converted; a step that fails leaves the last reason given.
    QString reason;
    // What to tell about a converted file's result (its loop left out, and why).
    QString note;
    // The converter's result did not pass its check (a lone run of the file may do better
    // than a group's); a result refused its place is refused alike however it was made.
    bool checkFailed = false;
    bool mayWrite = false;  // its output path is clear and the converter may write it
    // Where each file that held the output path went in the trash, to make way for the result.
    QStringList trashedAs;
    // What the converter is handed, both open before it starts: the source, and the
    // temporary file its result is written to.
    std::shared_ptr<int> sourceFd;
    std::shared_ptr<PendingResult> pending;
};

// A request to end the run early: no further file starts, and with `now` the running
// converters are ended too.
struct RunStop {
    bool requested = false;
    bool now = false;
};

// The steps every file goes through, by their numbers, whether files run one at a time or
// several at once. Each step reads the list and the user's choices when it runs.
class FileSteps {
  public:
    using Choices = std::function<ConversionChoices()>;

    FileSteps(const FileListModel& list, Choices choices, ConversionEvents& events,
              RunProgress& progress, StepGuard& guard, SourceKeeper& keeper, const RunStop& stop,
              QString program, QString toolCommand);

    StepGuard& guard() { return m_guard; }
    RunProgress& progress() { return m_progress; }
    const QString& program() const { return m_program; }
    const RunStop& stop() const { return m_stop; }
    int entryCount() const;
    // The codec of the format chosen now.
    QString chosenCodec() const;

    // Step 124: false once the list has become shorter than the position (entries removed
    // while the run waited end the run at the list's new end).
    bool readEntry(FileJob& file);
    // Steps 126 and 128: the bar at this file's share and its name. Announced, the file has
    // started (each file is announced once).
    void showProgress(const FileJob& file, bool announce = true);
    // Step 132: the busy mark, again.
    void markBusy();
    // Steps 134 to 142. An output path that failed to build still holds the folder field's
    // text, which may name any file of the user's: such a path is neither removed nor
    // written.
    void buildOutput(FileJob& file);
    // Looks at the source: only a regular file goes to the converter (a FIFO would hold it,
    // and the run, for ever; a folder or a device is no audio file). Never blocks.
    void lookAtSource(FileJob& file);
    // Step 144: makes ready for the converter, unless the source is no file or writing the
    // output would destroy a queued source or another file's result of this run. Nothing at
    // the output path is touched: the result is written under a temporary name.
    void clearTheWay(FileJob& file);
    // Opens the source and the result's temporary file (again, for a file converted once
    // more on its own). False, with the reason, when either cannot be had.
    bool prepare(FileJob& file);
    // The descriptors the converter for these files inherits.
    static QVector<int> descriptorsOf(const QVector<FileJob>& files);
    // Step 146: the format is read now, so a change made meanwhile applies from here on.
    ToolCall compose(FileJob& file);
    // After the converter has ended: whether the result counts; one that does is put in
    // place under its name, one that does not is removed, as it must never pass for a result.
    void judge(FileJob& file, int status, const QByteArray& errorTail);
    // Tells the front end the file is done, as soon as it is.
    void finished(const FileJob& file);
    // Tells the front end how much audio the converter has written of each file so far.
    void tellWritten(const QVector<FileJob>& running);

    // Where the converter reads the source and writes the result: the open descriptors once
    // prepared.
    static QString sourceAddress(const FileJob& file);
    static QString outputAddress(const FileJob& file);

  private:
    // Puts a checked result in place; why not, or the empty text.
    QString place(FileJob& file);
    void protectQueuedSources();

    const FileListModel& m_list;
    Choices m_choices;
    ConversionEvents& m_events;
    RunProgress& m_progress;
    StepGuard& m_guard;
    SourceKeeper& m_keeper;
    const RunStop& m_stop;
    QString m_program;
    QString m_toolCommand;
    QSet<QString> m_cleanedFolders;  // output folders rid of stale temporary files
};

// How often the front end hears how much audio the running converters have written.
constexpr int kWrittenEveryMs = 1000;

// Counts the file into the outcome: converted, or not with its reason.
void CountFile(const FileJob& file, RunOutcome& outcome);

}  // namespace lorvane
