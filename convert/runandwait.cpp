#include "convert/runandwait.h"

#include "platform/apperror.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <cmath>

namespace lorvane {

namespace {

// Rounds halves to the even neighbour, as the bar's arithmetic always has.
double roundHalfEven(double x) {
    return std::nearbyint(x);
}

int launchFailure(const QString& program) {
    const QFileInfo info(program);
    if (!info.exists()) {
        return kLaunchFailureBase + errors::kFileNotFound;
    }
    if (!info.isFile() || !info.isExecutable()) {
        return kLaunchFailureBase + errors::kPermissionDenied;
    }
    return kLaunchFailureBase + errors::kInvalidCall;
}

}  // namespace

QString WaitNoteText(const QString& baseText, int tick) {
    QString text = baseText;
    if (!text.isEmpty()) {
        text += QStringLiteral(", ");
    }
    return text + QStringLiteral("Please wait.. ") + QString::number(tick - kNoteFromTick);
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

int RunAndWait(const QString& program, const QStringList& arguments, ProgressIndicator* indicator,
               const QString& baseText, int baseValue, int total, int tickMs) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    // Nothing to answer a question with, and nowhere for its console output to pile up.
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());

    // QProcess would search PATH for a bare name; only the named file itself is meant.
    if (!QFileInfo(program).isFile() || !QFileInfo(program).isExecutable()) {
        return launchFailure(program);
    }

    QEventLoop loop;
    bool ended = false;
    QObject::connect(&process, &QProcess::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });

    process.start();
    if (!process.waitForStarted(-1)) {
        return launchFailure(program);
    }

    int tick = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(tickMs);
    if (indicator != nullptr) {
        QObject::connect(&ticker, &QTimer::timeout, &loop, [&] {
            ++tick;
            if (tick < kNoteFromTick) {
                return;
            }
            indicator->setText(WaitNoteText(baseText, tick));
            const int sinceNote = tick - kNoteFromTick;
            if (sinceNote % kCreepEveryTicks == 0) {
                indicator->setValue(CreepValue(baseValue, total, sinceNote / kCreepEveryTicks));
            }
        });
        ticker.start();
    }

    if (!ended) {
        loop.exec();
    }
    if (!ended) {
        // Only an application that is shutting down ends the loop early; the tool still gets
        // to finish its file.
        process.waitForFinished(-1);
    }
    ticker.stop();

    if (indicator != nullptr) {
        indicator->setText(baseText.isEmpty() ? QStringLiteral("Progress Bar") : baseText);
    }
    if (process.exitStatus() == QProcess::CrashExit) {
        return kProgramCrashed;
    }
    return process.exitCode();
}

}  // namespace lorvane
