#pragma once

// The loop a source's comments mark for game engines (LOOPSTART with LOOPLENGTH or LOOPEND,
// in sample frames), which a WAV file carries in its sampler chunk instead.

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace lorvane {

// One forward loop: its first and its last frame (both inclusive, as a sampler chunk counts
// them), at `rate` frames a second.
struct LoopPoints {
    qint64 start = 0;
    qint64 end = 0;
    long rate = 0;
    bool operator==(const LoopPoints& other) const {
        return start == other.start && end == other.end && rate == other.rate;
    }
};

// What a source's comments say about a loop: none, a loop, or tags that had to be ignored and
// why (in words that follow "its loop tags were ignored: ").
struct SourceLoop {
    std::optional<LoopPoints> points;
    QString problem;
};

// Reads the loop from Vorbis-style comments ("KEY=value", keys in any letter case). Positions
// count at `rate`; the source holds `frames` frames at that rate. LOOPEND, as the engines that
// read it play it, is the first frame after the loop.
SourceLoop ReadLoop(const QList<QByteArray>& comments, long rate, qint64 frames);

// The loop at another rate, exact to the nearest frame: its start and the frame after its end
// are scaled, so a loop keeps its length in time. Empty when it does not survive the change
// (shorter than one frame at the new rate, or too far for the arithmetic).
std::optional<LoopPoints> LoopAtRate(const LoopPoints& loop, long rate);

}  // namespace lorvane
