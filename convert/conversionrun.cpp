#include "convert/conversionrun.h"

#include "app/errorreport.h"
#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/formattable.h"
#include "convert/resultcheck.h"
#include "convert/toolprocess.h"
#include "platform/paths.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <QTimer>

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <list>
#include <memory>
#include <optional>

namespace lorvane {

namespace {

using FileId = QPair<quint64, quint64>;

// Identity of the file a path reaches (following links), or of the path's own entry.
std::optional<FileId> fileId(const QString& path, bool followLinks) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    const int rc = followLinks ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st);
    if (rc != 0) {
        return std::nullopt;
    }
    return FileId(static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino));
}

}  // namespace

void SourceKeeper::protect(const QString& source) {
    if (m_protectedTexts.contains(source)) {
        return;
    }
    // Both the file and the entry naming it: removing a link that is itself queued loses the
    // entry as surely as removing the file loses the data.
    for (bool follow : {true, false}) {
        if (const auto id = fileId(source, follow)) {
            m_sources.insert(*id);
            // A name that reaches nothing yet is looked at again next time.
            m_protectedTexts.insert(source);
        }
    }
}

QString SourceKeeper::refusal(const QString& source, const QString& output) const {
    // The output is removed (never followed) before the tool writes it, so its own entry is
    // what is at stake.
    const auto outputId = fileId(output, false);
    if (!outputId) {
        return {};
    }
    if (m_sources.contains(*outputId)) {
        return reasons::replacesSource();
    }
    const auto earlier = m_results.constFind(*outputId);
    if (earlier == m_results.constEnd()) {
        return {};
    }
    const auto sourceId = fileId(source, true);
    if (sourceId && *sourceId == earlier->source) {
        return {};  // the same file queued again converts again
    }
    return reasons::replacesResult(earlier->sourceText);
}

void SourceKeeper::recordResult(const QString& source, const QString& output) {
    const auto outputId = fileId(output, false);
    const auto sourceId = fileId(source, true);
    if (outputId && sourceId) {
        m_results.insert(*outputId, {*sourceId, source});
    }
}

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

int ConversionJobs() {
    bool ok = false;
    const int named = qEnvironmentVariableIntValue("LORVANE_JOBS", &ok);
    if (ok && named >= 1) {
        return std::min(named, kMaxJobs);
    }
    return std::max(1, QThread::idealThreadCount());
}

double GroupableSeconds(const SourceLook& look) {
    if (!look.vorbis || look.vorbis->links.size() != 1) {
        return -1;
    }
    const VorbisLength::Link& link = look.vorbis->links.front();
    const double seconds = static_cast<double>(link.frames) / link.rate;
    return seconds <= kGroupSeconds ? seconds : -1;
}

namespace {

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
// several at once.
class FileSteps {
  public:
    FileSteps(ConversionHost& host, StepGuard& guard, SourceKeeper& keeper, QString program,
              QString toolCommand)
        : m_host(host),
          m_guard(guard),
          m_keeper(keeper),
          m_program(std::move(program)),
          m_toolCommand(std::move(toolCommand)) {}

    ConversionHost& host() { return m_host; }
    StepGuard& guard() { return m_guard; }
    const QString& program() const { return m_program; }

    // Step 124: false once the list has become shorter than the position (entries removed
    // while the run waited end the run at the list's new end).
    bool readEntry(FileJob& file) {
        bool listed = true;
        m_guard.step(124, [&] {
            listed = file.position <= m_host.entryCount();
            if (listed) {
                file.source = m_host.entryText(file.position);
            }
        });
        return listed;
    }

    // Steps 126 and 128: the bar at this file's share and its name.
    void showProgress(const FileJob& file) {
        m_guard.step(126, [&] {
            m_host.setValue(static_cast<double>(file.position) / m_host.entryCount() * 100.0);
        });
        m_guard.step(128, [&] {
            m_host.setText(QStringLiteral("Processing: ") + FileNameOfPath(file.source));
        });
    }

