#include "app/batchmode.h"

#include "app/errorreport.h"
#include "app/settingsstore.h"
#include "convert/formattable.h"
#include "filelist/filedrop.h"
#include "filelist/filelistmodel.h"
#include "platform/apperror.h"
#include "platform/paths.h"

namespace lorvane {

namespace {

const QString kPrefix = QStringLiteral("lorvane: ");

// The boxes' line breaks are the old "\r\n" and "\r".
QStringList linesOf(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text.split(QLatin1Char('\n'));
}

// A stored truth value, or the control's state before start-up restored it when the text is
// none (the window reports that and leaves the option as it was).
bool storedTruth(const SettingsStore& settings, const QString& key, const QString& fallback,
                 bool before) {
    try {
        return TruthFromText(settings.ReadSetting(key, fallback));
    } catch (const AppError&) {
        return before;
    }
}

}  // namespace

void BatchConsole::progress(const QString& line) {
    if (m_terminal) {
        m_write(QStringLiteral("\r\x1b[K") + line);
        m_lineOpen = true;
    } else {
        m_write(line + QLatin1Char('\n'));
    }
}

void BatchConsole::message(const QString& line) {
    endProgress();
    m_write(line + QLatin1Char('\n'));
}

void BatchConsole::endProgress() {
    if (m_lineOpen) {
        m_write(QStringLiteral("\n"));
        m_lineOpen = false;
    }
}

int ConsoleDialogs::messageBox(const QString& text, int style, const QString& title) {
    const bool isReport = title == QLatin1String("Application Error");
    if (isReport) {
        ++m_errorReports;
    }
    const QStringList lines = linesOf(text);
    for (const QString& line : lines) {
        if (!line.isEmpty()) {
            m_console.message(kPrefix + (isReport ? title + QStringLiteral(": ") : QString()) +
                              line);
        }
    }
    return (style & 7) == Dialogs::YesNo ? Dialogs::No : Dialogs::Ok;
}

int ConsoleDialogs::messageBoxWithDetails(const QString& text, int style, const QString& title,
                                          const QString& details) {
    return messageBox(details.isEmpty() ? text : text + QLatin1Char('\n') + details, style, title);
}

BatchChoices ResolveBatchChoices(const StartOptions& options, const SettingsStore& settings,
                                 const QString& desktopFolder) {
    BatchChoices choices;
    if (options.formatLabel) {
        choices.formatLabel = *options.formatLabel;
    } else {
        int index = -1;
        try {
            index = WholeNumberFromText(
                settings.ReadSetting(QStringLiteral("Combo1"), QStringLiteral("0")));
        } catch (const AppError&) {
        }
        if (index < 0 || index >= static_cast<int>(OutputFormats().size())) {
            choices.problem =
                QStringLiteral("the settings choose no output format; give one with --format");
            return choices;
        }
        choices.formatLabel = OutputFormats()[static_cast<size_t>(index)].label;
    }

    if (options.outputFolder) {
        choices.folderText = *options.outputFolder;
        choices.saveToFolder = true;
        return choices;
    }
    choices.folderText = settings.ReadSetting(QStringLiteral("Output Folder"),
                                              desktopFolder + PathStyle::native().separator);
    if (options.besideSource) {
        choices.saveBesideSource = true;
        return choices;
    }
    // As start-up restores the two options: the first is on when the window is created, and
    // switching the second on switches the first off.
    choices.saveToFolder =
        storedTruth(settings, QStringLiteral("Option1"), QStringLiteral("1"), true);
    choices.saveBesideSource =
        storedTruth(settings, QStringLiteral("Option2"), QStringLiteral("0"), false);
    if (choices.saveBesideSource) {
        choices.saveToFolder = false;
    }
    return choices;
}

int BatchHost::entryCount() {
    return m_list.count();
}

QString BatchHost::entryText(int position) {
    return m_list.entryText(position);
}

void BatchHost::setValue(double value) {
    m_value = value;
    m_valueSinceText = true;
}

void BatchHost::setText(const QString& text) {
    const bool afterValue = m_valueSinceText;
    m_valueSinceText = false;
    m_text = text;
    const auto line = [this](const QString& shown) {
        return QStringLiteral("[%1/%2] ").arg(m_filesStarted).arg(m_list.count()) + shown;
    };
    // The run names each file as it takes it in hand, right after moving the bar on; while the
    // converter runs the wait adds its note to that text and puts the text back at the end.
    if (m_inWaitNote && text == m_fileText) {
        m_inWaitNote = false;
        if (m_console.terminal()) {
            m_console.progress(line(text));
        }
        return;
    }
    if (!m_fileText.isEmpty() && text.startsWith(m_fileText + QStringLiteral(", Please wait.. "))) {
        m_inWaitNote = true;
        if (m_console.terminal()) {
            m_console.progress(line(text));
        }
        return;
    }
    if (afterValue && text.startsWith(QLatin1String("Processing: "))) {
        ++m_filesStarted;
        m_fileText = text;
        m_inWaitNote = false;
        m_console.progress(line(text));
    }
}

int RunBatch(const StartOptions& options, const SettingsStore& settings, BatchConsole& console,
             const QString& desktopFolder) {
    const BatchChoices choices = ResolveBatchChoices(options, settings, desktopFolder);
    if (!choices.problem.isEmpty()) {
        console.message(kPrefix + choices.problem);
        console.message(UsageHint());
        return kBatchUsageError;
    }
    if (options.jobs) {
        // Read by the run itself.
        qputenv("LORVANE_JOBS", QByteArray::number(*options.jobs));
    }

    ConsoleDialogs dialogs(console);
    FileListModel list;
    AddDroppedItems(options.items, list, dialogs, YieldToEvents, {},
                    QStringLiteral("*.") + options.extension);

    BatchHost host(list, choices, console);
    StepGuard guard(dialogs, location::pushButton2());
    const RunOutcome outcome = RunConversion(host, guard);
    console.endProgress();

    if (!outcome.ran) {
        // The run refused to start: no files, no folder, no usable FFmpeg.
        for (const QString& line : linesOf(host.closingMessage())) {
            if (!line.isEmpty()) {
                console.message(kPrefix + line);
            }
        }
        return kBatchSomeNotConverted;
    }
    for (const FileFailure& entry : outcome.failures) {
        console.message(kPrefix +
                        QStringLiteral("not converted: %1: %2").arg(entry.source, entry.reason));
    }
    const int total = list.count();
    const int converted = total - static_cast<int>(outcome.failures.size());
    console.message(kPrefix +
                    QStringLiteral("%1 of %2 %3 converted")
                        .arg(converted)
                        .arg(total)
                        .arg(total == 1 ? QStringLiteral("file") : QStringLiteral("files")));
    return outcome.failures.isEmpty() && dialogs.errorReports() == 0 ? kBatchAllConverted
                                                                     : kBatchSomeNotConverted;
}

}  // namespace lorvane
