#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVector>

namespace lorvane {

// A launch failure's result: the failure's number added to this.
constexpr int kLaunchFailureBase = -2147221504;
// The result for a program that was ended by a signal (it has no exit status of its own).
constexpr int kProgramCrashed = -1;
// Whether a result says the program could not be started at all (the failure numbers are
// small, so such results lie just above kLaunchFailureBase, far from any exit status).
constexpr bool IsLaunchFailure(int result) {
    return result >= kLaunchFailureBase && result < kLaunchFailureBase + 65536;
}

// Runs in a child between fork and exec: a little below the program's own priority, so the
// converters' start-ups and decoding, one per core, never starve the window of its turns.
void LowerPriority();

// One started converter: in a session of its own, so no signal meant for the program's
// terminal or process group (Ctrl+C, a closed terminal) reaches it and cuts its file short,
// and immune to a closed error pipe, so it finishes its file however the program ends. It
// reads nothing (standard input is the null device), its console output is discarded and
// only the last few KiB of its error output are kept, however much it writes.
class ToolProcess : public QObject {
    Q_OBJECT
  public:
    static constexpr int kErrorTailBytes = 4096;

    explicit ToolProcess(QObject* parent = nullptr);
    // Waits for the program to end first: it is never stopped by us.
    ~ToolProcess() override;

    // False when the program is no executable file; result() then says why. A program that
    // fails to start later still ends (with the launch failure as its result). The program
    // inherits the descriptors in `inherit` (and no other of ours).
    bool start(const QString& program, const QStringList& arguments,
               const QVector<int>& inherit = {});
    // Ends the program now, with everything it started.
    void stop();
    bool isRunning() const;
    // Blocks until the program has ended (for a program that is shutting down).
    void waitForEnd();

    // The exit status; kProgramCrashed when a signal ended it; for a program that could not
    // be started, kLaunchFailureBase plus the failure's number.
    int result() const { return m_result; }
    QByteArray errorTail() const { return m_tail; }
    bool failedToStart() const { return m_failedToStart; }

  signals:
    void ended();

  private:
    void keepErrorOutput();
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess m_process;
    QString m_program;
    QByteArray m_tail;
    int m_result = 0;
    bool m_running = false;
    bool m_failedToStart = false;
    QVector<int> m_inherit;
};

}  // namespace lorvane
