#include "convert/resultcheck.h"
#include "platform/pathbytes.h"

#include <QList>

#include <vorbis/vorbisfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace lorvane {

namespace {

// --- reading a Vorbis file through a descriptor we opened ourselves ---

size_t readFd(void* buffer, size_t size, size_t count, void* source) {
    const int fd = *static_cast<int*>(source);
    const ssize_t got = ::read(fd, buffer, size * count);
    return got <= 0 ? 0 : static_cast<size_t>(got) / size;
}

int seekFd(void* source, ogg_int64_t offset, int whence) {
    const int fd = *static_cast<int*>(source);
    return ::lseek(fd, static_cast<off_t>(offset), whence) < 0 ? -1 : 0;
}

long tellFd(void* source) {
    return static_cast<long>(::lseek(*static_cast<int*>(source), 0, SEEK_CUR));
}

std::optional<VorbisLength> vorbisLength(int fd) {
    const ov_callbacks callbacks{readFd, seekFd, nullptr, tellFd};
    OggVorbis_File file;
    int handle = fd;
    if (ov_open_callbacks(&handle, &file, nullptr, 0, callbacks) != 0) {
        return std::nullopt;  // not Ogg Vorbis (Opus in .ogg, another format) or unreadable
    }
    std::optional<VorbisLength> length;
    if (ov_seekable(&file) != 0) {
        VorbisLength found;
        bool known = true;
        for (int link = 0; link < ov_streams(&file); ++link) {
            const ogg_int64_t frames = ov_pcm_total(&file, link);
            vorbis_info* info = ov_info(&file, link);
            if (frames < 0 || info == nullptr || info->rate <= 0) {
                known = false;
                break;
            }
            found.links.append({static_cast<qint64>(frames), info->rate,
                                static_cast<qint64>(vorbis_info_blocksize(info, 1))});
        }
        if (known && !found.links.isEmpty()) {
            length = found;
        }
    }
    ov_clear(&file);  // no close callback: the descriptor stays ours
    return length;
}

// --- reading a WAV header ---

quint32 le32(const unsigned char* p) {
    return static_cast<quint32>(p[0]) | static_cast<quint32>(p[1]) << 8 |
           static_cast<quint32>(p[2]) << 16 | static_cast<quint32>(p[3]) << 24;
}
quint16 le16(const unsigned char* p) {
    return static_cast<quint16>(p[0] | p[1] << 8);
}
quint64 le64(const unsigned char* p) {
    return static_cast<quint64>(le32(p)) | static_cast<quint64>(le32(p + 4)) << 32;
}

bool readAt(int fd, qint64 offset, unsigned char* buffer, size_t length) {
    size_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd, buffer + done, length - done, offset + done);
        if (got <= 0) {
            return false;
        }
        done += static_cast<size_t>(got);
    }
    return true;
}

constexpr quint32 kUnknownSize = 0xFFFFFFFFu;
constexpr int kExtensibleTag = 0xFFFE;
constexpr int kMaxChunks = 4096;  // a header this busy is not one FFmpeg wrote

