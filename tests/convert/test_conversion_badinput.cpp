// Files FFmpeg cannot convert and names a shell would mangle, with the real FFmpeg: nothing
// crashes, no source is touched, the other results are whole, and the closing message names
// exactly the files that were not converted.
#include "convert/convertsupport.h"
#include "convert/wavheader.h"
#include "filelist/filelistmodel.h"
#include "support/windowfixture.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

using namespace lorvane;
using namespace lorvane::test;

namespace {

bool looksLikeWav(const QString& path) {
    const WavLook wav = LookAtWav(path);
    return wav.wellFormed() && wav.frames > 0;
}

}  // namespace

class ConversionBadInputTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase() { m_tool.reset(); }
    void unconvertibleFilesAreListed();
    void everyNameReachesFfmpegIntact();
    void relativeNamesAreNotOptions();
    void sourcesAreNeverLost();
    void converterFailuresAreNamed_data();
    void converterFailuresAreNamed();

  private:
    std::unique_ptr<EnvChange> m_tool;
    QTemporaryDir m_samples;
    QString mono() const { return m_samples.filePath("mono.ogg"); }
    QString stereo() const { return m_samples.filePath("stereo.ogg"); }
};

void ConversionBadInputTest::initTestCase() {
    m_tool = std::make_unique<EnvChange>("LORVANE_FFMPEG", std::nullopt);
    QVERIFY(makeOgg(mono(), 8000, 1, 0.2));
    QVERIFY(makeOgg(stereo(), 8000, 2, 0.2));
}

void ConversionBadInputTest::unconvertibleFilesAreListed() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString in = fx.dir.filePath("in") + "/";
    QDir().mkpath(in + "folder.ogg");
    QVERIFY(QFile::copy(mono(), in + "good1.ogg"));
    QVERIFY(QFile::copy(mono(), in + "good2.ogg"));
    QByteArray corrupt = readFile(mono());
    corrupt.truncate(200);  // the headers begun, the stream cut off
    corrupt.append(QByteArray(300, '\x5a'));
    QVERIFY(writeFile(in + "corrupt.ogg", corrupt));
    QVERIFY(writeFile(in + "empty.ogg", {}));
    QVERIFY(writeFile(in + "corrupt.wav", "result of an earlier run"));
    // A FIFO (a drop queues files as given) would hold FFmpeg, and the run, for ever.
    QCOMPARE(::mkfifo(QFile::encodeName(in + "fifo.ogg").constData(), 0644), 0);
    // A link to itself cannot be opened, even by root.
    QCOMPARE(::symlink("loop.ogg", QFile::encodeName(in + "loop.ogg").constData()), 0);
    // A source whose reads start failing half-way: FFmpeg takes the error for the end and
    // says it succeeded.
    QVERIFY(makeOgg(in + "pulled.ogg", 44100, 2, 5.0));
    EnvChange preload("LD_PRELOAD", qgetenv("LORVANE_TEST_BIN") + "/libreadfail.so");
    EnvChange target("READFAIL_PATH", QFile::encodeName(in + "pulled.ogg"));
    EnvChange limit("READFAIL_AFTER", QByteArray::number(QFileInfo(in + "pulled.ogg").size() / 2));

    const QStringList queue = {in + "good1.ogg",   in + "corrupt.ogg", in + "empty.ogg",
                               in + "missing.ogg", in + "folder.ogg",  in + "fifo.ogg",
                               in + "pulled.ogg",  in + "loop.ogg",    in + "good2.ogg"};
    QHash<QString, QByteArray> before;
    for (const QString& path : queue) {
        if (!path.endsWith("fifo.ogg") && !path.endsWith("loop.ogg")) {
            before.insert(path, readFile(path));
        }
    }
    window->fileList().addEntries(queue);
    window->findChild<QRadioButton*>("Option2")->setChecked(true);
    window->PushButton2_Click();

    QCOMPARE(
        fx.dialogs.messages(),
        QStringList{notConverted({{in + "corrupt.ogg", reasons::notAudio()},
                                  {in + "empty.ogg", reasons::notAudio()},
                                  {in + "missing.ogg", reasons::notFound()},
                                  {in + "folder.ogg", reasons::notAFile()},
                                  {in + "fifo.ogg", reasons::notAFile()},
                                  {in + "pulled.ogg", reasons::readCut("Input/output error")},
                                  {in + "loop.ogg", reasons::unreadable(std::strerror(ELOOP))}})});
    QVERIFY(looksLikeWav(in + "good1.wav"));
    QVERIFY(looksLikeWav(in + "good2.wav"));
    // No half-written file passes for a result, and a failed conversion leaves an earlier
    // file of its result's name as it was.
    for (const char* name :
         {"empty.wav", "missing.wav", "folder.wav", "fifo.wav", "pulled.wav", "loop.wav"}) {
        QVERIFY2(!QFileInfo::exists(in + name), name);
    }
    QCOMPARE(readFile(in + "corrupt.wav"), QByteArray("result of an earlier run"));
    QCOMPARE(QDir(in).entryList({".lorvane-*"}, QDir::Files | QDir::Hidden), QStringList());
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        QCOMPARE(readFile(it.key()), it.value());
    }
    QVERIFY(QFileInfo(in + "folder.ogg").isDir());
    QCOMPARE(window->pointerKind(), 0);
}

