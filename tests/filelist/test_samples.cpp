// The example files: the snapshot taken at the first start, loading it, the question, and the
// files the build places beside the program.
#include "filelist/filelistmodel.h"
#include "filelist/samples.h"
#include "support/windowfixture.h"

#include <QProcess>
#include <QtTest>

using namespace lorvane;
using namespace lorvane::test;

namespace {

void makeFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

QString question() {
    return QStringLiteral(
        "Would you like this software to open the folder where these sample files are stored (so "
        "that you can view them before working with them)?");
}

}  // namespace

class TestSamples : public QObject {
    Q_OBJECT

  private slots:
    void scrambling_data();
    void scrambling();
    void unreadableSnapshots_data();
    void unreadableSnapshots();

    void snapshotAtFirstStart();
    void emptyOrMissingSamplesFolder();
    void loadingAddsEachSampleOnce();
    void deletedAndPresentSamplesAreSkipped();
    void absentSnapshotStillAsks();
    void yesOpensTheSamplesFolder();

    void builtSamplesAreVorbis();
};

void TestSamples::scrambling_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("one path") << "/opt/lorvane/Samples/Tone A4.ogg";
    QTest::newRow("three paths") << "/p/Samples/a.ogg|/p/Samples/b.ogg|/p/Samples/notes.txt";
    QTest::newRow("other scripts") << "/home/jürgen/程序/Samples/歌.ogg";
    QTest::newRow("long") << QString(5000, QLatin1Char('x'));
}

void TestSamples::scrambling() {
    QFETCH(QString, text);
    const QString scrambled = ScrambleText(text);
    QCOMPARE(UnscrambleText(scrambled), text);
    QCOMPARE(scrambled.isEmpty(), text.isEmpty());
    if (text.contains(QLatin1String("Samples"))) {
        QVERIFY(!scrambled.contains(QLatin1String("Samples")));
        QVERIFY(!scrambled.contains(QLatin1Char('|')));
    }
}

void TestSamples::unreadableSnapshots_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("the default for an absent key") << "False";
    QTest::newRow("empty") << QString();
    QTest::newRow("plain paths") << "/p/Samples/a.ogg|/p/Samples/b.ogg";
    QTest::newRow("odd length") << ScrambleText(QStringLiteral("/p/a.ogg")).chopped(1);
    QTest::newRow("not valid text once unscrambled") << "ff";
}

void TestSamples::unreadableSnapshots() {
    QFETCH(QString, stored);
    QVERIFY(SamplePaths(stored).isEmpty());
}

void TestSamples::snapshotAtFirstStart() {
    WindowFixture f;
    const QString samples = f.programFolder + QStringLiteral("/Samples");
    for (const char* name : {"b.ogg", "A.ogg", "notes.txt"}) {
        makeFile(samples + QLatin1Char('/') + QLatin1String(name));
    }
    QDir().mkpath(samples + QStringLiteral("/Folder"));
    auto window = f.loadedWindow();

    const QString stored = f.setting(QStringLiteral("Snapshot"));
    QVERIFY(!stored.contains(QLatin1String("Samples")));
    QCOMPARE(UnscrambleText(stored),
             QStringList({samples + QStringLiteral("/A.ogg"), samples + QStringLiteral("/b.ogg"),
                          samples + QStringLiteral("/notes.txt")})
                 .join(QLatin1Char('|')));

    // Later starts keep the first list: a file added to the folder meanwhile is not picked up.
    makeFile(samples + QStringLiteral("/later.ogg"));
    auto second = f.loadedWindow();
    QCOMPARE(f.setting(QStringLiteral("Snapshot")), stored);
}

void TestSamples::emptyOrMissingSamplesFolder() {
    WindowFixture f;
    auto window = f.loadedWindow();
    QCOMPARE(f.setting(QStringLiteral("Snapshot")), QString());
    // An empty snapshot is taken again at the next start, so samples shipped later are found.
    makeFile(f.programFolder + QStringLiteral("/Samples/tone.ogg"));
    auto second = f.loadedWindow();
    QCOMPARE(SamplePaths(f.setting(QStringLiteral("Snapshot"))),
             QStringList{f.programFolder + QStringLiteral("/Samples/tone.ogg")});
}

