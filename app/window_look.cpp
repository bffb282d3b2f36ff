// The window's look: skin, fonts, colours and the pointer rules.
#include "app/mainwindow.h"

#include <QCursor>

namespace lorvane {

void MainWindow::connectLookHandlers() {}

void MainWindow::applyDesignedLook() {}

void MainWindow::applySkin() {}

void MainWindow::loadHandPointer(const QString& path) {
    Q_UNUSED(path);
}

void MainWindow::setPointerKind(int kind) {
    m_pointerKind = kind;
    if (kind == kPointerBusy) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
}

}  // namespace lorvane