WavLook readWav(int fd, qint64 fileLength) {
    WavLook look;
    unsigned char head[12];
    if (fileLength < 12 || !readAt(fd, 0, head, sizeof head) ||
        std::memcmp(head + 8, "WAVE", 4) != 0) {
        look.problem = QStringLiteral("not a WAV file");
        return look;
    }
    look.rf64 = std::memcmp(head, "RF64", 4) == 0;
    if (!look.rf64 && std::memcmp(head, "RIFF", 4) != 0) {
        look.problem = QStringLiteral("not a WAV file");
        return look;
    }
    quint64 riffSize = le32(head + 4);
    std::optional<quint64> ds64Data;

    bool haveFormat = false;
    std::optional<quint64> dataSize;
    int blockAlign = 0;
    qint64 offset = 12;
    for (int chunk = 0; chunk < kMaxChunks; ++chunk) {
        if (offset == static_cast<qint64>(riffSize) + 8) {
            break;
        }
        unsigned char header[8];
        if (offset + 8 > fileLength || !readAt(fd, offset, header, sizeof header)) {
            look.problem = QStringLiteral("a chunk runs past the end of the file");
            return look;
        }
        quint64 size = le32(header + 4);
        const qint64 body = offset + 8;
        if (std::memcmp(header, "ds64", 4) == 0 && look.rf64 && chunk == 0) {
            unsigned char ds64[24];
            if (size < 24 || !readAt(fd, body, ds64, sizeof ds64)) {
                look.problem = QStringLiteral("a broken ds64 chunk");
                return look;
            }
            riffSize = le64(ds64);
            ds64Data = le64(ds64 + 8);
        } else if (std::memcmp(header, "fmt ", 4) == 0) {
            unsigned char format[40] = {};
            if (size < 16 || !readAt(fd, body, format, size < 40 ? size : 40)) {
                look.problem = QStringLiteral("a broken format chunk");
                return look;
            }
            look.formatTag = le16(format);
            look.channels = le16(format + 2);
            look.sampleRate = le32(format + 4);
            blockAlign = le16(format + 12);
            look.bitsPerSample = le16(format + 14);
            if (look.formatTag == kExtensibleTag) {
                if (size < 40) {
                    look.problem = QStringLiteral("a broken format chunk");
                    return look;
                }
                look.formatTag = le16(format + 24);  // the sub-format's first two bytes
            }
            haveFormat = true;
        } else if (std::memcmp(header, "data", 4) == 0) {
            if (look.rf64 && size == kUnknownSize) {
                if (!ds64Data) {
                    look.problem = QStringLiteral("an RF64 file without its sizes");
                    return look;
                }
                size = *ds64Data;
            }
            dataSize = size;
        }
        offset = body + static_cast<qint64>(size) + static_cast<qint64>(size & 1);
        if (offset > fileLength) {
            // A size that points beyond the end: the file was cut, or its sizes never written.
            look.problem = QStringLiteral("a chunk runs past the end of the file");
            return look;
        }
    }
    if (static_cast<qint64>(riffSize) + 8 != fileLength ||
        offset != static_cast<qint64>(riffSize) + 8) {
        look.problem = QStringLiteral("its sizes do not agree with its length");
        return look;
    }
    if (!haveFormat || !dataSize) {
        look.problem = QStringLiteral("no format or no samples");
        return look;
    }
    const int expectedAlign = look.channels * ((look.bitsPerSample + 7) / 8);
    if (look.channels < 1 || look.sampleRate < 1 || blockAlign != expectedAlign ||
        *dataSize % static_cast<quint64>(blockAlign) != 0) {
        look.problem = QStringLiteral("a format that does not fit its samples");
        return look;
    }
    look.frames = static_cast<qint64>(*dataSize / static_cast<quint64>(blockAlign));
    return look;
}

// --- FFmpeg's error output ---

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

bool isWriteError(int number) {
    return number == ENOSPC || number == EDQUOT || number == EFBIG || number == EROFS;
}

}  // namespace

qint64 VorbisLength::frames() const {
    qint64 total = 0;
    for (const Link& link : links) {
        total += link.frames;
    }
    return total;
}

