#pragma once

#include "app/conversionjobs.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lorvane {

// What a start of the program asks for, read from its command line before any application
// object exists, so the batch mode never needs a display.
struct StartOptions {
    enum Mode { Window, Batch, Help, Version, UsageError };
    Mode mode = Window;
    // Files and folders in the order given, made absolute against the current folder.
    QStringList items;
    // Window only: Qt's own options (-style Fusion, -platform offscreen ...), for Qt to read.
    QStringList qtOptions;
    // Batch mode only; unset means "as the stored settings say".
    std::optional<QString> formatLabel;   // a label of the format table
    std::optional<QString> outputFolder;  // an existing folder, absolute
    bool besideSource = false;
    // Of the files taken from a folder, separated by commas; Vorbis and Opus by default.
    QString extension = QStringLiteral("ogg,oga,opus");
    std::optional<int> jobs;
    bool keepTree = false;              // each folder's tree kept below the output folder
    bool update = false;                // results already up to date are left as they are
    bool quiet = false;                 // only what was not converted, and the summary
    std::optional<QString> reportFile;  // absolute; its folder exists
    // UsageError: what is wrong, in one line without the program's name.
    QString problem;
};

// Parses the arguments (the first one is the program itself). Files and folders go to the
// window unless --convert asks for the batch mode.
StartOptions ParseStartOptions(const QStringList& arguments);

// The texts --help and --version print on standard output, and the hint that follows a
// usage error on standard error.
QString HelpText();
QString VersionText();
QString UsageHint();

// The table label a --format value names: a label (letter case ignored) or an index 0 to 5;
// empty when it names none.
QString FormatLabelFor(const QString& value);

}  // namespace lorvane
