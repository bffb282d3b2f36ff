#include "convert/parallelrun.h"

#include "convert/runprogress.h"
#include "convert/toolprocess.h"
#include "platform/eventwait.h"
#include "platform/paths.h"
#include "platform/stepguard.h"

#include <QCoreApplication>
#include <QDir>

#include <sys/resource.h>

#include <algorithm>

namespace lorvane {

namespace {

// A path as the file system will resolve it, for telling two spellings of one path apart.
// Letter case is folded too: where the output folder's file system folds it (FAT, exFAT),
// SONG.wav and Song.wav are one file, and the second must wait for the first and be refused
// in list order, not race it. Elsewhere such a pair only waits for each other.
QString samePathKey(const QString& path) {
    return QDir::cleanPath(path).toCaseFolded();
}

}  // namespace

double GroupableSeconds(const SourceLook& look) {
    if (!look.vorbis || look.vorbis->links.size() != 1) {
        return -1;
    }
    const VorbisLength::Link& link = look.vorbis->links.front();
    const double seconds = static_cast<double>(link.frames) / link.rate;
    return seconds <= kGroupSeconds ? seconds : -1;
}

int GroupTarget(int files, int jobs, int filesInFlight) {
    jobs = std::max(1, jobs);
    const int share = (files + jobs - 1) / jobs;
    return std::max(1, std::min({share, kGroupFiles, filesInFlight / jobs}));
}

int FilesInFlightLimit() {
    constexpr int kOwnDescriptors = 64;  // the program's own: libraries, the display, pipes
    constexpr int kPerFile = 3;
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return kGroupFiles;
    }
    const auto open = static_cast<long long>(limit.rlim_cur);
    return static_cast<int>(std::max(1LL, (open - kOwnDescriptors) / kPerFile));
}

struct ParallelRun::Job {
    std::unique_ptr<ToolProcess> process;
    QVector<FileJob> files;
    bool ended = false;
    bool animated = false;  // the job the bar names
};

ParallelRun::ParallelRun(FileSteps& steps, int n, int jobs, int tickMs, RunOutcome& outcome)
    : m_steps(steps),
      m_n(n),
      m_jobs(jobs),
      m_groupFiles(GroupTarget(n, jobs, FilesInFlightLimit())),
      m_outcome(outcome) {
    m_ticker.setTimerType(Qt::PreciseTimer);
    m_ticker.setInterval(tickMs);
    QObject::connect(&m_ticker, &QTimer::timeout, [this] {
        if (m_steps.stop().now) {
            for (const auto& job : m_running) {
                job->process->stop();
            }
        }
        if (m_animation) {
            m_animation->tick();
        }
    });
    m_written.setInterval(kWrittenEveryMs);
    QObject::connect(&m_written, &QTimer::timeout, [this] {
        for (const auto& job : m_running) {
            m_steps.tellWritten(job->files);
        }
    });
}

ParallelRun::~ParallelRun() = default;

bool ParallelRun::reserved(const QString& path) const {
    return m_reserved.contains(samePathKey(path));
}

void ParallelRun::run() {
    m_ticker.start();
    m_written.start();
    for (;;) {
        startWhatMayStart();
        if (m_running.empty()) {
            break;
        }
        waitForAnEnd();
    }
    m_ticker.stop();
    m_written.stop();
    std::stable_sort(m_done.begin(), m_done.end(),
                     [](const FileJob& a, const FileJob& b) { return a.position < b.position; });
    for (const FileJob& file : m_done) {
        CountFile(file, m_outcome);
    }
}

void ParallelRun::startWhatMayStart() {
    while (static_cast<int>(m_running.size()) < m_jobs && !m_steps.stop().requested) {
        if (!m_alone.isEmpty()) {
            FileJob file = m_alone.takeFirst();
            if (m_steps.prepare(file)) {
                start({file}, false);
            } else {
                m_reserved.remove(samePathKey(file.output));
                done(file);
            }
            continue;
        }
        if (m_listEnded || m_next > m_n) {
            return;
        }
        std::optional<FileJob> first = takeNext(nullptr);
        if (!first) {
            return;
        }
        QVector<FileJob> group{*first};
        if (GroupableSeconds(first->look) >= 0) {
            // Opening a file's temporary result takes a moment; a window goes on answering
            // while a group of many is made ready, and a stop asked for meanwhile keeps the
            // files not yet taken from starting.
            while (group.size() < m_groupFiles && m_next <= m_n && !m_listEnded) {
                YieldToEvents();
                if (m_steps.stop().requested) {
                    break;
                }
                std::optional<FileJob> more = takeNext(&group);
                if (!more) {
                    break;
                }
                group.append(*more);
            }
        }
        start(group, true);
    }
}