void TestSamples::loadingAddsEachSampleOnce() {
    WindowFixture f;
    const QString samples = f.programFolder + QStringLiteral("/Samples");
    for (const char* name : {"tone.ogg", "chord.ogg", "voice.ogg"}) {
        makeFile(samples + QLatin1Char('/') + QLatin1String(name));
    }
    auto window = f.loadedWindow();
    window->fileList().AddListEntry(QStringLiteral("/mine.ogg"));
    f.dialogs.calls.clear();

    window->PushButton5_Click();
    const QStringList expected = {
        QStringLiteral("/mine.ogg"), samples + QStringLiteral("/chord.ogg"),
        samples + QStringLiteral("/tone.ogg"), samples + QStringLiteral("/voice.ogg")};
    QCOMPARE(window->fileList().entries(), expected);
    QCOMPARE(f.dialogs.calls.size(), 1);
    const DialogCall asked = f.dialogs.calls.front();
    QCOMPARE(asked.kind, QStringLiteral("message"));
    QCOMPARE(asked.text, question());
    QCOMPARE(asked.style, 4);
    QCOMPARE(asked.title, window->appTitle());

    // Again: nothing new, the same question; "No" opens nothing.
    window->PushButton5_Click();
    QCOMPARE(window->fileList().entries(), expected);
    QCOMPARE(f.dialogs.callsOf(QStringLiteral("message")).size(), 2);
    QVERIFY(f.dialogs.callsOf(QStringLiteral("openFolder")).isEmpty());
}

void TestSamples::deletedAndPresentSamplesAreSkipped() {
    WindowFixture f;
    const QString samples = f.programFolder + QStringLiteral("/Samples");
    for (const char* name : {"a.ogg", "b.ogg", "c.ogg"}) {
        makeFile(samples + QLatin1Char('/') + QLatin1String(name));
    }
    auto window = f.loadedWindow();
    QVERIFY(QFile::remove(samples + QStringLiteral("/a.ogg")));
    window->fileList().AddListEntry(samples + QStringLiteral("/c.ogg"));
    // Compared exactly: another spelling of the same file is no match.
    window->fileList().AddListEntry(samples + QStringLiteral("/B.ogg"));

    window->PushButton5_Click();
    QCOMPARE(window->fileList().entries(),
             (QStringList{samples + QStringLiteral("/c.ogg"), samples + QStringLiteral("/B.ogg"),
                          samples + QStringLiteral("/b.ogg")}));
    QCOMPARE(f.dialogs.callsOf(QStringLiteral("message")).size(), 1);
    QCOMPARE(f.dialogs.callsOf(QStringLiteral("message")).front().text, question());
}

void TestSamples::absentSnapshotStillAsks() {
    WindowFixture f;
    makeFile(f.programFolder + QStringLiteral("/Samples/a.ogg"));
    // No start-up, so no snapshot was ever stored.
    MainWindow window(f.services());
    window.PushButton5_Click();
    QVERIFY(window.fileList().entries().isEmpty());
    QCOMPARE(f.dialogs.messages(), QStringList{question()});

    f.settings->WriteSetting(QStringLiteral("Snapshot"), QStringLiteral("not a snapshot"));
    window.PushButton5_Click();
    QVERIFY(window.fileList().entries().isEmpty());
    QCOMPARE(f.dialogs.messages().size(), 2);
}

void TestSamples::yesOpensTheSamplesFolder() {
    WindowFixture f;
    makeFile(f.programFolder + QStringLiteral("/Samples/a.ogg"));
    auto window = f.loadedWindow();
    f.dialogs.messageAnswers.enqueue(Dialogs::Yes);
    window->PushButton5_Click();
    const QList<DialogCall> opened = f.dialogs.callsOf(QStringLiteral("openFolder"));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.front().text, f.programFolder + QStringLiteral("/Samples/"));
}

// The build puts the project's own example files beside the program; each must be a real,
// decodable Ogg Vorbis file.
void TestSamples::builtSamplesAreVorbis() {
    const QString program = qEnvironmentVariable("LORVANE_PROGRAM");
    if (program.isEmpty()) {
        QSKIP("run through CTest, which names the built program");
    }
    const QDir samples(QFileInfo(program).absolutePath() + QStringLiteral("/Samples"));
    const QStringList files = samples.entryList({QStringLiteral("*.ogg")}, QDir::Files);
    QVERIFY2(files.size() >= 3, qPrintable(samples.path()));
    for (const QString& name : files) {
        QProcess probe;
        probe.start(QStringLiteral("ffprobe"),
                    {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                     QStringLiteral("stream=codec_name:format=duration"), QStringLiteral("-of"),
                     QStringLiteral("default=noprint_wrappers=1:nokey=1"), samples.filePath(name)});
        QVERIFY(probe.waitForFinished(30000));
        const QStringList out = QString::fromUtf8(probe.readAllStandardOutput())
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(out.value(0), QStringLiteral("vorbis"));
        const double seconds = out.value(1).toDouble();
        QVERIFY2(seconds > 0.5 && seconds < 10, qPrintable(name));
        QVERIFY(QFileInfo(samples.filePath(name)).size() < 64 * 1024);
    }
}

QTEST_MAIN(TestSamples)
#include "test_samples.moc"
