#pragma once

#include <QByteArray>
#include <QString>

namespace lorvane {

// File names on Linux are bytes, not text: an old archive or a FAT stick mounted with another
// code page holds names that are not UTF-8. Paths live in the program as text, and every path
// handed to the system, or read from it, goes through this one pair, which round-trips any
// byte string: valid UTF-8 reads as itself, and each byte that is not part of valid UTF-8
// reads as a lone surrogate U+DC80 + byte (as Python's "surrogateescape" does). No text that
// a user could type holds a lone surrogate, so no real name is taken for another.
QString PathFromBytes(const QByteArray& bytes);
QString PathFromBytes(const char* bytes, qsizetype length);
QByteArray PathToBytes(const QString& path);

// Whether the path holds bytes that are not valid UTF-8 (and so cannot be given to anything
// that takes text, such as another program's command line).
bool HasForeignBytes(const QString& path);

// The path as a person reads it: each byte that is not UTF-8 shown as "\xE9".
QString DisplayPath(const QString& path);

}  // namespace lorvane
