#pragma once

#include "platform/apperror.h"

#include <QString>

#include <functional>

namespace lorvane {

// Where a guarded operation's failures go. The window shows its "Application Error" box, the
// batch mode writes a line to standard error, a drop goes on without a word.
class FailureReporter {
  public:
    virtual ~FailureReporter() = default;
    // `location` is the operation's fixed location text, `step` the number of the step that
    // failed (0 before the first one).
    virtual void reportFailure(const QString& description, const QString& location, int step) = 0;
};

// For operations that have no report of their own: they go on quietly.
class QuietReporter : public FailureReporter {
  public:
    void reportFailure(const QString&, const QString&, int) override {}
};

// Runs the numbered steps of one guarded operation. A failure inside a step (or in anything
// the step calls that does not catch it itself) is reported with the step's number, and the
// operation goes on with its next step. A failed test counts as passed, so the operation
// takes the branch the test guards. Once aborted, no further step runs.
class StepGuard {
  public:
    // Looks at a failure before the report; returning true means it was dealt with and the
    // operation ends at once (no report, no further step).
    using Interceptor = std::function<bool(const AppError&)>;

    StepGuard(FailureReporter& reporter, QString location);

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
    FailureReporter& m_reporter;
    QString m_location;
    Interceptor m_interceptor;
    int m_step = 0;
    bool m_aborted = false;
};

}  // namespace lorvane
