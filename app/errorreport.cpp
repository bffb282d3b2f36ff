#include "app/errorreport.h"

#include "app/constants.h"

namespace lorvane {

QString ComposeErrorReport(const QString& description, const QString& location, int step) {
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") +
           QString::number(step) + QStringLiteral("\r\r") +
           QStringLiteral("Please email screenshot of this message to ") + supportEmail();
}

void ReportFailure(Dialogs& dialogs, const QString& description, const QString& location,
                   int step) {
    dialogs.messageBox(ComposeErrorReport(description, location, step), Dialogs::Exclamation,
                       QStringLiteral("Application Error"));
}

StepGuard::StepGuard(Dialogs& dialogs, QString location)
    : m_dialogs(dialogs), m_location(std::move(location)) {}

void StepGuard::fail(const AppError& error) {
    if (m_interceptor && m_interceptor(error)) {
        m_aborted = true;
        return;
    }
    ReportFailure(m_dialogs, error.description(), m_location, m_step);
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
