// The window's handlers that fill and empty the queue.
#include "app/mainwindow.h"

namespace lorvane {

void MainWindow::connectQueueHandlers() {}

void MainWindow::PushButton1_Click() {}

void MainWindow::PushButton3_Click() {}

void MainWindow::PushButton4_Click() {}

void MainWindow::PushButton5_Click() {}

void MainWindow::takeSampleSnapshot() {}

}  // namespace lorvane
