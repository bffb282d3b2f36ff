#include "app/windowstart.h"

#include "app/qtoptions.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace lorvane {

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;  // Qt's categories live as long as the program
    QString text;
};

QtMessageHandler g_previous = nullptr;
std::vector<HeldMessage> g_held;
QByteArray g_noWindowLine;
int g_stderr = -1;  // the real standard error while the guard holds it
int g_heldOutput = -1;

void holdOrEnd(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // The only fatal message while the application object is made is Qt's "no Qt
        // platform plugin could be initialized". Nothing has started yet that needs ending.
        const int out = g_stderr >= 0 ? g_stderr : STDERR_FILENO;
        [[maybe_unused]] const ssize_t written =
            ::write(out, g_noWindowLine.constData(), static_cast<size_t>(g_noWindowLine.size()));
        ::_exit(kNoWindowExit);
    }
    g_held.push_back({type, context.category, text});
}

QString platformAsked(const QStringList& qtOptions) {
    const QString given = QtOptionValue(qtOptions, QStringLiteral("platform"));
    return given.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : given;
}

}  // namespace

QString NoWindowLine(const QString& platform, const QString& x11Display,
                     const QString& waylandDisplay) {
    // "xcb:option", "wayland;xcb": the names before any options, tried in turn.
    QStringList names;
    for (const QString& entry : platform.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        names.append(entry.section(QLatin1Char(':'), 0, 0));
    }
    const bool anyX11 = names.isEmpty() || names.contains(QLatin1String("xcb"));
    bool anyWayland = names.isEmpty();
    for (const QString& name : names) {
        anyWayland = anyWayland || name.startsWith(QLatin1String("wayland"));
    }
    // The line is made before the window's application object exists: lorvane-window has
    // installed the translators on a plain one for it.
    QString reason;
    if (!anyX11 && !anyWayland) {
        //: Why the window cannot open: %1 is what -platform or QT_QPA_PLATFORM asked for.
        reason =
            QCoreApplication::translate("WindowStart", "Qt's platform '%1' could not be started")
                .arg(platform);
    } else {
        QStringList displays;
        if (anyX11 && !x11Display.isEmpty()) {
            displays.append(x11Display);
        }
        if (anyWayland && !waylandDisplay.isEmpty()) {
            displays.append(waylandDisplay);
        }
        if (displays.isEmpty()) {
            //: Why the window cannot open: neither DISPLAY nor WAYLAND_DISPLAY names one.
            reason = QCoreApplication::translate("WindowStart", "no display found");
        } else if (displays.size() == 1) {
            //: Why the window cannot open: %1 is the display's name, as ":0" or "wayland-0".
            reason =
                QCoreApplication::translate("WindowStart", "the display %1 could not be opened")
                    .arg(displays.front());
        } else {
            //: Why the window cannot open: %1 is the X11 display's name, %2 the Wayland one's.
            reason = QCoreApplication::translate("WindowStart",
                                                 "the displays %1 and %2 could not be opened")
                         .arg(displays[0], displays[1]);
        }
    }
    //: A terminal line. %1 is why the window cannot open; %2 the command that converts
    //: without a window, which stays as it is.
    return QStringLiteral("lorvane: ") +
           QCoreApplication::translate(
               "WindowStart",
               "needs a graphical session (%1); use `%2` to convert without a window")
               .arg(reason, QStringLiteral("lorvane --convert")) +
           QLatin1Char('\n');
}

WindowStartGuard::WindowStartGuard(const QStringList& qtOptions) {
    const QString x11 = QtOptionValue(qtOptions, QStringLiteral("display"));
    g_noWindowLine = NoWindowLine(platformAsked(qtOptions),
                                  x11.isEmpty() ? qEnvironmentVariable("DISPLAY") : x11,
                                  qEnvironmentVariable("WAYLAND_DISPLAY"))
                         .toLocal8Bit();
    g_held.clear();
    // Libraries below Qt write to standard error themselves (libwayland: "XDG_RUNTIME_DIR is
    // invalid or not set"): that too waits in a file of its own until Qt has started.
    std::fflush(stderr);
    g_heldOutput = ::memfd_create("lorvane-start", MFD_CLOEXEC);
    g_stderr = g_heldOutput >= 0 ? ::dup(STDERR_FILENO) : -1;
    if (g_stderr < 0 || ::dup2(g_heldOutput, STDERR_FILENO) < 0) {
        if (g_stderr >= 0) {
            ::close(g_stderr);
        }
        g_stderr = -1;
    }
    g_previous = qInstallMessageHandler(holdOrEnd);
}

WindowStartGuard::~WindowStartGuard() {
    qInstallMessageHandler(g_previous);
    std::fflush(stderr);
    if (g_stderr >= 0) {
        ::dup2(g_stderr, STDERR_FILENO);
        ::close(g_stderr);
        g_stderr = -1;
        char buffer[4096];
        ssize_t got = 0;
        ::lseek(g_heldOutput, 0, SEEK_SET);
        while ((got = ::read(g_heldOutput, buffer, sizeof buffer)) > 0) {
            if (::write(STDERR_FILENO, buffer, static_cast<size_t>(got)) != got) {
                break;
            }
        }
    }
    if (g_heldOutput >= 0) {
        ::close(g_heldOutput);
        g_heldOutput = -1;
    }
    for (const HeldMessage& message : g_held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        if (g_previous != nullptr) {
            g_previous(message.type, context, message.text);
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(message.text));
        }
    }
    g_held.clear();
}

}  // namespace lorvane
