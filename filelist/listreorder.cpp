#include "filelist/listreorder.h"

#include "filelist/filelistmodel.h"

namespace lorvane {

bool ExchangeEntryTexts(FileListModel& list, int draggedPosition, int hoveredPosition) {
    const QString dragged = list.entryText(draggedPosition);
    const QString hovered = list.entryText(hoveredPosition);
    if (hovered == dragged) {
        return false;
    }
    list.setEntryText(draggedPosition, hovered);
    list.setEntryText(hoveredPosition, dragged);
    return true;
}

int ScrollTargetAfterExchange(int screenY, int hoveredPosition, int count) {
    if (screenY < kUpperScrollLine) {
        return hoveredPosition >= 2 ? hoveredPosition - 1 : 0;
    }
    if (screenY >= kLowerScrollLine) {
        return hoveredPosition + 1 <= count ? hoveredPosition + 1 : 0;
    }
    return 0;
}

}  // namespace lorvane
