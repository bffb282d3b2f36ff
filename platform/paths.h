#pragma once

#include <QChar>
#include <QString>

#include <optional>

namespace lorvane {

// The text rules for paths work for either separator. With the backslash they follow the
// Windows conventions the program's path rules were made for (a leading run of separators
// is a network share and becomes exactly two); with "/" a leading run becomes one "/",
// since POSIX has no share paths.
struct PathStyle {
    QChar separator;
    int leadingRun;  // how many separators a leading run collapses to

    static PathStyle windows() { return {QLatin1Char('\\'), 2}; }
    static PathStyle posix() { return {QLatin1Char('/'), 1}; }
    static PathStyle native() { return posix(); }
};

// The last name of a path, ignoring trailing separators.
QString LastNameOfPath(const QString& path);

// The path without trailing separators, so that a link is examined itself and not its
// target; the root stays the root.
QString WithoutTrailingSeparators(const QString& path);

// Folder part including its last separator; empty when there is none.
// Fails with 6 "Overflow" when that separator lies beyond position 32767.
QString FolderOfPath(const QString& path, PathStyle style = PathStyle::native());

// The text after the last separator; the whole text when it has none.
QString FileNameOfPath(const QString& path, PathStyle style = PathStyle::native());

// The name without its last "." and what follows; a name whose only dot is its first
// character stays whole. Fails with 6 "Overflow" when that dot lies beyond position 32767.
QString StripExtension(const QString& name);

// Doubled separators become one (single pass, left to right); a leading run becomes the
// style's leading run.
QString CollapseBackslashes(const QString& path, PathStyle style = PathStyle::native());

// Joins a folder and a name with one separator and collapses the result.
QString JoinPath(const QString& folder, const QString& name, PathStyle style = PathStyle::native());

// True when a file or folder exists at the path; never fails.
bool PathExists(const QString& path);

// True for an existing folder, false for anything else that exists, no value when the path
// cannot be examined (missing, not reachable). Never fails.
std::optional<bool> IsExistingFolder(const QString& path);

// Removes the file; never fails and never removes a folder. A file the user may not write to goes
// too, when its folder allows it.
void DeleteFileQuietly(const QString& path);

// Removes the file, also one the user may not write to; fails (AppError) when it cannot.
void ForceDeleteFile(const QString& path);

}  // namespace lorvane
