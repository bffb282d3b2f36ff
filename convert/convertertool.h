#pragma once

#include <QString>
#include <QStringList>

namespace lorvane {

// "64" on a 64-bit system, "32" otherwise.
QString GetAddressWidth();

// The environment variable that names the converter to use instead of "ffmpeg" on PATH.
inline const char* converterVariable() {
    return "LORVANE_FFMPEG";
}

// The converter the program would use: the program named by LORVANE_FFMPEG (looked up on
// PATH when it is a bare name), otherwise "ffmpeg" on PATH. The same for either address
// width: the distribution's FFmpeg matches its system. Gives the absolute path, or the
// empty text when nothing was found.
QString ChooseConverterTool(const QString& addressWidth);

// What one of FFmpeg's listings (-encoders, -decoders, -muxers) offers: the names below the
// dashed line, each with its flag letters. A muxer line may name several formats at once.
struct ToolListing {
    QStringList names;
    QStringList flags;  // parallel to names
    bool has(const QString& name, QChar flag) const;
};
ToolListing ParseToolListing(const QString& text);

// The six PCM encoders, the Vorbis decoder and the WAV muxer every run relies on; a
// description of each one the listings lack.
QStringList MissingCapabilities(const ToolListing& encoders, const ToolListing& decoders,
                                const ToolListing& muxers);

// Whether a converter can do the program's work, and if not, what the user should read.
struct ToolCheck {
    QString program;  // absolute path of the chosen tool, empty when none was found
    QString problem;  // empty when the tool is usable
    bool usable() const { return problem.isEmpty(); }
};

// The name a program gives itself on the first line of its -version answer ("ffmpeg",
// "ffprobe", ...), or the empty text when it gives none.
QString ProgramName(const QString& versionAnswer);

// Checks the chosen tool (the result of ChooseConverterTool): it must be an executable file
// that calls itself "ffmpeg" and offers what MissingCapabilities asks. The tool is asked in
// a local event loop (the window stays responsive), within a time limit and reading a
// bounded amount of its answers. Verdicts are remembered per program file (its path and its
// stamp: device, inode, size, modification time): any verdict, a failed one too, for the rest
// of the program's run, and a usable one across runs in the user's cache folder (see
// checkcache.h), so that a later start asks the tool again only when the file was replaced
// or changed, or the check now asks something else. The existence test is made every time.
ToolCheck CheckConverterTool(const QString& program);

// For tests: forgets the verdicts remembered in this run, as a new start of the program
// would; the ones kept on disk stay.
void ForgetConverterChecks();

}  // namespace lorvane
