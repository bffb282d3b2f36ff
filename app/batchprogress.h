#pragma once

// The batch mode's progress on standard error: a line per file as it starts, or on a terminal
// one line that updates itself with how far the run is and how long it has left.

#include "convert/runfrontend.h"

#include <QString>

#include <functional>

namespace lorvane {

// Standard error, as the batch mode writes to it: on a terminal the progress is one line that
// updates itself; anywhere else every progress line stays.
class BatchConsole {
  public:
    // `width`: the terminal's columns, 0 when unknown. An updating line longer than that
    // would wrap, and its next update would leave the wrapped part behind.
    BatchConsole(std::function<void(const QString&)> write, bool terminal, int width = 0)
        : m_write(std::move(write)), m_terminal(terminal), m_width(width) {}
    void progress(const QString& line);
    // A line of its own; an updating progress line is ended first.
    void message(const QString& line);
    void endProgress();
    bool terminal() const { return m_terminal; }

  private:
    std::function<void(const QString&)> m_write;
    bool m_terminal;
    int m_width;
    bool m_lineOpen = false;
};

// A span of time as a person reads it: "0:07", "12:04", "1:02:09".
QString ClockText(qint64 ms);

// The run's progress: "[i/n] Processing: name" as each file starts, n the files the run
// converts; on a terminal one line with the files done of n, the time since the run began, the
// files done per second, the time left at that rate, and the run's caption (the wait notes
// included). Quiet, it shows nothing.
class BatchProgress : public ConversionEvents {
  public:
    // Milliseconds since the run began.
    using Clock = std::function<qint64()>;
    // Told of each file as it is done: its position and why it was not converted, or empty.
    using Done = std::function<void(int position, const QString& reason)>;

    BatchProgress(BatchConsole& console, bool quiet = false, Clock clock = {}, Done done = {});
    void busyChanged(bool busy) override;
    void fileStarted(int position, int total, const QString& source) override;
    void fileDone(int position, const QString& source, const QString& reason) override;
    void progressChanged(double value, const QString& caption) override;
    void refused(const QString& message) override;
    int filesStarted() const { return m_filesStarted; }
    int filesDone() const { return m_filesDone; }

  private:
    void show();
    BatchConsole& m_console;
    bool m_quiet;
    Clock m_clock;
    Done m_done;
    int m_total = 0;
    int m_filesStarted = 0;
    int m_filesDone = 0;
    bool m_inHand = false;
    QString m_caption;
    QString m_shown;
};

}  // namespace lorvane
