#include "convert/conversionrun.h"

#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/filesteps.h"
#include "convert/formattable.h"
#include "convert/parallelrun.h"
#include "convert/runprogress.h"
#include "convert/sequentialrun.h"
#include "convert/sourcekeeper.h"
#include "filelist/filelistmodel.h"
#include "platform/paths.h"
#include "platform/stepguard.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace lorvane {

ConversionRun::ConversionRun(const FileListModel& list, Choices choices, ConversionEvents& events,
                             FailureReporter& reporter, ConversionOptions options)
    : m_list(list),
      m_choices(std::move(choices)),
      m_events(events),
      m_reporter(reporter),
      m_options(options) {}

QString ConversionRun::location() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton2_Click ");
}

RunOutcome ConversionRun::run() {
    StepGuard guard(m_reporter, location());
    RunProgress progress(m_events);
    RunOutcome outcome;
    if (!guard.test(104, [&] { return m_list.count() >= 1; })) {
        guard.step(164, [&] {
            m_events.refused(QCoreApplication::translate("ConversionRun", "No files added."));
        });
        return outcome;
    }
    if (!guard.test(106, [&] {
            const ConversionChoices chosen = m_choices();
            return IsExistingFolder(chosen.folderText).value_or(false) || chosen.saveBesideSource;
        })) {
        guard.step(162, [&] {
            m_events.refused(QCoreApplication::translate(
                "ConversionRun", "Folder does not exist. Please select another folder."));
        });
        return outcome;
    }
    // Without a codec every file would fail as unreadable, a false reason; the run is
    // refused before anything is removed or started.
    if (!guard.test(107, [&] { return !getWAVFormat(m_choices().formatLabel).isEmpty(); })) {
        guard.step(163, [&] {
            m_events.refused(QCoreApplication::translate(
                "ConversionRun", "No output format is chosen. Please select an output format."));
        });
        return outcome;
    }
    guard.step(108, [&] { m_events.busyChanged(true); });

    QString width;
    guard.step(110, [&] { width = GetAddressWidth(); });
    QString toolPath;
    if (guard.test(112, [&] { return width == QLatin1String("64"); })) {
        guard.step(114, [&] { toolPath = ChooseConverterTool(width); });
    } else {
        guard.step(116, [&] { toolPath = ChooseConverterTool(width); });
    }
    std::optional<ToolCheck> tool;
    guard.step(118, [&] { tool = CheckConverterTool(toolPath); });
    if (!tool || !tool->usable()) {
        // Refused before anything is removed or started: without a working converter every
        // file would fail, after its old result had already been deleted.
        const QString problem = tool ? tool->problem : CheckConverterTool(QString()).problem;
        guard.step(154, [&] { m_events.busyChanged(false); });
        guard.step(160, [&] { m_events.refused(problem); });
        return outcome;
    }
    QString toolCommand;
    guard.step(120, [&] { toolCommand = ComposeToolCommand(tool->program); });

    int n = 0;
    SourceKeeper keeper;
    guard.step(122, [&] {
        n = m_list.count();
        for (int position = 1; position <= n; ++position) {
            keeper.protect(m_list.entryText(position));
        }
    });

    outcome.ran = true;
    FileSteps steps(m_list, m_choices, m_events, progress, guard, keeper, m_stop, tool->program,
                    toolCommand);
    const int tickMs = std::max(1, m_options.waitTickMs);
    if (m_options.jobs <= 1) {
        RunOneAtATime(steps, n, tickMs, outcome);
    } else {
        ParallelRun(steps, n, m_options.jobs, tickMs, outcome).run();
    }
    outcome.stopped = m_stop.requested;
    outcome.notStarted = std::max(0, n - outcome.converted - int(outcome.failures.size()));

    guard.step(154, [&] { m_events.busyChanged(false); });
    guard.step(156, [&] { progress.setValue(0); });
    guard.step(158, [&] {
        progress.setText(QCoreApplication::translate("ConversionRun", "Progress Bar"));
    });
    guard.step(160, [&] {
        m_events.finished(outcome,
                          ClosingMessage(outcome.failures, outcome.endedEarly, outcome.trashed));
    });
    return outcome;
}

}  // namespace lorvane
