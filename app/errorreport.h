#pragma once

#include "app/dialogs.h"
#include "platform/apperror.h"

#include <QString>

#include <functional>

namespace lorvane {

// The fixed location texts of the guarded operations.
namespace location {
inline QString formLoad() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load ");
}
inline QString pushButton7() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton7_Click ");
}
inline QString pushButton1() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton1_Click ");
}
inline QString pushButton3() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton3_Click ");
}
inline QString getSubDirectories() {
    return QStringLiteral("in Brammock2021/08/31.AddFolder.GetSubDirectories2016 ");
}
inline QString pushButton4() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton4_Click ");
}
inline QString pushButton5() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton5_Click ");
}
inline QString pushButton2() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton2_Click ");
}
}  // namespace location

// The text of the "Application Error" box.
QString ComposeErrorReport(const QString& description, const QString& location, int step);

// Shows the "Application Error" box (style 48) for one failure.
void ReportFailure(Dialogs& dialogs, const QString& description, const QString& location, int step);

// Runs the numbered steps of one guarded operation. A failure inside a step (or in anything
// the step calls that does not catch it itself) is reported with the step's number, and the
// operation goes on with its next step. A failed test counts as passed, so the operation
// takes the branch the test guards. Once aborted, no further step runs.
class StepGuard {
  public:
    // Looks at a failure before the report; returning true means it was dealt with and the
    // operation ends at once (no report, no further step).
    using Interceptor = std::function<bool(const AppError&)>;

    StepGuard(Dialogs& dialogs, QString location);

    void setInterceptor(Interceptor interceptor) { m_interceptor = std::move(interceptor); }

    // Runs an action step.
    void step(int number, const std::function<void()>& action);

    // Runs a test step; a failure while testing counts as true.
    bool test(int number, const std::function<bool()>& condition);

    int currentStep() const { return m_step; }
    bool aborted() const { return m_aborted; }
    // Ends the operation: every later step and test is skipped (tests give false).
    void abort() { m_aborted = true; }

    // Reports a failure caught outside step() with the current step number.
    void fail(const AppError& error);
    void fail(const std::exception& error);

  private:
    Dialogs& m_dialogs;
    QString m_location;
    Interceptor m_interceptor;
    int m_step = 0;
    bool m_aborted = false;
};

}  // namespace lorvane
