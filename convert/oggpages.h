#pragma once

// The Ogg layer of a source, read page by page with libogg before the converter sees it:
// where each chained stream lies, and whether any page was damaged, lost or cut off. FFmpeg
// decodes past a damaged page without failing, and libvorbisfile may then not tell a length
// at all, so only this says that a result would hold less than the source.

#include <QByteArray>
#include <QVector>

#include <optional>

namespace lorvane {

struct OggPages {
    // One chained stream (a "link"): its audio stream's pages, from its first header page
    // up to where the next link begins.
    struct Link {
        enum Codec { Vorbis, Opus, Other };
        Codec codec = Other;
        qint64 begin = 0;  // byte offsets in the file
        qint64 end = 0;
        long rate = 0;  // from the identification header; 48,000 for Opus
        int channels = 0;
        qint64 preSkip = 0;         // Opus only
        qint64 lastGranule = -1;    // the last whole page's
        QByteArray firstAudioPage;  // a Vorbis link's first page after its headers, whole
        int audioPages = 0;         // pages after the headers
        bool ended = false;         // its end-of-stream page was seen
    };
    struct Damage {
        qint64 offset = 0;        // where in the file
        int link = 0;             // the link it is in
        qint64 goodGranule = -1;  // that link's last granule position before it
        bool inHeaders = false;   // before the link's headers were whole
    };
    bool isOgg = false;  // begins with a page
    QVector<Link> links;
    // The stream stops without its end mark: the file was cut short (the last page cut or
    // never marked), as an interrupted download or copy leaves it.
    bool endsEarly = false;
    // The first damage found: bytes that are no page (a hole, a page whose checksum fails)
    // before the end, or a page number skipped (a page lost).
    std::optional<Damage> damage;
};

// Reads every page of the file open on `fd`, from its start, with pread (the offset is left
// alone). A file that does not begin with a page gives isOgg false and nothing else.
OggPages ReadOggPages(int fd);

}  // namespace lorvane
