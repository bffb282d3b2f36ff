#pragma once

// What the batch mode checks before it starts anything: that every file and folder named on
// the command line is there, and that the results' folders take new files. Each problem is
// told once, naming its path, instead of failing file by file once the run is under way.

#include "convert/runfrontend.h"

#include <QStringList>

namespace lorvane {

// The items as given (made absolute): one line for each that names nothing, names a file with
// a trailing "/", or cannot be reached.
QStringList InputProblems(const QStringList& items);

// The folders the results go to (the output folder, or each source's own folder when results
// go beside their sources): one line for each that does not take new files.
QStringList OutputFolderProblems(const ConversionChoices& choices, const QStringList& sources);

// Whether LORVANE_JOBS is set to something other than a whole number from 1 to `most`; the
// warning that says so and how many jobs run instead, or the empty text.
QString JobsEnvironmentWarning(int most, int instead);

}  // namespace lorvane
