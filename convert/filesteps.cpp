#include "convert/filesteps.h"

#include "convert/formattable.h"
#include "convert/runprogress.h"
#include "convert/sourcekeeper.h"
#include "convert/toolprocess.h"
#include "filelist/filelistmodel.h"
#include "platform/paths.h"
#include "platform/stepguard.h"

#include <cerrno>
#include <cstring>

namespace lorvane {

namespace {

QString reasonForSource(const SourceLook& look) {
    switch (look.kind) {
        case SourceLook::RegularFile:
            return {};
        case SourceLook::NotAFile:
            return reasons::notAFile();
        case SourceLook::Missing:
            return reasons::notFound();
        case SourceLook::Unreadable:
            break;
    }
    return reasons::unreadable(look.error);
}

// Why a finished tool run does not count, or the empty text when its result does.
QString judgeRun(int status, const SourceLook& look, const QString& source, const QString& output,
                 const QString& codec, const QByteArray& errorTail) {
    if (status == 0) {
        return CheckResult(look, source, output, codec, errorTail);
    }
    if (status == kProgramCrashed) {
        return reasons::converterStopped();
    }
    if (IsLaunchFailure(status)) {
        return reasons::converterNotStarted();
    }
    return ReasonForFailure(source, output, errorTail);
}

}  // namespace

FileSteps::FileSteps(const FileListModel& list, Choices choices, ConversionEvents& events,
                     RunProgress& progress, StepGuard& guard, SourceKeeper& keeper, QString program,
                     QString toolCommand)
    : m_list(list),
      m_choices(std::move(choices)),
      m_events(events),
      m_progress(progress),
      m_guard(guard),
      m_keeper(keeper),
      m_program(std::move(program)),
      m_toolCommand(std::move(toolCommand)) {}

int FileSteps::entryCount() const {
    return m_list.count();
}

QString FileSteps::chosenCodec() const {
    return getWAVFormat(m_choices().formatLabel);
}

bool FileSteps::readEntry(FileJob& file) {
    bool listed = true;
    m_guard.step(124, [&] {
        listed = file.position <= m_list.count();
        if (listed) {
            file.source = m_list.entryText(file.position);
        }
    });
    return listed;
}

void FileSteps::showProgress(const FileJob& file, bool announce) {
    m_guard.step(126, [&] {
        m_progress.setValue(static_cast<double>(file.position) / m_list.count() * 100.0);
    });
    // Between the bar's move and its new caption: a front end that shows the caption with the
    // file's place sees the new caption only with the new place.
    if (announce) {
        m_events.fileStarted(file.position, m_list.count(), file.source);
    }
    m_guard.step(128, [&] {
        m_progress.setText(QStringLiteral("Processing: ") + FileNameOfPath(file.source));
    });
}

void FileSteps::markBusy() {
    m_guard.step(132, [&] { m_events.busyChanged(true); });
}

void FileSteps::buildOutput(FileJob& file) {
    file.outputBuilt = false;
    m_guard.step(134, [&] {
        file.output = m_choices().folderText;
        file.outputBuilt = true;
    });
    if (m_guard.test(136, [&] { return m_choices().saveToFolder; })) {
        file.outputBuilt = false;
        m_guard.step(138, [&] {
            file.output = OutputPathFor(file.source, m_choices().folderText, true, false);
            file.outputBuilt = true;
        });
    } else if (m_guard.test(140, [&] { return m_choices().saveBesideSource; })) {
        file.outputBuilt = false;
        m_guard.step(142, [&] {
            file.output = OutputPathFor(file.source, m_choices().folderText, false, true);
            file.outputBuilt = true;
        });
    }
    file.reason = file.outputBuilt ? reasons::noResult() : reasons::noOutputPath();
}

void FileSteps::lookAtSource(FileJob& file) {
    if (!file.looked) {
        file.look = LookAtSource(file.source);
        file.looked = true;
    }
}

void FileSteps::clearTheWay(FileJob& file) {
    file.mayWrite = false;
    m_guard.step(144, [&] {
        if (!file.outputBuilt) {
            return;
        }
        lookAtSource(file);
        file.reason = reasonForSource(file.look);
        if (!file.reason.isEmpty()) {
            return;
        }
        if (FileIdOf(file.output, false)) {
            // Files queued while the run waited (and perhaps dragged into its range) are
            // sources too; only an existing output can destroy one.
            for (int position = 1; position <= m_list.count(); ++position) {
                m_keeper.protect(m_list.entryText(position));
            }
        }
        file.reason = m_keeper.refusal(file.source, file.output);
        if (!file.reason.isEmpty()) {
            return;
        }
        DeleteFileQuietly(file.output);
        if (FileIdOf(file.output, false)) {
            // Without -y the converter would stop at the old file; it is never
            // overwritten.
            file.reason = IsExistingFolder(file.output).value_or(false)
                              ? reasons::notWritten(QString::fromLocal8Bit(std::strerror(EISDIR)))
                              : reasons::oldResultStays();
            return;
        }
        file.reason = reasons::noResult();
        file.mayWrite = true;
    });
}

ToolCall FileSteps::compose(FileJob& file) {
    ToolCall call;
    m_guard.step(146, [&] {
        file.codec = getWAVFormat(m_choices().formatLabel);
        call.commandLine = m_toolCommand + QLatin1Char(' ') +
                           ComposeArguments(file.source, file.codec, file.output);
        call.program = m_program;
        call.arguments = ToolArguments(file.source, file.codec, file.output);
    });
    return call;
}

void FileSteps::judge(FileJob& file, int status, const QByteArray& errorTail) {
    file.reason = judgeRun(status, file.look, file.source, file.output, file.codec, errorTail);
    if (file.reason.isEmpty()) {
        m_keeper.recordResult(file.source, file.output);
    } else {
        DeleteFileQuietly(file.output);
    }
}

void CountFile(const FileJob& file, RunOutcome& outcome) {
    if (file.reason.isEmpty()) {
        ++outcome.converted;
    } else {
        outcome.failures.append({file.source, file.reason});
    }
}

}  // namespace lorvane
