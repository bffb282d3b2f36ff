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
            QStringLiteral("-hide_banner"),
            QStringLiteral("-v"),
            QStringLiteral("error"),
            QStringLiteral("-y"),
            QStringLiteral("-i"),
            fileAddress(source),
            QStringLiteral("-map_metadata"),
            QStringLiteral("0"),
            QStringLiteral("-map_metadata"),
            QStringLiteral("0:s:a:0"),
            QStringLiteral("-acodec"),
            codec,
            QStringLiteral("-rf64"),
            QStringLiteral("auto"),
            QStringLiteral("-f"),
            QStringLiteral("wav"),
            fileAddress(output)};
}

QStringList GroupToolArguments(const QVector<QPair<QString, QString>>& sourcesAndOutputs,
                               const QString& codec) {
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                     QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y")};
    for (const auto& pair : sourcesAndOutputs) {
        args << QStringLiteral("-i") << fileAddress(pair.first);
    }
    for (qsizetype k = 0; k < sourcesAndOutputs.size(); ++k) {
        const QString input = QString::number(k);
        args << QStringLiteral("-map") << input + QStringLiteral(":a:0")
             << QStringLiteral("-map_metadata") << input << QStringLiteral("-map_metadata")
             << input + QStringLiteral(":s:a:0") << QStringLiteral("-map_chapters") << input
             << QStringLiteral("-acodec") << codec << QStringLiteral("-rf64")
             << QStringLiteral("auto") << QStringLiteral("-f") << QStringLiteral("wav")
             << fileAddress(sourcesAndOutputs[k].second);
    }
    return args;
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

}  // namespace lorvane
