// The conversion in a process of its own: a run without the rights to write its results, and
// closing the window while the converter runs.
#include "convert/convertsupport.h"
#include "convert/wavheader.h"

#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <utility>

using namespace lorvane::test;

namespace {

const QFileDevice::Permissions kOpenFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
const QFileDevice::Permissions kReadOnlyFolder =
    kOpenFolder & ~QFileDevice::Permissions(QFileDevice::WriteOwner);
const QFileDevice::Permissions kSharedFolder =
    kOpenFolder | QFileDevice::WriteGroup | QFileDevice::WriteOther;

struct Outcome {
    int exitCode = -1;
    bool crashed = false;
    QStringList messages;
};

// A copy of the helper inside the test's folder, where an unprivileged user can run it.
QString helperIn(const QTemporaryDir& dir) {
    const QString copy = dir.filePath("conversion_helper");
    QFile::copy(qEnvironmentVariable("LORVANE_TEST_BIN") + "/conversion_helper", copy);
    QFile::setPermissions(copy, kOpenFolder);
    return copy;
}

QProcessEnvironment helperEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DATA_HOME", home + "/.local/share");  // its trash, on the files' own disk
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("XDG_RUNTIME_DIR");
    return env;
}

Outcome finish(QProcess& p) {
    Outcome o;
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
    }
    o.crashed = p.exitStatus() == QProcess::CrashExit;
    o.exitCode = p.exitCode();
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    o.messages = out.split(QChar(0x1e), Qt::SkipEmptyParts);
    return o;
}

// Starts the helper in the folder's "home" with the stand-in converter, its own process
// group (as a shell's foreground job has), saving into the folder's "out".
// A folder for a run of the real program (out/ for results, home/ for its settings) and the
// stand-in converter, holding each converter it starts until it is released.
struct HeldRun {
    QTemporaryDir dir;
    QString root = dir.path() + "/";
    FakeTool fake{root + "tool"};
    HeldRun() {
        QDir().mkpath(root + "out");
        QDir().mkpath(root + "home");
        fake.hold();
    }
};

void startWithStandIn(QProcess& p, const QString& root, const FakeTool& fake,
                      const QStringList& arguments) {
    QProcessEnvironment env = helperEnvironment(root + "home");
    env.insert("LORVANE_FFMPEG", fake.path());
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    p.setChildProcessModifier([] { ::setpgid(0, 0); });
    p.start(qEnvironmentVariable("LORVANE_TEST_BIN") + "/conversion_helper",
            QStringList{root + "home/settings.conf", root + "out"} + arguments);
}

}  // namespace

class ConversionProcessTest : public QObject {
    Q_OBJECT
  private slots:
    void readOnlyOutputFolder();
    void endingMidRunFinishesWhatRuns_data();
    void endingMidRunFinishesWhatRuns();
    void secondSignalEndsTheConvertersNow();
    void killedRunLeavesOnlyTemporaryFiles();
    void batchModeStoppedBySigterm();
    void swapRaceByAnotherUser_data();
    void swapRaceByAnotherUser();
    void resultsAppearOnlyByRename();
};

