#pragma once

// The batch mode's progress on standard error: a line per file as it starts, or on a terminal
// one line that updates itself with how far the run is and how long it has left.

#include "convert/runfrontend.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QTimer>

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
// converts. On a terminal one line instead, shown again every second: the files converted of
// all the summary counts (with those up to date and those not converted), the time since the
// run began, how fast the audio goes (seconds of audio per second, from the lengths the
// sources declare) and the time left at that pace, and the first file in hand with how many
// more are. Quiet, it shows nothing.
class BatchProgress : public ConversionEvents {
  public:
    // Milliseconds since the run began.
    using Clock = std::function<qint64()>;
    // Told of each file as it is done: its position and why it was not converted, or empty.
    using Done = std::function<void(int position, const QString& reason)>;

    BatchProgress(BatchConsole& console, bool quiet = false, Clock clock = {}, Done done = {});
    // The files the summary counts that the run is not given: `files` in all, of which
    // `upToDate` are left as they are and `refused` are not converted.
    void setPlan(int files, int upToDate, int refused);
    void busyChanged(bool busy) override;
    void fileStarted(int position, int total, const QString& source) override;
    void fileMeasured(int position, double seconds) override;
    void fileWritten(int position, double seconds) override;
    void fileDone(int position, const QString& source, const QString& reason) override;
    void refused(const QString& message) override;
    // A stop was asked for: no time left to estimate, only the files in hand to finish.
    void stopping() { m_stopping = true; }
    // The terminal's line shown again, with the time as it is now (every second by itself).
    void tick();
    int filesStarted() const { return m_filesStarted; }
    int filesDone() const { return m_filesDone; }

  private:
    void show();
    QString paceAndTimeLeft(qint64 elapsed) const;
    BatchConsole& m_console;
    bool m_quiet;
    Clock m_clock;
    Done m_done;
    QTimer m_ticker;
    int m_total = 0;  // the files the run converts
    int m_planned = -1;
    int m_upToDate = 0;
    int m_refused = 0;
    int m_filesStarted = 0;
    int m_filesDone = 0;
    int m_converted = 0;
    bool m_inHand = false;
    bool m_stopping = false;
    QMap<int, QString> m_started;  // the files in hand, by position
    QHash<int, double> m_seconds;  // declared lengths, by position
    QHash<int, double> m_written;  // of the files in hand, how much the converters have written
    QSet<int> m_finished;
    QString m_shown;
};

}  // namespace lorvane
