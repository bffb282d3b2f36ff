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
    bool wellFormed() const { return problem.isEmpty(); }
};
// Reads the header in place; only the chunk headers are read, never the samples.
WavLook LookAtWav(const QString& path);

// The sample coding a codec writes into a WAV file: format tag and bits per sample.
struct WavCoding {
    int formatTag = 0;
    int bitsPerSample = 0;
};
std::optional<WavCoding> CodingOfCodec(const QString& codec);

}  // namespace lorvane
