#include "app/mainwindow.h"
#include "app/qtdialogs.h"
#include "app/settingsstore.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    lorvane::SettingsStore settings;
    lorvane::QtDialogs dialogs;
    lorvane::MainWindow window(lorvane::WindowServices::forProgram(dialogs, settings));
    dialogs.setOwner(&window);
    window.start();
    return app.exec();
}
