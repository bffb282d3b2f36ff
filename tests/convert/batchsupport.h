#pragma once

// The real program's batch mode as a script runs it, and what it leaves behind.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>

namespace lorvane::test {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

// The real program, with no display of any kind: were it to create a GUI application it
// would fail to start.
// With a shell script, the program is started by /bin/sh as "$0" in the folder given: the only
// way to hand it arguments that are bytes and not text.
inline Run runProgram(const QStringList& args, const QString& home, const QString& script = {},
                      const QString& folder = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LORVANE_FFMPEG", "XDG_DESKTOP_DIR"}) {
        env.remove(name);
    }
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    // The trash is below the data folder: the test's own, beside its files, not the caller's.
    env.insert("XDG_DATA_HOME", home + "/.local/share");
    QProcess p;
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    if (!folder.isEmpty()) {
        p.setWorkingDirectory(folder);
    }
    if (script.isEmpty()) {
        p.start(qEnvironmentVariable("LORVANE_PROGRAM"), args);
    } else {
        p.start(QStringLiteral("/bin/sh"),
                QStringList{"-c", script, qEnvironmentVariable("LORVANE_PROGRAM")} + args);
    }
    Run run;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return run;
    }
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    // The time a run took is the one thing that differs from run to run.
    run.err = QString::fromUtf8(p.readAllStandardError())
                  .replace(QRegularExpression(", in [0-9.:]+( s)?(;|\n)"), ", in T\\2");
    return run;
}

// Every file below the folder, as relative paths, sorted.
inline QStringList filesBelow(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(QDir(folder).relativeFilePath(it.next()));
    }
    files.sort();
    return files;
}

// The report's records as "source -> outcome: reason", the paths relative to the root.
inline QStringList reportOf(const QString& path, const QString& root) {
    QStringList records;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {"no report"};
    }
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        records.append(QStringLiteral("%1 -> %2 %3: %4")
                           .arg(record["source"].toString().mid(root.size() + 1),
                                record["result"].toString().mid(root.size() + 1),
                                record["outcome"].toString(), record["reason"].toString()));
    }
    return records;
}

}  // namespace lorvane::test
