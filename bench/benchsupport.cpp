#include "benchsupport.h"

#include "convert/commandline.h"
#include "convert/pendingresult.h"
#include "convert/resultcheck.h"
#include "convert/sourcelook.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QPair>
#include <QProcess>
#include <QProcessEnvironment>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

extern char** environ;

namespace lorvane::bench {

namespace {

// Room for every packet of a two-second Vorbis file (about 88), so no input thread ever
// waits for the converter to catch up.
const QString kQueuePackets = QStringLiteral("128");

pid_t spawn(const QByteArray& program, const QList<QByteArray>& args, const char* input) {
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
    return rc == 0 ? pid : -1;
}

int waitFor(pid_t pid) {
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The group list with a read-ahead queue before every input that has none and one filter
// thread, unless the program already asks for them.
QStringList withFloorOptions(const QStringList& group) {
    QStringList args;
    bool queueGiven = false;
    for (qsizetype i = 0; i < group.size(); ++i) {
        if (group[i] == QLatin1String("-thread_queue_size")) {
            queueGiven = true;
        }
        if (group[i] == QLatin1String("-i")) {
            if (!queueGiven) {
                args << QStringLiteral("-thread_queue_size") << kQueuePackets;
            }
            queueGiven = false;
        }
        args << group[i];
    }
    if (!group.contains(QStringLiteral("-filter_threads"))) {
        args.prepend(QStringLiteral("1"));
        args.prepend(QStringLiteral("-filter_threads"));
    }
    return args;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

bool MakeOgg(const QString& ffmpeg, const QString& path, int seconds, int frequency) {
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(ffmpeg, {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                     QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=%2")
                         .arg(frequency)
                         .arg(seconds),
                     "-ac", "2", "-c:a", "libvorbis", "file:" + path});
    return p.waitForFinished(-1) && p.exitCode() == 0;
}

QList<QByteArray> Encoded(const QStringList& args) {
    QList<QByteArray> out;
    for (const QString& a : args) {
        out.append(QFile::encodeName(a));
    }
    return out;
}

int SpawnAndWait(const QByteArray& program, const QList<QByteArray>& args, const char* input) {
    return waitFor(spawn(program, args, input));
}

bool SpawnAllAndWait(const QByteArray& program, const QVector<QList<QByteArray>>& argLists) {
    std::vector<pid_t> pids;
    for (const QList<QByteArray>& args : argLists) {
        pids.push_back(spawn(program, args, "/dev/null"));
    }
    bool allDone = true;
    for (pid_t pid : pids) {
        allDone = waitFor(pid) == 0 && allDone;
    }
    return allDone;
}

QProcessEnvironment ConsoleEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(name);
    }
    return env;
}

bool RunBatch(const QString& lorvaneProgram, const QStringList& arguments) {
    QProcess batch;
    batch.setProcessEnvironment(ConsoleEnvironment());
    batch.setStandardInputFile(QProcess::nullDevice());
    batch.setStandardOutputFile(QProcess::nullDevice());
    batch.setStandardErrorFile(QProcess::nullDevice());
    batch.start(lorvaneProgram, QStringList{"--convert"} + arguments);
    return batch.waitForFinished(-1) && batch.exitStatus() == QProcess::NormalExit &&
           batch.exitCode() == 0;
}

void EmptyFolder(const QString& path) {
    QDir(path).removeRecursively();
    QDir().mkpath(path);
}

QString ResultOf(const QString& folder, const QString& source) {
    return folder + "/" + StripExtension(FileNameOfPath(source)) + ".wav";
}

const ExactLinks& ExactOf(const QString& source) {
    static QHash<QString, ExactLinks> known;
    const auto found = known.constFind(source);
    if (found != known.constEnd()) {
        return *found;
    }
    return *known.insert(source, LookAtSource(source).exact());
}

QVector<QStringList> FloorArgumentLists(const QStringList& sources, const QString& folder,
                                        const QString& codec, int processes, bool exact) {
    const qsizetype share = (sources.size() + processes - 1) / std::max(1, processes);
    QVector<QStringList> lists;
    for (qsizetype first = 0; first < sources.size(); first += share) {
        QVector<QPair<QString, QString>> pairs;
        ExactLinks trims;
        for (const QString& source : sources.mid(first, share)) {
            pairs.append({source, ResultOf(folder, source)});
            trims.append(exact ? ExactOf(source).value(0) : ExactLink());
        }
        lists.append(withFloorOptions(GroupToolArguments(pairs, codec, {}, trims)));
    }
    return lists;
}

int EnvironmentCount(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

double Variant::min() const {
    return ms.empty() ? -1 : *std::min_element(ms.begin(), ms.end());
}

double Variant::median() const {
    if (ms.empty()) {
        return -1;
    }
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    const size_t half = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[half] : (sorted[half - 1] + sorted[half]) / 2;
}

bool RunInterleaved(std::vector<Variant>& variants, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        for (Variant& v : variants) {
            EmptyFolder(v.folder);
            QElapsedTimer t;
            t.start();
            const bool done = v.run();
            const double ms = t.nsecsElapsed() / 1e6;
            if (!done) {
                std::fprintf(stderr, "bench_conversion: %s failed in round %d\n",
                             qPrintable(v.name), round + 1);
                return false;
            }
            v.ms.push_back(ms);
        }
    }
    return true;
}

void PrintTable(const std::vector<Variant>& variants, int files) {
    for (const Variant& v : variants) {
        const QString label = v.name + QLatin1Char(':');
        std::printf("  %-32s %8.0f ms (%.0f ms)", qPrintable(label), v.min(), v.median());
        if (files > 0) {
            std::printf(", %.2f ms per file", v.min() / files);
        }
        std::printf("\n");
    }
}

void PrintRatio(const char* label, const Variant& a, const Variant& b, double atMost, double aFiles,
                double bFiles) {
    const QString text = QString::fromUtf8(label) + QLatin1Char(':');
    std::printf("  %-32s %8.2f (medians %.2f; target at most %.2f)\n", qPrintable(text),
                (a.min() / aFiles) / (b.min() / bFiles),
                (a.median() / aFiles) / (b.median() / bFiles), atMost);
}

QString FirstDifference(const QString& folderA, const QString& folderB,
                        const QStringList& sources) {
    for (const QString& source : sources) {
        const QByteArray a = contentsOf(ResultOf(folderA, source));
        if (a.isEmpty() || a != contentsOf(ResultOf(folderB, source))) {
            return source;
        }
    }
    return {};
}

// Creating the temporary file exclusively and locked, reading it back through its descriptor,
// the mark, the look at the final name and the rename. A second round replaces the first
// round's results, as a re-run does.
double PlacementCost(const QStringList& sources, const QString& converted, const QString& folder,
                     const QString& codec) {
    EmptyFolder(folder);
    QVector<QByteArray> wavs;
    QVector<SourceLook> looks;
    for (const QString& source : sources) {
        wavs.append(contentsOf(ResultOf(converted, source)));
        looks.append(LookAtSource(source));
    }
    double create = 0;
    double readBack = 0;
    double place = 0;
    for (int round = 0; round < 2; ++round) {
        for (qsizetype i = 0; i < sources.size(); ++i) {
            QElapsedTimer t;
            t.start();
            QString error;
            auto pending = PendingResult::create(ResultOf(folder, sources[i]), &error);
            create += t.nsecsElapsed() / 1e6;
            if (!pending || ::pwrite(pending->descriptor(), wavs[i].constData(),
                                     size_t(wavs[i].size()), 0) != wavs[i].size()) {
                return -1;
            }
            t.restart();
            const bool whole =
                CheckResult(looks[i], sources[i], pending->readBackPath(), codec, {}).isEmpty();
            readBack += t.nsecsElapsed() / 1e6;
            t.restart();
            const QByteArray mark = ResultMarkFor(sources[i]);
            const auto existing = pending->existingAtFinalName(mark);
            error = pending->putInPlace(mark, existing == PendingResult::Existing::OwnResult);
            pending.reset();
            place += t.nsecsElapsed() / 1e6;
            const auto expected =
                round == 0 ? PendingResult::Existing::Nothing : PendingResult::Existing::OwnResult;
            if (!whole || !error.isEmpty() || existing != expected) {
                return -1;
            }
        }
    }
    const double n = 2.0 * sources.size();
    std::printf(
        "  temporary file per result:       %8.3f ms (create %.3f, read back %.3f, mark and "
        "rename %.3f; target under 1 ms)\n",
        (create + readBack + place) / n, create / n, readBack / n, place / n);
    return (create + readBack + place) / n;
}

}  // namespace lorvane::bench