void ConversionProcessTest::readOnlyOutputFolder() {
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), kOpenFolder);
    const QString root = dir.path() + "/";
    for (const char* folder : {"in", "ro", "home"}) {
        QDir().mkpath(root + folder);
    }
    QFile::setPermissions(root + "home", kSharedFolder);
    QVERIFY(makeOgg(root + "in/keep.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "in/new.ogg", 8000, 1, 0.2));
    QVERIFY(writeFile(root + "ro/keep.wav", "an earlier result"));
    QFile::setPermissions(root + "ro", kReadOnlyFolder);
    const QByteArray source = readFile(root + "in/keep.ogg");

    // Only the run itself lacks the rights: root would write anywhere.
    QProcess p;
    p.setProcessEnvironment(helperEnvironment(root + "home"));
    p.setStandardInputFile(QProcess::nullDevice());
    p.start("setpriv",
            {"--reuid=65534", "--regid=65534", "--clear-groups", helperIn(dir),
             root + "home/settings.conf", root + "ro", root + "in/keep.ogg", root + "in/new.ogg"});
    const Outcome o = finish(p);
    QVERIFY(!o.crashed);
    QCOMPARE(o.exitCode, 0);
    // Nothing can be written there, not even a temporary file: the earlier result stays as
    // it was.
    QCOMPARE(o.messages,
             QStringList{notConverted(
                 {{root + "in/keep.ogg", lorvane::reasons::notWritten("Permission denied")},
                  {root + "in/new.ogg", lorvane::reasons::notWritten("Permission denied")}})});
    QCOMPARE(readFile(root + "ro/keep.wav"), QByteArray("an earlier result"));
    QVERIFY(!QFileInfo::exists(root + "ro/new.wav"));
    QCOMPARE(readFile(root + "in/keep.ogg"), source);
    QFile::setPermissions(root + "ro", kOpenFolder);
}

// What a folder holds: its names, temporary files included.
QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Closing the window, Ctrl+C in the terminal (the whole foreground process group), a
// shutdown's SIGTERM or a closed terminal's SIGHUP while a converter runs: the window goes,
// no further converter starts, the running one (in a session of its own, so no signal meant
// for the terminal reaches it) finishes, its results are checked and put in place, and then
// the program ends. No temporary file stays behind.
void ConversionProcessTest::endingMidRunFinishesWhatRuns_data() {
    QTest::addColumn<int>("signal");  // 0: the window is closed
    QTest::newRow("window closed") << 0;
    QTest::newRow("Ctrl+C") << int(SIGINT);
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void ConversionProcessTest::endingMidRunFinishesWhatRuns() {
    QFETCH(int, signal);
    HeldRun held;
    const QString& root = held.root;
    FakeTool& fake = held.fake;
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "b.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "c.ogg", 8000, 1, 40));  // never grouped with the others

    QProcess p;
    QStringList args = {root + "a.ogg", root + "b.ogg", root + "c.ogg"};
    if (signal == 0) {
        args.prepend(fake.file("started-1"));
        args.prepend("--close-when");
    }
    startWithStandIn(p, root, fake, args);
    QTRY_VERIFY_WITH_TIMEOUT(fake.started(1), 60000);
    if (signal == SIGINT) {
        QCOMPARE(::kill(-static_cast<pid_t>(p.processId()), SIGINT), 0);
    } else if (signal != 0) {
        QCOMPARE(::kill(static_cast<pid_t>(p.processId()), signal), 0);
    }
    // The program waits for its converter.
    QTest::qWait(300);
    QCOMPARE(p.state(), QProcess::Running);
    // The first converter to start, or with two jobs either of the two started together.
    const QStringList given =
        fake.resolvedArguments(1) + (fake.started(2) ? fake.resolvedArguments(2) : QStringList());
    fake.release(1);
    if (fake.started(2)) {
        fake.release(2);  // a second converter that was already running with two jobs
    }
    const Outcome o = finish(p);
    QVERIFY(!o.crashed);
    QCOMPARE(o.exitCode, 0);
    QVERIFY2(o.messages.isEmpty(), qPrintable(o.messages.join('|')));
    QVERIFY(fake.calls() <= 2);
    QVERIFY(!fake.started(3));
    QStringList expected;
    for (int n = 1; n <= fake.calls(); ++n) {
        for (const QString& arg : fake.resolvedArguments(n)) {
            for (const char* name : {"a", "b", "c"}) {
                if (arg == QStringLiteral("file:%1%2.ogg").arg(root, name)) {
                    expected.append(QStringLiteral("%1.wav").arg(name));
                }
            }
        }
    }
    QVERIFY(given.contains("file:" + root + "a.ogg"));
    expected.sort();
    QCOMPARE(namesIn(root + "out"), expected);
    for (const QString& name : expected) {
        const QString source = root + name.chopped(4) + ".ogg";
        QCOMPARE(lorvane::CheckResult(lorvane::LookAtSource(source), source, root + "out/" + name,
                                      "pcm_u8", {}),
                 QString());
    }
}

// A second signal while the run finishes ends its converters now: nothing is put in place
// and no temporary file stays.
void ConversionProcessTest::secondSignalEndsTheConvertersNow() {
    HeldRun held;
    const QString& root = held.root;
    FakeTool& fake = held.fake;
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 0.2));
    QVERIFY(writeFile(root + "out/a.wav", "the user's own file"));
    QProcess p;
    startWithStandIn(p, root, fake, {root + "a.ogg"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.started(1), 60000);
    QCOMPARE(::kill(static_cast<pid_t>(p.processId()), SIGTERM), 0);
    QTest::qWait(100);
    QCOMPARE(::kill(static_cast<pid_t>(p.processId()), SIGTERM), 0);
    const Outcome o = finish(p);
    QVERIFY(!o.crashed);
    QVERIFY(!fake.finished(1));
    QCOMPARE(namesIn(root + "out"), QStringList{"a.wav"});
    QCOMPARE(readFile(root + "out/a.wav"), QByteArray("the user's own file"));
}

// SIGKILL leaves the converter writing its temporary file and nothing under a result's name;
// the next run that writes into the folder removes what the dead run left, and nothing else.
void ConversionProcessTest::killedRunLeavesOnlyTemporaryFiles() {
    HeldRun held;
    const QString& root = held.root;
    FakeTool& fake = held.fake;
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "b.ogg", 8000, 1, 0.2));
    QVERIFY(writeFile(root + "out/.lorvane-notours.part", "named like ours, but not ours"));
    QProcess p;
    startWithStandIn(p, root, fake, {root + "a.ogg"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.started(1), 60000);
    QCOMPARE(::kill(static_cast<pid_t>(p.processId()), SIGKILL), 0);
    p.waitForFinished();
    fake.release(1);
    QTRY_VERIFY_WITH_TIMEOUT(fake.finished(1), 60000);
    QStringList left = namesIn(root + "out");
    QCOMPARE(left.size(), 2);
    QVERIFY(left.contains(".lorvane-notours.part"));
    QVERIFY(!left.contains("a.wav"));

    QProcess next;
    startWithStandIn(next, root, fake, {root + "b.ogg"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.started(2), 60000);
    fake.release(2);
    const Outcome o = finish(next);
    QCOMPARE(o.messages, QStringList{"Done."});
    QCOMPARE(namesIn(root + "out"), (QStringList{".lorvane-notours.part", "b.wav"}));
}

// The batch mode stopped by SIGTERM (as `timeout` sends) finishes and checks the running
// file, starts no other, says so and exits as a signalled program does.
void ConversionProcessTest::batchModeStoppedBySigterm() {
    HeldRun held;
    const QString& root = held.root;
    FakeTool& fake = held.fake;
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 40));
    QVERIFY(makeOgg(root + "b.ogg", 8000, 1, 40));
    QProcess p;
    QProcessEnvironment env = helperEnvironment(root + "home");
    env.insert("LORVANE_FFMPEG", fake.path());
    env.insert("LORVANE_JOBS", "1");
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(qEnvironmentVariable("LORVANE_PROGRAM"),
            {"--convert", "--format", "1", "--output-folder", root + "out", "--report",
             root + "report.jsonl", root + "a.ogg", root + "b.ogg"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.started(1), 60000);
    QCOMPARE(::kill(static_cast<pid_t>(p.processId()), SIGTERM), 0);
    QTest::qWait(200);
    fake.release(1);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 128 + SIGTERM);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(QRegularExpression("lorvane: 1 of 2 files converted, 0 up to date, 1 not converted, "
                                "in [0-9.]+ s; stopped by SIGTERM before 1 more started\n"
                                "lorvane: 16-bit PCM; results in " +
                                QRegularExpression::escape(root) + "out\n$")
                 .match(err)
                 .hasMatch(),
             qPrintable(err));
    // The report is written all the same, a record for each file.
    QCOMPARE(readFile(root + "report.jsonl"),
             QStringLiteral("{\"source\":\"%1a.ogg\",\"result\":\"%1out/a.wav\",\"outcome\":"
                            "\"converted\",\"reason\":\"\"}\n"
                            "{\"source\":\"%1b.ogg\",\"result\":\"%1out/b.wav\",\"outcome\":"
                            "\"not converted\",\"reason\":\"not started: the run was stopped\"}\n")
                 .arg(root)
                 .toUtf8());
    QCOMPARE(fake.calls(), 1);
    QCOMPARE(namesIn(root + "out"), QStringList{"a.wav"});
}

