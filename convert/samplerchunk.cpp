#include "convert/samplerchunk.h"

#include "convert/wavheader.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QVector>

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lorvane {

namespace {

constexpr quint32 kUnknownSize = 0xFFFFFFFFu;
constexpr int kSamplerBody = 36 + 24;  // the sampler's fields and one loop
constexpr int kDs64Body = 28;          // RIFF size, data size, frames, an empty table

void put32(QByteArray& bytes, quint32 value) {
    for (int i = 0; i < 4; ++i) {
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
    }
}
void put64(QByteArray& bytes, quint64 value) {
    put32(bytes, static_cast<quint32>(value & 0xffffffffu));
    put32(bytes, static_cast<quint32>(value >> 32));
}
quint32 le32(const QByteArray& bytes, int at) {
    quint32 value = 0;
    for (int i = 3; i >= 0; --i) {
        value = value << 8 | static_cast<quint8>(bytes.at(at + i));
    }
    return value;
}

QByteArray samplerChunk(const LoopPoints& loop) {
    QByteArray chunk("smpl", 4);
    put32(chunk, kSamplerBody);
    put32(chunk, 0);                                                                 // manufacturer
    put32(chunk, 0);                                                                 // product
    put32(chunk, static_cast<quint32>((1000000000LL + loop.rate / 2) / loop.rate));  // ns a frame
    put32(chunk, 60);  // unity note: middle C, as samplers assume without one
    put32(chunk, 0);   // pitch fraction
    put32(chunk, 0);   // SMPTE format
    put32(chunk, 0);   // SMPTE offset
    put32(chunk, 1);   // loops
    put32(chunk, 0);   // sampler data
    put32(chunk, 0);   // cue point
    put32(chunk, 0);   // forward
    put32(chunk, static_cast<quint32>(loop.start));
    put32(chunk, static_cast<quint32>(loop.end));
    put32(chunk, 0);  // fraction
    put32(chunk, 0);  // play count: for ever
    return chunk;
}

bool writeAt(int fd, qint64 offset, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::pwrite(fd, bytes.constData() + done,
                                       static_cast<size_t>(bytes.size() - done), offset + done);
        if (wrote <= 0) {
            if (wrote == 0) {
                errno = EIO;
            }
            return false;
        }
        done += wrote;
    }
    return true;
}

bool readAt(int fd, qint64 offset, QByteArray* bytes, int length) {
    bytes->resize(length);
    const ssize_t got = ::pread(fd, bytes->data(), static_cast<size_t>(length), offset);
    if (got != length && got >= 0) {
        errno = EIO;
    }
    return got == length;
}

// One change to the header: where, what it was, what it becomes.
struct Patch {
    qint64 offset = 0;
    QByteArray before;
    QByteArray after;
};

}  // namespace

QString AddSamplerLoop(int fd, const LoopPoints& loop) {
    const WavLook wav = LookAtWav(fd);
    if (!wav.wellFormed()) {
        return QCoreApplication::translate("LoopPoints", "the result is no whole WAV file");
    }
    const std::optional<LoopPoints> points = LoopAtRate(loop, static_cast<long>(wav.sampleRate));
    if (!points) {
        return QCoreApplication::translate("LoopPoints",
                                           "the loop does not survive the change of rate");
    }
    if (points->end >= wav.frames) {
        return QCoreApplication::translate("LoopPoints",
                                           "the loop runs past the end of the result");
    }
    if (points->end > static_cast<qint64>(kUnknownSize)) {
        return QCoreApplication::translate(
            "LoopPoints", "the loop lies beyond what a WAV sampler chunk can point at");
    }
    const QByteArray chunk = samplerChunk(*points);
    const quint64 riffSize = static_cast<quint64>(wav.length - 8 + chunk.size());

    QVector<Patch> patches;
    const auto patch = [&](qint64 offset, const QByteArray& after) {
        Patch p{offset, {}, after};
        if (!readAt(fd, offset, &p.before, static_cast<int>(after.size()))) {
            return false;
        }
        patches.append(p);
        return true;
    };
    bool read = true;
    if (wav.rf64) {
        QByteArray size;
        put64(size, riffSize);
        read = patch(wav.ds64Offset + 8, size);
    } else if (riffSize <= kUnknownSize) {
        QByteArray size;
        put32(size, static_cast<quint32>(riffSize));
        read = patch(4, size);
    } else if (wav.junkOffset == 12 && wav.dataOffset > 0) {
        QByteArray junkHeader;
        read = readAt(fd, wav.junkOffset, &junkHeader, 8);
        QByteArray head("RF64", 4);
        put32(head, kUnknownSize);
        QByteArray ds64("ds64", 4);
        put32(ds64, read ? le32(junkHeader, 4) : 0);  // the room keeps its size
        QByteArray dataSize;
        read = read && readAt(fd, wav.dataOffset + 4, &dataSize, 4);
        const quint64 samples = static_cast<quint64>(wav.frames) *
                                static_cast<quint64>(wav.channels) *
                                static_cast<quint64>((wav.bitsPerSample + 7) / 8);
        put64(ds64, riffSize);
        put64(ds64, samples);
        put64(ds64, static_cast<quint64>(wav.frames));
        put32(ds64, 0);
        QByteArray unknown;
        put32(unknown, kUnknownSize);
        read = read && patch(0, head) && patch(wav.junkOffset, ds64.left(8 + kDs64Body)) &&
               patch(wav.dataOffset + 4, unknown);
    } else {
        return QCoreApplication::translate("LoopPoints",
                                           "the result has no room for the sizes past 4 GiB");
    }
    if (!read) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }

    // The chunk first, then the sizes that count it; a failure undoes both.
    bool written = writeAt(fd, wav.length, chunk);
    for (const Patch& p : patches) {
        written = written && writeAt(fd, p.offset, p.after);
    }
    if (written) {
        return {};
    }
    const int error = errno;
    for (const Patch& p : patches) {
        writeAt(fd, p.offset, p.before);
    }
    if (::ftruncate(fd, static_cast<off_t>(wav.length)) != 0) {
        // The sizes say where the file ends; what lies beyond is never read.
    }
    return QString::fromLocal8Bit(std::strerror(error));
}

QString CarryLoopOver(const SourceLoop& loop, int fd) {
    if (!loop.problem.isEmpty()) {
        return QCoreApplication::translate("LoopPoints", "its loop tags were ignored: %1")
            .arg(loop.problem);
    }
    if (!loop.points) {
        return {};
    }
    const QString why = AddSamplerLoop(fd, *loop.points);
    return why.isEmpty()
               ? QString()
               : QCoreApplication::translate("LoopPoints", "its loop points were left out: %1")
                     .arg(why);
}

}  // namespace lorvane