    // Steps 134 to 142. An output path that failed to build still holds the folder field's
    // text, which may name any file of the user's: such a path is neither removed nor
    // written.
    void buildOutput(FileJob& file) {
        file.outputBuilt = false;
        m_guard.step(134, [&] {
            file.output = m_host.folderText();
            file.outputBuilt = true;
        });
        if (m_guard.test(136, [&] { return m_host.saveToFolder(); })) {
            file.outputBuilt = false;
            m_guard.step(138, [&] {
                file.output = OutputPathFor(file.source, m_host.folderText(), true, false);
                file.outputBuilt = true;
            });
        } else if (m_guard.test(140, [&] { return m_host.saveBesideSource(); })) {
            file.outputBuilt = false;
            m_guard.step(142, [&] {
                file.output = OutputPathFor(file.source, m_host.folderText(), false, true);
                file.outputBuilt = true;
            });
        }
        file.reason = file.outputBuilt ? reasons::noResult() : reasons::noOutputPath();
    }

    // Looks at the source: only a regular file goes to the converter (a FIFO would hold it,
    // and the run, for ever; a folder or a device is no audio file). Never blocks.
    void lookAtSource(FileJob& file) {
        if (!file.looked) {
            file.look = LookAtSource(file.source);
            file.looked = true;
        }
    }

    // Step 144: clears the output path, unless the source is no file or writing there would
    // destroy a queued source or another file's result of this run.
    void clearTheWay(FileJob& file) {
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
            if (fileId(file.output, false)) {
                // Files queued while the run waited (and perhaps dragged into its range) are
                // sources too; only an existing output can destroy one.
                for (int position = 1; position <= m_host.entryCount(); ++position) {
                    m_keeper.protect(m_host.entryText(position));
                }
            }
            file.reason = m_keeper.refusal(file.source, file.output);
            if (!file.reason.isEmpty()) {
                return;
            }
            DeleteFileQuietly(file.output);
            if (fileId(file.output, false)) {
                // Without -y the converter would stop at the old file; it is never
                // overwritten.
                file.reason =
                    IsExistingFolder(file.output).value_or(false)
                        ? reasons::notWritten(QString::fromLocal8Bit(std::strerror(EISDIR)))
                        : reasons::oldResultStays();
                return;
            }
            file.reason = reasons::noResult();
            file.mayWrite = true;
        });
    }

    // Step 146: the format is read now, so a change made meanwhile applies from here on.
    ToolCall compose(FileJob& file) {
        ToolCall call;
        m_guard.step(146, [&] {
            file.codec = getWAVFormat(m_host.formatLabel());
            call.commandLine = m_toolCommand + QLatin1Char(' ') +
                               ComposeArguments(file.source, file.codec, file.output);
            call.program = m_program;
            call.arguments = ToolArguments(file.source, file.codec, file.output);
        });
        return call;
    }

    // After the converter has ended: whether the result counts. One that does not is removed,
    // as it must never pass for a result.
    void judge(FileJob& file, int status, const QByteArray& errorTail) {
        file.reason = judgeRun(status, file.look, file.source, file.output, file.codec, errorTail);
        if (file.reason.isEmpty()) {
            m_keeper.recordResult(file.source, file.output);
        } else {
            DeleteFileQuietly(file.output);
        }
    }

  private:
    ConversionHost& m_host;
    StepGuard& m_guard;
    SourceKeeper& m_keeper;
    QString m_program;
    QString m_toolCommand;
};

void count(const FileJob& file, RunOutcome& outcome) {
    if (file.reason.isEmpty()) {
        ++outcome.converted;
    } else {
        outcome.failures.append({file.source, file.reason});
    }
}