void ConversionBadInputTest::everyNameReachesFfmpegIntact() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString in = fx.dir.filePath("in") + "/";
    const QString out = fx.dir.filePath("out") + "/";
    QDir().mkpath(in);
    QDir().mkpath(out);
    const QStringList names = {R"(it's "quoted".ogg)",
                               "  blanks  around .ogg",
                               "-dash.ogg",
                               "-y",
                               "--.ogg",
                               QString::fromUtf8("Ünïcødé ♫ 音楽.ogg"),
                               "$HOME $(id).ogg",
                               "`touch pwned`.ogg",
                               "new\nline.ogg",
                               "semi;colon|pipe&.ogg",
                               "http:like.ogg",
                               "percent %d %s.ogg"};
    for (const QString& name : names) {
        QVERIFY2(QFile::copy(mono(), in + name), qPrintable(name));
        window->fileList().AddListEntry(in + name);
    }
    window->findChild<QLineEdit*>("Text1")->setText(out);
    window->PushButton2_Click();

    QCOMPARE(fx.dialogs.messages(), QStringList{"Done."});
    for (const QString& name : names) {
        const QString wav = out + (name == "-y" ? name : name.chopped(4)) + ".wav";
        QVERIFY2(looksLikeWav(wav), qPrintable(wav));
        QCOMPARE(readFile(in + name), readFile(mono()));
    }
    // Exactly one result per name, and nothing any shell would have made.
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), names.size());
    QVERIFY(!QFileInfo::exists(QDir::current().filePath("pwned")));
}

void ConversionBadInputTest::relativeNamesAreNotOptions() {
    // Names typed as relative paths put a leading "-" or a "word:" first on FFmpeg's line.
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString in = fx.dir.filePath("in") + "/";
    QDir().mkpath(in + "-out");
    const QString before = QDir::currentPath();
    QDir::setCurrent(in);
    const QStringList names = {"-dash.ogg", "http:like.ogg", "pipe:1.ogg"};
    for (const QString& name : names) {
        QVERIFY(QFile::copy(mono(), in + name));
        window->fileList().AddListEntry(name);
    }
    window->findChild<QLineEdit*>("Text1")->setText("-out");
    window->PushButton2_Click();
    QDir::setCurrent(before);
    QCOMPARE(fx.dialogs.messages(), QStringList{"Done."});
    for (const QString& name : names) {
        QVERIFY2(looksLikeWav(in + "-out/" + name.chopped(4) + ".wav"), qPrintable(name));
    }
}

