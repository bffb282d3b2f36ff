#include "convert/toolprocess.h"

#include "platform/apperror.h"

#include <QFileInfo>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

namespace lorvane {

namespace {

constexpr int kNiceSteps = 5;

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

// Runs in the child between fork and exec: only async-signal-safe calls.
void detachChild(const QVector<int>& inherit) {
    LowerPriority();
    ::setsid();
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, nullptr);
    // Our descriptors are closed on exec; these few are this converter's to use.
    for (const int fd : inherit) {
        ::fcntl(fd, F_SETFD, 0);
    }
}

}  // namespace

void LowerPriority() {
    ::setpriority(PRIO_PROCESS, 0, ::getpriority(PRIO_PROCESS, 0) + kNiceSteps);
}

ToolProcess::ToolProcess(QObject* parent) : QObject(parent) {
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setChildProcessModifier([this] { detachChild(m_inherit); });
    connect(&m_process, &QProcess::readyReadStandardError, this, &ToolProcess::keepErrorOutput);
    connect(&m_process, &QProcess::finished, this, &ToolProcess::onFinished);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && m_running) {
            m_result = launchFailure(m_program);
            m_running = false;
            m_failedToStart = true;
            emit ended();
        }
    });
}

ToolProcess::~ToolProcess() {
    if (m_running) {
        m_process.waitForFinished(-1);
    }
}

bool ToolProcess::start(const QString& program, const QStringList& arguments,
                        const QVector<int>& inherit) {
    m_tail.clear();
    m_inherit = inherit;
    m_failedToStart = false;
    // QProcess would search PATH for a bare name; only the named file itself is meant.
    if (!QFileInfo(program).isFile() || !QFileInfo(program).isExecutable()) {
        m_result = launchFailure(program);
        m_failedToStart = true;
        return false;
    }
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    // The start is not waited for (under load that alone can take tens of milliseconds): a
    // program that fails to start ends at once, with the launch failure as its result.
    m_running = true;
    m_program = program;
    m_process.start();
    return true;
}

void ToolProcess::stop() {
    const qint64 pid = m_process.processId();
    if (m_running && pid > 0) {
        // The converter leads a session of its own: its whole group goes.
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    }
}

bool ToolProcess::isRunning() const {
    return m_running;
}

void ToolProcess::waitForEnd() {
    if (m_running) {
        m_process.waitForFinished(-1);
    }
}

void ToolProcess::keepErrorOutput() {
    m_tail += m_process.readAllStandardError();
    if (m_tail.size() > 2 * kErrorTailBytes) {
        m_tail = m_tail.right(kErrorTailBytes);
    }
}

void ToolProcess::onFinished(int exitCode, QProcess::ExitStatus status) {
    keepErrorOutput();
    if (m_tail.size() > kErrorTailBytes) {
        m_tail = m_tail.right(kErrorTailBytes);
    }
    m_result = status == QProcess::CrashExit ? kProgramCrashed : exitCode;
    m_running = false;
    emit ended();
}

}  // namespace lorvane
