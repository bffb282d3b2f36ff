#include "convert/sequentialrun.h"

#include "convert/filesteps.h"
#include "convert/runandwait.h"
#include "convert/runprogress.h"
#include "platform/eventwait.h"
#include "platform/stepguard.h"

#include <QTimer>

namespace lorvane {

void RunOneAtATime(FileSteps& steps, int n, int tickMs, RunOutcome& outcome) {
    StepGuard& guard = steps.guard();
    RunProgress& progress = steps.progress();
    for (int i = 1; i <= n && !steps.stop().requested; ++i) {
        FileJob file;
        file.position = i;
        if (!steps.readEntry(file)) {
            break;
        }
        steps.showProgress(file);
        guard.step(130, [] { YieldToEvents(); });
        steps.markBusy();
        steps.buildOutput(file);
        steps.clearTheWay(file);
        if (file.mayWrite) {
            const ToolCall call = steps.compose(file);
            guard.step(148, [&] {
                // The front end hears how far the converter is, also on a long file.
                QTimer written;
                written.setInterval(kWrittenEveryMs);
                QObject::connect(&written, &QTimer::timeout,
                                 [&steps, &file] { steps.tellWritten({file}); });
                written.start();
                QByteArray errorTail;
                const int status = RunAndWait(
                    call.program, call.arguments, &progress, progress.caption(),
                    progress.baseValue(), steps.entryCount(), tickMs, &errorTail,
                    FileSteps::descriptorsOf({file}), [&steps] { return steps.stop().now; });
                steps.judge(file, status, errorTail);
            });
        }
        steps.finished(file);
        CountFile(file, outcome);
    }
}

}  // namespace lorvane
