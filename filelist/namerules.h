#pragma once

// The rules the intake applies to names: which files a pattern takes, the order a folder
// lists its names in, and which folder names are never entered.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lorvane {

// True when a folder name holds a control character (below 32, or 127 to 159). The raw form
// is also unsafe when it cannot be decoded from the file system's encoding.
bool HasUnsafeChars(const QString& name);
bool HasUnsafeChars(const QByteArray& rawName);

// Wildcard match, case-insensitive: "*" any run, "?" one character; a pattern ending in ".*"
// also matches names without a dot, so "*.*" matches every name. Several patterns separated
// by ";" match a name that one of them matches.
bool MatchesPattern(const QString& name, const QString& pattern);

// The extensions of a text as typed for the folder intake: separated by blanks, commas or
// semicolons, each with or without its "." or "*." ("ogg", ".ogg", "*.ogg"), in order, each
// once (letter case ignored), without the dot; "*" stands for every file.
QStringList TypedExtensions(const QString& typed);

// The pattern that takes the files of those extensions: "ogg, opus" gives "*.ogg;*.opus",
// "ogg" "*.ogg" and "*" "*.*", as one extension always gave. Empty when none is named.
QString ExtensionPattern(const QString& typed);

// The order in which a folder lists its names: case-insensitive (upper-cased, as the Windows
// file systems sort), names that differ only in case by their bytes.
bool ListingOrderLess(const QString& a, const QString& b);

// A drive root on Windows; on Linux "/" (however many separators).
bool IsRootFolder(const QString& path);

// Linux has no hidden system folders (the attribute values 22 and 1046 of Windows); what
// plays their part are the folders that hold deleted files or the file system's own
// bookkeeping: ".Trash", ".Trash-<uid>", "lost+found", and on NTFS and FAT drives
// "$RECYCLE.BIN" and "System Volume Information" (in any letter case, as those file systems
// compare names). The walk neither enters nor takes such a folder, nor the XDG trash folder.
bool IsSystemFolderName(const QString& name);

}  // namespace lorvane
