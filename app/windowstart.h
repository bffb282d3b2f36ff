#pragma once

#include <QString>
#include <QStringList>

namespace lorvane {

// The exit status of a window start that found no display: the command was not one this
// session can serve, as with a usage error.
constexpr int kNoWindowExit = 2;

// Watches over the making of the window's application object. Where Qt can open no display
// it ends the program through qFatal: an abort, a core dump, and the advice to reinstall the
// program. Under the guard that end is one line instead, pointing to the batch mode, and the
// exit status kNoWindowExit. Qt's other messages meanwhile are held back, and passed on when
// the guard goes: only when Qt does start are they worth reading.
class WindowStartGuard {
  public:
    // qtOptions: the Qt options the application object is given (-platform, -display).
    explicit WindowStartGuard(const QStringList& qtOptions);
    ~WindowStartGuard();
    WindowStartGuard(const WindowStartGuard&) = delete;
    WindowStartGuard& operator=(const WindowStartGuard&) = delete;
};

// The line a start without a usable display ends with: platform is what -platform or
// QT_QPA_PLATFORM ask for (empty when Qt chooses), x11Display and waylandDisplay what
// -display or DISPLAY and WAYLAND_DISPLAY name.
QString NoWindowLine(const QString& platform, const QString& x11Display,
                     const QString& waylandDisplay);

}  // namespace lorvane