// Steps 124 to 150, one file after the other, each waited for before the next begins.
void runOneAtATime(FileSteps& steps, int n, RunOutcome& outcome) {
    ConversionHost& host = steps.host();
    StepGuard& guard = steps.guard();
    for (int i = 1; i <= n; ++i) {
        FileJob file;
        file.position = i;
        if (!steps.readEntry(file)) {
            break;
        }
        steps.showProgress(file);
        guard.step(130, [] { YieldToEvents(); });
        guard.step(132, [&] { host.setBusyPointer(true); });
        steps.buildOutput(file);
        steps.clearTheWay(file);
        if (file.mayWrite) {
            const ToolCall call = steps.compose(file);
            guard.step(148, [&] {
                const int baseValue = static_cast<int>(std::nearbyint(host.progressValue()));
                QByteArray errorTail;
                const int status =
                    RunAndWait(call.program, call.arguments, &host, host.progressText(), baseValue,
                               host.entryCount(), host.waitTickMs(), &errorTail);
                steps.judge(file, status, errorTail);
            });
        }
        count(file, outcome);
    }
}

// A path as the file system will resolve it, for telling two spellings of one path apart.
QString samePathKey(const QString& path) {
    return QDir::cleanPath(path);
}

// Files in list order, up to `jobs` converters at once; consecutive short Vorbis files of one
// format go together into one converter run. A result path is reserved from the start of its
// conversion to its end, and a file whose source or result path is reserved waits for it.
class ParallelRun {
  public:
    ParallelRun(FileSteps& steps, int n, int jobs, RunOutcome& outcome)
        : m_steps(steps), m_n(n), m_jobs(jobs), m_outcome(outcome) {
        m_ticker.setTimerType(Qt::PreciseTimer);
        m_ticker.setInterval(steps.host().waitTickMs());
        QObject::connect(&m_ticker, &QTimer::timeout, &m_loop, [this] {
            if (m_animation) {
                m_animation->tick();
            }
        });
    }

    void run() {
        m_ticker.start();
        for (;;) {
            startWhatMayStart();
            if (m_running.empty()) {
                break;
            }
            waitForAnEnd();
        }
        m_ticker.stop();
        // Reported in list order, however the converters happened to finish.
        std::stable_sort(m_done.begin(), m_done.end(), [](const FileJob& a, const FileJob& b) {
            return a.position < b.position;
        });
        for (const FileJob& file : m_done) {
            count(file, m_outcome);
        }
    }

  private:
    struct Job {
        std::unique_ptr<ToolProcess> process;
        QVector<FileJob> files;
        bool ended = false;
        bool animated = false;  // the job the bar names
    };

    bool reserved(const QString& path) const { return m_reserved.contains(samePathKey(path)); }

    // Starts converters until all `jobs` run, the list is done, or the next file waits for a
    // reserved path.
    void startWhatMayStart() {
        while (static_cast<int>(m_running.size()) < m_jobs) {
            if (!m_alone.isEmpty()) {
                start({m_alone.takeFirst()}, false);
                continue;
            }
            if (m_listEnded || m_next > m_n) {
                return;
            }
            std::optional<FileJob> first = takeNext(false, QString());
            if (!first) {
                return;
            }
            QVector<FileJob> group{*first};
            if (GroupableSeconds(first->look) >= 0) {
                while (group.size() < kGroupFiles && m_next <= m_n && !m_listEnded) {
                    std::optional<FileJob> more = takeNext(true, first->codec, &group);
                    if (!more) {
                        break;
                    }
                    group.append(*more);
                }
            }
            start(group, true);
        }
    }

