// `lorvane --convert --keep-tree --update` as a build step runs it: a tree of 10,000 short
// OGG files (100 folders of 100) converted once, then the same command again over the
// unchanged tree, then once more after one source was touched. Figures as ratios of the
// first run, measured in one run. Goal: the unchanged re-run under 5 % of the first.
#include "benchsupport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

constexpr int kFolders = 100;
constexpr int kFilesEach = 100;

struct Timed {
    qint64 ms = -1;
    int exitCode = -1;
    QByteArray lastLines;
};

Timed runBatch(const QString& program, const QStringList& args) {
    QProcess batch;
    batch.setProcessEnvironment(lorvane::bench::ConsoleEnvironment());
    batch.setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    batch.start(program, args);
    Timed t;
    if (batch.waitForFinished(-1)) {
        t.ms = timer.elapsed();
        t.exitCode = batch.exitCode();
        t.lastLines = batch.readAllStandardError().trimmed();
    }
    return t;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString program = QCoreApplication::applicationDirPath() + "/../bin/lorvane";
    QTemporaryDir dir;
    const QString in = dir.filePath("in");
    const QString out = dir.filePath("out");
    QDir().mkpath(out);
    const QString one = dir.filePath("one.ogg");
    QProcess make;
    make.setStandardInputFile(QProcess::nullDevice());
    make.start("ffmpeg", {"-nostdin", "-v", "error", "-f", "lavfi", "-i",
                          "sine=frequency=440:sample_rate=44100:duration=0.5", "-ac", "2", "-c:a",
                          "libvorbis", "file:" + one});
    if (!make.waitForFinished(-1) || make.exitCode() != 0) {
        std::fprintf(stderr, "bench_update: could not make an OGG file with ffmpeg\n");
        return 1;
    }
    for (int f = 0; f < kFolders; ++f) {
        const QString folder = QStringLiteral("%1/set%2").arg(in).arg(f, 3, 10, QLatin1Char('0'));
        QDir().mkpath(folder);
        for (int n = 0; n < kFilesEach; ++n) {
            QFile::copy(one, QStringLiteral("%1/sound %2.ogg").arg(folder).arg(n));
        }
    }
    const QStringList args = {"--convert",       "--quiet",  "--keep-tree",
                              "--update",        "--format", "16-bit PCM",
                              "--output-folder", out,        in};
    std::printf(
        "bench_update: %d short OGG files (0.5 s stereo) in %d folders, --keep-tree "
        "--update, %d cores\n",
        kFolders * kFilesEach, kFolders, QThread::idealThreadCount());
    const Timed first = runBatch(program, args);
    const Timed again = runBatch(program, args);
    QFile touched(in + "/set050/sound 50.ogg");
    touched.open(QIODevice::ReadWrite);
    touched.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime);
    touched.close();
    const Timed oneTouched = runBatch(program, args);
    for (const auto& [name, t] : {std::pair{"first run", first},
                                  {"unchanged tree", again},
                                  {"one source touched", oneTouched}}) {
        if (t.exitCode != 0) {
            std::fprintf(stderr, "bench_update: the %s failed (%d):\n%s\n", name, t.exitCode,
                         t.lastLines.constData());
            return 1;
        }
        std::printf("  %-20s %8lld ms  %6.2f %% of the first run   %s\n", name,
                    static_cast<long long>(t.ms), 100.0 * t.ms / first.ms,
                    t.lastLines.split('\n').value(0).constData());
    }
    std::printf("  goal: the unchanged tree under 5 %% of the first run: %s\n",
                again.ms * 20 < first.ms ? "met" : "NOT met");
    return 0;
}
