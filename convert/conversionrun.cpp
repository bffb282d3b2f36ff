#include "convert/conversionrun.h"

#include "app/errorreport.h"
#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/formattable.h"
#include "convert/resultcheck.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <optional>

namespace lorvane {

namespace {

using FileId = QPair<quint64, quint64>;

// Identity of the file a path reaches (following links), or of the path's own entry.
std::optional<FileId> fileId(const QString& path, bool followLinks) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    const int rc = followLinks ? ::stat(name.constData(), &st) : ::lstat(name.constData(), &st);
    if (rc != 0) {
        return std::nullopt;
    }
    return FileId(static_cast<quint64>(st.st_dev), static_cast<quint64>(st.st_ino));
}

}  // namespace

void SourceKeeper::protect(const QString& source) {
    if (m_protectedTexts.contains(source)) {
        return;
    }
    // Both the file and the entry naming it: removing a link that is itself queued loses the
    // entry as surely as removing the file loses the data.
    for (bool follow : {true, false}) {
        if (const auto id = fileId(source, follow)) {
            m_sources.insert(*id);
            // A name that reaches nothing yet is looked at again next time.
            m_protectedTexts.insert(source);
        }
    }
}

QString SourceKeeper::refusal(const QString& source, const QString& output) const {
    // The output is removed (never followed) before the tool writes it, so its own entry is
    // what is at stake.
    const auto outputId = fileId(output, false);
    if (!outputId) {
        return {};
    }
    if (m_sources.contains(*outputId)) {
        return reasons::replacesSource();
    }
    const auto earlier = m_results.constFind(*outputId);
    if (earlier == m_results.constEnd()) {
        return {};
    }
    const auto sourceId = fileId(source, true);
    if (sourceId && *sourceId == earlier->source) {
        return {};  // the same file queued again converts again
    }
    return reasons::replacesResult(earlier->sourceText);
}

void SourceKeeper::recordResult(const QString& source, const QString& output) {
    const auto outputId = fileId(output, false);
    const auto sourceId = fileId(source, true);
    if (outputId && sourceId) {
        m_results.insert(*outputId, {*sourceId, source});
    }
}

namespace {

QString reasonForSource(const SourceLook& look) {
    switch (look.kind) {
        case SourceLook::RegularFile:
            return {};
        case SourceLook::NotAFile:
            return reasons::notAFile();
        case SourceLook::Missing:
            return reasons::notFound();
        case SourceLook::Unreadable:
            break;
    }
    return reasons::unreadable(look.error);
}

// Why a finished tool run does not count, or the empty text when its result does.
QString judgeRun(int status, const SourceLook& look, const QString& source, const QString& output,
                 const QString& codec, const QByteArray& errorTail) {
    if (status == 0) {
        return CheckResult(look, source, output, codec, errorTail);
    }
    if (status == kProgramCrashed) {
        return reasons::converterStopped();
    }
    if (status < kLaunchFailureBase + 65536) {
        return reasons::converterNotStarted();
    }
    return ReasonForFailure(source, output, errorTail);
}

}  // namespace

