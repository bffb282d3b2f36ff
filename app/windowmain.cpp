// The window: started by lorvane in its own place (see main.cpp), with the same arguments.
#include "app/batchmode.h"
#include "app/instancechannel.h"
#include "app/mainwindow.h"
#include "app/qtdialogs.h"
#include "app/settingsstore.h"
#include "app/startoptions.h"
#include "app/translations.h"
#include "app/windowstart.h"
#include "platform/pathbytes.h"
#include "platform/stopsignals.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

void printLine(const QString& line) {
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(lorvane::PathFromBytes(QByteArray(argv[i])));
    }
    const lorvane::StartOptions options = lorvane::ParseStartOptions(arguments);

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
    std::optional<lorvane::WindowStartGuard> guard;
    {
        // The lines a start can end with before the window's application object exists are
        // in the user's language too, and translators need an application object. A plain
        // one opens no display and costs next to nothing beside the window's own; it goes
        // before that one is made, as only one may exist at a time.
        int plainArgc = 1;
        const QCoreApplication plain(plainArgc, argv);
        lorvane::InstallTranslations();
        if (options.mode != lorvane::StartOptions::Window) {
            //: A terminal line of lorvane-window started by itself with the batch mode's
            //: options; %1 is the command to start instead.
            printLine(QStringLiteral("lorvane-window: ") +
                      QCoreApplication::translate("WindowMain", "start Lorvane as %1")
                          .arg(QStringLiteral("lorvane")) +
                      QLatin1Char('\n'));
            return lorvane::kBatchUsageError;
        }
        guard.emplace(options.qtOptions);
    }
    QApplication app(qtArgc, qtArgv.data());
    guard.reset();
    // The window's application object takes the translators afresh: the plain one's went
    // with it.
    lorvane::InstallTranslations();
    std::unique_ptr<lorvane::InstanceServer> server;
    switch (lorvane::ClaimInstance(lorvane::InstanceServerName(), options.items, server)) {
        case lorvane::InstanceRole::HandedOver:
            return 0;
        case lorvane::InstanceRole::HandOverFailed:
            //: A terminal line: a second start handed its files to the window already open,
            //: and that window did not answer.
            printLine(QStringLiteral("lorvane: ") +
                      QCoreApplication::translate(
                          "WindowMain", "the open Lorvane window did not take the files") +
                      QLatin1Char('\n'));
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
