#pragma once

#include "convert/commandline.h"
#include "convert/runandwait.h"

#include <QHash>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

namespace lorvane {

class StepGuard;

// What a conversion run reads from and shows in the window. Every value is read at the moment
// the run needs it, so changes made while the run waits apply from the next file on. The
// indicator half (setText, setValue) is the progress bar.
class ConversionHost : public ProgressIndicator {
  public:
    virtual int entryCount() = 0;
    virtual QString entryText(int position) = 0;  // 1-based
    virtual QString folderText() = 0;
    virtual bool saveToFolder() = 0;      // "Save results to this folder:"
    virtual bool saveBesideSource() = 0;  // "Save results in folder of original file"
    virtual QString formatLabel() = 0;
    virtual void setBusyPointer(bool busy) = 0;
    virtual QString progressText() = 0;
    virtual double progressValue() = 0;
    // A plain message box with the application title.
    virtual void showMessage(const QString& text) = 0;
    // The message that ends a run, with every file that was not converted in its details.
    virtual void showClosingMessage(const ClosingReport& report) = 0;
    virtual int waitTickMs() { return kWaitTickMs; }
};

// Keeps a run from destroying what it should not: a queued source (the output path names a
// source file itself, also through another spelling or a link) and a result this run already
// wrote for a different source (two sources of one name, one output folder).
class SourceKeeper {
  public:
    // A text that reaches a file is looked at once; asking again costs a lookup.
    void protect(const QString& source);
    // Why writing the output for this source would destroy a source or another source's
    // result, or the empty text when it may be written.
    QString refusal(const QString& source, const QString& output) const;
    void recordResult(const QString& source, const QString& output);

  private:
    using FileId = QPair<quint64, quint64>;  // device, inode
    struct Result {
        FileId source;
        QString sourceText;
    };
    QSet<QString> m_protectedTexts;
    QSet<FileId> m_sources;
    QHash<FileId, Result> m_results;  // a result written by this run -> its source
};

struct SourceLook;

// How many converters run at once: LORVANE_JOBS when it names a whole number from 1 on,
// otherwise one per core. With 1 the files are converted one after the other, each waited
// for before the next begins.
int ConversionJobs();
constexpr int kMaxJobs = 64;

// Consecutive Vorbis files share one converter run: FFmpeg's start-up (about 0.1 s, mostly
// loading its libraries) costs more than decoding a minute of audio. A group holds at most
// kGroupFiles files and kGroupSeconds of audio, so the files still spread over every core and
// the bar keeps moving; a longer file runs alone.
constexpr int kGroupFiles = 10;
constexpr int kGroupSeconds = 300;
// The declared length of a file that may join a group, or -1.
double GroupableSeconds(const SourceLook& look);

// How a run ended: whether it got as far as converting, and which files it did not convert.
struct RunOutcome {
    bool ran = false;  // false when refused: no files, no folder, or no usable converter
    int converted = 0;
    QVector<FileFailure> failures;
};

// The run from the list test to the closing message (steps 104 to 164); the caller owns the
// re-entry mark around it.
RunOutcome RunConversion(ConversionHost& host, StepGuard& guard);

}  // namespace lorvane
