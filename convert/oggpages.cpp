#include "convert/oggpages.h"

#include <ogg/ogg.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QHash>

#include <algorithm>
#include <cstring>

namespace lorvane {

namespace {

constexpr long kReadSize = 1 << 16;
// The largest page Ogg allows: a 27-byte header, 255 lacing values and 255 segments of 255.
constexpr qint64 kLargestPage = 27 + 255 + 255 * 255;

quint32 littleEndian32(const unsigned char* p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

// What a link's first header page says of its codec.
void readIdentification(const ogg_page& page, OggPages::Link& link) {
    const unsigned char* body = page.body;
    const long size = page.body_len;
    if (size >= 16 && std::memcmp(body, "\x01vorbis", 7) == 0) {
        link.codec = OggPages::Link::Vorbis;
        link.channels = body[11];
        link.rate = static_cast<long>(littleEndian32(body + 12));
    } else if (size >= 19 && std::memcmp(body, "OpusHead", 8) == 0) {
        link.codec = OggPages::Link::Opus;
        link.channels = body[9];
        link.preSkip = body[10] | body[11] << 8;
        link.rate = 48000;
    }
}

// Whether these bytes begin a page that is whole in length, so that its checksum, not a cut,
// kept it from being read.
bool holdsWholePage(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype at = bytes.indexOf("OggS"); at >= 0; at = bytes.indexOf("OggS", at + 1)) {
        if (size - at < 27) {
            return false;
        }
        const int segments = p[at + 26];
        if (size - at < 27 + segments) {
            continue;
        }
        qint64 length = 27 + segments;
        for (int i = 0; i < segments; ++i) {
            length += p[at + 27 + i];
        }
        if (size - at >= length) {
            return true;
        }
    }
    return false;
}

class PageWalk {
  public:
    explicit PageWalk(OggPages& out) : m_out(out) {}

    void page(const ogg_page& page, qint64 at, qint64 next) {
        const int serial = ogg_page_serialno(&page);
        const bool bos = ogg_page_bos(&page) != 0;
        if (bos) {
            if (!m_inStartPages) {
                if (!m_out.links.isEmpty()) {
                    m_out.links.last().end = at;
                }
                OggPages::Link link;
                link.begin = at;
                m_out.links.append(link);
                m_audioSerial.reset();
                m_streams.clear();
            }
            m_inStartPages = true;
            OggPages::Link& link = m_out.links.last();
            if (!m_audioSerial) {
                readIdentification(page, link);
                if (link.codec != OggPages::Link::Other) {
                    m_audioSerial = serial;
                }
            }
            m_streams.insert(serial, {ogg_page_pageno(&page) + 1, false});
        } else {
            m_inStartPages = false;
            const auto stream = m_streams.find(serial);
            if (m_out.links.isEmpty() || stream == m_streams.end() || stream->ended) {
                damageAt(at);  // a stream whose first page was lost, or a page after its end
            } else {
                if (ogg_page_pageno(&page) != stream->nextPage) {
                    damageAt(at);  // a page in between was lost
                }
                stream->nextPage = ogg_page_pageno(&page) + 1;
                stream->ended = ogg_page_eos(&page) != 0;
            }
        }
        if (m_out.links.isEmpty()) {
            return;
        }
        OggPages::Link& link = m_out.links.last();
        link.end = next;
        if (m_audioSerial && serial == *m_audioSerial) {
            const ogg_int64_t granule = ogg_page_granulepos(&page);
            // The last header page is the one a granule position first marks.
            m_headersRead = m_headersRead || (!bos && granule >= 0);
            if (!bos && granule != 0 && !m_audioSeen) {
                m_audioSeen = true;
                if (link.codec == OggPages::Link::Vorbis) {
                    link.firstAudioPage =
                        QByteArray(reinterpret_cast<const char*>(page.header), page.header_len) +
                        QByteArray(reinterpret_cast<const char*>(page.body), page.body_len);
                }
            }
            if (m_audioSeen) {
                ++link.audioPages;
                if (granule >= 0) {
                    link.lastGranule = granule;
                }
            }
            link.ended = ogg_page_eos(&page) != 0;
        }
        if (bos) {
            m_audioSeen = false;
            m_headersRead = false;
        }
    }

    void damageAt(qint64 at) {
        if (m_out.damage) {
            return;
        }
        OggPages::Damage damage;
        damage.offset = at;
        damage.link = std::max(0, static_cast<int>(m_out.links.size()) - 1);
        damage.inHeaders = !m_headersRead;
        if (!m_out.links.isEmpty()) {
            damage.goodGranule = m_out.links.last().lastGranule;
        }
        m_out.damage = damage;
    }

    // Every stream of the last link has ended (a chained file ends each link in turn).
    bool allEnded() const {
        return !m_streams.isEmpty() && std::all_of(m_streams.begin(), m_streams.end(),
                                                   [](const Stream& s) { return s.ended; });
    }

  private:
    struct Stream {
        long nextPage = 0;
        bool ended = false;
    };
    OggPages& m_out;
    QHash<int, Stream> m_streams;  // the current link's
    std::optional<int> m_audioSerial;
    bool m_inStartPages = false;
    bool m_audioSeen = false;    // the current link's audio has begun
    bool m_headersRead = false;  // and its headers are whole
};

}  // namespace

OggPages ReadOggPages(int fd) {
    OggPages out;
    struct stat st {};
    char magic[4] = {};
    if (::fstat(fd, &st) != 0 || st.st_size < 27 || ::pread(fd, magic, 4, 0) != 4 ||
        std::memcmp(magic, "OggS", 4) != 0) {
        return out;
    }
    out.isOgg = true;
    PageWalk walk(out);
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    qint64 readAt = 0;
    qint64 consumed = 0;
    qint64 skippedFrom = -1;  // where bytes that were no page begin, not yet followed by one
    for (;;) {
        char* buffer = ogg_sync_buffer(&sync, kReadSize);
        const ssize_t got = buffer == nullptr ? -1 : ::pread(fd, buffer, kReadSize, readAt);
        if (got <= 0) {
            break;
        }
        readAt += got;
        ogg_sync_wrote(&sync, static_cast<long>(got));
        ogg_page page;
        long step = 0;
        while ((step = ogg_sync_pageseek(&sync, &page)) != 0) {
            if (step < 0) {
                if (skippedFrom < 0) {
                    skippedFrom = consumed;
                }
                consumed -= step;
                continue;
            }
            if (skippedFrom >= 0) {
                walk.damageAt(skippedFrom);  // a hole, or a page that failed its checksum
                skippedFrom = -1;
            }
            walk.page(page, consumed, consumed + step);
            consumed += step;
        }
    }
    ogg_sync_clear(&sync);
    // What is left after the last whole page: nothing, a page cut short, a page whose checksum
    // failed, or bytes some tool appended after the end.
    const qint64 tailFrom = skippedFrom >= 0 ? skippedFrom : consumed;
    QByteArray tail;
    if (tailFrom < st.st_size) {
        const qint64 length = std::min<qint64>(st.st_size - tailFrom, 2 * kLargestPage);
        tail.resize(length);
        tail.resize(std::max<ssize_t>(0, ::pread(fd, tail.data(), length, tailFrom)));
    }
    if (holdsWholePage(tail)) {
        walk.damageAt(tailFrom);
    } else if (!walk.allEnded() || tail.startsWith("OggS")) {
        // The last page never became whole or never marked the end; or a page began after
        // the marked one (a copy that stopped at the start of the next link).
        out.endsEarly = true;
    }
    return out;
}

}  // namespace lorvane
