#include "app/batchprogress.h"

#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <memory>

namespace lorvane {

namespace {

const QString kPrefix = QStringLiteral("lorvane: ");

QStringList linesOf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString timeLeftUnknown() {
    //: In the progress line, before the time left can be estimated; "--:--" stands for the
    //: minutes and seconds.
    return QCoreApplication::translate("BatchProgress", "--:-- left");
}

// How many of a terminal's columns a character takes: two for the wide letters of Chinese,
// Japanese and Korean (East Asian Wide and Fullwidth), none for a combining mark.
int columnsOf(char32_t c) {
    const auto within = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    if (QChar::isMark(c)) {
        return 0;
    }
    return within(0x1100, 0x115F) || within(0x2E80, 0x303E) || within(0x3041, 0x33FF) ||
                   within(0x3400, 0x4DBF) || within(0x4E00, 0x9FFF) || within(0xA000, 0xA4CF) ||
                   within(0xAC00, 0xD7A3) || within(0xF900, 0xFAFF) || within(0xFE30, 0xFE4F) ||
                   within(0xFF00, 0xFF60) || within(0xFFE0, 0xFFE6) || within(0x20000, 0x3FFFD)
               ? 2
               : 1;
}

// The line cut to what fits in so many columns, whole characters only.
QString fitToColumns(const QString& line, int columns) {
    int used = 0;
    qsizetype end = 0;
    while (end < line.size()) {
        const bool pair = line.at(end).isHighSurrogate() && end + 1 < line.size() &&
                          line.at(end + 1).isLowSurrogate();
        used += columnsOf(pair ? QChar::surrogateToUcs4(line.at(end), line.at(end + 1))
                               : line.at(end).unicode());
        if (used > columns) {
            break;
        }
        end += pair ? 2 : 1;
    }
    return line.left(end);
}

}  // namespace

void BatchConsole::progress(const QString& line) {
    if (m_terminal) {
        m_write(QStringLiteral("\r\x1b[K") +
                (m_width > 1 ? fitToColumns(line, m_width - 1) : line));
        m_lineOpen = true;
    } else {
        m_write(line + QLatin1Char('\n'));
    }
}

void BatchConsole::message(const QString& line) {
    endProgress();
    m_write(line + QLatin1Char('\n'));
}

void BatchConsole::endProgress() {
    if (m_lineOpen) {
        m_write(QStringLiteral("\n"));
        m_lineOpen = false;
    }
}

QString ClockText(qint64 ms) {
    const qint64 seconds = qMax<qint64>(0, ms) / 1000;
    const QLatin1Char zero('0');
    if (seconds < 3600) {
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, zero);
    }
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, zero)
        .arg(seconds % 60, 2, 10, zero);
}

BatchProgress::BatchProgress(BatchConsole& console, bool quiet, Clock clock, Done done)
    : m_console(console), m_quiet(quiet), m_clock(std::move(clock)), m_done(std::move(done)) {
    if (!m_clock) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        m_clock = [timer] { return timer->elapsed(); };
    }
    // A long file must not look like a stuck program: the time moves on while it runs.
    m_ticker.setInterval(1000);
    QObject::connect(&m_ticker, &QTimer::timeout, [this] { tick(); });
}

void BatchProgress::setPlan(int files, int upToDate, int refused) {
    m_planned = files;
    m_upToDate = upToDate;
    m_refused = refused;
}

void BatchProgress::busyChanged(bool busy) {
    // The files are done once the run is no longer busy; the bar's return to rest is not
    // progress.
    if (!busy) {
        m_inHand = false;
        m_ticker.stop();
    }
}

void BatchProgress::fileStarted(int position, int total, const QString& source) {
    ++m_filesStarted;
    m_total = total;
    m_inHand = true;
    m_started.insert(position, source);
    if (m_quiet) {
        return;
    }
    if (m_console.terminal()) {
        if (!m_ticker.isActive()) {
            m_ticker.start();
        }
        show();
    } else {
        //: A line for each file as it starts, when standard error is no terminal: %1 is the
        //: file's place in the run, %2 the files of the run, %3 the file's name.
        m_console.progress(QCoreApplication::translate("BatchProgress", "[%1/%2] Processing: %3")
                               .arg(position)
                               .arg(total)
                               .arg(DisplayPath(FileNameOfPath(source))));
    }
}

void BatchProgress::fileMeasured(int position, double seconds) {
    m_seconds.insert(position, seconds);
}

void BatchProgress::fileWritten(int position, double seconds) {
    m_written.insert(position, seconds);
}

void BatchProgress::fileDone(int position, const QString&, const QString& reason) {
    m_written.remove(position);
    ++m_filesDone;
    m_converted += reason.isEmpty();
    m_started.remove(position);
    m_finished.insert(position);
    if (m_done) {
        m_done(position, reason);
    }
    if (m_inHand && !m_quiet && m_console.terminal()) {
        show();
    }
}

