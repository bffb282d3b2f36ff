#pragma once

// What a queued source is and how long it says it is, found out before it is converted.

#include "convert/commandline.h"
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
        // How far past its last granule position a stream without an end mark may run: no
        // end trim applies to its last block (mostly 2,048 frames).
        qint64 slack = 0;
        int channels = 0;
        // The link's bytes in the file, and the samples libvorbis drops of a stream whose
        // first page decodes to more than its granule position says.
        qint64 begin = 0;
        qint64 end = 0;
        qint64 dropAt = 0;
        qint64 dropped = 0;
        int audioPages = 0;
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
    // Why the source is damaged (a page lost, a hole, a checksum that fails), in words
    // that say how far its audio goes; empty when it is whole.
    QString damage;
    // An Ogg Vorbis or Opus stream whose length libvorbisfile or libopusfile could not tell:
    // nothing to check a result against.
    bool lengthUnknown = false;
    bool isFile() const { return kind == RegularFile; }
    // How the converter is to take each link for a result of exactly libvorbisfile's
    // samples; empty where FFmpeg's own reading is used (Opus, which it trims exactly; a
    // source cut short or damaged, which has no exact length).
    ExactLinks exact() const;
    // The length it declares, whichever its codec.
    const std::optional<VorbisLength>& declared() const { return vorbis ? vorbis : opus; }
};
SourceLook LookAtSource(const QString& path);

}  // namespace lorvane
