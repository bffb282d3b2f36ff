#pragma once

#include "platform/paths.h"

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace lorvane {

// The tool path between double quotes.
QString ComposeToolCommand(const QString& toolPath);

// -i "source" -acodec codec "output", the paths quoted as they are, without escaping. This is
// the text form of a conversion, the way it has always been written out; the tool itself is
// started with ToolArguments, never by handing this text to a shell or splitting it again.
QString ComposeArguments(const QString& source, const QString& codec, const QString& output);

// The tool command, one space, and the arguments.
QString ComposeCommandLine(const QString& toolPath, const QString& source, const QString& codec,
                           const QString& output);

// The argument vector the tool is started with: the same request as ComposeArguments, with
// every path handed over as a "file:" address so no name (one beginning with "-", or one
// that looks like "proto:...") can be taken for an option or another protocol, -nostdin so
// FFmpeg never reads the keyboard nor asks a question, only errors on its error output, and
// RF64 whenever a result grows past the 4 GiB a plain WAV file can describe. The run hands
// over descriptors it opened itself (/dev/fd/N): the output already exists as the run's own
// temporary file, so -y lets FFmpeg write it, and -f wav says what the name no longer does.
// -filter_threads 1: the audio filters FFmpeg puts between decoder and encoder never use
// more than one thread, and asking for one spares starting a thread per core for nothing.
// The tags go along: the file's own and, where Ogg keeps them, those of its audio stream,
// which the WAV file carries in its LIST INFO chunk.
//
// With `exact` (one entry per chained stream of a whole Ogg Vorbis source) the result holds
// exactly the samples libvorbisfile decodes: FFmpeg 5.1's Ogg reader trims the end of a stream
// that fits in one or two pages wrongly (up to a block too many or too few), so for such a
// stream FFmpeg is told to trim nothing itself (-flags2 +skip_manual; it costs a long file some
// 5 % of its conversion, so longer streams keep FFmpeg's own trimming, exact there) and atrim
// keeps the stream's own samples. A chained file is read link by link (FFmpeg joins links with
// a misaligned seam) and the links are joined again at the first link's rate.
struct ExactLink {
    qint64 begin = 0;  // the link's bytes in the file
    qint64 end = 0;
    // Samples libvorbis drops where a stream's first page says it holds fewer than it
    // decodes to: from that page's last packet on, as libvorbis trims them.
    qint64 dropAt = 0;
    qint64 dropped = 0;
    qint64 frames = 0;  // samples libvorbisfile gives
    long rate = 0;
    int channels = 0;
    bool untrimmed = true;  // FFmpeg is to trim nothing of the stream itself
};
using ExactLinks = QVector<ExactLink>;
QStringList ToolArguments(const QString& source, const QString& codec, const QString& output,
                          const ExactLinks& exact = {});
// Whether a chained file's links can be joined exactly: each at most stereo, or all of one
// channel count, so no layout has to be guessed.
bool CanJoinExactly(const ExactLinks& links);

// One converter run for several files of one format: every source an input, and every
// result an output of its own with its own stream, tags and chapters, so each result is
// byte for byte what the file alone would give. With several inputs FFmpeg reads each in a
// thread of its own and hands its packets over through a queue, by default of 8: the
// threads then wake each other every few packets. `queuePackets` (parallel to the files,
// may be empty) sizes each input's queue to hold the whole file; it changes no byte of the
// results. `exact` (parallel to the files, may be empty) trims each single-link Vorbis input
// as ToolArguments does; an entry with no frames is taken as FFmpeg gives it.
QStringList GroupToolArguments(const QVector<QPair<QString, QString>>& sourcesAndOutputs,
                               const QString& codec, const QVector<int>& queuePackets = {},
                               const ExactLinks& exact = {});

// The queue that holds every packet of a Vorbis input of `frames` samples per channel, with
// room to spare: about 44 packets a second at 44.1 kHz (long blocks carry 1,024 samples),
// short blocks a little more. Bounded, as each slot is memory FFmpeg sets aside up front.
int InputQueuePackets(qint64 frames);

// One start of the tool: the command line as text, and what is actually started.
struct ToolCall {
    QString commandLine;
    QString program;
    QStringList arguments;
};
ToolCall ComposeToolCall(const QString& toolPath, const QString& source, const QString& codec,
                         const QString& output);

// Where the result of one source goes. With "save to this folder" on: the folder text, a
// separator and the source's name with ".wav" for its last extension; with "save in folder of
// original file" on: the same beside the source; with neither: the folder text itself. The
// joins are collapsed (doubled separators removed).
QString OutputPathFor(const QString& source, const QString& folderText, bool saveToFolder,
                      bool saveBesideSource, PathStyle style = PathStyle::native());

}  // namespace lorvane
