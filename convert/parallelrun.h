#pragma once

#include "convert/filesteps.h"
#include "convert/runandwait.h"
#include "platform/eventwait.h"

#include <QSet>
#include <QTimer>
#include <QVector>

#include <list>
#include <memory>
#include <optional>

namespace lorvane {

class ToolProcess;

// Consecutive Vorbis files share one converter run: FFmpeg's start-up (some 60 ms, mostly
// its dynamic loader resolving two hundred libraries) costs more than decoding a minute of
// audio. The list's groupable files are shared out so that every job gets a group of about
// the same size (GroupTarget); a group holds at most kGroupFiles files, past which FFmpeg's
// cost per file grows with the number of its inputs, and kGroupSeconds of audio, so a group
// that fails and is converted again file by file does not cost much; a longer file runs
// alone.
constexpr int kGroupFiles = 100;
constexpr int kGroupSeconds = 600;
// How many files a group takes: ceil(files / jobs), at most kGroupFiles, and at most what
// the descriptors allow `jobs` groups at once to hold (`filesInFlight` files in all).
int GroupTarget(int files, int jobs, int filesInFlight);
// How many files may be open for converters at once: each holds three descriptors (its
// source, its temporary result and that result's folder), and the program keeps some for
// itself, all within the process's limit on open files.
int FilesInFlightLimit();
// The declared length of a file that may join a group, or -1.
double GroupableSeconds(const SourceLook& look);

// Files in list order, up to `jobs` converters at once; consecutive short Vorbis files of one
// format go together into one converter run. A result path is reserved from the start of its
// conversion to its end, and a file whose source or result path is reserved waits for it.
// Files are reported in list order, however the converters happened to finish.
class ParallelRun {
  public:
    ParallelRun(FileSteps& steps, int n, int jobs, int tickMs, RunOutcome& outcome);
    ~ParallelRun();
    void run();

  private:
    struct Job;

    bool reserved(const QString& path) const;
    // Starts converters until all `jobs` run, the list is done, or the next file waits for a
    // reserved path.
    void startWhatMayStart();
    // Reads, places and clears the next entry, or leaves it for later: when it waits for a
    // reserved path, or (joining a group) when it does not fit the group. Entries that are
    // not to be converted are counted and skipped.
    std::optional<FileJob> takeNext(const QVector<FileJob>* group);
    // Starts one converter for the files. Only files met in list order move the bar: a file
    // converted again after its group failed leaves it where it is.
    void start(const QVector<FileJob>& files, bool inListOrder);
    void waitForAnEnd();
    void finish(Job& job);
    void done(const FileJob& file) {
        m_steps.finished(file);
        m_done.append(file);
    }

    FileSteps& m_steps;
    const int m_n;
    const int m_jobs;
    const int m_groupFiles;
    RunOutcome& m_outcome;
    int m_next = 1;
    bool m_listEnded = false;
    std::list<std::unique_ptr<Job>> m_running;
    QVector<FileJob> m_alone;  // files to convert on their own before any further entry
    QVector<FileJob> m_done;
    QSet<QString> m_reserved;
    EventWait m_wait;
    QTimer m_ticker;
    QTimer m_written;  // tells how far the running converters are
    std::optional<WaitAnimation> m_animation;
};

}  // namespace lorvane