void BatchProgress::tick() {
    if (m_inHand && !m_quiet && m_console.terminal()) {
        show();
    }
}

QString BatchProgress::paceAndTimeLeft(qint64 elapsed) const {
    double known = 0;
    double done = 0;
    double knownLeft = 0;
    int unknownLeft = m_total - m_filesDone;
    for (auto it = m_seconds.constBegin(); it != m_seconds.constEnd(); ++it) {
        known += it.value();
        if (m_finished.contains(it.key())) {
            done += it.value();
        } else {
            // What a converter has written of a file in hand counts as done already.
            const double written = std::clamp(m_written.value(it.key()), 0.0, it.value());
            done += written;
            knownLeft += it.value() - written;
            --unknownLeft;
        }
    }
    if (elapsed <= 0 || (m_filesDone == 0 && done <= 0)) {
        return timeLeftUnknown();
    }
    if (done > 0) {
        // Files not looked at yet are taken to be as long as those that were.
        const double perFile = known / m_seconds.size();
        const double pace = done * 1000.0 / elapsed;  // seconds of audio a second
        const double left = knownLeft + std::max(0, unknownLeft) * perFile;
        //: In the progress line: %1 is how many seconds of sound are converted a second, %2
        //: the time left (minutes:seconds).
        return QCoreApplication::translate("BatchProgress", "%1x real time, %2 left")
            .arg(QLocale().toString(pace, 'f', pace < 10 ? 1 : 0))
            .arg(ClockText(static_cast<qint64>(left / pace * 1000.0)));
    }
    if (m_filesDone == 0) {
        return timeLeftUnknown();
    }
    // No lengths at all: by the files.
    const double perSecond = m_filesDone * 1000.0 / elapsed;
    //: In the progress line, when no file's length is known: %1 is how many files are
    //: converted a second, %2 the time left (minutes:seconds).
    return QCoreApplication::translate("BatchProgress", "%1 files/s, %2 left")
        .arg(QLocale().toString(perSecond, 'f', perSecond < 10 ? 1 : 0))
        .arg(ClockText((m_total - m_filesDone) * elapsed / m_filesDone));
}

void BatchProgress::show() {
    const qint64 elapsed = m_clock();
    const int files = m_planned >= 0 ? m_planned : m_total;
    //: The start of the progress line: %1 of the run's %n files are converted so far.
    QString line =
        (files == 1 ? QCoreApplication::translate("BatchProgress", "%1 of 1 file converted")
                    : QCoreApplication::translate("BatchProgress", "%1 of %n files converted",
                                                  nullptr, files))
            .arg(m_converted);
    if (m_upToDate > 0) {
        //: Added to the progress line: %1 files were left as they were (--update).
        line += QCoreApplication::translate("BatchProgress", ", %1 up to date").arg(m_upToDate);
    }
    // Once a stop is asked for, the files not started never will be: the summary counts them
    // as not converted, and so does the line.
    const int notConverted =
        m_refused + m_filesDone - m_converted + (m_stopping ? m_total - m_filesStarted : 0);
    if (notConverted > 0) {
        //: Added to the progress line: %1 files were not converted.
        line +=
            QCoreApplication::translate("BatchProgress", ", %1 not converted").arg(notConverted);
    }
    //: In the progress line, once a stop was asked for, in place of the time left.
    const QString pace = m_stopping ? QCoreApplication::translate("BatchProgress", "stopping")
                                    : paceAndTimeLeft(elapsed);
    //: Added to the progress line: %1 is the time since the start (minutes:seconds), %2 the
    //: pace and the time left, or "stopping".
    line += QCoreApplication::translate("BatchProgress", ", %1 elapsed, %2")
                .arg(ClockText(elapsed), pace);
    // The first file in hand is one the converter is on: the files of a group are read side
    // by side, from their starts. A name shows its foreign bytes as \xHH.
    if (!m_started.isEmpty()) {
        const QString name = DisplayPath(FileNameOfPath(m_started.first()));
        const int more = static_cast<int>(m_started.size()) - 1;
        if (more > 0) {
            //: The end of the progress line: %1 is the name of a file being converted, %n how
            //: many more are.
            line += QCoreApplication::translate("BatchProgress", "; Processing: %1 and %n more",
                                                nullptr, more)
                        .arg(name);
        } else {
            //: The end of the progress line: %1 is the name of the file being converted.
            line += QCoreApplication::translate("BatchProgress", "; Processing: %1").arg(name);
        }
    }
    if (line != m_shown) {
        m_shown = line;
        m_console.progress(line);
    }
}

void BatchProgress::refused(const QString& message) {
    for (const QString& line : linesOf(message)) {
        m_console.message(kPrefix + line);
    }
}

}  // namespace lorvane
