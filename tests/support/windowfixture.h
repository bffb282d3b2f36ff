#pragma once

#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "support/scripteddialogs.h"

#include <QTemporaryDir>

#include <memory>

namespace lorvane::test {

// A window wired to a settings file and a program folder in a temporary folder, scripted
// dialogs, a fixed random draw, a desktop folder inside the temporary folder and an exit
// that only records.
struct WindowFixture {
    QTemporaryDir dir;
    QString settingsPath = dir.filePath(QStringLiteral("settings/Lorvane.conf"));
    QString programFolder = dir.filePath(QStringLiteral("program"));
    QString desktop = dir.filePath(QStringLiteral("Desktop"));
    ScriptedDialogs dialogs;
    std::unique_ptr<SettingsStore> settings;
    int randomDraw = 50;
    int exitCalls = 0;

    WindowFixture() {
        QDir().mkpath(programFolder);
        QDir().mkpath(desktop);
        openSettings();
    }

    void openSettings() { settings = std::make_unique<SettingsStore>(settingsPath); }

    WindowServices services() {
        WindowServices s;
        s.dialogs = &dialogs;
        s.settings = settings.get();
        s.programFolder = programFolder;
        s.drawRandom = [this] { return randomDraw; };
        s.desktopFolder = [this] { return desktop; };
        s.exitProgram = [this] { ++exitCalls; };
        return s;
    }

    // A window that has run its start-up.
    std::unique_ptr<MainWindow> loadedWindow() {
        auto window = std::make_unique<MainWindow>(services());
        window->Form_Load();
        return window;
    }

    QString setting(const QString& key, const QString& fallback = QStringLiteral("<missing>")) {
        return settings->ReadSetting(key, fallback);
    }
};

}  // namespace lorvane::test
