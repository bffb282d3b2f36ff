#include "app/batchprogress.h"

#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QElapsedTimer>
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

}  // namespace

void BatchConsole::progress(const QString& line) {
    if (m_terminal) {
        m_write(QStringLiteral("\r\x1b[K") + (m_width > 1 ? line.left(m_width - 1) : line));
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
        m_console.progress(QStringLiteral("[%1/%2] Processing: %3")
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
        return QStringLiteral("--:-- left");
    }
    if (done > 0) {
        // Files not looked at yet are taken to be as long as those that were.
        const double perFile = known / m_seconds.size();
        const double pace = done * 1000.0 / elapsed;  // seconds of audio a second
        const double left = knownLeft + std::max(0, unknownLeft) * perFile;
        return QStringLiteral("%1x real time, %2 left")
            .arg(pace, 0, 'f', pace < 10 ? 1 : 0)
            .arg(ClockText(static_cast<qint64>(left / pace * 1000.0)));
    }
    if (m_filesDone == 0) {
        return QStringLiteral("--:-- left");
    }
    // No lengths at all: by the files.
    const double perSecond = m_filesDone * 1000.0 / elapsed;
    return QStringLiteral("%1 files/s, %2 left")
        .arg(perSecond, 0, 'f', perSecond < 10 ? 1 : 0)
        .arg(ClockText((m_total - m_filesDone) * elapsed / m_filesDone));
}

void BatchProgress::show() {
    const qint64 elapsed = m_clock();
    const int files = m_planned >= 0 ? m_planned : m_total;
    QString line = QStringLiteral("%1 of %2 %3 converted")
                       .arg(m_converted)
                       .arg(files)
                       .arg(files == 1 ? QStringLiteral("file") : QStringLiteral("files"));
    if (m_upToDate > 0) {
        line += QStringLiteral(", %1 up to date").arg(m_upToDate);
    }
    // Once a stop is asked for, the files not started never will be: the summary counts them
    // as not converted, and so does the line.
    const int notConverted =
        m_refused + m_filesDone - m_converted + (m_stopping ? m_total - m_filesStarted : 0);
    if (notConverted > 0) {
        line += QStringLiteral(", %1 not converted").arg(notConverted);
    }
    line += QStringLiteral(", %1 elapsed, ").arg(ClockText(elapsed)) +
            (m_stopping ? QStringLiteral("stopping") : paceAndTimeLeft(elapsed));
    // The first file in hand is one the converter is on: the files of a group are read side
    // by side, from their starts. A name shows its foreign bytes as \xHH.
    if (!m_started.isEmpty()) {
        line += QStringLiteral("; Processing: ") + DisplayPath(FileNameOfPath(m_started.first()));
        if (m_started.size() > 1) {
            line += QStringLiteral(" and %1 more").arg(m_started.size() - 1);
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