SourceLook LookAtSource(const QString& path) {
    SourceLook look;
    // O_NONBLOCK: opening a FIFO must not wait for a writer. Only a regular file is read.
    const int fd = ::open(PathToBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        struct stat st {};
        if (err == ENOENT || err == ENOTDIR) {
            look.kind = SourceLook::Missing;
        } else if (::stat(PathToBytes(path).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
            look.kind = SourceLook::NotAFile;
        } else {
            look.kind = SourceLook::Unreadable;
            look.error = QString::fromLocal8Bit(std::strerror(err));
        }
        return look;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        look.kind = SourceLook::NotAFile;
    } else {
        look.kind = SourceLook::RegularFile;
        // Back to blocking reads: a regular file never waits, and libvorbisfile expects a
        // read that fails to have failed for good.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        look.vorbis = vorbisLength(fd);
    }
    ::close(fd);
    return look;
}

WavLook LookAtWav(const QString& path) {
    WavLook look;
    const int fd = ::open(PathToBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        look.problem = QStringLiteral("missing");
        return look;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        look.problem = QStringLiteral("not a file");
    } else {
        look = readWav(fd, static_cast<qint64>(st.st_size));
    }
    ::close(fd);
    return look;
}

std::optional<WavCoding> CodingOfCodec(const QString& codec) {
    struct Row {
        const char* codec;
        WavCoding coding;
    };
    static const Row rows[] = {
        {"pcm_u8", {1, 8}},     {"pcm_s16le", {1, 16}}, {"pcm_mulaw", {7, 8}},
        {"pcm_s24le", {1, 24}}, {"pcm_f32le", {3, 32}}, {"pcm_f64le", {3, 64}},
    };
    for (const Row& row : rows) {
        if (codec == QLatin1String(row.codec)) {
            return row.coding;
        }
    }
    return std::nullopt;
}

QString CheckResult(const SourceLook& source, const QString& sourcePath, const QString& output,
                    const QString& codec, const QByteArray& errorTail) {
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
    if (!source.vorbis) {
        // Without a declared length, a read error FFmpeg took for the end is the only sign.
        return readError ? reasons::readCut(*readError) : QString();
    }
    // Each stream at the result's rate (FFmpeg joins a chained file's streams at the first
    // one's rate), give or take its slack.
    qint64 expected = 0;
    qint64 slack = 0;
    for (const VorbisLength::Link& link : source.vorbis->links) {
        expected += link.frames * wav.sampleRate / link.rate;
        slack += link.slack * wav.sampleRate / link.rate;
    }
    if (wav.frames < expected - slack) {
        return readError ? reasons::readCut(*readError) : reasons::incomplete();
    }
    if (wav.frames > expected + slack) {
        return reasons::wrongLength();
    }
    return {};
}

QString ReasonForFailure(const QString& sourcePath, const QString& output,
                         const QByteArray& errorTail) {
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
        if (line.contains(source) && !sourceError) {
            sourceError = text;
        }
    }
    return sourceError ? reasons::unreadable(*sourceError) : reasons::notAudio();
}

namespace reasons {
QString notAFile() {
    return QStringLiteral("is not a file");
}
QString notFound() {
    return QStringLiteral("was not found");
}
QString unreadable(const QString& error) {
    return QStringLiteral("could not be read (%1)").arg(error);
}
QString notAudio() {
    return QStringLiteral("could not be read as audio");
}
QString replacesSource() {
    return QStringLiteral("its result would have replaced a queued source");
}
QString replacesResult(const QString& otherSource) {
    return QStringLiteral("its result would have replaced the result of %1 (same name)")
        .arg(otherSource);
}
QString incomplete() {
    return QStringLiteral("the result was incomplete");
}
QString readCut(const QString& error) {
    return QStringLiteral("could not be read to its end (%1)").arg(error);
}
QString wrongLength() {
    return QStringLiteral("the result's length did not match the source");
}
QString wrongCoding() {
    return QStringLiteral("the result did not hold the chosen sample format");
}
QString notWritten(const QString& error) {
    return QStringLiteral("could not be written (%1)").arg(error);
}
QString noResult() {
    return QStringLiteral("the converter wrote no result");
}
QString converterStopped() {
    return QStringLiteral("the converter stopped before it finished");
}
QString converterNotStarted() {
    return QStringLiteral("the converter could not be started");
}
QString noOutputPath() {
    return QStringLiteral("no result path could be made for it");
}
QString oldResultStays() {
    return QStringLiteral("an older file of its result's name could not be removed");
}
}  // namespace reasons

}  // namespace lorvane
