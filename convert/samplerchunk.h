#pragma once

// The sampler chunk ("smpl") that carries a loop in a WAV file, where samplers and game
// engines look for it.

#include "convert/looppoints.h"

#include <QString>

namespace lorvane {

// Adds a sampler chunk with the one forward loop to the end of the WAV file open on `fd`
// (for reading and writing), its positions moved to the file's rate, and sets the RIFF or
// RF64 sizes to match; a RIFF file that the chunk takes past 4 GiB becomes RF64 in the room
// FFmpeg keeps free for that. Returns the empty text, or why the loop was left out (in words
// that follow "its loop points were left out: "); the file is then as it was.
QString AddSamplerLoop(int fd, const LoopPoints& loop);

// Carries a source's loop into its result (open on `fd`): what the user should be told, or
// the empty text when the source marks no loop or its loop was written.
QString CarryLoopOver(const SourceLoop& loop, int fd);

}  // namespace lorvane
