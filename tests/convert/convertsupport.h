#pragma once

// Helpers for the conversion tests: OGG files made by the real FFmpeg, a stand-in converter
// that can be held until a test lets it go, and environment changes undone at scope end.

#include "convert/commandline.h"
#include "convert/resultcheck.h"
#include "convert/runreport.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <utility>

#include <optional>

namespace lorvane::test {

inline QString realFfmpeg() {
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

// A sine (amplitude 1/8, FFmpeg's default) encoded with libvorbis (or `codec`), with the
// comments given as "KEY=value".
inline bool makeOgg(const QString& path, int rate, int channels, double seconds = 1.0,
                    int frequency = 440, const QStringList& comments = {},
                    const QString& codec = QStringLiteral("libvorbis")) {
    QStringList args{QStringLiteral("-nostdin"),
                     QStringLiteral("-v"),
                     QStringLiteral("error"),
                     QStringLiteral("-y"),
                     QStringLiteral("-f"),
                     QStringLiteral("lavfi"),
                     QStringLiteral("-i"),
                     QStringLiteral("sine=frequency=%1:sample_rate=%2:duration=%3")
                         .arg(frequency)
                         .arg(rate)
                         .arg(seconds),
                     QStringLiteral("-ac"),
                     QString::number(channels)};
    for (const QString& comment : comments) {
        args << QStringLiteral("-metadata") << comment;
    }
    args << QStringLiteral("-c:a") << codec << QStringLiteral("file:") + path;
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(realFfmpeg(), args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The closing message for these failures, each a source and its reason (the message's own
// layout is tested on its own).
inline QString notConverted(const QVector<FileFailure>& failures) {
    return ClosingMessage(failures).text;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs the work with a timer ticking every 5 ms; gives its result and the longest time the
// timer had to wait for its turn (the longest the event loop was held up).
template <typename Work>
auto longestTickGap(Work work) {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.elapsed() - last);
        last = clock.elapsed();
    });
    ticker.start(5);
    clock.start();
    auto result = work();
    longest = std::max(longest, clock.elapsed() - last);
    return std::make_pair(result, longest);
}

// Sets (or with no value, removes) an environment variable until the end of the scope.
class EnvChange {
  public:
    EnvChange(const char* name, const std::optional<QByteArray>& value) : m_name(name) {
        if (qEnvironmentVariableIsSet(name)) {
            m_old = qgetenv(name);
        }
        if (value) {
            qputenv(name, *value);
        } else {
            qunsetenv(name);
        }
    }
    ~EnvChange() {
        if (m_old) {
            qputenv(m_name, *m_old);
        } else {
            qunsetenv(m_name);
        }
    }
    EnvChange(const EnvChange&) = delete;
    EnvChange& operator=(const EnvChange&) = delete;

  private:
    const char* m_name;
    std::optional<QByteArray> m_old;
};

// A converter script that forwards to the real FFmpeg. Each conversion call n records its
// arguments (NUL-separated) in args-n and leaves started-n (several may run at once); while "hold"
// exists it waits for release-n before converting; finished-n marks its end. The capability
// listings go straight to FFmpeg, or come from listing files when the test provides them.
// While "fail-groups" exists, a call with more than one input fails at once.
class FakeTool {
  public:
    explicit FakeTool(const QString& folder) : m_dir(folder) {
        QDir().mkpath(folder);
        const QString script =
            QStringLiteral(
                "#!/bin/sh\n"
                "dir='%1'\n"
                "if [ \"$1\" = -hide_banner ]; then\n"
                "  name=${2#-}\n"
                "  if [ -e \"$dir/listing-$name\" ]; then cat \"$dir/listing-$name\"; exit 0; fi\n"
                "  exec '%2' \"$@\"\n"
                "fi\n"
                "while ! mkdir \"$dir/lock\" 2>/dev/null; do sleep 0.001; done\n"
                "n=$(( $(cat \"$dir/count\" 2>/dev/null || echo 0) + 1 ))\n"
                "echo $n > \"$dir/count\"\n"
                "rmdir \"$dir/lock\"\n"
                "printf '%s\\0' \"$@\" > \"$dir/args-$n\"\n"
                "for a in \"$@\"; do case \"$a\" in\n"
                "  file:/dev/fd/*) printf 'file:%s\\0' \"$(readlink \"${a#file:}\")\" ;;\n"
                "  *) printf '%s\\0' \"$a\" ;;\n"
                "esac; done > \"$dir/resolved-$n\"\n"
                ": > \"$dir/started-$n\"\n"
                "c=0; for a in \"$@\"; do [ \"$a\" = -i ] && c=$((c + 1)); done\n"
                "if [ -e \"$dir/fail-groups\" ] && [ $c -gt 1 ]; then\n"
                "  : > \"$dir/finished-$n\"; exit 1\n"
                "fi\n"
                "if [ -e \"$dir/hold\" ]; then\n"
                "  while [ ! -e \"$dir/release-$n\" ]; do sleep 0.005; done\n"
                "fi\n"
                "'%2' \"$@\"\n"
                "rc=$?\n"
                "if [ -e \"$dir/damage-groups\" ] && [ $c -gt 1 ]; then\n"
                "  for a in \"$@\"; do out=$a; done\n"
                "  printf RIFF > \"${out#file:}\"\n"
                "fi\n"
                ": > \"$dir/finished-$n\"\n"
                "exit $rc\n")
                .arg(folder, realFfmpeg());
        writeFile(path(), script.toUtf8());
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                          QFileDevice::ExeGroup);
    }

    QString path() const { return m_dir + QStringLiteral("/ffmpeg-stand-in"); }
    QString file(const QString& name) const { return m_dir + QLatin1Char('/') + name; }
    void hold() { writeFile(file(QStringLiteral("hold")), {}); }
    void failGroups() { writeFile(file(QStringLiteral("fail-groups")), {}); }
    // A converter run for several files succeeds but cuts its last result short.
    void damageGroups() { writeFile(file(QStringLiteral("damage-groups")), {}); }
    void release(int n) { writeFile(file(QStringLiteral("release-%1").arg(n)), {}); }
    bool started(int n) const {
        return QFileInfo::exists(file(QStringLiteral("started-%1").arg(n)));
    }
    bool finished(int n) const {
        return QFileInfo::exists(file(QStringLiteral("finished-%1").arg(n)));
    }
    int calls() const { return readFile(file(QStringLiteral("count"))).trimmed().toInt(); }
    QStringList arguments(int n) const { return recorded(QStringLiteral("args-%1").arg(n)); }
    // The arguments with each descriptor the converter was handed (file:/dev/fd/N) replaced by
    // the file behind it.
    QStringList resolvedArguments(int n) const {
        return recorded(QStringLiteral("resolved-%1").arg(n));
    }
    QStringList recorded(const QString& name) const {
        QByteArray raw = readFile(file(name));
        QStringList out;
        for (const QByteArray& part : raw.split('\0')) {
            out.append(QString::fromUtf8(part));
        }
        out.removeLast();  // after the last NUL
        return out;
    }
    // Replaces one capability listing (encoders, decoders, muxers) with the given text.
    void setListing(const QString& name, const QString& text) {
        writeFile(file(QStringLiteral("listing-") + name), text.toUtf8());
    }

  private:
    QString m_dir;
};

}  // namespace lorvane::test
