#include "app/batchmode.h"
#include "app/settingsstore.h"
#include "app/startoptions.h"
#include "app/translations.h"
#include "platform/pathbytes.h"
#include "platform/userdirs.h"

#include <QCoreApplication>

#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <optional>
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
// Only when the window could not start are there texts to show: the application object its
// translators need is made then.
int StartWindow(char* argv[]) {
    char self[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string window;
    int error = 0;
    if (length > 0) {
        self[length] = '\0';
        window = self;
        window.resize(window.rfind('/') + 1);
        window += "lorvane-window";
        ::execv(window.c_str(), argv);
        error = errno;
    }
    int qtArgc = 1;
    std::optional<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr) {
        app.emplace(qtArgc, argv);
        lorvane::InstallTranslations();
    }
    if (window.empty()) {
        print(stderr,
              QStringLiteral("lorvane: ") +
                  QCoreApplication::translate("Main", "the window program could not be found") +
                  QLatin1Char('\n'));
        return 1;
    }
    //: %1 is the window program's file, %2 the system's reason.
    print(stderr,
          QStringLiteral("lorvane: ") +
              QCoreApplication::translate("Main", "the window program %1 could not be started: %2")
                  .arg(lorvane::PathFromBytes(QByteArray(window.c_str())),
                       QString::fromLocal8Bit(std::strerror(error))) +
              QLatin1Char('\n'));
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
    // The window reads the options again and loads its own translations: its start stays an
    // exec and nothing more, without an application object here.
    lorvane::StartOptions options = lorvane::ParseStartOptions(arguments);
    if (options.mode == lorvane::StartOptions::Window) {
        return StartWindow(argv);
    }
    // Every other start prints texts in the user's language, and the translators need the
    // application object first: the options are read once more, so that what they say
    // about a usage error is translated too. No display is needed: nothing here creates a
    // window or a GUI application.
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    lorvane::InstallTranslations();
    options = lorvane::ParseStartOptions(arguments);
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
