#include "convert/conversionrun.h"

#include "app/errorreport.h"
#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/formattable.h"
#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <cmath>
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

bool isRegularFile(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
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

bool SourceKeeper::mayWrite(const QString& source, const QString& output) const {
    // The output is removed (never followed) before the tool writes it, so its own entry is
    // what is at stake.
    const auto outputId = fileId(output, false);
    if (!outputId) {
        return true;
    }
    if (m_sources.contains(*outputId)) {
        return false;
    }
    const auto earlier = m_resultSource.constFind(*outputId);
    if (earlier == m_resultSource.constEnd()) {
        return true;
    }
    const auto sourceId = fileId(source, true);
    return sourceId && *sourceId == *earlier;
}

void SourceKeeper::recordResult(const QString& source, const QString& output) {
    const auto outputId = fileId(output, false);
    const auto sourceId = fileId(source, true);
    if (outputId && sourceId) {
        m_resultSource.insert(*outputId, *sourceId);
    }
}

ConversionOutcome RunConversion(ConversionHost& host, StepGuard& guard) {
    ConversionOutcome outcome;
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

        bool mayWrite = false;
        guard.step(144, [&] {
            if (fileId(output, false)) {
                // Files queued while the run waited (and perhaps dragged into its range) are
                // sources too; only an existing output can destroy one.
                for (int position = 1; position <= host.entryCount(); ++position) {
                    keeper.protect(host.entryText(position));
                }
            }
            mayWrite = outputBuilt && keeper.mayWrite(source, output);
            if (mayWrite) {
                DeleteFileQuietly(output);
            }
        });
        bool converted = false;
        QString reason =
            outputBuilt
                ? QStringLiteral("its result would replace a queued file or another file's result")
                : QStringLiteral("no output path could be made for it");
        if (mayWrite) {
            reason = QStringLiteral("FFmpeg could not convert it");
            ToolCall call;
            guard.step(146, [&] {
                const QString codec = getWAVFormat(host.formatLabel());
                call.commandLine =
                    toolCommand + QLatin1Char(' ') + ComposeArguments(source, codec, output);
                call.program = tool->program;
                call.arguments = ToolArguments(source, codec, output);
            });
            guard.step(148, [&] {
                const int baseValue = static_cast<int>(std::nearbyint(host.progressValue()));
                const int status =
                    RunAndWait(call.program, call.arguments, &host, host.progressText(), baseValue,
                               host.entryCount(), host.waitTickMs());
                converted = status == 0 && isRegularFile(output);
                if (converted) {
                    keeper.recordResult(source, output);
                } else {
                    // A half-written file must never pass for a result.
                    DeleteFileQuietly(output);
                }
            });
        }
        if (!converted) {
            outcome.notConverted.append({source, reason});
        }
    }

    guard.step(154, [&] { host.setBusyPointer(false); });
    guard.step(156, [&] { host.setValue(0); });
    guard.step(158, [&] { host.setText(QStringLiteral("Progress Bar")); });
    QStringList notConverted;
    for (const NotConverted& entry : outcome.notConverted) {
        notConverted.append(entry.source);
    }
    outcome.reachedEnd = true;
    guard.step(160, [&] { host.showMessage(ClosingMessage(notConverted)); });
    return outcome;
}

}  // namespace lorvane
