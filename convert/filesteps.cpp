#include "convert/filesteps.h"

#include "convert/formattable.h"
#include "convert/outputtree.h"
#include "convert/pendingresult.h"
#include "convert/runprogress.h"
#include "convert/samplerchunk.h"
#include "convert/sourcekeeper.h"
#include "convert/toolprocess.h"
#include "filelist/filelistmodel.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"
#include "platform/stepguard.h"
#include "platform/trash.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
                     RunProgress& progress, StepGuard& guard, SourceKeeper& keeper,
                     const RunStop& stop, QString program, QString toolCommand)
    : m_list(list),
      m_choices(std::move(choices)),
      m_events(events),
      m_progress(progress),
      m_guard(guard),
      m_keeper(keeper),
      m_stop(stop),
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
        //: On the progress bar while a file converts; %1 is its name.
        m_progress.setText(QCoreApplication::translate("ConversionRun", "Processing: %1")
                               .arg(FileNameOfPath(file.source)));
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
            // A kept tree's subfolder that would lead out of the output folder has no path.
            if (const auto folder = ResultFolderFor(m_choices(), file.source)) {
                file.output = OutputPathFor(file.source, *folder, true, false);
                file.outputBuilt = true;
            }
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
        if (const auto& declared = file.look.declared()) {
            double seconds = 0;
            for (const VorbisLength::Link& link : declared->links) {
                seconds += link.rate > 0 ? static_cast<double>(link.frames) / link.rate : 0;
            }
            m_events.fileMeasured(file.position, seconds);
        }
    }
}

void FileSteps::protectQueuedSources() {
    // Files queued while the run waited (and perhaps dragged into its range) are sources too.
    for (int position = 1; position <= m_list.count(); ++position) {
        m_keeper.protect(m_list.entryText(position));
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
        // A damaged source is never converted: its result would hold less than it should,
        // however well the converter hid the gap.
        if (!file.look.damage.isEmpty()) {
            file.reason = reasons::damaged(file.look.damage);
            return;
        }
        if (FileIdOf(file.output, false)) {
            protectQueuedSources();
        }
        file.reason = m_keeper.refusal(file.source, file.output, false);
        if (!file.reason.isEmpty()) {
            return;
        }
        if (IsExistingFolder(file.output).value_or(false)) {
            file.reason = reasons::notWritten(QString::fromLocal8Bit(std::strerror(EISDIR)));
            return;
        }
        file.mayWrite = prepare(file);
    });
}

