#include "app/constants.h"

#include "lorvane/buildaddresses.h"

namespace lorvane {

QString siteAddress() {
    return QStringLiteral(LORVANE_SITE_URL);
}

QString supportEmail() {
    return QStringLiteral(LORVANE_SUPPORT_ADDRESS);
}

QString ApplicationTitle(const QString& name) {
    QString title = name;
    do {
        const qsizetype blank = title.lastIndexOf(QLatin1Char(' '));
        if (blank < 0) {
            break;
        }
        title.truncate(blank);
    } while (title.size() > 40);
    return title;
}

}  // namespace lorvane
