#include "convert/convertertool.h"

#include "convert/formattable.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSysInfo>

#include <optional>

namespace lorvane {

namespace {

const QString kInstallHint = QStringLiteral(
    "Install FFmpeg with \"sudo apt install ffmpeg\", or name the FFmpeg program to use in "
    "the environment variable LORVANE_FFMPEG.");

// A listing from the tool, or no value when it would not give one in reasonable time.
std::optional<QString> askTool(const QString& program, const QString& listing) {
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {QStringLiteral("-hide_banner"), listing});
    if (!process.waitForStarted(10000)) {
        return std::nullopt;
    }
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(2000);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return std::nullopt;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString describeMissing(const QString& program, const QStringList& missing) {
    return QStringLiteral("The program %1 cannot do the conversion: it lacks %2.\n\n")
               .arg(program, missing.join(QStringLiteral(", "))) +
           kInstallHint;
}

}  // namespace

QString GetAddressWidth() {
    const QString arch = QSysInfo::currentCpuArchitecture();
    const bool wide = arch.endsWith(QLatin1String("64")) || arch == QLatin1String("s390x") ||
                      arch == QLatin1String("sparcv9");
    return wide ? QStringLiteral("64") : QStringLiteral("32");
}

QString ChooseConverterTool(const QString& addressWidth) {
    Q_UNUSED(addressWidth);
    const QString named = qEnvironmentVariable(converterVariable());
    if (named.isEmpty()) {
        return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    }
    if (!named.contains(QLatin1Char('/'))) {
        return QStandardPaths::findExecutable(named);
    }
    return QFileInfo(named).absoluteFilePath();
}

bool ToolListing::has(const QString& name, QChar flag) const {
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i] == name && flags[i].contains(flag)) {
            return true;
        }
    }
    return false;
}

ToolListing ParseToolListing(const QString& text) {
    ToolListing listing;
    bool pastRule = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (!pastRule) {
            pastRule = trimmed.size() >= 2 && trimmed.count(QLatin1Char('-')) == trimmed.size();
            continue;
        }
        const QStringList fields = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 2) {
            continue;
        }
        for (const QString& name : fields[1].split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            listing.names.append(name);
            listing.flags.append(fields[0]);
        }
    }
    return listing;
}

QStringList MissingCapabilities(const ToolListing& encoders, const ToolListing& decoders,
                                const ToolListing& muxers) {
    QStringList missing;
    for (const OutputFormat& format : OutputFormats()) {
        if (!encoders.has(format.codec, QLatin1Char('A'))) {
            missing.append(QStringLiteral("the encoder %1").arg(format.codec));
        }
    }
    if (!decoders.has(QStringLiteral("vorbis"), QLatin1Char('A')) &&
        !decoders.has(QStringLiteral("libvorbis"), QLatin1Char('A'))) {
        missing.append(QStringLiteral("the Vorbis decoder"));
    }
    if (!muxers.has(QStringLiteral("wav"), QLatin1Char('E'))) {
        missing.append(QStringLiteral("the WAV writer"));
    }
    return missing;
}

ToolCheck CheckConverterTool(const QString& program) {
    ToolCheck check;
    check.program = program;
    if (program.isEmpty()) {
        const QString named = qEnvironmentVariable(converterVariable());
        check.problem =
            named.isEmpty()
                ? QStringLiteral("FFmpeg, which does the conversion, was not found.\n\n")
                : QStringLiteral("The converter %1 named in LORVANE_FFMPEG was not found.\n\n")
                      .arg(named);
        check.problem += kInstallHint;
        return check;
    }
    const QFileInfo info(program);
    if (!info.exists()) {
        check.problem =
            QStringLiteral("The converter %1 was not found.\n\n").arg(program) + kInstallHint;
        return check;
    }
    if (!info.isFile() || !info.isExecutable()) {
        check.problem =
            QStringLiteral("The converter %1 is not an executable program.\n\n").arg(program) +
            kInstallHint;
        return check;
    }

    // Remembered per file and version of it, for this run of the program.
    static QHash<QString, QString> remembered;
    const QString key = program + QLatin1Char('\n') +
                        QString::number(info.lastModified().toMSecsSinceEpoch()) +
                        QLatin1Char('\n') + QString::number(info.size());
    const auto known = remembered.constFind(key);
    if (known != remembered.constEnd()) {
        check.problem = *known;
        return check;
    }

    const auto encoders = askTool(program, QStringLiteral("-encoders"));
    const auto decoders = encoders ? askTool(program, QStringLiteral("-decoders")) : std::nullopt;
    const auto muxers = decoders ? askTool(program, QStringLiteral("-muxers")) : std::nullopt;
    if (!encoders || !decoders || !muxers) {
        // Not remembered: a tool that was only slow this once gets another chance.
        check.problem =
            QStringLiteral("The converter %1 did not answer as FFmpeg does.\n\n").arg(program) +
            kInstallHint;
        return check;
    }
    const QStringList missing = MissingCapabilities(
        ParseToolListing(*encoders), ParseToolListing(*decoders), ParseToolListing(*muxers));
    if (!missing.isEmpty()) {
        check.problem = describeMissing(program, missing);
    }
    remembered.insert(key, check.problem);
    return check;
}

}  // namespace lorvane
