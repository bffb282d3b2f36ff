// Runs one conversion through the real program's window in a process of its own, for the
// tests that need one: a run without root's privileges, and closing the window mid-run.
//
//   conversion_helper SETTINGS FOLDER [--close-when FILE] SOURCE...
//
// Queues the sources, saves into FOLDER, presses "Start Converting" and prints every message
// shown, each followed by a record separator (0x1E). With --close-when, the window is closed
// as soon as FILE exists (the converter has started). Signals reach the window as they do in
// the program.
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "filelist/filelistmodel.h"
#include "platform/stopsignals.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: conversion_helper SETTINGS FOLDER [--close-when FILE] ...\n");
        return 2;
    }
    lorvane::SettingsStore settings(args.takeFirst());
    const QString folder = args.takeFirst();
    QString closeWhen;
    if (!args.isEmpty() && args.front() == QLatin1String("--close-when")) {
        args.removeFirst();
        closeWhen = args.takeFirst();
    }

    lorvane::test::ScriptedDialogs dialogs;
    lorvane::MainWindow window(lorvane::WindowServices::forProgram(dialogs, settings));
    lorvane::StopSignals stopSignals;
    QObject::connect(&stopSignals, &lorvane::StopSignals::received, &window,
                     [&window](int, int count) { window.stopRequested(count); });
    window.start();
    window.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(folder);
    window.fileList().addEntries(args);

    QTimer watch;
    if (!closeWhen.isEmpty()) {
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (QFileInfo::exists(closeWhen) && window.isVisible()) {
                window.close();
            }
        });
        watch.start(5);
    }
    window.PushButton2_Click();

    for (const QString& message : dialogs.messages()) {
        std::fputs(message.toUtf8().constData(), stdout);
        std::fputc(0x1e, stdout);
    }
    return 0;
}
