// The window: started by lorvane in its own place (see main.cpp), with the same arguments.
#include "app/batchmode.h"
#include "app/instancechannel.h"
#include "app/mainwindow.h"
#include "app/qtdialogs.h"
#include "app/settingsstore.h"
#include "app/startoptions.h"
#include "app/windowstart.h"
#include "platform/pathbytes.h"
#include "platform/stopsignals.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(lorvane::PathFromBytes(QByteArray(argv[i])));
    }
    const lorvane::StartOptions options = lorvane::ParseStartOptions(arguments);
    if (options.mode != lorvane::StartOptions::Window) {
        std::fputs("lorvane-window: start Lorvane as lorvane\n", stderr);
        return lorvane::kBatchUsageError;
    }

    // Qt is given only its own options, read out above: it would take a file named like one
    // of them (-reverse) for one, and every other argument was ours to read. It keeps argv.
    std::vector<QByteArray> qtWords{QByteArray(argv[0])};
    for (const QString& option : options.qtOptions) {
        qtWords.push_back(lorvane::PathToBytes(option));
    }
    std::vector<char*> qtArgv;
    for (QByteArray& word : qtWords) {
        qtArgv.push_back(word.data());
    }
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtWords.size());
    std::optional<lorvane::WindowStartGuard> guard(std::in_place, options.qtOptions);
    QApplication app(qtArgc, qtArgv.data());
    guard.reset();
    std::unique_ptr<lorvane::InstanceServer> server;
    switch (lorvane::ClaimInstance(lorvane::InstanceServerName(), options.items, server)) {
        case lorvane::InstanceRole::HandedOver:
            return 0;
        case lorvane::InstanceRole::HandOverFailed:
            std::fputs("lorvane: the open Lorvane window did not take the files\n", stderr);
            return 1;
        case lorvane::InstanceRole::Serving:
        case lorvane::InstanceRole::Alone:
            break;
    }
    lorvane::SettingsStore settings;
    lorvane::QtDialogs dialogs;
    lorvane::MainWindow window(lorvane::WindowServices::forProgram(dialogs, settings));
    dialogs.setOwner(&window);
    if (server) {
        QObject::connect(server.get(), &lorvane::InstanceServer::itemsReceived, &window,
                         [&window](const QStringList& items) {
                             window.queueStartItems(items);
                             window.raise();
                             window.activateWindow();
                         });
    }
    // Ctrl+C, a logout or a closed terminal ends the window as closing it does.
    lorvane::StopSignals stopSignals;
    QObject::connect(&stopSignals, &lorvane::StopSignals::received, &window,
                     [&window](int, int count) { window.stopRequested(count); });
    window.start();
    window.queueStartItems(options.items);
    return app.exec();
}
