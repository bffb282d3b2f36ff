#include "convert/wavheader.h"

#include "platform/pathbytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace lorvane {

namespace {

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
    look.length = fileLength;
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
        if (std::memcmp(header, "JUNK", 4) == 0 && chunk == 0 && size >= 28) {
            look.junkOffset = offset;
        }
        if (std::memcmp(header, "ds64", 4) == 0 && look.rf64 && chunk == 0) {
            look.ds64Offset = offset;
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
            look.dataOffset = offset;
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

}  // namespace

WavLook LookAtWav(const QString& path) {
    WavLook look;
    const int fd = ::open(PathToBytes(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        look.problem = QStringLiteral("missing");
        return look;
    }
    look = LookAtWav(fd);
    ::close(fd);
    return look;
}

WavLook LookAtWav(int fd) {
    WavLook look;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        look.problem = QStringLiteral("not a file");
        return look;
    }
    return readWav(fd, static_cast<qint64>(st.st_size));
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

}  // namespace lorvane
