#include "convert/runandwait.h"

#include "platform/eventwait.h"

#include <QCoreApplication>
#include <QTimer>

#include <cmath>

namespace lorvane {

namespace {

// Rounds halves to the even neighbour, as the bar's arithmetic always has.
double roundHalfEven(double x) {
    return std::nearbyint(x);
}

}  // namespace

QString WaitNoteText(const QString& baseText, int tick) {
    QString text = baseText;
    if (!text.isEmpty()) {
        text += QStringLiteral(", ");
    }
    return text + QCoreApplication::translate("ConversionRun", "Please wait.. ") +
           QString::number(tick - kNoteFromTick);
}

double CreepValue(int baseValue, int total, int k) {
    if (total < 1) {
        return baseValue;
    }
    const double share = 100.0 / total;
    const double step = roundHalfEven(share / 10.0);
    const double cap = roundHalfEven(baseValue + share - step);
    const double candidate = baseValue + k * step;
    return candidate < cap ? candidate : cap;
}

WaitAnimation::WaitAnimation(ProgressIndicator* indicator, QString baseText, int baseValue,
                             int total)
    : m_indicator(indicator),
      m_baseText(std::move(baseText)),
      m_baseValue(baseValue),
      m_total(total) {}

void WaitAnimation::tick() {
    ++m_tick;
    if (m_indicator == nullptr || m_tick < kNoteFromTick) {
        return;
    }
    m_indicator->setText(WaitNoteText(m_baseText, m_tick));
    const int sinceNote = m_tick - kNoteFromTick;
    if (sinceNote % kCreepEveryTicks == 0) {
        m_indicator->setValue(CreepValue(m_baseValue, m_total, sinceNote / kCreepEveryTicks));
    }
}

void WaitAnimation::finish() {
    if (m_indicator != nullptr) {
        m_indicator->setText(m_baseText.isEmpty()
                                 ? QCoreApplication::translate("ConversionRun", "Progress Bar")
                                 : m_baseText);
    }
}

int RunAndWait(const QString& program, const QStringList& arguments, ProgressIndicator* indicator,
               const QString& baseText, int baseValue, int total, int tickMs, QByteArray* errorTail,
               const QVector<int>& inherit, const std::function<bool()>& stopNow) {
    EventWait wait;  // outlives the process, which wakes it
    ToolProcess process;
    if (!process.start(program, arguments, inherit)) {
        return process.result();
    }

    QObject::connect(&process, &ToolProcess::ended, [&wait] { wait.wake(); });
    WaitAnimation animation(indicator, baseText, baseValue, total);
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(tickMs);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (stopNow && stopNow()) {
            process.stop();
        }
        if (indicator != nullptr) {
            animation.tick();
        }
    });
    if (indicator != nullptr || stopNow) {
        ticker.start();
    }
    wait.until([&] { return !process.isRunning(); });
    // Only an application that is shutting down ends the wait early; the tool still gets
    // to finish its file.
    process.waitForEnd();
    ticker.stop();
    if (process.failedToStart()) {
        return process.result();  // the indicator was never the program's to touch
    }
    animation.finish();
    if (errorTail != nullptr) {
        *errorTail = process.errorTail();
    }
    return process.result();
}

}  // namespace lorvane
