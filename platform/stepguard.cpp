#include "platform/stepguard.h"

namespace lorvane {

StepGuard::StepGuard(FailureReporter& reporter, QString location)
    : m_reporter(reporter), m_location(std::move(location)) {}

void StepGuard::fail(const AppError& error) {
    if (m_interceptor && m_interceptor(error)) {
        m_aborted = true;
        return;
    }
    m_reporter.reportFailure(error.description(), m_location, m_step);
}

void StepGuard::fail(const std::exception& error) {
    fail(AppError(0, QString::fromLocal8Bit(error.what())));
}

void StepGuard::step(int number, const std::function<void()>& action) {
    if (m_aborted) {
        return;
    }
    m_step = number;
    try {
        action();
    } catch (const AppError& e) {
        fail(e);
    } catch (const std::exception& e) {
        fail(e);
    }
}

bool StepGuard::test(int number, const std::function<bool()>& condition) {
    if (m_aborted) {
        return false;
    }
    m_step = number;
    try {
        return condition();
    } catch (const AppError& e) {
        fail(e);
    } catch (const std::exception& e) {
        fail(e);
    }
    return !m_aborted;
}

}  // namespace lorvane
