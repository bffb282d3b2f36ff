#pragma once

// Reading back what a WAV file holds, from its header alone.

#include <QString>

#include <optional>

namespace lorvane {

// The parts of a WAV file's header that say what it holds, read from RIFF or RF64.
struct WavLook {
    QString problem;    // empty for a well-formed file whose chunks agree with its length
    int formatTag = 0;  // 1 integer PCM, 3 floating point, 7 mu-law (the extensible sub-format)
    int bitsPerSample = 0;
    int channels = 0;
    qint64 sampleRate = 0;
    qint64 frames = 0;
    bool rf64 = false;
    // Where its chunks begin (-1: none): the ds64 of an RF64 file, the JUNK chunk FFmpeg
    // keeps free for one in a RIFF file that might outgrow 4 GiB, and the samples.
    qint64 ds64Offset = -1;
    qint64 junkOffset = -1;
    qint64 dataOffset = -1;
    qint64 length = 0;  // of the whole file, in bytes
    bool wellFormed() const { return problem.isEmpty(); }
};
// Reads the header in place; only the chunk headers are read, never the samples.
WavLook LookAtWav(const QString& path);
// The same through a descriptor open for reading.
WavLook LookAtWav(int fd);

// The sample coding a codec writes into a WAV file: format tag and bits per sample.
struct WavCoding {
    int formatTag = 0;
    int bitsPerSample = 0;
};
std::optional<WavCoding> CodingOfCodec(const QString& codec);

}  // namespace lorvane
