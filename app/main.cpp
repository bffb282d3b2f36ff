#include "app/batchmode.h"
#include "app/instancechannel.h"
#include "app/mainwindow.h"
#include "app/qtdialogs.h"
#include "app/settingsstore.h"
#include "app/startoptions.h"
#include "platform/pathbytes.h"
#include "platform/stopsignals.h"
#include "platform/userdirs.h"

#include <QApplication>
#include <QTimer>

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>

namespace {

void print(std::FILE* stream, const QString& text) {
    // A message may name a file whose name is not text; its bytes show as \xHH.
    std::fputs(lorvane::DisplayPath(text).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        // Most arguments are file names, and those are bytes: one that is not UTF-8 must still
        // lead back to its file.
        arguments.append(lorvane::PathFromBytes(QByteArray(argv[i])));
    }
    const lorvane::StartOptions options = lorvane::ParseStartOptions(arguments);
    switch (options.mode) {
        case lorvane::StartOptions::Help:
            print(stdout, lorvane::HelpText());
            return 0;
        case lorvane::StartOptions::Version:
            print(stdout, lorvane::VersionText());
            return 0;
        case lorvane::StartOptions::UsageError:
            print(stderr, QStringLiteral("lorvane: ") + options.problem + QLatin1Char('\n') +
                              lorvane::UsageHint() + QLatin1Char('\n'));
            return lorvane::kBatchUsageError;
        case lorvane::StartOptions::Batch: {
            // No display is needed: nothing here creates a window or a GUI application.
            int qtArgc = 1;
            QCoreApplication app(qtArgc, argv);
            const lorvane::SettingsStore settings;
            winsize size{};
            const bool terminal = ::isatty(STDERR_FILENO) == 1;
            if (!terminal || ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) != 0) {
                size.ws_col = 0;
            }
            lorvane::BatchConsole console([](const QString& text) { print(stderr, text); },
                                          terminal, size.ws_col);
            // The window's own rule: the desktop when it exists, else the home folder.
            return lorvane::RunBatch(options, settings, console, lorvane::DesktopFolder());
        }
        case lorvane::StartOptions::Window:
            break;
    }

    // Qt takes options of its own (-style, -reverse ...) from what it is given; a file may be
    // named like one, and every argument was ours to read.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    std::unique_ptr<lorvane::InstanceServer> server;
    switch (lorvane::ClaimInstance(lorvane::InstanceServerName(), options.items, server)) {
        case lorvane::InstanceRole::HandedOver:
            return 0;
        case lorvane::InstanceRole::HandOverFailed:
            print(stderr,
                  QStringLiteral("lorvane: the open Lorvane window did not take the files\n"));
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
