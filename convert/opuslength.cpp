#include "convert/opuslength.h"

#include <opusfile.h>

#include <unistd.h>

namespace lorvane {

namespace {

constexpr long kOpusRate = 48000;

int readFd(void* source, unsigned char* buffer, int bytes) {
    const ssize_t got = ::read(*static_cast<int*>(source), buffer, static_cast<size_t>(bytes));
    return got < 0 ? -1 : static_cast<int>(got);
}

int seekFd(void* source, opus_int64 offset, int whence) {
    return ::lseek(*static_cast<int*>(source), static_cast<off_t>(offset), whence) < 0 ? -1 : 0;
}

opus_int64 tellFd(void* source) {
    return static_cast<opus_int64>(::lseek(*static_cast<int*>(source), 0, SEEK_CUR));
}

}  // namespace

std::optional<OpusDeclared> LookAtOpus(int fd) {
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        return std::nullopt;
    }
    // No close callback: the descriptor stays the caller's.
    const OpusFileCallbacks callbacks{readFd, seekFd, tellFd, nullptr};
    int handle = fd;
    int error = 0;
    OggOpusFile* file = op_open_callbacks(&handle, &callbacks, nullptr, 0, &error);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::optional<OpusDeclared> declared;
    if (op_seekable(file) != 0) {
        OpusDeclared found;
        bool known = true;
        for (int link = 0; link < op_link_count(file); ++link) {
            const ogg_int64_t frames = op_pcm_total(file, link);
            if (frames < 0) {
                known = false;
                break;
            }
            found.length.links.append({static_cast<qint64>(frames), kOpusRate, 0});
        }
        if (const OpusTags* tags = op_tags(file, 0)) {
            for (int i = 0; i < tags->comments; ++i) {
                found.comments.append(QByteArray(tags->user_comments[i], tags->comment_lengths[i]));
            }
        }
        if (known && !found.length.links.isEmpty()) {
            declared = found;
        }
    }
    op_free(file);
    return declared;
}

}  // namespace lorvane
