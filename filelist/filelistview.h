#pragma once

#include <QTreeView>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QKeyEvent;
class QMouseEvent;

namespace lorvane {

// The list view that shows the file list: a one-column report view. It hands its key,
// mouse and drop events to the window as signals, after its own handling, so the window's
// handlers decide what they mean.
class FileListView : public QTreeView {
    Q_OBJECT
  public:
    explicit FileListView(QWidget* parent = nullptr);

  signals:
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void doubleClickedAnywhere();
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    // The handler sets the event's accepted state (and drop action) to say whether a drop
    // is possible here.
    void dragOver(QDragMoveEvent* event);
    void dropped(QDropEvent* event);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

}  // namespace lorvane
