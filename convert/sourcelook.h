#pragma once

// What a queued source is and how long it says it is, found out before it is converted.

#include "convert/looppoints.h"

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
    std::optional<VorbisLength> opus;    // for an Ogg Opus file, at 48 kHz
    SourceLoop loop;                     // the loop its comments mark, either codec
    // An Ogg file whose last whole page carries no end-of-stream mark: it was cut short (an
    // interrupted download or copy). Both libvorbisfile and FFmpeg read such a file up to its
    // last whole page without a word, so only this tells the user that the result holds
    // less than the source was meant to.
    bool endsEarly = false;
    bool isFile() const { return kind == RegularFile; }
    // The length it declares, whichever its codec.
    const std::optional<VorbisLength>& declared() const { return vorbis ? vorbis : opus; }
};
SourceLook LookAtSource(const QString& path);

}  // namespace lorvane
