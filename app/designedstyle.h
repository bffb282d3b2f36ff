#pragma once

// The window's frames and option buttons as designed, on whatever style the desktop draws.

#include <QPalette>
#include <QString>
#include <QStyle>

namespace lorvane {

// Light text on dark surfaces: a desktop's dark theme.
bool isDarkPalette(const QPalette& palette);

// The frames and the option buttons as designed, on the style named `base` (the style the
// program runs with, so that -style carries over). The caller owns it.
QStyle* NewDesignedStyle(const QString& base);

}  // namespace lorvane