// Another local user shares the output folder and loops swapping a symbolic link and a hard
// link in at every result's name and at every temporary name it sees: to its own file and to
// a file of root's outside the folder. Root converts into the folder all the while. No file
// outside the folder may change, and no file of the other user's may become a result (audio
// written into it, or left writable by it). With the sticky bit the other user cannot take
// root's files away, so there every run that says it converted leaves root's own results.
void ConversionProcessTest::swapRaceByAnotherUser_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("1777") << 01777;
    QTest::newRow("0777, not sticky") << 0777;
}

void ConversionProcessTest::swapRaceByAnotherUser() {
    QFETCH(int, mode);
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), kOpenFolder);
    const QString root = dir.path() + "/";
    for (const char* folder : {"in", "shared", "home", "other"}) {
        QDir().mkpath(root + folder);
    }
    QCOMPARE(::chmod(QFile::encodeName(root + "shared").constData(), mode_t(mode)), 0);
    QCOMPARE(::chown(QFile::encodeName(root + "other").constData(), 65534, 65534), 0);
    const QByteArray precious = "root's own file, outside the folder";
    QVERIFY(writeFile(root + "precious", precious));
    const QByteArray theirs = "the other user's file";
    QVERIFY(writeFile(root + "other/own", theirs));
    QCOMPARE(::chown(QFile::encodeName(root + "other/own").constData(), 65534, 65534), 0);
    constexpr int kSources = 8;
    constexpr int kRuns = 12;  // 96 conversions, about 20 s on two shared cores
    QStringList sources;
    QString names;
    for (int i = 0; i < kSources; ++i) {
        sources << root + QStringLiteral("in/s%1.ogg").arg(i);
        names += QStringLiteral(" s%1.wav").arg(i);
        QVERIFY(i == 0 ? makeOgg(sources[0], 8000, 1, 0.1) : QFile::copy(sources[0], sources[i]));
    }
    const QByteArray source = readFile(sources[0]);

    const QString script =
        QStringLiteral(
            "cd %1shared || exit 1\n"
            "while :; do\n"
            "  for n in%2 .lorvane-*.part; do\n"
            "    ln -sfn %1precious \"$n\"; ln -fn %1other/own \"$n\"; ln -fn %1precious \"$n\"\n"
            "  done\n"
            "done 2>/dev/null\n")
            .arg(root, names);
    QProcess other;
    other.setChildProcessModifier([] { ::setpgid(0, 0); });
    other.start("setpriv",
                {"--reuid=65534", "--regid=65534", "--clear-groups", "/bin/sh", "-c", script});
    QVERIFY(other.waitForStarted());

    QProcessEnvironment env = helperEnvironment(root + "home");
    int converted = 0;
    for (int run = 0; run < kRuns; ++run) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(qEnvironmentVariable("LORVANE_PROGRAM"),
                QStringList{"--convert", "--format", "0", "--output-folder", root + "shared"} +
                    sources);
        QVERIFY(p.waitForFinished(60000));
        // The other user is held while the folder is looked at.
        ::kill(-static_cast<pid_t>(other.processId()), SIGSTOP);
        for (int i = 0; i < kSources; ++i) {
            const QByteArray name =
                QFile::encodeName(root + QStringLiteral("shared/s%1.wav").arg(i));
            struct stat st {};
            if (::lstat(name.constData(), &st) != 0 || st.st_uid != 0) {
                QVERIFY2(mode != 01777 || p.exitCode() != 0, name.constData());
                continue;
            }
            QVERIFY(S_ISREG(st.st_mode));
            QCOMPARE(st.st_mode & 022, mode_t(0));
            if (p.exitCode() == 0) {
                QVERIFY(lorvane::LookAtWav(QFile::decodeName(name)).wellFormed());
                ++converted;
            }
        }
        ::kill(-static_cast<pid_t>(other.processId()), SIGCONT);
    }
    ::kill(-static_cast<pid_t>(other.processId()), SIGKILL);
    other.waitForFinished();

    QCOMPARE(readFile(root + "precious"), precious);
    QCOMPARE(readFile(root + "other/own"), theirs);
    QCOMPARE(readFile(sources[0]), source);
    QCOMPARE(QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"home", "in", "other", "precious", "shared"}));
    QCOMPARE(QDir(root + "other").entryList(QDir::Files | QDir::Hidden), QStringList{"own"});
    // Whatever the other user holds in the folder is never audio of root's.
    for (const QString& name : namesIn(root + "shared")) {
        const QByteArray path = QFile::encodeName(root + "shared/" + name);
        struct stat st {};
        QCOMPARE(::lstat(path.constData(), &st), 0);
        if (st.st_uid != 0) {
            QVERIFY2(S_ISLNK(st.st_mode) || !readFile(root + "shared/" + name).startsWith("RIFF"),
                     path.constData());
        }
    }
    QVERIFY2(mode != 01777 || converted > 0, "no run got through");
    qInfo("%d of %d results checked in place", converted, kRuns * kSources);
}

