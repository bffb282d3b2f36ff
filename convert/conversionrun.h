#pragma once

#include "convert/runandwait.h"

#include <QHash>
#include <QList>
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
    virtual int waitTickMs() { return kWaitTickMs; }
};

// Keeps a run from destroying what it should not: a queued source (the output path names a
// source file itself, also through another spelling or a link) and a result this run already
// wrote for a different source (two sources of one name, one output folder).
class SourceKeeper {
  public:
    // A text that reaches a file is looked at once; asking again costs a lookup.
    void protect(const QString& source);
    // False when writing the output for this source would destroy a source or another
    // source's result.
    bool mayWrite(const QString& source, const QString& output) const;
    void recordResult(const QString& source, const QString& output);

  private:
    using FileId = QPair<quint64, quint64>;  // device, inode
    QSet<QString> m_protectedTexts;
    QSet<FileId> m_sources;
    QHash<FileId, FileId> m_resultSource;  // a result written by this run -> its source
};

// A source the run left unconverted, and why: a phrase about the file ("FFmpeg could not
// convert it").
struct NotConverted {
    QString source;
    QString reason;
};

// What a run hands back to the front end that started it; the window shows only its closing
// message, the batch mode turns it into its report and exit status.
struct ConversionOutcome {
    bool reachedEnd = false;           // the list was walked and "Done." closed the run
    QList<NotConverted> notConverted;  // in list order
};

// The run from the list test to the closing message (steps 104 to 164); the caller owns the
// re-entry mark around it.
ConversionOutcome RunConversion(ConversionHost& host, StepGuard& guard);

}  // namespace lorvane
