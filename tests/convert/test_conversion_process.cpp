// The conversion in a process of its own: a run without the rights to write its results, and
// closing the window while the converter runs.
#include "convert/convertsupport.h"
#include "convert/wavheader.h"

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
    void closingTheWindowEndsTheProgramMidRun();
    void interruptFromTheTerminalSparesTheConverter();
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
    // The earlier result stays as it was: it is never overwritten.
    QCOMPARE(o.messages,
             QStringList{notConverted(
                 {{root + "in/keep.ogg", lorvane::reasons::oldResultStays()},
                  {root + "in/new.ogg", lorvane::reasons::notWritten("Permission denied")}})});
    QCOMPARE(readFile(root + "ro/keep.wav"), QByteArray("an earlier result"));
    QVERIFY(!QFileInfo::exists(root + "ro/new.wav"));
    QCOMPARE(readFile(root + "in/keep.ogg"), source);
    QFile::setPermissions(root + "ro", kOpenFolder);
}

void ConversionProcessTest::closingTheWindowEndsTheProgramMidRun() {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir().mkpath(root + "out");
    QDir().mkpath(root + "home");
    QVERIFY(makeOgg(root + "a.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(root + "b.ogg", 8000, 1, 0.2));
    FakeTool fake(root + "tool");
    fake.hold();

    QProcess p;
    startWithStandIn(p, root, fake,
                     {"--close-when", fake.file("started-1"), root + "a.ogg", root + "b.ogg"});
    const Outcome o = finish(p);
    // The program ended while the converter was still held: no closing message, no further
    // converter, and the converter was not stopped.
    QVERIFY(!o.crashed);
    QCOMPARE(o.exitCode, 0);
    QVERIFY(o.messages.isEmpty());
    QVERIFY(!fake.finished(1));
    QCOMPARE(fake.calls(), 1);

    // Let the orphaned converter go: it finishes its files by itself (several at once when
    // the program grouped them), and nothing else is written.
    const QStringList args = fake.arguments(1);
    fake.release(1);
    QTRY_VERIFY_WITH_TIMEOUT(fake.finished(1), 60000);
    QVERIFY(readFile(root + "out/a.wav").startsWith("RIFF"));
    QCOMPARE(QFileInfo::exists(root + "out/b.wav"), args.contains("file:" + root + "b.ogg"));
    QCOMPARE(fake.calls(), 1);
}

// Ctrl+C in the terminal that started the program (or closing that terminal) signals the
// whole foreground process group: the program ends, but its converter, in a session of its
// own, finishes the file it has begun, and the result is complete.
void ConversionProcessTest::interruptFromTheTerminalSparesTheConverter() {
    QTemporaryDir dir;
    const QString root = dir.path() + "/";
    QDir().mkpath(root + "out");
    QDir().mkpath(root + "home");
    QVERIFY(makeOgg(root + "long.ogg", 44100, 2, 30.0));
    FakeTool fake(root + "tool");
    fake.hold();

    QProcess p;
    startWithStandIn(p, root, fake, {root + "long.ogg"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.started(1), 60000);
    QCOMPARE(::kill(-static_cast<pid_t>(p.processId()), SIGINT), 0);
    const Outcome o = finish(p);
    QVERIFY(o.crashed);  // the program itself ends at Ctrl+C
    QVERIFY(o.messages.isEmpty());

    fake.release(1);
    QTRY_VERIFY_WITH_TIMEOUT(fake.finished(1), 60000);
    const QString result = root + "out/long.wav";
    QCOMPARE(lorvane::CheckResult(lorvane::LookAtSource(root + "long.ogg"), root + "long.ogg",
                                  result, "pcm_u8", {}),
             QString());
    QCOMPARE(lorvane::LookAtWav(result).frames, qint64(30 * 44100));
}

QTEST_GUILESS_MAIN(ConversionProcessTest)
#include "test_conversion_process.moc"
