#pragma once

#include <QByteArray>
#include <QString>

namespace lorvane {

// The whole contents of a file. A file that cannot be opened or read fails with the
// platform's own wording (53 not found, 70 permission denied, ...).
QByteArray ReadWholeFile(const QString& path);

}  // namespace lorvane
