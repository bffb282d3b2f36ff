#include "convert/resultcheck.h"

#include "convert/wavheader.h"
#include "platform/pathbytes.h"

#include <QCoreApplication>
#include <QList>

#include <cerrno>
#include <cstring>
#include <optional>

namespace lorvane {

namespace {

// FFmpeg reports a failing system call in the system's own words (strerror), at the end of
// its line after ": ".
bool isSystemError(const QByteArray& text, int* number = nullptr) {
    for (int e = 1; e < 134; ++e) {
        if (text == std::strerror(e)) {
            if (number != nullptr) {
                *number = e;
            }
            return true;
        }
    }
    return false;
}

QList<QByteArray> lines(const QByteArray& tail) {
    QList<QByteArray> out;
    for (const QByteArray& line : tail.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty()) {
            out.append(trimmed);
        }
    }
    return out;
}

QByteArray errorAfter(const QByteArray& line) {
    const qsizetype colon = line.lastIndexOf(": ");
    return colon < 0 ? QByteArray() : line.mid(colon + 2);
}

// The system error FFmpeg met reading the source, if it names one.
std::optional<QString> sourceReadError(const QString& sourcePath, const QByteArray& tail) {
    const QByteArray source = PathToBytes(sourcePath);
    for (const QByteArray& line : lines(tail)) {
        const QByteArray error = errorAfter(line);
        if (line.contains(source) && isSystemError(error)) {
            return QString::fromLocal8Bit(error);
        }
    }
    return std::nullopt;
}

// FFmpeg's refusal to overwrite ("File '...' already exists. Exiting." with no answer to
// give, "Not overwriting - exiting" when told no) names no system error: without this it
// would pass for a source it cannot read.
bool refusedToOverwrite(const QByteArray& tail) {
    return tail.contains("already exists. Exiting") || tail.contains("Not overwriting - exiting");
}

bool isWriteError(int number) {
    return number == ENOSPC || number == EDQUOT || number == EFBIG || number == EROFS;
}

}  // namespace

QString CheckResult(const SourceLook& source, const QString& sourcePath, const QString& output,
                    const QString& codec, const QByteArray& errorTail) {
    if (!source.damage.isEmpty()) {
        return reasons::damaged(source.damage);
    }
    const WavLook wav = LookAtWav(output);
    if (wav.problem == QLatin1String("missing") || wav.problem == QLatin1String("not a file")) {
        return reasons::noResult();
    }
    if (!wav.wellFormed()) {
        return reasons::incomplete();
    }
    if (const auto coding = CodingOfCodec(codec)) {
        if (wav.formatTag != coding->formatTag || wav.bitsPerSample != coding->bitsPerSample) {
            return reasons::wrongCoding();
        }
    }
    const auto readError = sourceReadError(sourcePath, errorTail);
    const std::optional<VorbisLength>& declared = source.declared();
    if (!declared) {
        if (readError) {
            return reasons::readCut(*readError);
        }
        // Nothing to measure the result against: an Ogg Vorbis or Opus stream of no known
        // length is not trusted, and any other source only while the converter found nothing
        // wrong with it.
        if (source.lengthUnknown) {
            return reasons::lengthUnknown();
        }
        const QString complaint = ConverterComplaint(errorTail);
        return complaint.isEmpty() ? QString() : reasons::damaged(complaint);
    }
    // Each stream at the result's rate (the links of a chained file are joined at the first
    // one's rate), exactly: the converter is told to keep libvorbisfile's samples.
    qint64 expected = 0;
    for (const VorbisLength::Link& link : declared->links) {
        expected += (link.frames * wav.sampleRate + link.rate / 2) / link.rate;
    }
    if (wav.frames < expected) {
        return readError ? reasons::readCut(*readError) : reasons::incomplete();
    }
    // Without an end mark nothing trims the last block's padding: a cut source's result may
    // run past its last granule position by up to one long block.
    qint64 slack = 0;
    if (source.endsEarly && !declared->links.isEmpty()) {
        const VorbisLength::Link& last = declared->links.last();
        slack = last.slack * wav.sampleRate / last.rate;
    }
    if (wav.frames > expected + slack) {
        return reasons::wrongLength();
    }
    return {};
}

QString ConverterComplaint(const QByteArray& errorTail) {
    for (QByteArray line : lines(errorTail)) {
        // "[ogg @ 0x55...] CRC mismatch!": the part of FFmpeg that spoke, then what it said.
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf("] ");
            line = close < 0 ? line : line.mid(close + 2);
        }
        if (!line.isEmpty() && !line.startsWith("Last message repeated")) {
            return QCoreApplication::translate("Reasons", "the converter reported: %1")
                .arg(QString::fromUtf8(line));
        }
    }
    return {};
}

QString ReasonForFailure(const QString& sourcePath, const QString& output,
                         const QByteArray& errorTail) {
    if (refusedToOverwrite(errorTail)) {
        return reasons::converterWouldNotReplace();
    }
    const QByteArray target = PathToBytes(output);
    const QByteArray source = PathToBytes(sourcePath);
    std::optional<QString> sourceError;
    for (const QByteArray& line : lines(errorTail)) {
        const QByteArray error = errorAfter(line);
        int number = 0;
        if (!isSystemError(error, &number)) {
            continue;
        }
        const QString text = QString::fromLocal8Bit(error);
        if (line.contains(target) || isWriteError(number)) {
            return reasons::notWritten(text);
        }
        // FFmpeg says "Invalid argument" of bytes that some demuxer took for its own and
        // then could not parse: no read of a regular file fails so, it is no audio.
        if (line.contains(source) && !sourceError && number != EINVAL) {
            sourceError = text;
        }
    }
    return sourceError ? reasons::unreadable(*sourceError) : reasons::notAudio();
}

}  // namespace lorvane