    // Reads, places and clears the next entry, or leaves it for later: when it waits for a
    // reserved path, or (joining a group) when it does not fit the group. Entries that are
    // not to be converted are counted and skipped.
    std::optional<FileJob> takeNext(bool joining, const QString& groupCodec,
                                    const QVector<FileJob>* group = nullptr) {
        while (m_next <= m_n) {
            FileJob file;
            file.position = m_next;
            if (!m_steps.readEntry(file)) {
                m_listEnded = true;
                return std::nullopt;
            }
            m_steps.buildOutput(file);
            const bool outputInGroup =
                group != nullptr &&
                std::any_of(group->begin(), group->end(), [&](const FileJob& f) {
                    return samePathKey(f.output) == samePathKey(file.output);
                });
            if (reserved(file.source) ||
                (file.outputBuilt && (reserved(file.output) || outputInGroup))) {
                return std::nullopt;  // read again once the path is free
            }
            if (joining) {
                m_steps.lookAtSource(file);
                double groupSeconds = 0;
                for (const FileJob& member : *group) {
                    groupSeconds += GroupableSeconds(member.look);
                }
                const double seconds = GroupableSeconds(file.look);
                if (file.look.isFile() &&
                    (seconds < 0 || groupSeconds + seconds > kGroupSeconds ||
                     getWAVFormat(m_steps.host().formatLabel()) != groupCodec)) {
                    return std::nullopt;  // it starts a converter of its own
                }
            }
            ++m_next;
            m_steps.clearTheWay(file);
            if (!file.mayWrite) {
                done(file);
                continue;
            }
            m_steps.compose(file);
            if (joining && file.codec != groupCodec) {
                // The format changed while its old result was being removed: it goes next,
                // on its own.
                m_reserved.insert(samePathKey(file.output));
                m_alone.append(file);
                return std::nullopt;
            }
            return file;
        }
        return std::nullopt;
    }

    // Starts one converter for the files. Only files met in list order move the bar: a file
    // converted again after its group failed leaves it where it is.
    void start(const QVector<FileJob>& files, bool inListOrder) {
        ConversionHost& host = m_steps.host();
        StepGuard& guard = m_steps.guard();
        auto job = std::make_unique<Job>();
        job->files = files;
        const FileJob& last = files.back();
        if (inListOrder) {
            m_steps.showProgress(last);
        }
        guard.step(132, [&] { host.setBusyPointer(true); });
        QStringList arguments;
        if (files.size() == 1) {
            arguments = ToolArguments(last.source, last.codec, last.output);
        } else {
            QVector<QPair<QString, QString>> pairs;
            for (const FileJob& file : files) {
                pairs.append({file.source, file.output});
            }
            arguments = GroupToolArguments(pairs, last.codec);
        }
        for (const FileJob& file : files) {
            m_reserved.insert(samePathKey(file.output));
        }
        job->process = std::make_unique<ToolProcess>();
        Job* raw = job.get();
        QObject::connect(job->process.get(), &ToolProcess::ended, &m_loop, [this, raw] {
            raw->ended = true;
            m_loop.quit();
        });
        bool started = false;
        guard.step(148, [&] { started = job->process->start(m_steps.program(), arguments); });
        // The note and the creep follow the file the bar names, from its start.
        const int baseValue = static_cast<int>(std::nearbyint(host.progressValue()));
        m_animation.emplace(&host, host.progressText(), baseValue, host.entryCount());
        for (auto& other : m_running) {
            other->animated = false;
        }
        job->animated = true;
        if (!started) {
            job->ended = true;
        }
        m_running.push_back(std::move(job));
    }

    void waitForAnEnd() {
        const auto anyEnded = [this] {
            return std::any_of(m_running.begin(), m_running.end(),
                               [](const std::unique_ptr<Job>& j) { return j->ended; });
        };
        if (!anyEnded()) {
            m_loop.exec();
        }
        if (!anyEnded()) {
            // Only an application that is shutting down ends the loop early; the converter
            // still gets to finish its files.
            m_running.front()->process->waitForEnd();
            m_running.front()->ended = true;
        }
        for (auto it = m_running.begin(); it != m_running.end();) {
            if ((*it)->ended) {
                finish(**it);
                it = m_running.erase(it);
            } else {
                ++it;
            }
        }
    }

