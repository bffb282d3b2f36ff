#pragma once

#include "convert/commandline.h"
#include "convert/resultcheck.h"
#include "convert/runfrontend.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace lorvane {

class FileListModel;
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
    bool mayWrite = false;  // its output path is clear and the converter may write it
};

// The steps every file goes through, by their numbers, whether files run one at a time or
// several at once. Each step reads the list and the user's choices when it runs.
class FileSteps {
  public:
    using Choices = std::function<ConversionChoices()>;

    FileSteps(const FileListModel& list, Choices choices, ConversionEvents& events,
              RunProgress& progress, StepGuard& guard, SourceKeeper& keeper, QString program,
              QString toolCommand);

    StepGuard& guard() { return m_guard; }
    RunProgress& progress() { return m_progress; }
    const QString& program() const { return m_program; }
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
    // Step 144: clears the output path, unless the source is no file or writing there would
    // destroy a queued source or another file's result of this run.
    void clearTheWay(FileJob& file);
    // Step 146: the format is read now, so a change made meanwhile applies from here on.
    ToolCall compose(FileJob& file);
    // After the converter has ended: whether the result counts. One that does not is
    // removed, as it must never pass for a result.
    void judge(FileJob& file, int status, const QByteArray& errorTail);

  private:
    const FileListModel& m_list;
    Choices m_choices;
    ConversionEvents& m_events;
    RunProgress& m_progress;
    StepGuard& m_guard;
    SourceKeeper& m_keeper;
    QString m_program;
    QString m_toolCommand;
};

// Counts the file into the outcome: converted, or not with its reason.
void CountFile(const FileJob& file, RunOutcome& outcome);

}  // namespace lorvane
