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

namespace {

QStringList commonStart() {
    return {QStringLiteral("-nostdin"), QStringLiteral("-hide_banner"),
            QStringLiteral("-v"),       QStringLiteral("error"),
            QStringLiteral("-y"),       QStringLiteral("-filter_threads"),
            QStringLiteral("1")};
}

QStringList resultOptions(const QString& codec, const QString& output) {
    return {QStringLiteral("-acodec"), codec,
            QStringLiteral("-rf64"),   QStringLiteral("auto"),
            QStringLiteral("-f"),      QStringLiteral("wav"),
            fileAddress(output)};
}

QStringList untrimmedInput() {
    return {QStringLiteral("-flags2"), QStringLiteral("+skip_manual")};
}

// The samples libvorbisfile gives of one link, counted from FFmpeg's untrimmed output, as a
// filter chain with one input and one output; `tag` keeps its inner labels apart from other
// links'.
QString trimmed(const ExactLink& link, const QString& tag = QString()) {
    if (link.dropped <= 0) {
        return QStringLiteral("atrim=end_sample=%1").arg(link.frames);
    }
    const QString a = QStringLiteral("[a%1]").arg(tag);
    const QString b = QStringLiteral("[b%1]").arg(tag);
    const QString c = QStringLiteral("[c%1]").arg(tag);
    const QString d = QStringLiteral("[d%1]").arg(tag);
    return QStringLiteral("asplit") + a + b + QLatin1Char(';') + a +
           QStringLiteral("atrim=end_sample=%1").arg(link.dropAt) + c + QLatin1Char(';') + b +
           QStringLiteral("atrim=start_sample=%1:end_sample=%2")
               .arg(link.dropAt + link.dropped)
               .arg(link.frames + link.dropped) +
           d + QLatin1Char(';') + c + d + QStringLiteral("concat=n=2:v=0:a=1");
}

QString layoutOf(int channels) {
    return channels == 1 ? QStringLiteral("mono") : QStringLiteral("stereo");
}

// Each link read on its own from its bytes of the file, trimmed, brought to the first link's
// rate and layout, and the links joined again.
QStringList chainedArguments(const QString& source, const QString& codec, const QString& output,
                             const ExactLinks& links) {
    QStringList args = commonStart();
    QString graph;
    QString joined;
    const ExactLink& first = links.front();
    for (qsizetype k = 0; k < links.size(); ++k) {
        const ExactLink& link = links[k];
        args << untrimmedInput() << QStringLiteral("-i")
             << QStringLiteral("subfile,,start,%1,end,%2,,:").arg(link.begin).arg(link.end) +
                    fileAddress(source);
        QString chain = QStringLiteral("[%1:a]").arg(k) + trimmed(link, QString::number(k));
        if (link.rate != first.rate) {
            chain += QStringLiteral(",aresample=%1").arg(first.rate);
        }
        if (link.channels != first.channels) {
            chain += QStringLiteral(",aformat=channel_layouts=") + layoutOf(first.channels);
        }
        graph += chain + QStringLiteral("[l%1];").arg(k);
        joined += QStringLiteral("[l%1]").arg(k);
    }
    graph += joined + QStringLiteral("concat=n=%1:v=0:a=1[joined]").arg(links.size());
    args << QStringLiteral("-filter_complex") << graph << QStringLiteral("-map")
         << QStringLiteral("[joined]") << QStringLiteral("-map_metadata") << QStringLiteral("0")
         << QStringLiteral("-map_metadata") << QStringLiteral("0:s:a:0");
    return args + resultOptions(codec, output);
}

}  // namespace

bool CanJoinExactly(const ExactLinks& links) {
    return std::all_of(links.begin(), links.end(), [&](const ExactLink& link) {
        return link.channels == links.front().channels ||
               (link.channels <= 2 && links.front().channels <= 2);
    });
}

QStringList ToolArguments(const QString& source, const QString& codec, const QString& output,
                          const ExactLinks& exact) {
    if (exact.size() > 1) {
        return chainedArguments(source, codec, output, exact);
    }
    QStringList args = commonStart();
    if (!exact.isEmpty() && exact.front().untrimmed) {
        args << untrimmedInput();
    }
    args << QStringLiteral("-i") << fileAddress(source) << QStringLiteral("-map_metadata")
         << QStringLiteral("0") << QStringLiteral("-map_metadata") << QStringLiteral("0:s:a:0");
    if (!exact.isEmpty()) {
        args << QStringLiteral("-af") << trimmed(exact.front());
    }
    return args + resultOptions(codec, output);
}

QStringList GroupToolArguments(const QVector<QPair<QString, QString>>& sourcesAndOutputs,
                               const QString& codec, const QVector<int>& queuePackets,
                               const ExactLinks& exact) {
    QStringList args = commonStart();
    const auto isExact = [&](qsizetype k) { return k < exact.size() && exact[k].frames > 0; };
    for (qsizetype k = 0; k < sourcesAndOutputs.size(); ++k) {
        if (k < queuePackets.size()) {
            args << QStringLiteral("-thread_queue_size") << QString::number(queuePackets[k]);
        }
        if (isExact(k) && exact[k].untrimmed) {
            args << untrimmedInput();
        }
        args << QStringLiteral("-i") << fileAddress(sourcesAndOutputs[k].first);
    }
    for (qsizetype k = 0; k < sourcesAndOutputs.size(); ++k) {
        const QString input = QString::number(k);
        args << QStringLiteral("-map") << input + QStringLiteral(":a:0")
             << QStringLiteral("-map_metadata") << input << QStringLiteral("-map_metadata")
             << input + QStringLiteral(":s:a:0") << QStringLiteral("-map_chapters") << input;
        if (isExact(k)) {
            args << QStringLiteral("-af") << trimmed(exact[k]);
        }
        args << resultOptions(codec, sourcesAndOutputs[k].second);
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
