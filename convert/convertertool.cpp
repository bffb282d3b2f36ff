#include "convert/convertertool.h"

#include "convert/checkcache.h"
#include "convert/formattable.h"
#include "convert/toolprocess.h"
#include "platform/eventwait.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QVector>

#include <memory>
#include <optional>
#include <vector>

namespace lorvane {

namespace {

QString installHint() {
    return QCoreApplication::translate(
        "ConverterTool",
        "Install FFmpeg with \"sudo apt install ffmpeg\", or name the FFmpeg program to use in "
        "the environment variable LORVANE_FFMPEG.");
}

// How long the check may take in all, and how much of each answer it reads: FFmpeg's
// listings are some 20 KiB and come within a second; anything slower or larger is not it.
constexpr int kCheckTimeLimitMs = 15000;
constexpr qint64 kMaxAnswerBytes = 1 << 20;

// The four questions asked of the tool at once, while events go on running so the window
// goes on repainting and answering meanwhile. No value for a question it did not answer in time,
// in full and with success.
QVector<std::optional<QString>> askTool(const QString& program, const QStringList& questions) {
    EventWait wait;
    std::vector<std::unique_ptr<QProcess>> processes;
    QVector<std::optional<QString>> answers(questions.size());
    QVector<QByteArray> output(questions.size());
    int running = 0;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        auto process = std::make_unique<QProcess>();
        process->setStandardInputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        process->setChildProcessModifier(LowerPriority);
        QProcess* p = process.get();
        QObject::connect(p, &QProcess::readyReadStandardOutput, [&output, p, i] {
            output[i] += p->readAllStandardOutput();
            if (output[i].size() > kMaxAnswerBytes) {
                p->kill();
            }
        });
        QObject::connect(p, &QProcess::finished, [&, p, i](int code, QProcess::ExitStatus status) {
            output[i] += p->readAllStandardOutput();
            if (status == QProcess::NormalExit && code == 0 &&
                output[i].size() <= kMaxAnswerBytes) {
                answers[i] = QString::fromUtf8(output[i]);
            }
            --running;
            wait.wake();
        });
        // A program that cannot be started ends its question at once; nothing here waits for
        // the start itself.
        QObject::connect(p, &QProcess::errorOccurred, [&](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart) {
                --running;
                wait.wake();
            }
        });
        ++running;
        p->start(program, {QStringLiteral("-hide_banner"), questions[i]});
        processes.push_back(std::move(process));
    }
    wait.until([&] { return running == 0; }, kCheckTimeLimitMs);
    for (auto& process : processes) {
        // A tool that never finished is not waited for any longer.
        process->disconnect();
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(2000);
        }
    }
    return answers;
}

// The questions, in the order the check reads their answers.
const QStringList kQuestions = {QStringLiteral("-version"), QStringLiteral("-encoders"),
                                QStringLiteral("-decoders"), QStringLiteral("-muxers")};

// Everything MissingCapabilities looks for, in words that stay the same in every language: a
// verdict kept on disk is not to be asked again because the user's language changed.
QString askedCapabilities() {
    QStringList asked;
    for (const OutputFormat& format : OutputFormats()) {
        asked.append(QStringLiteral("the encoder %1").arg(format.codec));
    }
    asked << QStringLiteral("the Vorbis decoder") << QStringLiteral("the WAV writer");
    return asked.join(QLatin1Char('\n'));
}

// What a kept verdict was reached by: the questions, everything asked of them and a revision
// to raise whenever the answers are judged in another way. A later version that asks more of the
// tool does not trust a verdict reached by an earlier one.
constexpr int kCheckRevision = 1;
QString checkAsking() {
    return QStringLiteral("revision %1\n").arg(kCheckRevision) + kQuestions.join(QLatin1Char(' ')) +
           QLatin1Char('\n') + askedCapabilities();
}

QHash<QString, QString>& rememberedChecks() {
    static QHash<QString, QString> remembered;
    return remembered;
}