// What another program watching the output folder sees (an asset watcher, a sync client):
// each result's name appears only by a rename of a file already complete, never by a create
// or a write under that name, a replaced earlier result included.
void ConversionProcessTest::resultsAppearOnlyByRename() {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir().mkpath(root + "out");
    QDir().mkpath(root + "home");
    QStringList sources;
    for (const char* name : {"a", "b", "c"}) {
        sources << root + name + ".ogg";
        QVERIFY(makeOgg(sources.last(), 8000, 1, 0.5));
    }
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    QVERIFY(watch >= 0);
    QVERIFY(::inotify_add_watch(watch, QFile::encodeName(root + "out").constData(),
                                IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_TO |
                                    IN_MOVED_FROM | IN_DELETE) >= 0);
    // Twice: the second run replaces the first one's results.
    for (int run = 0; run < 2; ++run) {
        QProcess p;
        p.setProcessEnvironment(helperEnvironment(root + "home"));
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(
            qEnvironmentVariable("LORVANE_PROGRAM"),
            QStringList{"--convert", "--format", "0", "--output-folder", root + "out"} + sources);
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
    }
    QMap<QString, QStringList> seen;  // each name and what happened to it, in order
    alignas(inotify_event) char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(watch, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            QVERIFY(!(event->mask & IN_Q_OVERFLOW));
            const QString name = event->len > 0 ? QFile::decodeName(event->name) : QString();
            for (const auto& [bit, word] : {std::pair{IN_CREATE, "create"},
                                            {IN_MODIFY, "write"},
                                            {IN_CLOSE_WRITE, "close"},
                                            {IN_MOVED_FROM, "from"},
                                            {IN_MOVED_TO, "to"},
                                            {IN_DELETE, "delete"}}) {
                if (event->mask & bit) {
                    seen[name.endsWith(".part") ? QStringLiteral("temporary") : name] << word;
                }
            }
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    for (const char* name : {"a.wav", "b.wav", "c.wav"}) {
        QVERIFY2(seen.value(name) == (QStringList{"to", "to"}),
                 qPrintable(name + QStringLiteral(": ") + seen.value(name).join(' ')));
    }
    QCOMPARE(seen.size(), 4);  // and the temporary files, which are created and written
    QVERIFY(seen["temporary"].contains("create") && seen["temporary"].contains("write"));
    QCOMPARE(seen["temporary"].count("from"), 6);
}

QTEST_GUILESS_MAIN(ConversionProcessTest)
#include "test_conversion_process.moc"
