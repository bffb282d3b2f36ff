#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace lorvane {

// The length an Ogg Vorbis file declares, as libvorbisfile reads it from the granule
// positions (no decoding). A chained file has one link per joined stream.
struct VorbisLength {
    struct Link {
        qint64 frames = 0;
        long rate = 0;
        // FFmpeg trims a stream's first and last blocks less exactly than libvorbisfile:
        // a file whose audio fits one page comes out up to a long block (mostly 2048
        // frames) shorter or longer than it declares.
        qint64 slack = 0;
    };
    QVector<Link> links;
    qint64 frames() const;
};

// What a queued source is, found out without ever blocking: a FIFO or a device is only
// looked at, never read.
struct SourceLook {
    enum Kind { RegularFile, NotAFile, Missing, Unreadable };
    Kind kind = Missing;
    QString error;                       // the system's wording, for Unreadable
    std::optional<VorbisLength> vorbis;  // for an Ogg Vorbis file
    bool isFile() const { return kind == RegularFile; }
};
SourceLook LookAtSource(const QString& path);

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

// Why a finished conversion (the converter said it succeeded) does not count, or the empty
// text when its result is complete: a well-formed WAV in the chosen coding, and for a Vorbis
// source exactly the frames it declares. `errorTail` is the end of what the converter wrote
// to its error output.
QString CheckResult(const SourceLook& source, const QString& sourcePath, const QString& output,
                    const QString& codec, const QByteArray& errorTail);

// Why a conversion the converter reported as failed did not work, told from the end of its
// error output: the result could not be written, the source could not be read, or (most
// often) the source is no audio it can read.
QString ReasonForFailure(const QString& sourcePath, const QString& output,
                         const QByteArray& errorTail);

// The reasons a file is not converted, in the words the closing message uses.
namespace reasons {
QString notAFile();
QString notFound();
QString unreadable(const QString& error);
QString notAudio();
QString replacesSource();
QString replacesResult(const QString& otherSource);
QString incomplete();
QString readCut(const QString& error);
QString wrongLength();
QString wrongCoding();
QString notWritten(const QString& error);
QString noResult();
QString converterStopped();
QString converterNotStarted();
QString noOutputPath();
QString oldResultStays(const QString& error);
}  // namespace reasons

}  // namespace lorvane
