#pragma once

// Which queued sources the batch mode hands to the run, and where each result goes: the
// source tree kept below the output folder, and the results already up to date left alone.

#include "app/batchreport.h"
#include "convert/runfrontend.h"
#include "platform/stepguard.h"

#include <QStringList>
#include <QVector>

namespace lorvane {

// A queued source and, when it was found under a folder given on the command line, its folder
// relative to that folder ("" for a file given directly or found at the folder's top).
struct QueuedSource {
    QString source;
    QString subfolder;
};

// The files as given and every file of each folder's tree that has one of the extensions
// (separated by commas or blanks; "*": every file), in order. The walk reports its own
// failures to the reporter. The folders that gave no file go to emptyFolders, when given.
QVector<QueuedSource> QueueBatchItems(const QStringList& items, const QString& extension,
                                      FailureReporter& reporter,
                                      QStringList* emptyFolders = nullptr);

struct BatchPlan {
    QVector<BatchRecord> records;  // every queued source, in order; the run fills in the rest
    QVector<int> toConvert;        // the records the run converts, in order
};

// Where each result goes and which sources the run converts. With keepTree (and results saved
// to a folder) the subfolders go into the choices; a subfolder that would lead out of the
// output folder is not converted. With update, a source whose result is up to date is not
// converted, and neither is another source whose result would take that result's place.
BatchPlan PlanBatch(const QVector<QueuedSource>& queued, ConversionChoices& choices, bool keepTree,
                    bool update);

// The reason a source of a kept tree is refused when its folder would lead out.
QString LeavesOutputFolder();

}  // namespace lorvane
