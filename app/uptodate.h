#pragma once

#include <QString>

namespace lorvane {

// Whether the result at `result` may stand for a conversion of `source` in `codec` without
// converting again: a regular file (not a link), marked as this program's result of this very
// source, changed after the source was, and passing the check every new result passes. A
// touched source, a damaged result and a file put in its place all fail.
bool IsUpToDate(const QString& source, const QString& result, const QString& codec);

}  // namespace lorvane