    void finish(Job& job) {
        const int status = job.process->result();
        const QByteArray errorTail = job.process->errorTail();
        if (job.animated && m_animation) {
            m_animation->finish();
            m_animation.reset();
        }
        for (FileJob& file : job.files) {
            m_reserved.remove(samePathKey(file.output));
        }
        if (job.files.size() == 1) {
            m_steps.judge(job.files.front(), status, errorTail);
            done(job.files.front());
            return;
        }
        // A group's results count only as each file alone would give them: one that failed
        // (or the whole run, when the converter failed) is converted again on its own.
        for (FileJob& file : job.files) {
            if (status == 0) {
                m_steps.judge(file, status, QByteArray());
                if (file.reason.isEmpty()) {
                    done(file);
                    continue;
                }
            } else {
                DeleteFileQuietly(file.output);
            }
            file.reason = reasons::noResult();
            m_reserved.insert(samePathKey(file.output));
            m_alone.append(file);
        }
    }

    void done(const FileJob& file) { m_done.append(file); }

    FileSteps& m_steps;
    const int m_n;
    const int m_jobs;
    RunOutcome& m_outcome;
    int m_next = 1;
    bool m_listEnded = false;
    std::list<std::unique_ptr<Job>> m_running;
    QVector<FileJob> m_alone;  // files to convert on their own before any further entry
    QVector<FileJob> m_done;
    QSet<QString> m_reserved;
    QEventLoop m_loop;
    QTimer m_ticker;
    std::optional<WaitAnimation> m_animation;
};

}  // namespace

RunOutcome RunConversion(ConversionHost& host, StepGuard& guard) {
    RunOutcome outcome;
    if (!guard.test(104, [&] { return host.entryCount() >= 1; })) {
        guard.step(164, [&] { host.showMessage(QStringLiteral("No files added.")); });
        return outcome;
    }
    if (!guard.test(106, [&] {
            return IsExistingFolder(host.folderText()).value_or(false) || host.saveBesideSource();
        })) {
        guard.step(162, [&] {
            host.showMessage(
                QStringLiteral("Folder does not exist. Please select another folder."));
        });
        return outcome;
    }
    guard.step(108, [&] { host.setBusyPointer(true); });

    QString width;
    guard.step(110, [&] { width = GetAddressWidth(); });
    QString toolPath;
    if (guard.test(112, [&] { return width == QLatin1String("64"); })) {
        guard.step(114, [&] { toolPath = ChooseConverterTool(width); });
    } else {
        guard.step(116, [&] { toolPath = ChooseConverterTool(width); });
    }
    std::optional<ToolCheck> tool;
    guard.step(118, [&] { tool = CheckConverterTool(toolPath); });
    if (!tool || !tool->usable()) {
        // Refused before anything is removed or started: without a working converter every
        // file would fail, after its old result had already been deleted.
        const QString problem = tool ? tool->problem : CheckConverterTool(QString()).problem;
        guard.step(154, [&] { host.setBusyPointer(false); });
        guard.step(160, [&] { host.showMessage(problem); });
        return outcome;
    }
    QString toolCommand;
    guard.step(120, [&] { toolCommand = ComposeToolCommand(tool->program); });

    int n = 0;
    SourceKeeper keeper;
    guard.step(122, [&] {
        n = host.entryCount();
        for (int position = 1; position <= n; ++position) {
            keeper.protect(host.entryText(position));
        }
    });

    outcome.ran = true;
    FileSteps steps(host, guard, keeper, tool->program, toolCommand);
    const int jobs = ConversionJobs();
    if (jobs <= 1) {
        runOneAtATime(steps, n, outcome);
    } else {
        ParallelRun(steps, n, jobs, outcome).run();
    }

    guard.step(154, [&] { host.setBusyPointer(false); });
    guard.step(156, [&] { host.setValue(0); });
    guard.step(158, [&] { host.setText(QStringLiteral("Progress Bar")); });
    guard.step(160, [&] { host.showClosingMessage(ClosingMessage(outcome.failures)); });
    return outcome;
}

}  // namespace lorvane
