#pragma once

#include <QDBusConnection>

namespace lorvane {

// The buses the desktop's services answer on. Asking for one never starts a bus of its own:
// without a running bus the services are simply absent, and everything that would have used
// them goes on without them.
QDBusConnection SessionBusIfRunning();
QDBusConnection SystemBusIfRunning();
// A connection to nothing: every call on it fails at once.
QDBusConnection NoBus();

}  // namespace lorvane
