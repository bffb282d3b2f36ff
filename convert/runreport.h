#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace lorvane {

// A queued file the run did not convert, and why, in the closing message's words.
struct FileFailure {
    QString source;
    QString reason;
    bool operator==(const FileFailure& other) const {
        return source == other.source && reason == other.reason;
    }
};

// A file of a result's name that was neither a source nor a result of this program, moved
// to the trash to make way for the result: where it was, and where it is now.
struct TrashedFile {
    QString source;  // whose result took its place
    QString path;
    QString trashedAs;
    bool operator==(const TrashedFile& other) const {
        return source == other.source && path == other.path && trashedAs == other.trashedAs;
    }
};

// The message that ends a run: "Done." when every file was converted. Otherwise "Done.", how
// many files could not be converted, and under each reason (in the order first met) the
// files it struck: the first ten, then how many more. Converted files whose source was cut
// short follow under their own heading, listed alike; they are not counted as failures. Then
// the files moved to the trash, each with where it went. The details hold every file.
struct ClosingReport {
    QString text;
    QString details;  // empty when every file was converted from a whole source
};
ClosingReport ClosingMessage(const QVector<FileFailure>& failures,
                             const QStringList& endedEarly = {},
                             const QVector<TrashedFile>& trashed = {});
// The heading the trashed files are listed under, and how each is listed.
QString TrashedHeading();
QString TrashedLine(const TrashedFile& file);

// A converted file with something to tell about its result, such as loop tags that had to be
// ignored.
struct FileNote {
    QString source;
    QString text;
    bool operator==(const FileNote& other) const {
        return source == other.source && text == other.text;
    }
};

// How a run ended: whether it got as far as converting, and which files it did not convert.
struct RunOutcome {
    bool ran = false;  // false when refused: no files, no folder, or no usable converter
    int converted = 0;
    QVector<FileFailure> failures;
    QVector<FileNote> notes;  // in list order
    QStringList endedEarly;   // converted, from a source that was cut short
    bool stopped = false;     // asked to end early: the files after the last one started wait
    int notStarted = 0;
    // Files moved to the trash to make way for results, in list order.
    QVector<TrashedFile> trashed;
};

}  // namespace lorvane
