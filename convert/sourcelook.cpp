#include "convert/sourcelook.h"

#include "convert/opuslength.h"
#include "platform/pathbytes.h"

#include <vorbis/vorbisfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    }
    ::close(fd);
    return look;
}

}  // namespace lorvane
