#include "app/storedchoices.h"

#include "app/settingsstore.h"
#include "convert/formattable.h"
#include "platform/apperror.h"
#include "platform/paths.h"

#include <optional>

namespace lorvane {

int StoredFormatIndex(const SettingsStore& settings) {
    const int index =
        WholeNumberFromText(settings.ReadSetting(settingkeys::formatIndex(), QStringLiteral("0")));
    if (index < -1 || index >= static_cast<int>(OutputFormats().size())) {
        throw errors::invalidPropertyValue();
    }
    return index;
}

QString DefaultOutputFolder(const QString& desktopFolder) {
    if (desktopFolder.isEmpty()) {
        throw errors::invalidCall();
    }
    const QChar separator = PathStyle::native().separator;
    // The home folder stands in for a missing desktop; as "/" it has its separator.
    return desktopFolder.endsWith(separator) ? desktopFolder : desktopFolder + separator;
}

QString StoredOutputFolder(const SettingsStore& settings, const QString& desktopFolder) {
    return settings.ReadSetting(settingkeys::outputFolder(), DefaultOutputFolder(desktopFolder));
}

bool StoredSaveToFolder(const SettingsStore& settings) {
    return TruthFromText(settings.ReadSetting(settingkeys::saveToFolder(), QStringLiteral("1")));
}

bool StoredSaveBesideSource(const SettingsStore& settings) {
    return TruthFromText(
        settings.ReadSetting(settingkeys::saveBesideSource(), QStringLiteral("0")));
}

namespace {

// The record of a choice: true or false when the window kept one, nothing when it did not.
std::optional<bool> recordedChoice(const SettingsStore& settings, const QString& key) {
    const QString text = settings.ReadSetting(key, QStringLiteral("\n"));
    if (text == QLatin1String("\n")) {
        return std::nullopt;
    }
    try {
        return TruthFromText(text);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

}  // namespace

bool FormatChosenInWindow(const SettingsStore& settings) {
    if (const auto recorded = recordedChoice(settings, settingkeys::formatChosen())) {
        return *recorded;
    }
    const QString stored = settings.ReadSetting(settingkeys::formatIndex(), QStringLiteral("0"));
    return stored != QLatin1String("0");
}

bool FolderChosenInWindow(const SettingsStore& settings, const QString& desktopFolder) {
    if (const auto recorded = recordedChoice(settings, settingkeys::folderChosen())) {
        return *recorded;
    }
    const QString stored = settings.ReadSetting(settingkeys::outputFolder(), QStringLiteral("\n"));
    if (stored == QLatin1String("\n")) {
        return false;
    }
    return desktopFolder.isEmpty() || stored != DefaultOutputFolder(desktopFolder);
}

}  // namespace lorvane
