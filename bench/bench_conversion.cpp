// How long converting OGG files to 8-bit WAV takes through the program's own ways, the window
// and `lorvane --convert` (the batch mode, a process of its own: start, converter check and
// all), against FFmpeg started directly. Whatever the conversion engine does (how it groups
// files, which options it gives FFmpeg, what it keeps between starts) is measured as it is.
//
// Every figure is the minimum (and median) of 5 interleaved rounds: round 1 of every variant,
// then round 2 of every variant, and so on, so that the load of whatever else runs on the
// machine weighs on all variants alike; variants are compared as ratios within one run.
//
// Short set, 100 two-second stereo 44.1 kHz files, and long set, 8 two-minute files, each
// converted by: the window with its defaults; the window with LORVANE_JOBS=1; `lorvane
// --convert`; FFmpeg one file at a time; `xargs -P <cores>` starting the same command lines;
// and the floor, the fastest byte-identical FFmpeg setup: <cores> FFmpeg processes at once,
// each converting an equal share of the files with the program's group argument list, a
// read-ahead queue of 128 packets before every input and one filter thread.
// Targets: short set, window / floor and lorvane --convert / floor at most 1.15; long set,
// window / xargs and lorvane --convert / xargs at most 0.95. After the rounds the window's
// results of the short set must be byte for byte the floor's.
// One file: the batch mode's second start (the converter check's cache warm) against FFmpeg
// alone converting the same file: at most 1.2.
// Many files: 10,000 copies of a few two-second files under names of their own through
// `lorvane --convert`, interleaved with the batch mode on the 100 short files: the time per
// file within 20 % of the short set's, in 3 rounds (each takes minutes).
// Once per set, after the rounds: reading one result back, the comments and a loop chunk,
// and the temporary file's cost per result.
//
// LORVANE_BENCH_ROUNDS=N sets the rounds (a quick look with fewer is noisier);
// LORVANE_BENCH_BIG=N converts N copies instead of 10,000, and 0 leaves that part out.
// The batch mode runs without DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM, as from a console,
// with the user's cache folder as it is. The window runs on whatever platform Qt is given:
// `make bench` runs it offscreen and under Xvfb.
#include "app/mainwindow.h"
#include "app/settingsstore.h"
#include "benchsupport.h"
#include "convert/commandline.h"
#include "convert/convertertool.h"
#include "convert/formattable.h"
#include "convert/resultcheck.h"
#include "convert/samplerchunk.h"
#include "convert/sourcelook.h"
#include "filelist/filelistmodel.h"
#include "support/scripteddialogs.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace lorvane::bench;

