// The conversion in a process of its own: a run without the rights to write its results, and
// closing the window while the converter runs.
#include "convert/convertsupport.h"
#include "convert/wavheader.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>
#include <csignal>

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
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir().mkpath(root + "out");
    QDir().mkpath(root + "home");
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "b.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "c.ogg", 8000, 1, 40));  // never grouped with the others
    FakeTool fake(root + "tool");
    fake.hold();

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
    const QStringList given = fake.resolvedArguments(1);
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
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir().mkpath(root + "out");
    QDir().mkpath(root + "home");
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 0.2));
    QVERIFY(writeFile(root + "out/a.wav", "the user's own file"));
    FakeTool fake(root + "tool");
    fake.hold();
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
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir().mkpath(root + "out");
    QDir().mkpath(root + "home");
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "b.ogg", 8000, 1, 0.2));
    QVERIFY(writeFile(root + "out/.lorvane-notours.part", "named like ours, but not ours"));
    FakeTool fake(root + "tool");
    fake.hold();
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
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir().mkpath(root + "out");
    QDir().mkpath(root + "home");
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 40));
    QVERIFY(makeOgg(root + "b.ogg", 8000, 1, 40));
    FakeTool fake(root + "tool");
    fake.hold();
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
                                "lorvane: 16-bit PCM WAV, results in " +
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

QTEST_GUILESS_MAIN(ConversionProcessTest)
#include "test_conversion_process.moc"