RunOutcome RunConversion(ConversionHost& host, StepGuard& guard) {
    RunOutcome outcome;
    if (!guard.test(104, [&] { return host.entryCount() >= 1; })) {
        guard.step(164, [&] { host.showMessage(QStringLiteral("No files added.")); });
        return outcome;
    }
    if (!guard.test(106, [&] {
            return IsExistingFolder(host.folderText()).value_or(false) || host.saveBesideSource();
        })) {
        guard.step(162, [&] {
            host.showMessage(
                QStringLiteral("Folder does not exist. Please select another folder."));
        });
        return outcome;
    }
    guard.step(108, [&] { host.setBusyPointer(true); });

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
        guard.step(154, [&] { host.setBusyPointer(false); });
        guard.step(160, [&] { host.showMessage(problem); });
        return outcome;
    }
    QString toolCommand;
    guard.step(120, [&] { toolCommand = ComposeToolCommand(tool->program); });

    int n = 0;
    SourceKeeper keeper;
    guard.step(122, [&] {
        n = host.entryCount();
        for (int position = 1; position <= n; ++position) {
            keeper.protect(host.entryText(position));
        }
    });

    outcome.ran = true;
    for (int i = 1; i <= n; ++i) {
        QString source;
        bool listed = true;
        guard.step(124, [&] {
            // Entries removed while the run waited end the run at the list's new end.
            listed = i <= host.entryCount();
            if (listed) {
                source = host.entryText(i);
            }
        });
        if (!listed) {
            break;
        }
        guard.step(126, [&] { host.setValue(static_cast<double>(i) / host.entryCount() * 100.0); });
        guard.step(128,
                   [&] { host.setText(QStringLiteral("Processing: ") + FileNameOfPath(source)); });
        guard.step(130, [] { YieldToEvents(); });
        guard.step(132, [&] { host.setBusyPointer(true); });

        QString output;
        // An output path that failed to build still holds the folder field's text, which may
        // name any file of the user's: such a path is neither removed nor written.
        bool outputBuilt = false;
        guard.step(134, [&] {
            output = host.folderText();
            outputBuilt = true;
        });
        if (guard.test(136, [&] { return host.saveToFolder(); })) {
            outputBuilt = false;
            guard.step(138, [&] {
                output = OutputPathFor(source, host.folderText(), true, false);
                outputBuilt = true;
            });
        } else if (guard.test(140, [&] { return host.saveBesideSource(); })) {
            outputBuilt = false;
            guard.step(142, [&] {
                output = OutputPathFor(source, host.folderText(), false, true);
                outputBuilt = true;
            });
        }

        // Every file that is not converted says why; a step that fails leaves this one.
        QString reason = outputBuilt ? reasons::noResult() : reasons::noOutputPath();
        SourceLook look;
        bool mayWrite = false;
        guard.step(144, [&] {
            if (!outputBuilt) {
                return;
            }
            // Only a regular file goes to the converter: a FIFO would hold it (and the run)
            // for ever, a folder or a device is no audio file. Looking never blocks.
            look = LookAtSource(source);
            reason = reasonForSource(look);
            if (!reason.isEmpty()) {
                return;
            }
            if (fileId(output, false)) {
                // Files queued while the run waited (and perhaps dragged into its range) are
                // sources too; only an existing output can destroy one.
                for (int position = 1; position <= host.entryCount(); ++position) {
                    keeper.protect(host.entryText(position));
                }
            }
            reason = keeper.refusal(source, output);
            if (!reason.isEmpty()) {
                return;
            }
            DeleteFileQuietly(output);
            if (fileId(output, false)) {
                // Without -y the converter would stop at the old file; it is never overwritten.
                reason = IsExistingFolder(output).value_or(false)
                             ? reasons::notWritten(QString::fromLocal8Bit(std::strerror(EISDIR)))
                             : reasons::oldResultStays();
                return;
            }
            reason = reasons::noResult();
            mayWrite = true;
        });
        if (mayWrite) {
            ToolCall call;
            QString codec;
            guard.step(146, [&] {
                codec = getWAVFormat(host.formatLabel());
                call.commandLine =
                    toolCommand + QLatin1Char(' ') + ComposeArguments(source, codec, output);
                call.program = tool->program;
                call.arguments = ToolArguments(source, codec, output);
            });
            guard.step(148, [&] {
                const int baseValue = static_cast<int>(std::nearbyint(host.progressValue()));
                QByteArray errorTail;
                const int status =
                    RunAndWait(call.program, call.arguments, &host, host.progressText(), baseValue,
                               host.entryCount(), host.waitTickMs(), &errorTail);
                reason = judgeRun(status, look, source, output, codec, errorTail);
                if (reason.isEmpty()) {
                    keeper.recordResult(source, output);
                } else {
                    // An incomplete or half-written file must never pass for a result.
                    DeleteFileQuietly(output);
                }
            });
        }
        if (reason.isEmpty()) {
            ++outcome.converted;
        } else {
            outcome.failures.append({source, reason});
        }
    }

    guard.step(154, [&] { host.setBusyPointer(false); });
    guard.step(156, [&] { host.setValue(0); });
    guard.step(158, [&] { host.setText(QStringLiteral("Progress Bar")); });
    guard.step(160, [&] { host.showClosingMessage(ClosingMessage(outcome.failures)); });
    return outcome;
}

}  // namespace lorvane
