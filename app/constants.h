#pragma once

#include <QString>

namespace lorvane {

inline QString productName() {
    return QStringLiteral("Lorvane");
}
// The addresses the build was given (LORVANE_SITE_URL, LORVANE_SUPPORT_ADDRESS); each is
// empty when the build has none.
QString siteAddress();
QString supportEmail();

// The name under which the program lists itself and the title of every message box that
// names none of its own: the product name cut back at its last blank, at least once, and
// then while longer than 40 characters. A name without a blank stays whole.
QString ApplicationTitle(const QString& name);

}  // namespace lorvane
