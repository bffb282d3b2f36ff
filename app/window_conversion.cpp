// The window's conversion handlers: "Start Converting" and the output folder's browse button.
#include "app/mainwindow.h"

namespace lorvane {

void MainWindow::connectConversionHandlers() {}

void MainWindow::PushButton2_Click() {}

void MainWindow::PushButton7_Click() {}

}  // namespace lorvane
