#include "app/constants.h"

namespace lorvane {

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
