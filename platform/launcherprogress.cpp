#include "platform/launcherprogress.h"

#include <QDBusMessage>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

namespace lorvane {

LauncherProgress::LauncherProgress(QDBusConnection bus, const QString& desktopFileId)
    : m_bus(std::move(bus)), m_appUri(QStringLiteral("application://") + desktopFileId) {
    // An object path allows letters, digits and underscores only.
    QString element = desktopFileId;
    for (QChar& c : element) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128)) {
            c = QLatin1Char('_');
        }
    }
    m_path = QStringLiteral("/com/canonical/unity/launcherentry/") + element;
}

void LauncherProgress::show(double fraction) {
    // The bar creeps in small steps while a long file converts; a step the entry cannot show
    // is not worth a message.
    const int permille = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * 1000));
    if (permille == m_shownPermille) {
        return;
    }
    m_shownPermille = permille;
    send({{QStringLiteral("progress"), permille / 1000.0},
          {QStringLiteral("progress-visible"), true}});
}

void LauncherProgress::clear() {
    if (m_shownPermille < 0) {
        return;
    }
    m_shownPermille = -1;
    send({{QStringLiteral("progress"), 0.0}, {QStringLiteral("progress-visible"), false}});
}

void LauncherProgress::send(const QVariantMap& properties) {
    if (!m_bus.isConnected()) {
        return;
    }
    QDBusMessage update = QDBusMessage::createSignal(
        m_path, QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << m_appUri << properties;
    m_bus.send(update);
}

}  // namespace lorvane
