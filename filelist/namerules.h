#pragma once

// The rules the intake applies to names: which files a pattern takes, the order a folder
// lists its names in, and which folder names are never entered.

#include <QByteArray>
#include <QString>

namespace lorvane {

// True when a folder name holds a control character (below 32, or 127 to 159). The raw form
// is also unsafe when it cannot be decoded from the file system's encoding.
bool HasUnsafeChars(const QString& name);
bool HasUnsafeChars(const QByteArray& rawName);

// Wildcard match, case-insensitive: "*" any run, "?" one character; a pattern ending in ".*"
// also matches names without a dot, so "*.*" matches every name.
bool MatchesPattern(const QString& name, const QString& pattern);

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
