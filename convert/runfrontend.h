#pragma once

#include "convert/runreport.h"

#include <QHash>
#include <QString>

namespace lorvane {

// What the user chose for a run. The run asks for it again at each step that reads one of
// these, so a change made while the run waits applies from the next file on.
struct ConversionChoices {
    QString formatLabel;            // a label of the format table (anything else: no codec)
    QString folderText;             // the output folder field, as typed
    bool saveToFolder = false;      // "Save results to this folder:"
    bool saveBesideSource = false;  // "Save results in folder of original file"
    // With "save to this folder": a source's folder below the output folder, relative (a kept
    // source tree); a source not named here goes to the output folder itself.
    QHash<QString, QString> subfolders;
};

// What a run tells its front end (the window, the batch mode), as it happens. Every event
// comes on the thread that runs the run, while the run waits for nothing else.
class ConversionEvents {
  public:
    virtual ~ConversionEvents() = default;
    // True from the moment the run has passed its first checks, again as each file or group
    // starts (another operation may have taken its own busy mark down meanwhile), and false
    // once its files are done.
    virtual void busyChanged(bool busy) { Q_UNUSED(busy); }
    // A file of the list is taken in hand, in list order, once each: its position (1-based),
    // the number of entries the list has now, and its path.
    virtual void fileStarted(int position, int total, const QString& source) {
        Q_UNUSED(position);
        Q_UNUSED(total);
        Q_UNUSED(source);
    }
    // A file is done, once each, as soon as it is (with several converters, not in list
    // order): converted (the reason is empty) or not, with the closing message's reason.
    virtual void fileDone(int position, const QString& source, const QString& reason) {
        Q_UNUSED(position);
        Q_UNUSED(source);
        Q_UNUSED(reason);
    }
    // How long a file's audio is, as its source declares, once the run has looked at it (at
    // least once per file before it is done, the latest telling; not for a file that declares
    // no length).
    virtual void fileMeasured(int position, double seconds) {
        Q_UNUSED(position);
        Q_UNUSED(seconds);
    }
    // How many seconds of a file's audio its converter has written so far, now and then (about
    // once a second) while it runs.
    virtual void fileWritten(int position, double seconds) {
        Q_UNUSED(position);
        Q_UNUSED(seconds);
    }
    // The run's progress as a bar shows it: a value from 0 to 100 (it may creep past 100 on
    // the last file) and a caption.
    virtual void progressChanged(double value, const QString& caption) {
        Q_UNUSED(value);
        Q_UNUSED(caption);
    }
    // The run did not start: no files, no folder, or no usable converter, in the words of
    // the message the user should read.
    virtual void refused(const QString& message) { Q_UNUSED(message); }
    // The run has ended; the report is the closing message.
    virtual void finished(const RunOutcome& outcome, const ClosingReport& report) {
        Q_UNUSED(outcome);
        Q_UNUSED(report);
    }
};

}  // namespace lorvane
