#include "convert/commandline.h"

#include <algorithm>

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
            QStringLiteral("-filter_threads"),
            QStringLiteral("1"),
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
                               const QString& codec, const QVector<int>& queuePackets) {
    QStringList args{QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
                     QStringLiteral("-v"),       QStringLiteral("error"),
                     QStringLiteral("-y"),       QStringLiteral("-filter_threads"),
                     QStringLiteral("1")};
    for (qsizetype k = 0; k < sourcesAndOutputs.size(); ++k) {
        if (k < queuePackets.size()) {
            args << QStringLiteral("-thread_queue_size") << QString::number(queuePackets[k]);
        }
        args << QStringLiteral("-i") << fileAddress(sourcesAndOutputs[k].first);
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

int InputQueuePackets(qint64 frames) {
    constexpr qint64 kFewest = 8;  // FFmpeg's own default
    constexpr qint64 kMost = 16384;
    return static_cast<int>(std::clamp(frames / 512 + 16, kFewest, kMost));
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
