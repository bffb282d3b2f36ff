#include "convert/sourcelook.h"

#include "convert/oggpages.h"
#include "convert/opuslength.h"
#include "platform/pathbytes.h"

#include <QCoreApplication>
#include <QLocale>

#include <ogg/ogg.h>
#include <vorbis/vorbisfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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

// Samples a Vorbis stream's first audio page decodes to beyond what its granule position
// says. libvorbis drops that many (at most that packet's own) from the output of the page's
// last packet, and FFmpeg, told to trim nothing, gives them: where, and how many.
std::pair<qint64, qint64> firstPageDrop(const QByteArray& bytes, vorbis_info* info) {
    if (bytes.size() < 27 || info == nullptr) {
        return {0, 0};
    }
    ogg_page page;
    page.header = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.constData()));
    page.header_len = 27 + page.header[26];
    page.body = page.header + page.header_len;
    page.body_len = static_cast<long>(bytes.size()) - page.header_len;
    const ogg_int64_t granule = ogg_page_granulepos(&page);
    // A stream whose first audio page is also its last is trimmed at its end instead; a page
    // that continues a packet is no stream's first.
    if (page.body_len < 0 || granule < 0 || ogg_page_eos(&page) || ogg_page_continued(&page)) {
        return {0, 0};
    }
    ogg_stream_state stream;
    ogg_stream_init(&stream, ogg_page_serialno(&page));
    ogg_stream_reset(&stream);  // expects any page number: no hole before this page
    ogg_stream_pagein(&stream, &page);
    ogg_packet packet;
    long previous = -1;
    qint64 decoded = 0;
    qint64 last = 0;
    while (ogg_stream_packetout(&stream, &packet) == 1) {
        const long block = vorbis_packet_blocksize(info, &packet);
        if (block <= 0) {
            continue;
        }
        last = previous > 0 ? previous / 4 + block / 4 : 0;
        decoded += last;
        previous = block;
    }
    ogg_stream_clear(&stream);
    const qint64 extra = decoded - granule;
    if (extra <= 0) {
        return {0, 0};
    }
    return {decoded - last, std::min(extra, last)};
}

std::optional<VorbisLength> vorbisLength(int fd, const OggPages& pages,
                                         QList<QByteArray>* comments) {
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
            VorbisLength::Link entry;
            entry.frames = static_cast<qint64>(frames);
            entry.rate = info->rate;
            entry.slack = static_cast<qint64>(vorbis_info_blocksize(info, 1));
            entry.channels = info->channels;
            if (pages.links.size() == ov_streams(&file)) {
                const OggPages::Link& walked = pages.links[link];
                entry.begin = walked.begin;
                entry.end = walked.end;
                const auto drop = firstPageDrop(walked.firstAudioPage, info);
                entry.dropAt = drop.first;
                entry.dropped = drop.second;
                entry.audioPages = walked.audioPages;
            }
            found.links.append(entry);
        }
        if (known && !found.links.isEmpty()) {
            length = found;
        }
        if (const vorbis_comment* tags = ov_comment(&file, 0)) {
            for (int i = 0; i < tags->comments; ++i) {
                comments->append(QByteArray(tags->user_comments[i], tags->comment_lengths[i]));
            }
        }
    }
    ov_clear(&file);  // no close callback: the descriptor stays ours
    return length;
}

// Loop positions count at the first stream's rate, as do the frames of a chained file's result.
SourceLoop loopOf(const QList<QByteArray>& comments, const VorbisLength& length) {
    const long rate = length.links.front().rate;
    qint64 frames = 0;
    for (const VorbisLength::Link& link : length.links) {
        frames += link.frames * rate / link.rate;
    }
    return ReadLoop(comments, rate, frames);
}

// m:ss.cc, or h:mm:ss.cc from an hour on.
QString clockText(double seconds) {
    const auto centis = static_cast<qint64>(seconds * 100 + 0.5);
    const qint64 hours = centis / 360000;
    const qint64 minutes = centis / 6000 % 60;
    // The decimal sign of the language the texts are in (a comma in German).
    const QString rest = QStringLiteral("%1%2%3")
                             .arg(centis / 100 % 60, 2, 10, QLatin1Char('0'))
                             .arg(QLocale().decimalPoint())
                             .arg(centis % 100, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QStringLiteral("%1:%2:%3")
                           .arg(hours)
                           .arg(minutes, 2, 10, QLatin1Char('0'))
                           .arg(rest)
                     : QStringLiteral("%1:%2").arg(minutes).arg(rest);
}

// How far the audio of a damaged source goes, in the words the reason gives it. The granule
// positions count from the stream's start (after Opus's pre-skip); libvorbisfile's length is
// no help here, as it may start counting after the damage.
QString damageText(const OggPages& pages) {
    const OggPages::Damage& damage = *pages.damage;
    if (damage.link == 0 && damage.inHeaders) {
        return QCoreApplication::translate("SourceLook", "its headers are damaged");
    }
    double before = 0;
    double at = 0;
    for (int k = 0; k < pages.links.size(); ++k) {
        const OggPages::Link& link = pages.links[k];
        if (link.rate <= 0) {
            continue;
        }
        const auto seconds = [&](qint64 granule) {
            return static_cast<double>(std::max<qint64>(0, granule - link.preSkip)) / link.rate;
        };
        if (k == damage.link) {
            at = before + (damage.inHeaders ? 0 : seconds(damage.goodGranule));
        }
        before += seconds(link.lastGranule);
    }
    if (before > at + 0.005) {
        //: In "The source is damaged (...)": where its sound stops, of how long it is.
        return QCoreApplication::translate("SourceLook", "its audio breaks off at %1 of %2")
            .arg(clockText(at), clockText(before));
    }
    return QCoreApplication::translate("SourceLook", "its audio breaks off at %1")
        .arg(clockText(at));
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
        QList<QByteArray> comments;
        const OggPages pages = ReadOggPages(fd);
        look.vorbis = vorbisLength(fd, pages, &comments);
        if (!look.vorbis) {
            if (std::optional<OpusDeclared> opus = LookAtOpus(fd)) {
                look.opus = opus->length;
                comments = opus->comments;
            }
        }
        if (look.declared()) {
            look.loop = loopOf(comments, *look.declared());
        }
        look.endsEarly = pages.endsEarly;
        if (pages.damage) {
            look.damage = damageText(pages);
        }
        look.lengthUnknown = !look.declared() &&
                             std::any_of(pages.links.begin(), pages.links.end(),
                                         [](auto& l) { return l.codec != OggPages::Link::Other; });
    }
    ::close(fd);
    return look;
}

ExactLinks SourceLook::exact() const {
    if (!vorbis || endsEarly || !damage.isEmpty()) {
        return {};
    }
    ExactLinks links;
    for (const VorbisLength::Link& link : vorbis->links) {
        if (link.frames <= 0 || (vorbis->links.size() > 1 && link.end <= link.begin)) {
            return {};
        }
        // FFmpeg's own trimming is exact for a stream of more pages than this (measured:
        // wrong for one and two, right from three, here with room to spare).
        constexpr int kPagesFFmpegTrimsWrongly = 4;
        const bool untrimmed = vorbis->links.size() > 1 || link.dropped > 0 ||
                               link.audioPages <= kPagesFFmpegTrimsWrongly;
        links.append({link.begin, link.end, link.dropAt, link.dropped, link.frames, link.rate,
                      link.channels, untrimmed});
    }
    return CanJoinExactly(links) ? links : ExactLinks();
}

}  // namespace lorvane
