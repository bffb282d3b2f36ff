#include "app/batchprogress.h"

#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QElapsedTimer>
#include <QStringList>

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
}

void BatchProgress::busyChanged(bool busy) {
    // The files are done once the run is no longer busy; the bar's return to rest is not
    // progress.
    if (!busy) {
        m_inHand = false;
    }
}

void BatchProgress::fileStarted(int position, int total, const QString& source) {
    ++m_filesStarted;
    m_total = total;
    m_inHand = true;
    if (m_quiet) {
        return;
    }
    if (m_console.terminal()) {
        show();
    } else {
        m_console.progress(QStringLiteral("[%1/%2] Processing: %3")
                               .arg(position)
                               .arg(total)
                               .arg(DisplayPath(FileNameOfPath(source))));
    }
}

void BatchProgress::fileDone(int position, const QString&, const QString& reason) {
    ++m_filesDone;
    if (m_done) {
        m_done(position, reason);
    }
    if (m_inHand && !m_quiet && m_console.terminal()) {
        show();
    }
}

void BatchProgress::progressChanged(double, const QString& caption) {
    if (m_inHand && !m_quiet && m_console.terminal()) {
        m_caption = caption;
        show();
    }
}

void BatchProgress::show() {
    const qint64 elapsed = m_clock();
    QString line = QStringLiteral("%1 of %2 files, %3 elapsed, ")
                       .arg(m_filesDone)
                       .arg(m_total)
                       .arg(ClockText(elapsed));
    if (m_filesDone > 0 && elapsed > 0) {
        const double perSecond = m_filesDone * 1000.0 / elapsed;
        const qint64 left = (m_total - m_filesDone) * elapsed / m_filesDone;
        line += QStringLiteral("%1 files/s, %2 left")
                    .arg(perSecond, 0, 'f', perSecond < 10 ? 1 : 0)
                    .arg(ClockText(left));
    } else {
        line += QStringLiteral("-- files/s, --:-- left");
    }
    // The caption names the file as the program holds it; a terminal shows its bytes as \xHH.
    if (!m_caption.isEmpty()) {
        line += QStringLiteral("; ") + DisplayPath(m_caption);
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
