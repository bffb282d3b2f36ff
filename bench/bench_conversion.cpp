// Conversion runs of two sets, 100 two-second and 8 two-minute stereo OGG files, each
// converted to 8-bit WAV by:
//   the window with its defaults (one converter per core, short files grouped),
//   the window with LORVANE_JOBS=1 (one file after another),
//   `lorvane --convert` (the batch mode, a process of its own, start and converter check
//   included; the short set only),
//   FFmpeg started directly one file at a time,
//   `xargs -P <cores>` starting the same FFmpeg command lines,
//   one FFmpeg process for every file of the set (the floor).
// Every figure is the best of two rounds, measured in the same run, and compared as ratios.
// It runs on whatever platform Qt is given: `make bench` runs it offscreen and under Xvfb.
// Targets on a 2-core machine: short files in at most 2x the floor; long files at least 1.7x
// faster than one at a time; LORVANE_JOBS=1 at most 1.05x the direct loop.
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/formattable.h"
#include "convert/pendingresult.h"
#include "convert/resultcheck.h"
#include "convert/samplerchunk.h"
#include "filelist/filelistmodel.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

extern char** environ;

namespace {

constexpr int kRounds = 2;

bool makeOgg(const QString& ffmpeg, const QString& path, int seconds, int frequency) {
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(ffmpeg, {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                     QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=%2")
                         .arg(frequency)
                         .arg(seconds),
                     "-ac", "2", "-c:a", "libvorbis", "file:" + path});
    return p.waitForFinished(-1) && p.exitCode() == 0;
}

// Starts the program and waits for it, nothing else: the floor any runner has to pay.
int spawnAndWait(const QByteArray& program, const QList<QByteArray>& args,
                 const char* input = "/dev/null") {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.constData()));
    for (const QByteArray& a : args) {
        argv.push_back(const_cast<char*>(a.constData()));
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input, O_RDONLY, 0);
    for (int fd = 1; fd <= 2; ++fd) {
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, program.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QList<QByteArray> encoded(const QStringList& args) {
    QList<QByteArray> out;
    for (const QString& a : args) {
        out.append(QFile::encodeName(a));
    }
    return out;
}

void emptyFolder(const QString& path) {
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

QString resultOf(const QString& folder, const QString& source) {
    return folder + "/" + lorvane::StripExtension(lorvane::FileNameOfPath(source)) + ".wav";
}

// The best of the rounds, in milliseconds; the folder is emptied before each.
double best(const QString& folder, const std::function<bool()>& run) {
    double fastest = -1;
    for (int round = 0; round < kRounds; ++round) {
        emptyFolder(folder);
        QElapsedTimer t;
        t.start();
        if (!run()) {
            return -1;
        }
        const double ms = t.nsecsElapsed() / 1e6;
        fastest = fastest < 0 ? ms : std::min(fastest, ms);
    }
    return fastest;
}

struct Figures {
    double window = -1;
    double windowOneAtATime = -1;
    double batch = -1;
    double loop = -1;
    double xargs = -1;
    double floor = -1;
};

// What writing through a temporary file adds to each result, the bytes aside (FFmpeg writes
// them either way): creating it exclusively and locked, reading it back through its
// descriptor, the mark, the look at the final name and the rename. A second round replaces
// the first round's results, as a re-run does. Prints a line of figures and returns the
// whole cost in ms per file, or -1 when a result could not be put in place.
double placementCost(const QStringList& sources, const QString& converted, const QString& folder,
                     const QString& codec) {
    emptyFolder(folder);
    QVector<QByteArray> wavs;
    QVector<lorvane::SourceLook> looks;
    for (const QString& source : sources) {
        QFile wav(resultOf(converted, source));
        wavs.append(wav.open(QIODevice::ReadOnly) ? wav.readAll() : QByteArray());
        looks.append(lorvane::LookAtSource(source));
    }
    double create = 0;
    double readBack = 0;
    double place = 0;
    for (int round = 0; round < 2; ++round) {
        for (qsizetype i = 0; i < sources.size(); ++i) {
            QElapsedTimer t;
            t.start();
            QString error;
            auto pending = lorvane::PendingResult::create(resultOf(folder, sources[i]), &error);
            create += t.nsecsElapsed() / 1e6;
            if (!pending || ::pwrite(pending->descriptor(), wavs[i].constData(),
                                     size_t(wavs[i].size()), 0) != wavs[i].size()) {
                return -1;
            }
            t.restart();
            const bool whole =
                lorvane::CheckResult(looks[i], sources[i], pending->readBackPath(), codec, {})
                    .isEmpty();
            readBack += t.nsecsElapsed() / 1e6;
            t.restart();
            const QByteArray mark = lorvane::ResultMarkFor(sources[i]);
            const auto existing = pending->existingAtFinalName(mark);
            error =
                pending->putInPlace(mark, existing == lorvane::PendingResult::Existing::OwnResult);
            pending.reset();
            place += t.nsecsElapsed() / 1e6;
            const auto expected = round == 0 ? lorvane::PendingResult::Existing::Nothing
                                             : lorvane::PendingResult::Existing::OwnResult;
            if (!whole || !error.isEmpty() || existing != expected) {
                return -1;
            }
        }
    }
    const double n = 2.0 * sources.size();
    std::printf(
        "  temporary file per result: %8.3f ms (create %.3f, read back %.3f, mark and "
        "rename %.3f; target under 1 ms)\n",
        (create + readBack + place) / n, create / n, readBack / n, place / n);
    return (create + readBack + place) / n;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString ffmpeg = lorvane::ChooseConverterTool(lorvane::GetAddressWidth());
    if (ffmpeg.isEmpty()) {
        std::fprintf(stderr, "bench_conversion: FFmpeg not found\n");
        return 1;
    }
    const int cores = std::max(1, QThread::idealThreadCount());
    const QString codec = lorvane::OutputFormats()[0].codec;  // the drop-down's first choice
    const QByteArray program = QFile::encodeName(ffmpeg);
    const QString lorvaneProgram = QCoreApplication::applicationDirPath() + "/../bin/lorvane";
    QTemporaryDir dir;

    lorvane::SettingsStore settings(dir.filePath("settings.conf"));
    lorvane::test::ScriptedDialogs dialogs;
    lorvane::MainWindow window(lorvane::WindowServices::forProgram(dialogs, settings));
    window.start();
    auto* text1 = window.findChild<QLineEdit*>("Text1");
    const QString out = dir.filePath("out");

    std::printf("bench_conversion on the %s platform, %d cores, 8-bit PCM WAV, best of %d\n",
                qPrintable(QGuiApplication::platformName()), cores, kRounds);
    struct Set {
        const char* name;
        int files;
        int seconds;
        bool batch;
    };
    for (const Set& set : {Set{"short", 100, 2, true}, Set{"long", 8, 120, false}}) {
        const QString in = dir.filePath(set.name);
        QDir().mkpath(in);
        QStringList sources;
        for (int i = 0; i < set.files; ++i) {
            sources.append(QStringLiteral("%1/track %2.ogg").arg(in).arg(i, 3, 10, QChar('0')));
            if (!makeOgg(ffmpeg, sources.back(), set.seconds, 200 + 7 * i)) {
                std::fprintf(stderr, "bench_conversion: could not make %s\n",
                             qPrintable(sources.back()));
                return 1;
            }
        }
        window.PushButton4_Click();
        window.fileList().addEntries(sources);
        text1->setText(out + "/");
        const auto windowRun = [&](const QByteArray& jobs) {
            if (jobs.isEmpty()) {
                qunsetenv("LORVANE_JOBS");
            } else {
                qputenv("LORVANE_JOBS", jobs);
            }
            window.PushButton2_Click();
            qunsetenv("LORVANE_JOBS");
            return dialogs.messages().value(dialogs.messages().size() - 1) == "Done.";
        };
        windowRun("1");  // the converter check, once per program run, stays out of the figures

        Figures f;
        f.window = best(out, [&] { return windowRun({}); });
        f.windowOneAtATime = best(out, [&] { return windowRun("1"); });
        if (set.batch) {
            f.batch = best(out, [&] {
                QProcess batch;
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
                    env.remove(name);
                }
                batch.setProcessEnvironment(env);
                batch.setStandardInputFile(QProcess::nullDevice());
                batch.setStandardErrorFile(QProcess::nullDevice());
                batch.start(
                    lorvaneProgram,
                    QStringList{"--convert", "--format", "0", "--output-folder", out} + sources);
                return batch.waitForFinished(-1) && batch.exitCode() == 0;
            });
        }
        f.loop = best(out, [&] {
            for (const QString& source : sources) {
                if (spawnAndWait(program, encoded(lorvane::ToolArguments(
                                              source, codec, resultOf(out, source)))) != 0) {
                    return false;
                }
            }
            return true;
        });
        // xargs reads the command lines' arguments, NUL-separated, one FFmpeg per command line.
        const QString argsFile = dir.filePath("xargs-input");
        f.xargs = best(out, [&] {
            QFile file(argsFile);
            if (!file.open(QIODevice::WriteOnly)) {
                return false;
            }
            for (const QString& source : sources) {
                for (const QByteArray& a :
                     encoded(lorvane::ToolArguments(source, codec, resultOf(out, source)))) {
                    file.write(a + '\0');
                }
            }
            file.close();
            const QByteArray perRun = QByteArray::number(
                lorvane::ToolArguments(sources[0], codec, resultOf(out, sources[0])).size());
            return spawnAndWait("xargs",
                                {"-0", "-n", perRun, "-P", QByteArray::number(cores), program},
                                QFile::encodeName(argsFile).constData()) == 0;
        });
        f.floor = best(out, [&] {
            QVector<QPair<QString, QString>> pairs;
            for (const QString& source : sources) {
                pairs.append({source, resultOf(out, source)});
            }
            return spawnAndWait(program, encoded(lorvane::GroupToolArguments(pairs, codec))) == 0;
        });
        if (f.window < 0 || f.windowOneAtATime < 0 || f.loop < 0 || f.xargs < 0 || f.floor < 0 ||
            (set.batch && f.batch < 0)) {
            std::fprintf(stderr, "bench_conversion: a run of the %s set failed\n", set.name);
            return 1;
        }

        std::printf("\n%d %d-second files (%s):\n", set.files, set.seconds, set.name);
        std::printf("  window, defaults:          %8.0f ms\n", f.window);
        std::printf("  window, LORVANE_JOBS=1:    %8.0f ms\n", f.windowOneAtATime);
        if (set.batch) {
            std::printf("  lorvane --convert:         %8.0f ms\n", f.batch);
        }
        std::printf("  FFmpeg one at a time:      %8.0f ms\n", f.loop);
        std::printf("  xargs -P %d:                %8.0f ms\n", cores, f.xargs);
        std::printf("  one FFmpeg for all (floor):%8.0f ms\n", f.floor);
        std::printf("  defaults / floor:          %8.2f (short files: target at most 2)\n",
                    f.window / f.floor);
        std::printf("  one at a time / defaults:  %8.2f (long files: target at least 1.7)\n",
                    f.loop / f.window);
        std::printf("  LORVANE_JOBS=1 / loop:     %8.3f (target at most 1.05)\n",
                    f.windowOneAtATime / f.loop);
        if (set.batch) {
            std::printf("  lorvane --convert / window:%8.2f\n", f.batch / f.window);
        }

        // What reading each result back costs on its own: the source's declared length and
        // the result's header (in the page cache, as they are right after a run).
        windowRun({});
        QElapsedTimer check;
        check.start();
        for (const QString& source : sources) {
            if (!lorvane::CheckResult(lorvane::LookAtSource(source), source, resultOf(out, source),
                                      codec, {})
                     .isEmpty()) {
                std::fprintf(stderr, "bench_conversion: a result did not pass its check\n");
                return 1;
            }
        }
        std::printf("  reading one result back:   %8.3f ms per file (target under 2 ms)\n",
                    check.nsecsElapsed() / 1e6 / set.files);
        // What carrying a loop over adds to each file: the look at the source that reads its
        // comments, and a sampler chunk written into its result, against what converting a
        // file costs in this run.
        QElapsedTimer loops;
        loops.start();
        for (const QString& source : sources) {
            const lorvane::SourceLook look = lorvane::LookAtSource(source);
            const int fd = ::open(QFile::encodeName(resultOf(out, source)).constData(), O_RDWR);
            if (!look.isFile() || fd < 0 ||
                !lorvane::AddSamplerLoop(fd, {0, 999, 44100}).isEmpty()) {
                std::fprintf(stderr, "bench_conversion: no loop written into a result\n");
                return 1;
            }
            ::close(fd);
        }
        const double loopMs = loops.nsecsElapsed() / 1e6 / set.files;
        std::printf("  comments and loop chunk:   %8.3f ms per file, %.4f of a file's conversion\n",
                    loopMs, loopMs / (f.window / set.files));
        const double perFile = placementCost(sources, out, dir.filePath("placed"), codec);
        if (perFile < 0) {
            std::fprintf(stderr, "bench_conversion: a result could not be put in place\n");
            return 1;
        }
        std::fflush(stdout);
    }
    // The window's own exit would end the process without cleaning the temporary folder.
    return 0;
}
