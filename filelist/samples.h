#pragma once

#include <QString>
#include <QStringList>

namespace lorvane {

// The example files beside the program: program folder/Samples. The files found there at the
// first start are remembered (scrambled, so the paths are not readable in the settings) and
// can later be loaded into the list.

// The Samples folder, ending with a separator.
QString SamplesFolder(const QString& programFolder);

// The full paths of every file in the Samples folder, in listing order, joined by "|"; the
// empty text when the folder is missing or empty.
QString SampleSnapshotText(const QString& programFolder);

// Keyed, reversible scrambling of a text; the empty text stays empty.
QString ScrambleText(const QString& text);
// The text ScrambleText was given; the empty text for anything it cannot have produced.
QString UnscrambleText(const QString& scrambled);

// The sample paths recorded in a stored snapshot; none for an empty, absent or unreadable one.
QStringList SamplePaths(const QString& storedSnapshot);

}  // namespace lorvane
