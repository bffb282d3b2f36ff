#include "app/storedchoices.h"

#include "app/settingsstore.h"
#include "convert/formattable.h"
#include "platform/apperror.h"
#include "platform/paths.h"

namespace lorvane {

int StoredFormatIndex(const SettingsStore& settings) {
    const int index =
        WholeNumberFromText(settings.ReadSetting(settingkeys::formatIndex(), QStringLiteral("0")));
    if (index < -1 || index >= static_cast<int>(OutputFormats().size())) {
        throw errors::invalidPropertyValue();
    }
    return index;
}

QString StoredOutputFolder(const SettingsStore& settings, const QString& desktopFolder) {
    if (desktopFolder.isEmpty()) {
        throw errors::invalidCall();
    }
    const QChar separator = PathStyle::native().separator;
    // The home folder stands in for a missing desktop; as "/" it has its separator.
    const QString fallback =
        desktopFolder.endsWith(separator) ? desktopFolder : desktopFolder + separator;
    return settings.ReadSetting(settingkeys::outputFolder(), fallback);
}

bool StoredSaveToFolder(const SettingsStore& settings) {
    return TruthFromText(settings.ReadSetting(settingkeys::saveToFolder(), QStringLiteral("1")));
}

bool StoredSaveBesideSource(const SettingsStore& settings) {
    return TruthFromText(
        settings.ReadSetting(settingkeys::saveBesideSource(), QStringLiteral("0")));
}

}  // namespace lorvane
