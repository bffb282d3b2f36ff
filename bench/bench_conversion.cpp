// Time per file of a conversion run through the window (offscreen), against the same FFmpeg
// command lines started directly one after another. Target: a ratio of at most 1.05. Also the
// batch mode, `lorvane --convert` on the same files as a process of its own (its start and
// FFmpeg check included), against the window's run.
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/formattable.h"
#include "convert/resultcheck.h"
#include "filelist/filelistmodel.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

extern char** environ;

namespace {

constexpr int kFiles = 100;
constexpr int kRounds = 3;

bool makeOgg(const QString& ffmpeg, const QString& path) {
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(ffmpeg, {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                     "sine=frequency=440:sample_rate=44100:duration=1", "-ac", "2", "-c:a",
                     "libvorbis", "file:" + path});
    return p.waitForFinished(60000) && p.exitCode() == 0;
}

// Starts the program and waits for it, nothing else: the floor any runner has to pay.
int spawnAndWait(const QByteArray& program, const QList<QByteArray>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.constData()));
    for (const QByteArray& a : args) {
        argv.push_back(const_cast<char*>(a.constData()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd <= 2; ++fd) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY,
                                         0);
    }
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void emptyFolder(const QString& path) {
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString ffmpeg = lorvane::ChooseConverterTool(lorvane::GetAddressWidth());
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "bench_conversion: FFmpeg not found\n");
        return 1;
    }
    QTemporaryDir dir;
    const QString in = dir.filePath("in");
    QDir().mkpath(in);
    QStringList sources;
    for (int i = 0; i < kFiles; ++i) {
        const QString path = QStringLiteral("%1/track %2.ogg").arg(in).arg(i, 3, 10, QChar('0'));
        if (!makeOgg(ffmpeg, path)) {
            std::fprintf(stderr, "bench_conversion: could not make %s\n", qPrintable(path));
            return 1;
        }
        sources.append(path);
    }

    lorvane::SettingsStore settings(dir.filePath("settings.conf"));
    lorvane::test::ScriptedDialogs dialogs;
    lorvane::WindowServices services = lorvane::WindowServices::forProgram(dialogs, settings);
    lorvane::MainWindow window(services);
    window.start();
    auto* text1 = window.findChild<QLineEdit*>("Text1");
    window.fileList().addEntries(sources);
    const QString codec = lorvane::OutputFormats()[0].codec;  // the drop-down's first choice

    const QString runOut = dir.filePath("run");
    const QString directOut = dir.filePath("direct");
    const QString lorvaneProgram = QCoreApplication::applicationDirPath() + "/../bin/lorvane";
    const QString batchOut = dir.filePath("batch");
    std::vector<double> runTimes;
    std::vector<double> directTimes;
    std::vector<double> batchTimes;
    double firstRun = 0;
    for (int round = 0; round < kRounds; ++round) {
        emptyFolder(runOut);
        text1->setText(runOut + "/");
        QElapsedTimer t;
        t.start();
        window.PushButton2_Click();
        const double runMs = t.nsecsElapsed() / 1e6;
        if (dialogs.messages().value(dialogs.messages().size() - 1) != "Done.") {
            std::fprintf(stderr, "bench_conversion: the run did not convert every file\n");
            return 1;
        }
        (round == 0 ? firstRun : runTimes.emplace_back()) = runMs;

        emptyFolder(batchOut);
        QProcess batch;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        batch.setProcessEnvironment(env);
        batch.setStandardInputFile(QProcess::nullDevice());
        batch.setStandardErrorFile(QProcess::nullDevice());
        t.restart();
        batch.start(
            lorvaneProgram,
            QStringList{"--convert", "--format", "0", "--output-folder", batchOut} + sources);
        if (!batch.waitForFinished(-1) || batch.exitCode() != 0) {
            std::fprintf(stderr, "bench_conversion: lorvane --convert failed\n");
            return 1;
        }
        batchTimes.push_back(t.nsecsElapsed() / 1e6);

        emptyFolder(directOut);
        std::vector<QList<QByteArray>> calls;
        for (const QString& source : sources) {
            const QString output =
                directOut + "/" + lorvane::StripExtension(lorvane::FileNameOfPath(source)) + ".wav";
            QList<QByteArray> args;
            for (const QString& a : lorvane::ToolArguments(source, codec, output)) {
                args.append(QFile::encodeName(a));
            }
            calls.push_back(args);
        }
        const QByteArray program = QFile::encodeName(ffmpeg);
        t.restart();
        for (const auto& args : calls) {
            if (spawnAndWait(program, args) != 0) {
                std::fprintf(stderr, "bench_conversion: FFmpeg failed directly\n");
                return 1;
            }
        }
        directTimes.push_back(t.nsecsElapsed() / 1e6);
    }
    // What reading each result back costs on its own: the source's declared length and the
    // result's header (both already in the page cache, as they are right after a run).
    QElapsedTimer check;
    check.start();
    for (const QString& source : sources) {
        const QString output =
            runOut + "/" + lorvane::StripExtension(lorvane::FileNameOfPath(source)) + ".wav";
        if (!lorvane::CheckResult(lorvane::LookAtSource(source), source, output, codec, {})
                 .isEmpty()) {
            std::fprintf(stderr, "bench_conversion: a result did not pass its check\n");
            return 1;
        }
    }
    const double checkMs = check.nsecsElapsed() / 1e6;

    const double run = *std::min_element(runTimes.begin(), runTimes.end());
    const double direct = *std::min_element(directTimes.begin(), directTimes.end());
    const double batchRun = *std::min_element(batchTimes.begin(), batchTimes.end());
    std::printf("bench_conversion: %d files of 1 s stereo 44.1 kHz OGG to 8-bit PCM WAV\n", kFiles);
    std::printf("  first run (includes the once-per-program FFmpeg check): %.2f ms per file\n",
                firstRun / kFiles);
    std::printf("  run through the window:   %.2f ms per file (best of %d)\n", run / kFiles,
                kRounds - 1);
    std::printf("  FFmpeg started directly:  %.2f ms per file (best of %d)\n", direct / kFiles,
                kRounds);
    std::printf("  ratio: %.3f (target at most 1.05)\n", run / direct);
    std::printf("  reading one result back: %.3f ms per file (target under 2 ms)\n",
                checkMs / kFiles);
    std::printf("  lorvane --convert:        %.2f ms per file (best of %d, whole process)\n",
                batchRun / kFiles, kRounds);
    std::printf("  batch mode against the window's run: ratio %.3f\n", batchRun / run);
    std::fflush(stdout);
    // The window's own exit would end the process without cleaning the temporary folder.
    return 0;
}
