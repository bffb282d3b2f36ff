#pragma once

// What a queued source is and how long it says it is, found out before it is converted.

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
    // An Ogg file whose last whole page carries no end-of-stream mark: it was cut short (an
    // interrupted download or copy). Both libvorbisfile and FFmpeg read such a file up to its
    // last whole page without a word, so only this tells the user that the result holds
    // less than the source was meant to.
    bool endsEarly = false;
    bool isFile() const { return kind == RegularFile; }
};
SourceLook LookAtSource(const QString& path);

}  // namespace lorvane
