#include "app/batchmode.h"
#include "app/settingsstore.h"
#include "app/startoptions.h"
#include "platform/pathbytes.h"
#include "platform/userdirs.h"

#include <QCoreApplication>

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

void print(std::FILE* stream, const QString& text) {
    // A message may name a file whose name is not text; its bytes show as \xHH.
    std::fputs(lorvane::DisplayPath(text).toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The window is a program of its own beside this one (lorvane-window), started in this
// process's place with the same arguments. A build script starts the batch mode once per
// step: without the window's graphics libraries (Qt's GUI, GL, X11, fonts: some 40 of them)
// it starts in half the time, which on a short file is a tenth of the whole conversion.
int StartWindow(char* argv[]) {
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        self[length] = '\0';
        std::string window(self);
        window.resize(window.rfind('/') + 1);
        window += "lorvane-window";
        ::execv(window.c_str(), argv);
        print(stderr, QStringLiteral("lorvane: the window program %1 could not be started: %2\n")
                          .arg(lorvane::PathFromBytes(QByteArray(window.c_str())),
                               QString::fromLocal8Bit(std::strerror(errno))));
        return 1;
    }
    print(stderr, QStringLiteral("lorvane: the window program could not be found\n"));
    return 1;
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
    return StartWindow(argv);
}
