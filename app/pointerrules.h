#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <optional>

namespace lorvane {

// Pointer kinds of the file list's own pointer setting, used while an entry is dragged.
enum ListPointerKind { kListPointerDefault = 0, kListPointerArrow = 1, kListPointerCustom = 99 };

// The hand over the push buttons and the arrow over the window's background areas; a long
// operation's busy pointer (11) is never replaced by either.
int PointerKindAfterHover(int current);
int PointerKindAfterReset(int current);

// The hot spot recorded in a cursor file's first image, or none when the bytes are not a
// cursor file (an icon file has none).
std::optional<QPoint> CursorHotSpot(const QByteArray& fileBytes);

}  // namespace lorvane
