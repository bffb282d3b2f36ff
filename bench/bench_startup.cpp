// What speaking the user's language costs at start-up.
//
// The batch mode: `lorvane --convert` of one two-second file (its second start on, the
// converter check's cache warm), in the C locale, in German and in Japanese; with
// LORVANE_BENCH_BASELINE naming the bin folder of an earlier build, that build's program in the
// C locale too, so the ratio compares the two programs in one run.
// The window: from the start of `lorvane` until the window has drawn itself once (a preloaded
// library then ends it), in the same locales, and the baseline's window in the C locale.
// Target: each within 1.05 of the English or the baseline. Every figure the minimum (median)
// of LORVANE_BENCH_ROUNDS (default 15) interleaved rounds.
#include "benchsupport.h"
#include "convert/convertertool.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

using namespace lorvane::bench;

namespace {

int stop(const char* why) {
    std::fprintf(stderr, "bench_startup: %s\n", why);
    return 1;
}

// A console's environment in the locale given, and nothing else choosing a language.
QProcessEnvironment environmentIn(const QString& locale) {
    QProcessEnvironment env = ConsoleEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert(QStringLiteral("LANG"), locale);
    return env;
}

// One start of the program, timed around the whole process.
bool started(const QString& program, const QProcessEnvironment& env, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString ffmpeg = lorvane::ChooseConverterTool(lorvane::GetAddressWidth());
    if (ffmpeg.isEmpty()) {
        return stop("FFmpeg not found");
    }
    const int rounds = std::max(1, EnvironmentCount("LORVANE_BENCH_ROUNDS", 15));
    const QString here = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/");
    const QString baseline = qEnvironmentVariable("LORVANE_BENCH_BASELINE");
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("one.ogg"));
    if (!MakeOgg(ffmpeg, source, 2, 440)) {
        return stop("the source could not be made");
    }
    const auto batch = [&](const QString& bin, const char* locale) {
        const QString out =
            dir.filePath(QStringLiteral("out-%1-%2").arg(QString::number(qHash(bin)), locale));
        QDir().mkpath(out);
        const QStringList arguments = {QStringLiteral("--convert"), QStringLiteral("--quiet"),
                                       QStringLiteral("--format=0"),
                                       QStringLiteral("--output-folder=") + out, source};
        return Variant{
            QStringLiteral("lorvane --convert, LANG=%1%2")
                .arg(QLatin1String(locale), bin == here ? QString() : QStringLiteral(", baseline")),
            out,
            [=] {
                return started(bin + QStringLiteral("lorvane"),
                               environmentIn(QLatin1String(locale)), arguments);
            },
            {}};
    };
    // The window as the menu starts it, on the offscreen platform, ended by the preloaded
    // library once drawn; its settings in a folder of its own.
    const QString home = dir.filePath(QStringLiteral("home"));
    QDir().mkpath(home);
    // A Japanese name in the list makes an English window load the same font a Japanese one
    // does: what that font costs is the font's, not the language's.
    const QString japaneseName = dir.filePath(QString::fromUtf8("音.ogg"));
    QFile::copy(source, japaneseName);
    const auto window = [&](const QString& bin, const char* locale,
                            const QString& queued = QString()) {
        return Variant{
            QStringLiteral("window, LANG=%1%2%3")
                .arg(QLatin1String(locale), bin == here ? QString() : QStringLiteral(", baseline"),
                     queued.isEmpty() ? QString() : QStringLiteral(", a Japanese name queued")),
            dir.filePath(QStringLiteral("unused")),
            [=] {
                QProcessEnvironment env = environmentIn(QLatin1String(locale));
                env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
                env.insert(QStringLiteral("HOME"), home);
                env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
                env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(LORVANE_QUIT_WHEN_SHOWN));
                return started(bin + QStringLiteral("lorvane"), env,
                               {queued.isEmpty() ? source : queued});
            },
            {}};
    };
    std::vector<Variant> batches = {batch(here, "C.UTF-8"), batch(here, "de_DE.UTF-8"),
                                    batch(here, "ja_JP.UTF-8")};
    if (!baseline.isEmpty()) {
        batches.push_back(batch(baseline + QLatin1Char('/'), "C.UTF-8"));
    }
    // The first start checks the converter and fills its cache; the figures are of later ones.
    for (Variant& variant : batches) {
        if (!variant.run()) {
            return stop("a batch start failed");
        }
    }
    if (!RunInterleaved(batches, rounds)) {
        return 1;
    }
    std::printf(
        "bench_startup, min (median) of %d interleaved rounds\n\nthe batch mode, one "
        "two-second file:\n",
        rounds);
    PrintTable(batches);
    PrintRatio("German / C", batches[1], batches[0], 1.05);
    PrintRatio("Japanese / C", batches[2], batches[0], 1.05);
    if (batches.size() > 3) {
        PrintRatio("C / baseline", batches[0], batches[3], 1.05);
    }

    std::vector<Variant> windows = {window(here, "C.UTF-8"), window(here, "de_DE.UTF-8"),
                                    window(here, "ja_JP.UTF-8"),
                                    window(here, "C.UTF-8", japaneseName)};
    if (!baseline.isEmpty()) {
        windows.push_back(window(baseline + QLatin1Char('/'), "C.UTF-8"));
    }
    for (Variant& variant : windows) {
        if (!variant.run()) {  // the fonts' first load belongs to no variant
            return stop("the window did not start");
        }
    }
    if (!RunInterleaved(windows, rounds)) {
        return 1;
    }
    std::printf("\nthe window, from its start until it has drawn itself once:\n");
    PrintTable(windows);
    PrintRatio("German / C", windows[1], windows[0], 1.05);
    PrintRatio("Japanese / C", windows[2], windows[0], 1.05);
    PrintRatio("Japanese / C with a Japanese name", windows[2], windows[3], 1.05);
    if (windows.size() > 4) {
        PrintRatio("C / baseline", windows[0], windows[4], 1.05);
    }
    return 0;
}
