#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace lorvane {

// Per-user text values under organization "Merrowind", application "Lorvane", group
// "Lorvane". A stored empty text is a value like any other; the default is only for a
// missing key. Every write reaches the disk before it returns, so a program that is ended
// abruptly has lost nothing.
class SettingsStore {
  public:
    // The user's own store (~/.config/Merrowind/Lorvane.conf on Linux).
    SettingsStore();
    // A store in a file of the caller's choosing (tests, benchmarks).
    explicit SettingsStore(const QString& iniPath);
    ~SettingsStore();

    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    QString ReadSetting(const QString& key, const QString& defaultValue) const;
    void WriteSetting(const QString& key, const QString& value);

    QString fileName() const;

  private:
    std::unique_ptr<QSettings> m_settings;
};

// Text forms of stored values.
QString TruthText(bool value);  // "True" / "False"
// "True"/"False" (any letter case) or a number, non-zero being true; anything else fails
// with 13 "Type mismatch".
bool TruthFromText(const QString& text);
// A decimal number, rounded half to even to a 16-bit whole number; fails with 13 "Type
// mismatch" when it is not a number and 6 "Overflow" when it does not fit.
int WholeNumberFromText(const QString& text);

}  // namespace lorvane