QString describeMissing(const QString& program, const QStringList& missing) {
    return QCoreApplication::translate("ConverterTool",
                                       "The program %1 cannot do the conversion: it lacks %2.\n\n")
               .arg(program, missing.join(QStringLiteral(", "))) +
           installHint();
}

}  // namespace

void ForgetConverterChecks() {
    rememberedChecks().clear();
}

QString ProgramName(const QString& versionAnswer) {
    const QString first = versionAnswer.section(QLatin1Char('\n'), 0, 0).trimmed();
    const qsizetype at = first.indexOf(QLatin1String(" version"));
    return at > 0 ? first.left(at) : QString();
}

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
            //: Part of "it lacks %2": an FFmpeg encoder's name, such as pcm_s16le.
            missing.append(
                QCoreApplication::translate("ConverterTool", "the encoder %1").arg(format.codec));
        }
    }
    if (!decoders.has(QStringLiteral("vorbis"), QLatin1Char('A')) &&
        !decoders.has(QStringLiteral("libvorbis"), QLatin1Char('A'))) {
        missing.append(QCoreApplication::translate("ConverterTool", "the Vorbis decoder"));
    }
    if (!muxers.has(QStringLiteral("wav"), QLatin1Char('E'))) {
        missing.append(QCoreApplication::translate("ConverterTool", "the WAV writer"));
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
                ? QCoreApplication::translate(
                      "ConverterTool", "FFmpeg, which does the conversion, was not found.\n\n")
                : QCoreApplication::translate(
                      "ConverterTool",
                      "The converter %1 named in LORVANE_FFMPEG was not found.\n\n")
                      .arg(named);
        check.problem += installHint();
        return check;
    }
    const QFileInfo info(program);
    if (!info.exists()) {
        check.problem =
            QCoreApplication::translate("ConverterTool", "The converter %1 was not found.\n\n")
                .arg(program) +
            installHint();
        return check;
    }
    if (!info.isFile() || !info.isExecutable()) {
        check.problem = QCoreApplication::translate(
                            "ConverterTool", "The converter %1 is not an executable program.\n\n")
                            .arg(program) +
                        installHint();
        return check;
    }

    // Remembered for this run per file and version of it, a failed verdict too; a usable one
    // is kept on disk for later runs as well: asking takes four runs of the tool.
    const QByteArray stamp = ProgramFileStamp(program);
    const QString memoKey = program + QLatin1Char('\n') + QString::fromLatin1(stamp);
    QHash<QString, QString>& memo = rememberedChecks();
    const auto known = memo.constFind(memoKey);
    if (!stamp.isEmpty() && known != memo.constEnd()) {
        check.problem = *known;
        return check;
    }
    const QString asking = checkAsking();
    if (CacheSaysUsable(program, stamp, asking)) {
        memo.insert(memoKey, QString());
        return check;
    }

    const auto answers = askTool(program, kQuestions);
    const QString name = answers[0] ? ProgramName(*answers[0]) : QString();
    if (!answers[0] || !answers[1] || !answers[2] || !answers[3] || name.isEmpty()) {
        check.problem = QCoreApplication::translate(
                            "ConverterTool", "The converter %1 did not answer as FFmpeg does.\n\n")
                            .arg(program) +
                        installHint();
    } else if (name != QLatin1String("ffmpeg")) {
        check.problem = QCoreApplication::translate(
                            "ConverterTool", "The converter %1 is %2, not FFmpeg itself.\n\n")
                            .arg(program, name) +
                        installHint();
    } else {
        const QStringList missing =
            MissingCapabilities(ParseToolListing(*answers[1]), ParseToolListing(*answers[2]),
                                ParseToolListing(*answers[3]));
        if (!missing.isEmpty()) {
            check.problem = describeMissing(program, missing);
        }
    }
    if (!stamp.isEmpty()) {
        memo.insert(memoKey, check.problem);
        if (check.usable()) {
            CacheUsable(program, stamp, asking);
        }
    }
    return check;
}

}  // namespace lorvane