namespace {

constexpr int kBigRounds = 3;
constexpr int kBigPatterns = 8;  // distinct files behind the copies

bool fail(const char* what) {
    std::fprintf(stderr, "bench_conversion: %s\n", what);
    return false;
}

int stop(const char* what) {
    fail(what);
    return 1;
}

bool makeSources(const QString& ffmpeg, const QString& folder, int files, int seconds,
                 QStringList* sources) {
    QDir().mkpath(folder);
    for (int i = 0; i < files; ++i) {
        sources->append(QStringLiteral("%1/track %2.ogg").arg(folder).arg(i, 3, 10, QChar('0')));
        if (!MakeOgg(ffmpeg, sources->back(), seconds, 200 + 7 * i)) {
            return fail("could not make a source file");
        }
    }
    return true;
}

// A few generated files copied under names of their own: making each with FFmpeg would take
// longer than the runs.
bool makeCopies(const QString& ffmpeg, const QString& folder, int files, QStringList* sources) {
    QDir().mkpath(folder + "/patterns");
    QStringList patterns;
    if (!makeSources(ffmpeg, folder + "/patterns", kBigPatterns, 2, &patterns)) {
        return false;
    }
    for (int i = 0; i < files; ++i) {
        sources->append(QStringLiteral("%1/track %2.ogg").arg(folder).arg(i, 5, 10, QChar('0')));
        if (!QFile::copy(patterns[i % kBigPatterns], sources->back())) {
            return fail("could not copy a source file");
        }
    }
    return true;
}

// What each result costs after its conversion, measured once on the window's last results:
// reading it back, carrying comments and a loop over, and the temporary file it goes through.
bool perFileFigures(const QStringList& sources, const QString& results, const QString& scratch,
                    const QString& codec, double windowMs) {
    QElapsedTimer check;
    check.start();
    for (const QString& source : sources) {
        if (!lorvane::CheckResult(lorvane::LookAtSource(source), source, ResultOf(results, source),
                                  codec, {})
                 .isEmpty()) {
            return fail("a result did not pass its check");
        }
    }
    std::printf("  reading one result back:         %8.3f ms per file (target under 2 ms)\n",
                check.nsecsElapsed() / 1e6 / sources.size());
    QElapsedTimer loops;
    loops.start();
    for (const QString& source : sources) {
        const lorvane::SourceLook look = lorvane::LookAtSource(source);
        const int fd = ::open(QFile::encodeName(ResultOf(results, source)).constData(), O_RDWR);
        const bool written =
            look.isFile() && fd >= 0 && lorvane::AddSamplerLoop(fd, {0, 999, 44100}).isEmpty();
        if (fd >= 0) {
            ::close(fd);
        }
        if (!written) {
            return fail("no loop written into a result");
        }
    }
    const double loopMs = loops.nsecsElapsed() / 1e6 / sources.size();
    std::printf(
        "  comments and loop chunk:         %8.3f ms per file, %.4f of a file's conversion\n",
        loopMs, loopMs / (windowMs / sources.size()));
    if (PlacementCost(sources, results, scratch, codec) < 0) {
        return fail("a result could not be put in place");
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString ffmpeg = lorvane::ChooseConverterTool(lorvane::GetAddressWidth());
    if (ffmpeg.isEmpty()) {
        return stop("FFmpeg not found");
    }
    const int cores = std::max(1, QThread::idealThreadCount());
    const int rounds = std::max(1, EnvironmentCount("LORVANE_BENCH_ROUNDS", 5));
    const int bigFiles = EnvironmentCount("LORVANE_BENCH_BIG", 10000);
    const QString codec = lorvane::OutputFormats()[0].codec;  // the drop-down's first choice
    const QByteArray program = QFile::encodeName(ffmpeg);
    const QString lorvaneProgram = QCoreApplication::applicationDirPath() + "/../bin/lorvane";
    QTemporaryDir dir;

    lorvane::SettingsStore settings(dir.filePath("settings.conf"));
    lorvane::test::ScriptedDialogs dialogs;
    lorvane::MainWindow window(lorvane::WindowServices::forProgram(dialogs, settings));
    window.start();
    auto* text1 = window.findChild<QLineEdit*>("Text1");
    const auto windowRun = [&](const QString& folder, const QByteArray& jobs) {
        text1->setText(folder + "/");
        if (jobs.isEmpty()) {
            qunsetenv("LORVANE_JOBS");
        } else {
            qputenv("LORVANE_JOBS", jobs);
        }
        window.PushButton2_Click();
        qunsetenv("LORVANE_JOBS");
        return dialogs.messages().value(dialogs.messages().size() - 1) == "Done.";
    };
    const auto out = [&](const char* variant) { return dir.filePath(QString("out/") + variant); };
    const auto batchArguments = [](const QString& folder, const QStringList& sources) {
        return QStringList{"--format", "0", "--output-folder", folder} + sources;
    };

    std::printf(
        "bench_conversion on the %s platform, %d cores, 8-bit PCM WAV, min (median) of %d "
        "interleaved rounds\n",
        qPrintable(QGuiApplication::platformName()), cores, rounds);
    struct Set {
        const char* name;
        int files;
        int seconds;
    };
    QStringList shortSources;
    for (const Set& set : {Set{"short", 100, 2}, Set{"long", 8, 120}}) {
        const bool isShort = set.files == 100;
        QStringList sources;
        if (!makeSources(ffmpeg, dir.filePath(set.name), set.files, set.seconds, &sources)) {
            return 1;
        }
        if (isShort) {
            shortSources = sources;
        }
        window.PushButton4_Click();
        window.fileList().addEntries(sources);
        // The window checks its converter once per program run: that stays out of the figures.
        EmptyFolder(out("window"));
        if (!windowRun(out("window"), "1")) {
            return stop("the window's first run failed");
        }
        const QString argsFile = dir.filePath("xargs-input");
        std::vector<Variant> v{
            {"window, defaults", out("window"), [&] { return windowRun(out("window"), {}); }, {}},
            {"window, LORVANE_JOBS=1",
             out("window1"),
             [&] { return windowRun(out("window1"), "1"); },
             {}},
            {"lorvane --convert",
             out("batch"),
             [&] { return RunBatch(lorvaneProgram, batchArguments(out("batch"), sources)); },
             {}},
            {"FFmpeg one at a time",
             out("loop"),
             [&] {
                 for (const QString& source : sources) {
                     const QStringList args = lorvane::ToolArguments(
                         source, codec, ResultOf(out("loop"), source), ExactOf(source));
                     if (SpawnAndWait(program, Encoded(args)) != 0) {
                         return false;
                     }
                 }
                 return true;
             },
             {}},
            // xargs reads the command lines' arguments, NUL-separated, one FFmpeg per line.
            {QStringLiteral("xargs -P %1").arg(cores),
             out("xargs"),
             [&] {
                 QFile file(argsFile);
                 if (!file.open(QIODevice::WriteOnly)) {
                     return false;
                 }
                 qsizetype perRun = 0;
                 for (const QString& source : sources) {
                     const QStringList args = lorvane::ToolArguments(
                         source, codec, ResultOf(out("xargs"), source), ExactOf(source));
                     perRun = args.size();
                     for (const QByteArray& a : Encoded(args)) {
                         file.write(a + '\0');
                     }
                 }
                 file.close();
                 return SpawnAndWait("xargs",
                                     {"-0", "-n", QByteArray::number(perRun), "-P",
                                      QByteArray::number(cores), program},
                                     QFile::encodeName(argsFile).constData()) == 0;
             },
             {}},
            {QStringLiteral("floor, %1 grouped FFmpeg").arg(cores),
             out("floor"),
             [&] {
                 QVector<QList<QByteArray>> lists;
                 for (const QStringList& args :
                      FloorArgumentLists(sources, out("floor"), codec, cores)) {
                     lists.append(Encoded(args));
                 }
                 return SpawnAllAndWait(program, lists);
             },
             {}},
            {QStringLiteral("floor, FFmpeg's own trimming"),
             out("floor-own"),
             [&] {
                 QVector<QList<QByteArray>> lists;
                 for (const QStringList& args :
                      FloorArgumentLists(sources, out("floor-own"), codec, cores, false)) {
                     lists.append(Encoded(args));
                 }
                 return SpawnAllAndWait(program, lists);
             },
             {}},
        };
        for (const QString& source : sources) {
            ExactOf(source);
        }
        if (!RunInterleaved(v, rounds)) {
            return 1;
        }
        const Variant& windowDefaults = v[0];
        const Variant& batch = v[2];
        std::printf("\n%d %d-second files (%s):\n", set.files, set.seconds, set.name);
        PrintTable(v);
        if (isShort) {
            PrintRatio("window / floor", windowDefaults, v[5], 1.15);
            PrintRatio("lorvane --convert / floor", batch, v[5], 1.15);
        } else {
            PrintRatio("window / xargs", windowDefaults, v[4], 0.95);
            PrintRatio("lorvane --convert / xargs", batch, v[4], 0.95);
        }
        PrintRatio("LORVANE_JOBS=1 / one at a time", v[1], v[3], 1.05);
        PrintRatio("exact floor / FFmpeg's own trimming", v[5], v[6], 1.03);
        if (isShort) {
            const QString differing = FirstDifference(out("window"), out("floor"), sources);
            if (!differing.isEmpty()) {
                std::fprintf(stderr,
                             "bench_conversion: the window's result of %s is not the floor's\n",
                             qPrintable(differing));
                return 1;
            }
            std::printf("  results identical (window and floor, %d files)\n", set.files);
        }
        if (!perFileFigures(sources, out("window"), dir.filePath("placed"), codec,
                            windowDefaults.min())) {
            return 1;
        }
        std::fflush(stdout);
    }

    // One file: what starting the batch mode adds to the single FFmpeg run it makes.
    const QString one = shortSources[0];
    ExactOf(one);
    EmptyFolder(out("one-batch"));
    if (!RunBatch(lorvaneProgram, batchArguments(out("one-batch"), {one}))) {
        return stop("the batch mode's first start failed");
    }
    std::vector<Variant> single{
        {"lorvane --convert, second start",
         out("one-batch"),
         [&] { return RunBatch(lorvaneProgram, batchArguments(out("one-batch"), {one})); },
         {}},
        {"FFmpeg alone",
         out("one-ffmpeg"),
         [&] {
             const QStringList args =
                 lorvane::ToolArguments(one, codec, ResultOf(out("one-ffmpeg"), one), ExactOf(one));
             return SpawnAndWait(program, Encoded(args)) == 0;
         },
         {}},
    };
    if (!RunInterleaved(single, rounds)) {
        return 1;
    }
    std::printf("\n1 two-second file, batch mode start:\n");
    PrintTable(single);
    PrintRatio("lorvane --convert / FFmpeg", single[0], single[1], 1.2);
    std::fflush(stdout);

    if (bigFiles > 0) {
        QStringList bigSources;
        if (!makeCopies(ffmpeg, dir.filePath("big"), bigFiles, &bigSources)) {
            return 1;
        }
        const int bigRounds = std::min(kBigRounds, rounds);
        std::vector<Variant> big{
            {QStringLiteral("lorvane --convert, %1 files").arg(bigFiles),
             out("big"),
             [&] { return RunBatch(lorvaneProgram, batchArguments(out("big"), bigSources)); },
             {}},
            {"lorvane --convert, 100 files",
             out("batch"),
             [&] { return RunBatch(lorvaneProgram, batchArguments(out("batch"), shortSources)); },
             {}},
        };
        if (!RunInterleaved(big, bigRounds)) {
            return 1;
        }
        std::printf("\n%d two-second files through the batch mode, %d rounds:\n", bigFiles,
                    bigRounds);
        PrintTable({big[0]}, bigFiles);
        PrintTable({big[1]}, int(shortSources.size()));
        PrintRatio("per file, many / 100", big[0], big[1], 1.2, bigFiles, shortSources.size());
        EmptyFolder(out("big"));
    }
    // The window's own exit would end the process without cleaning the temporary folder.
    return 0;
}
