#pragma once

#include <QByteArray>
#include <QString>

namespace lorvane {

// The converter's check outlives the program's run: asking FFmpeg its four questions costs
// more than a short conversion itself, so a usable verdict is kept in the user's cache
// folder, $XDG_CACHE_HOME/lorvane/converter-check. The file is a cache in the plain sense:
// when it is missing, damaged, foreign or cannot be written, the tool is simply asked, as
// it would be without it.
//
// Only usable verdicts are kept. A refusal may be passing (a tool that timed out on a busy
// machine), costs nothing worth saving when it stays (the user reads an error and stops),
// and must never outlive its cause.

// What identifies one version of the program file, as stat(2) sees it through any links:
// device, inode, size and modification time to the nanosecond. A package upgrade or a copy
// put in its place gives another stamp. Empty when the file cannot be examined.
QByteArray ProgramFileStamp(const QString& program);

// Whether the cache holds a usable verdict for this program path, with this stamp, reached
// by these questions (`asking`: any text that changes whenever the check asks something
// else of the tool).
bool CacheSaysUsable(const QString& program, const QByteArray& stamp, const QString& asking);

// Keeps a usable verdict, replacing any earlier one for the same program path. Failing to
// write is silent.
void CacheUsable(const QString& program, const QByteArray& stamp, const QString& asking);

// Where the verdicts are kept; empty when there is no cache folder to use.
QString CheckCacheFile();

}  // namespace lorvane
