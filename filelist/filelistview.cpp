#include "filelist/filelistview.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lorvane {

FileListView::FileListView(QWidget* parent) : QTreeView(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    header()->setStretchLastSection(false);
    // Files are dropped onto the list from outside; the list's own item drag-and-drop move
    // stays off (reordering is done by the window's pointer handlers).
    setAcceptDrops(true);
    setDragEnabled(false);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
    setMouseTracking(true);
    // Files of one deep folder differ at the end of their paths; the entry's tooltip shows
    // the whole path.
    setTextElideMode(Qt::ElideMiddle);
}

void FileListView::keyPressEvent(QKeyEvent* event) {
    QTreeView::keyPressEvent(event);
    emit keyDown(event->key(), event->modifiers());
}

void FileListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeView::mouseDoubleClickEvent(event);
    emit doubleClickedAnywhere();
}

void FileListView::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event);
    QTreeView::mousePressEvent(event);
}

void FileListView::mouseMoveEvent(QMouseEvent* event) {
    QTreeView::mouseMoveEvent(event);
    emit mouseMoved(event);
}

void FileListView::mouseReleaseEvent(QMouseEvent* event) {
    QTreeView::mouseReleaseEvent(event);
    emit mouseReleased(event);
}

void FileListView::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
    emit dragOver(event);
}

void FileListView::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
    emit dragOver(event);
}

void FileListView::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    emit dropped(event);
}

}  // namespace lorvane
