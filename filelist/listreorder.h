#pragma once

namespace lorvane {

class FileListModel;

// Screen heights, in logical pixels from the top of the screen, above and below which a
// drag through the file list scrolls it by one entry. They are fixed screen positions, not
// positions within the window.
constexpr int kUpperScrollLine = 305;
constexpr int kLowerScrollLine = 365;

// Exchanges the texts of the entries at two positions (1-based) unless the texts are equal
// (the same entry, or the same path queued twice); says whether it exchanged them.
bool ExchangeEntryTexts(FileListModel& list, int draggedPosition, int hoveredPosition);

// The position of the entry to bring into view after an exchange onto the hovered position,
// given the pointer's vertical screen position; 0 when nothing is to scroll.
int ScrollTargetAfterExchange(int screenY, int hoveredPosition, int count);

}  // namespace lorvane
