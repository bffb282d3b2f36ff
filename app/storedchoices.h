#pragma once

#include <QString>

namespace lorvane {

class SettingsStore;

// The names the settings are stored under.
namespace settingkeys {
inline QString formatIndex() {
    return QStringLiteral("Combo1");
}
inline QString formatLabel() {
    return QStringLiteral("kbps");
}
inline QString outputFolder() {
    return QStringLiteral("Output Folder");
}
inline QString saveToFolder() {
    return QStringLiteral("Option1");
}
inline QString saveBesideSource() {
    return QStringLiteral("Option2");
}
inline QString lastOutputFolder() {
    return QStringLiteral("LastFolderDot");
}
inline QString lastIntakeFolder() {
    return QStringLiteral("LastFolder");
}
inline QString extension() {
    return QStringLiteral("Extension");
}
inline QString snapshot() {
    return QStringLiteral("Snapshot");
}
// "True" once the user has chosen a format, or typed or browsed an output folder, in the
// window: what start-up stores back is only the first-start default.
inline QString formatChosen() {
    return QStringLiteral("FormatChosen");
}
inline QString folderChosen() {
    return QStringLiteral("FolderChosen");
}
}  // namespace settingkeys

// The user's stored choices, read as start-up restores them; the window and the batch mode
// both read them here. Each reader fails (AppError) where start-up reports a failure.

// The format to select: an index of the format table, or -1 for none. Fails with 13 for a
// text that is no number, 6 for one that does not fit, 380 for one outside -1 to 5.
int StoredFormatIndex(const SettingsStore& settings);

// The output folder; without a stored one the desktop folder with a separator added (the
// home folder stands in for a missing desktop). Fails with 5 when there is no desktop or
// home folder to default to, stored folder or not.
// The first-start output folder: the desktop folder with a separator added. Fails with 5 for
// an empty one.
QString DefaultOutputFolder(const QString& desktopFolder);
QString StoredOutputFolder(const SettingsStore& settings, const QString& desktopFolder);

// "Save results to this folder:" (default on) and "Save results in folder of original file"
// (default off). Fail with 13 for a text that is no truth value.
bool StoredSaveToFolder(const SettingsStore& settings);
bool StoredSaveBesideSource(const SettingsStore& settings);

// Whether the stored format and output folder are choices the user made in the window. The
// window records each choice; a store from a version that did not (no record at all) counts
// a value as chosen when it differs from what the first start stores by itself: format 0
// ("8-bit PCM"), and the desktop folder (`desktopFolder`, a separator added).
bool FormatChosenInWindow(const SettingsStore& settings);
bool FolderChosenInWindow(const SettingsStore& settings, const QString& desktopFolder);

}  // namespace lorvane