void ConversionBadInputTest::sourcesAreNeverLost() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString root = fx.dir.path() + "/";
    for (const char* folder : {"a", "b", "out", "w"}) {
        QDir().mkpath(root + folder);
    }
    QVERIFY(QFile::copy(mono(), root + "a/song.ogg"));
    QVERIFY(QFile::copy(stereo(), root + "b/song.ogg"));
    QVERIFY(QFile::copy(mono(), root + "a/twice.ogg"));
    // A WAV queued as a source: its own result would be itself.
    const QByteArray wavBytes = "RIFF a wav queued as a source";
    QVERIFY(writeFile(root + "out/self.wav", wavBytes));
    // A queued source that another entry's result would replace.
    const QByteArray otherBytes = "RIFF another queued source";
    QVERIFY(writeFile(root + "out/twice.wav", otherBytes));
    QVERIFY(QFile::copy(mono(), root + "w/twice.ogg"));

    window->fileList().addEntries({root + "a/song.ogg", root + "b/song.ogg", root + "out/self.wav",
                                   root + "a/twice.ogg", root + "out/twice.wav",
                                   root + "a/song.ogg"});
    window->findChild<QLineEdit*>("Text1")->setText(root + "out");
    window->PushButton2_Click();

    // b/song.ogg would overwrite a/song.ogg's result; self.wav and a/twice.ogg would destroy
    // queued sources, and so would out/twice.wav, its own result. a/song.ogg queued twice
    // converts twice.
    QCOMPARE(fx.dialogs.messages(),
             QStringList{
                 notConverted({{root + "b/song.ogg", reasons::replacesResult(root + "a/song.ogg")},
                               {root + "out/self.wav", reasons::replacesSource()},
                               {root + "a/twice.ogg", reasons::replacesSource()},
                               {root + "out/twice.wav", reasons::replacesSource()}})});
    QCOMPARE(readFile(root + "out/self.wav"), wavBytes);
    QCOMPARE(readFile(root + "out/twice.wav"), otherBytes);
    QVERIFY(looksLikeWav(root + "out/song.wav"));
    QCOMPARE(LookAtWav(root + "out/song.wav").channels, 1);  // a's mono, not b's stereo
    QCOMPARE(readFile(root + "b/song.ogg"), readFile(stereo()));
}

// A converter that passed the check and then dies while converting, or can no longer be
// started: the file is named with the reason, and nothing of it is left behind.
void ConversionBadInputTest::converterFailuresAreNamed_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("reason");
    QTest::newRow("killed while converting") << "killed" << reasons::converterStopped();
    // Its execute permission goes as it answers the check's last question.
    QTest::newRow("no longer startable") << "unlaunchable" << reasons::converterNotStarted();
}

void ConversionBadInputTest::converterFailuresAreNamed() {
    QFETCH(QString, failure);
    QFETCH(QString, reason);
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString tool = fx.dir.filePath("tool");
    const QString script = tool + "/ffmpeg-stand-in";
    QVERIFY(QDir().mkpath(tool));
    QVERIFY(writeFile(
        script, QStringLiteral("#!/bin/sh\n"
                               "dir='%1'\n"
                               "if [ \"$1\" = -hide_banner ]; then\n"
                               "  '%2' \"$@\"\n"
                               "  rc=$?\n"
                               "  if [ -e \"$dir/unlaunchable\" ]; then\n"
                               "    while ! mkdir \"$dir/lock\" 2>/dev/null; do sleep 0.001; done\n"
                               "    n=$(( $(cat \"$dir/answered\" 2>/dev/null || echo 0) + 1 ))\n"
                               "    echo $n > \"$dir/answered\"\n"
                               "    rmdir \"$dir/lock\"\n"
                               "    if [ $n -eq 4 ]; then chmod a-x \"$0\"; fi\n"
                               "  fi\n"
                               "  exit $rc\n"
                               "fi\n"
                               "if [ -e \"$dir/killed\" ]; then kill -KILL $$; fi\n"
                               "exec '%2' \"$@\"\n")
                    .arg(tool, realFfmpeg())
                    .toUtf8()));
    QVERIFY(QFile::setPermissions(
        script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QVERIFY(writeFile(tool + "/" + failure, {}));
    EnvChange variable("LORVANE_FFMPEG", script.toUtf8());
    const QString in = fx.dir.filePath("in") + "/";
    QVERIFY(QDir().mkpath(in));
    QVERIFY(QFile::copy(mono(), in + "song.ogg"));

    window->fileList().addEntries({in + "song.ogg"});
    window->findChild<QRadioButton*>("Option2")->setChecked(true);
    window->PushButton2_Click();

    QCOMPARE(fx.dialogs.messages(), QStringList{notConverted({{in + "song.ogg", reason}})});
    QVERIFY(!QFileInfo::exists(in + "song.wav"));
    QCOMPARE(readFile(in + "song.ogg"), readFile(mono()));
}

QTEST_MAIN(ConversionBadInputTest)
#include "test_conversion_badinput.moc"
