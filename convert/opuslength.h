#pragma once

// What an Ogg Opus file declares, read with libopusfile from its headers and granule
// positions, without decoding.

#include "convert/sourcelook.h"

#include <QByteArray>
#include <QList>

#include <optional>

namespace lorvane {

struct OpusDeclared {
    // Every stream at 48 kHz, the rate Opus always decodes at, its pre-skip and end trim
    // already taken off. FFmpeg gives exactly these frames (measured from 20 ms to 7 s, one
    // page and many, 8 to 48 kHz input, 2.5 to 120 ms frames, chained streams), so a stream
    // has no slack.
    VorbisLength length;
    QList<QByteArray> comments;  // the first stream's, "KEY=value"
};

// Reads the file open on `fd` from its start; empty when it is no seekable Ogg Opus file. The
// descriptor stays open and its offset is left anywhere.
std::optional<OpusDeclared> LookAtOpus(int fd);

}  // namespace lorvane
