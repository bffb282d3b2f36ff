#include "convert/sourcelook.h"

#include "convert/opuslength.h"
#include "platform/pathbytes.h"

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

std::optional<VorbisLength> vorbisLength(int fd, QList<QByteArray>* comments) {
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
            found.links.append({static_cast<qint64>(frames), info->rate,
                                static_cast<qint64>(vorbis_info_blocksize(info, 1))});
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

// The largest page Ogg allows: a 27-byte header, 255 lacing values and 255 segments of 255.
constexpr off_t kLargestPage = 27 + 255 + 255 * 255;

// Whether the last whole page of an Ogg file lacks its end-of-stream mark. Two of the largest
// pages from the end always hold the start of a whole page unless the file ends in garbage;
// libogg checks each page's CRC, so bytes of audio that happen to read "OggS" are skipped.
// A chained file ends its last link like any other, so a cut page after a marked one (a copy
// that stopped at the start of the next link) is a cut too; other bytes after a marked last
// page (a tag some tool appended) do not make a file cut.
bool oggEndsEarly(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size < 27) {
        return false;
    }
    char magic[4] = {};
    if (::pread(fd, magic, sizeof magic, 0) != 4 || std::memcmp(magic, "OggS", 4) != 0) {
        return false;  // not Ogg at all: nothing to say about its pages
    }
    const off_t start = std::max<off_t>(0, st.st_size - 2 * kLargestPage);
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    bool sawPage = false;
    bool lastMarked = false;
    off_t at = start;
    off_t consumed = start;
    off_t afterLastPage = start;
    for (;;) {
        char* buffer = ogg_sync_buffer(&sync, 65536);
        const ssize_t got = buffer == nullptr ? -1 : ::pread(fd, buffer, 65536, at);
        if (got <= 0) {
            break;
        }
        at += got;
        ogg_sync_wrote(&sync, static_cast<long>(got));
        ogg_page page;
        long step = 0;
        while ((step = ogg_sync_pageseek(&sync, &page)) != 0) {
            consumed += step > 0 ? step : -step;
            if (step > 0) {
                sawPage = true;
                lastMarked = ogg_page_eos(&page) != 0;
                afterLastPage = consumed;
            }
        }
    }
    ogg_sync_clear(&sync);
    char next[4] = {};
    if (sawPage && lastMarked && ::pread(fd, next, sizeof next, afterLastPage) == 4 &&
        std::memcmp(next, "OggS", 4) == 0) {
        return true;  // a page begins after the marked one and never became whole
    }
    // No whole page in the tail: the last page was cut after more than a page of garbage,
    // or the file is nothing but a cut first page; either way the stream did not end.
    return !sawPage || !lastMarked;
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
        look.vorbis = vorbisLength(fd, &comments);
        if (!look.vorbis) {
            if (std::optional<OpusDeclared> opus = LookAtOpus(fd)) {
                look.opus = opus->length;
                comments = opus->comments;
            }
        }
        if (look.declared()) {
            look.loop = loopOf(comments, *look.declared());
        }
        look.endsEarly = oggEndsEarly(fd);
    }
    ::close(fd);
    return look;
}

}  // namespace lorvane