bool FileSteps::prepare(FileJob& file) {
    file.pending.reset();
    file.sourceFd.reset();
    const QString folder = FolderOfPath(file.output);
    if (!m_cleanedFolders.contains(folder)) {
        m_cleanedFolders.insert(folder);
        RemoveStaleTemporaries(folder.isEmpty() ? QStringLiteral(".") : folder);
    }
    // The converter reads the very file that was looked at, whatever its name holds later
    // and whatever bytes the name is made of.
    const int fd =
        ::open(PathToBytes(file.source).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        file.reason = fd < 0 ? reasons::unreadable(QString::fromLocal8Bit(std::strerror(err)))
                             : reasons::notAFile();
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.sourceFd = std::shared_ptr<int>(new int(fd), [](int* held) {
        ::close(*held);
        delete held;
    });
    QString error = MakeResultFolder(m_choices(), file.source);
    if (error.isEmpty()) {
        file.pending = PendingResult::create(file.output, &error);
    }
    if (!file.pending) {
        file.sourceFd.reset();
        file.reason = reasons::notWritten(error);
        return false;
    }
    file.reason = reasons::noResult();
    return true;
}

QVector<int> FileSteps::descriptorsOf(const QVector<FileJob>& files) {
    QVector<int> fds;
    for (const FileJob& file : files) {
        if (file.sourceFd && file.pending) {
            fds << *file.sourceFd << file.pending->descriptor();
        }
    }
    return fds;
}

ToolCall FileSteps::compose(FileJob& file) {
    ToolCall call;
    m_guard.step(146, [&] {
        file.codec = getWAVFormat(m_choices().formatLabel);
        call.commandLine = m_toolCommand + QLatin1Char(' ') +
                           ComposeArguments(file.source, file.codec, file.output);
        call.program = m_program;
        call.arguments =
            ToolArguments(sourceAddress(file), file.codec, outputAddress(file), file.look.exact());
    });
    return call;
}

QString FileSteps::sourceAddress(const FileJob& file) {
    return file.sourceFd ? QStringLiteral("/dev/fd/%1").arg(*file.sourceFd) : file.source;
}

QString FileSteps::outputAddress(const FileJob& file) {
    return file.pending ? file.pending->converterAddress() : file.output;
}

void FileSteps::judge(FileJob& file, int status, const QByteArray& errorTail) {
    if (!file.pending) {
        file.reason = reasons::noResult();
        return;
    }
    const QString source = sourceAddress(file);
    if (status == 0) {
        // Into the temporary result before its check, so that what is checked is what is put
        // in place.
        file.note = CarryLoopOver(file.look.loop, file.pending->descriptor());
        file.reason =
            CheckResult(file.look, source, file.pending->readBackPath(), file.codec, errorTail);
    } else {
        file.reason =
            judgeRun(status, file.look, source, outputAddress(file), file.codec, errorTail);
    }
    file.checkFailed = !file.reason.isEmpty();
    if (file.reason.isEmpty()) {
        file.reason = place(file);
    }
    if (file.reason.isEmpty()) {
        m_keeper.recordResult(file.source, file.output);
    }
    // A result that does not count is removed with its temporary file.
    file.pending.reset();
    file.sourceFd.reset();
}

QString FileSteps::place(FileJob& file) {
    PendingResult& result = *file.pending;
    if (FileIdOf(file.output, false)) {
        protectQueuedSources();
    }
    const QString refusal = m_keeper.refusal(file.source, file.output, result.foldsCase());
    if (!refusal.isEmpty()) {
        return refusal;
    }
    const QByteArray mark = ResultMarkFor(file.source);
    for (int attempt = 0; attempt < 3; ++attempt) {
        QString error;
        QString trashedAs;
        switch (result.existingAtFinalName(mark)) {
            case PendingResult::Existing::Nothing:
                error = result.putInPlace(mark, false);
                break;
            case PendingResult::Existing::OwnResult:
                // An earlier result of this source: replaced in one step, never missing.
                error = result.putInPlace(mark, true);
                break;
            case PendingResult::Existing::Folder:
                return reasons::notWritten(QString::fromLocal8Bit(std::strerror(EISDIR)));
            case PendingResult::Existing::OtherFile:
                // The user's own file, or another program's: kept in the trash, where the
                // file manager can restore it.
                error = MoveToTrash(file.output, &trashedAs);
                if (!error.isEmpty()) {
                    return reasons::oldResultStays(error);
                }
                file.trashedAs.append(trashedAs);
                continue;
        }
        if (error.isEmpty()) {
            return {};
        }
        if (error != QString::fromLocal8Bit(std::strerror(EEXIST))) {
            return reasons::notWritten(error);
        }
        // A file took the name meanwhile: look again.
    }
    return reasons::notWritten(QString::fromLocal8Bit(std::strerror(EEXIST)));
}

void FileSteps::finished(const FileJob& file) {
    m_events.fileDone(file.position, file.source, file.reason);
}

namespace {

// The seconds of audio in a WAV file being written: the bytes past its "data" chunk's header
// over the bytes a second its "fmt " chunk declares; the chunks before the samples are all
// written first. -1 while there is no such header yet.
double secondsWritten(int fd) {
    char head[1024];
    const ssize_t got = ::pread(fd, head, sizeof head, 0);
    struct stat st {};
    if (got < 12 || ::fstat(fd, &st) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0) {
        return -1;
    }
    const auto word = [&](qint64 at) {
        const auto* b = reinterpret_cast<const unsigned char*>(head + at);
        return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
    };
    quint32 bytesPerSecond = 0;
    for (qint64 at = 12; at + 8 <= got;) {
        const quint32 size = word(at + 4);
        if (std::memcmp(head + at, "fmt ", 4) == 0 && at + 16 <= got) {
            bytesPerSecond = at + 20 <= got ? word(at + 16) : 0;
        } else if (std::memcmp(head + at, "data", 4) == 0) {
            return bytesPerSecond == 0 ? -1
                                       : static_cast<double>(st.st_size - at - 8) / bytesPerSecond;
        }
        at += 8 + size + (size & 1);
    }
    return -1;
}

}  // namespace

void FileSteps::tellWritten(const QVector<FileJob>& running) {
    for (const FileJob& file : running) {
        if (file.pending) {
            const double seconds = secondsWritten(file.pending->descriptor());
            if (seconds >= 0) {
                m_events.fileWritten(file.position, seconds);
            }
        }
    }
}

void CountFile(const FileJob& file, RunOutcome& outcome) {
    if (file.reason.isEmpty()) {
        ++outcome.converted;
        if (!file.note.isEmpty()) {
            outcome.notes.append({file.source, file.note});
        }
        if (file.look.endsEarly) {
            outcome.endedEarly.append(file.source);
        }
    } else {
        outcome.failures.append({file.source, file.reason});
    }
    for (const QString& trashedAs : file.trashedAs) {
        outcome.trashed.append({file.source, file.output, trashedAs});
    }
}

}  // namespace lorvane
