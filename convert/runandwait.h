#pragma once

#include "convert/toolprocess.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace lorvane {

// The bar a wait animates.
class ProgressIndicator {
  public:
    virtual ~ProgressIndicator() = default;
    virtual void setText(const QString& text) = 0;
    virtual void setValue(double value) = 0;
};

// How often the wait counts while a program runs.
constexpr int kWaitTickMs = 100;
// The tick from which the wait note shows, and every how many ticks after it the bar creeps.
constexpr int kNoteFromTick = 50;
constexpr int kCreepEveryTicks = 150;

// The text shown at a tick from kNoteFromTick on: the base text, ", " when it is not empty,
// "Please wait.. " and the ticks counted since the note first showed.
QString WaitNoteText(const QString& baseText, int tick);

// The value the bar creeps to the k-th time (k = 0, 1, 2 ...): from the base value by
// round(100 / total / 10) per creep, never past round(base + 100 / total - that step); rounding
// halves to even. With a total below 1 there is nothing to creep towards: the base value.
double CreepValue(int baseValue, int total, int k);

// Starts the program with the arguments (no shell, in a session of its own, standard input
// the null device, its console output discarded; see ToolProcess), keeps window events
// running while it runs, and returns as soon as it has ended.
// Every tick the indicator (when given) counts: from tick 50 on it shows WaitNoteText, and at
// ticks 50, 200, 350 ... its value creeps. Afterwards its text is the base text again, or
// "Progress Bar" for an empty base text.
// Result: the program's exit status; kProgramCrashed when it died from a signal; for a
// program that could not be started, kLaunchFailureBase plus the failure's number (53 for a
// missing program, 70 for one that may not be run, 5 for anything else). The end of the
// program's error output goes to `errorTail` when one is given.
// The program inherits the descriptors in `inherit`; when `stopNow` turns true (it is asked
// every tick), the program is ended.
int RunAndWait(const QString& program, const QStringList& arguments, ProgressIndicator* indicator,
               const QString& baseText, int baseValue, int total, int tickMs = kWaitTickMs,
               QByteArray* errorTail = nullptr, const QVector<int>& inherit = {},
               const std::function<bool()>& stopNow = {});

// Animates the indicator while a program runs: every tick it counts, from tick 50 on it
// shows WaitNoteText, and at ticks 50, 200, 350 ... its value creeps.
class WaitAnimation {
  public:
    WaitAnimation(ProgressIndicator* indicator, QString baseText, int baseValue, int total);
    void tick();
    // The text back to the base text, or "Progress Bar" for an empty one.
    void finish();

  private:
    ProgressIndicator* m_indicator;
    QString m_baseText;
    int m_baseValue;
    int m_total;
    int m_tick = 0;
};

}  // namespace lorvane
