#include "app/settingsstore.h"

#include "platform/apperror.h"

#include <QSettings>

#include <cmath>

namespace lorvane {

namespace {
const QString kOrganization = QStringLiteral("Merrowind");
const QString kApplication = QStringLiteral("Lorvane");
const QString kGroup = QStringLiteral("Lorvane");

QString groupKey(const QString& key) {
    return kGroup + QLatin1Char('/') + key;
}
}  // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             kOrganization, kApplication)) {}

SettingsStore::SettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::ReadSetting(const QString& key, const QString& defaultValue) const {
    const QString k = groupKey(key);
    if (!m_settings->contains(k)) {
        return defaultValue;
    }
    return m_settings->value(k).toString();
}

void SettingsStore::WriteSetting(const QString& key, const QString& value) {
    m_settings->setValue(groupKey(key), value);
    m_settings->sync();
}

QString SettingsStore::fileName() const {
    return m_settings->fileName();
}

QString TruthText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

namespace {
double numberFromText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        throw errors::typeMismatch();
    }
    return value;
}
}  // namespace

bool TruthFromText(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return numberFromText(t) != 0.0;
}

int WholeNumberFromText(const QString& text) {
    const double rounded = std::nearbyint(numberFromText(text));  // default mode: half to even
    if (rounded < -32768.0 || rounded > 32767.0) {
        throw errors::overflow();
    }
    return static_cast<int>(rounded);
}

}  // namespace lorvane
