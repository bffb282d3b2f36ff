#include "convert/commandline.h"

namespace lorvane {

namespace {

const QChar kQuote = QLatin1Char('"');

QString quoted(const QString& text) {
    return kQuote + text + kQuote;
}

QString fileAddress(const QString& path) {
    return QStringLiteral("file:") + path;
}

constexpr int kNamesListed = 10;

}  // namespace

QString ComposeToolCommand(const QString& toolPath) {
    return quoted(toolPath);
}

QString ComposeArguments(const QString& source, const QString& codec, const QString& output) {
    return QStringLiteral("-i ") + quoted(source) + QStringLiteral(" -acodec ") + codec +
           QLatin1Char(' ') + quoted(output);
}

QString ComposeCommandLine(const QString& toolPath, const QString& source, const QString& codec,
                           const QString& output) {
    return ComposeToolCommand(toolPath) + QLatin1Char(' ') +
           ComposeArguments(source, codec, output);
}

QStringList ToolArguments(const QString& source, const QString& codec, const QString& output) {
    return {QStringLiteral("-nostdin"),
            QStringLiteral("-i"),
            fileAddress(source),
            QStringLiteral("-acodec"),
            codec,
            fileAddress(output)};
}

ToolCall ComposeToolCall(const QString& toolPath, const QString& source, const QString& codec,
                         const QString& output) {
    return {ComposeCommandLine(toolPath, source, codec, output), toolPath,
            ToolArguments(source, codec, output)};
}

QString OutputPathFor(const QString& source, const QString& folderText, bool saveToFolder,
                      bool saveBesideSource, PathStyle style) {
    const QString wavName = StripExtension(FileNameOfPath(source, style)) + QStringLiteral(".wav");
    if (saveToFolder) {
        return CollapseBackslashes(folderText + style.separator + wavName, style);
    }
    if (saveBesideSource) {
        return CollapseBackslashes(FolderOfPath(source, style) + style.separator + wavName, style);
    }
    return folderText;
}

QString ClosingMessage(const QStringList& notConverted) {
    QString text = QStringLiteral("Done.");
    if (notConverted.isEmpty()) {
        return text;
    }
    const qsizetype count = notConverted.size();
    text += count == 1 ? QStringLiteral("\n\n1 file could not be converted:")
                       : QStringLiteral("\n\n%1 files could not be converted:").arg(count);
    for (qsizetype i = 0; i < count && i < kNamesListed; ++i) {
        text += QLatin1Char('\n') + notConverted[i];
    }
    if (count > kNamesListed) {
        text += QStringLiteral("\nand %1 more").arg(count - kNamesListed);
    }
    return text;
}

}  // namespace lorvane