std::optional<FileJob> ParallelRun::takeNext(const QVector<FileJob>* group) {
    const bool joining = group != nullptr;
    while (m_next <= m_n) {
        FileJob file;
        file.position = m_next;
        if (!m_steps.readEntry(file)) {
            m_listEnded = true;
            return std::nullopt;
        }
        m_steps.buildOutput(file);
        const bool outputInGroup =
            joining && std::any_of(group->begin(), group->end(), [&](const FileJob& f) {
                return samePathKey(f.output) == samePathKey(file.output);
            });
        if (reserved(file.source) ||
            (file.outputBuilt && (reserved(file.output) || outputInGroup))) {
            return std::nullopt;  // read again once the path is free
        }
        const QString groupCodec = joining ? group->front().codec : QString();
        if (joining) {
            m_steps.lookAtSource(file);
            double groupSeconds = 0;
            for (const FileJob& member : *group) {
                groupSeconds += GroupableSeconds(member.look);
            }
            const double seconds = GroupableSeconds(file.look);
            if (file.look.isFile() && (seconds < 0 || groupSeconds + seconds > kGroupSeconds ||
                                       m_steps.chosenCodec() != groupCodec)) {
                return std::nullopt;  // it starts a converter of its own
            }
        }
        ++m_next;
        m_steps.showProgress(file);
        m_steps.clearTheWay(file);
        if (!file.mayWrite) {
            done(file);
            continue;
        }
        m_steps.compose(file);
        if (joining && file.codec != groupCodec) {
            // The format changed while its old result was being removed: it goes next, on
            // its own.
            m_reserved.insert(samePathKey(file.output));
            m_alone.append(file);
            return std::nullopt;
        }
        return file;
    }
    return std::nullopt;
}

void ParallelRun::start(const QVector<FileJob>& files, bool inListOrder) {
    StepGuard& guard = m_steps.guard();
    RunProgress& progress = m_steps.progress();
    auto job = std::make_unique<Job>();
    job->files = files;
    const FileJob& last = files.back();
    if (inListOrder) {
        // The bar stands at the group's last file; its caption names the first, which the
        // converter reads from its start as it does every other file of the group, and which
        // the caption would otherwise skip.
        m_steps.showProgress(last, false);
        if (files.size() > 1) {
            guard.step(128, [&] {
                progress.setText(QCoreApplication::translate("ConversionRun", "Processing: %1")
                                     .arg(FileNameOfPath(files.front().source)));
            });
        }
    }
    m_steps.markBusy();
    QStringList arguments;
    if (files.size() == 1) {
        arguments = ToolArguments(FileSteps::sourceAddress(last), last.codec,
                                  FileSteps::outputAddress(last), last.look.exact());
    } else {
        QVector<QPair<QString, QString>> pairs;
        QVector<int> queues;
        ExactLinks exact;
        for (const FileJob& file : files) {
            pairs.append({FileSteps::sourceAddress(file), FileSteps::outputAddress(file)});
            const auto& vorbis = file.look.vorbis;
            queues.append(InputQueuePackets(vorbis ? vorbis->links.front().frames : 0));
            const ExactLinks links = file.look.exact();
            exact.append(links.size() == 1 ? links.front() : ExactLink());
        }
        arguments = GroupToolArguments(pairs, last.codec, queues, exact);
    }
    for (const FileJob& file : files) {
        m_reserved.insert(samePathKey(file.output));
    }
    job->process = std::make_unique<ToolProcess>();
    Job* raw = job.get();
    QObject::connect(job->process.get(), &ToolProcess::ended, [this, raw] {
        raw->ended = true;
        m_wait.wake();
    });
    bool started = false;
    guard.step(148, [&] {
        started =
            job->process->start(m_steps.program(), arguments, FileSteps::descriptorsOf(files));
    });
    // The note and the creep follow the file the bar names, from its start.
    m_animation.emplace(&progress, progress.caption(), progress.baseValue(), m_steps.entryCount());
    for (auto& other : m_running) {
        other->animated = false;
    }
    job->animated = true;
    if (!started) {
        job->ended = true;
    }
    m_running.push_back(std::move(job));
}

void ParallelRun::waitForAnEnd() {
    const auto anyEnded = [this] {
        return std::any_of(m_running.begin(), m_running.end(),
                           [](const std::unique_ptr<Job>& j) { return j->ended; });
    };
    if (!m_wait.until(anyEnded)) {
        // Only an application that is shutting down ends the wait early; the converter
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

void ParallelRun::finish(Job& job) {
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
    // A group's results count only as each file alone would give them: one that failed (or
    // the whole run, when the converter failed) is converted again on its own.
    for (FileJob& file : job.files) {
        if (status == 0) {
            m_steps.judge(file, status, QByteArray());
            if (!file.checkFailed) {
                done(file);  // converted, or refused its place: alone it would be the same
                continue;
            }
        }
        file.pending.reset();
        file.sourceFd.reset();
        file.reason = reasons::noResult();
        m_reserved.insert(samePathKey(file.output));
        m_alone.append(file);
    }
}

}  // namespace lorvane
