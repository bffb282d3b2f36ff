#include "platform/desktopbus.h"

#include <QFileInfo>

namespace lorvane {

namespace {

bool socketExists(const QString& path) {
    return !path.isEmpty() && QFileInfo::exists(path);
}

}  // namespace

QDBusConnection SessionBusIfRunning() {
    // Without an address libdbus would try to launch a bus for the display, which is slow and
    // leaves a daemon behind; a session that has a bus says where it is.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !socketExists(runtime + QStringLiteral("/bus")))) {
        return NoBus();
    }
    return QDBusConnection::sessionBus();
}

QDBusConnection SystemBusIfRunning() {
    if (qEnvironmentVariableIsEmpty("DBUS_SYSTEM_BUS_ADDRESS") &&
        !socketExists(QStringLiteral("/run/dbus/system_bus_socket"))) {
        return NoBus();
    }
    return QDBusConnection::systemBus();
}

QDBusConnection NoBus() {
    return QDBusConnection(QStringLiteral("lorvane-no-bus"));
}

}  // namespace lorvane
