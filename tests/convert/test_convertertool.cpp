// Finding the converter and checking that it can do the work.
#include "convert/checkcache.h"
#include "convert/convertertool.h"
#include "convert/convertsupport.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <limits>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>

using namespace lorvane;
using namespace lorvane::test;

class ConverterToolTest : public QObject {
    Q_OBJECT
  private slots:
    void addressWidth();
    void choice();
    void nothingUsableSaysHowToFix();
    void realFfmpegIsUsable();
    void checkKeepsTheWindowResponsive();
    void floodingToolIsRefusedInBoundedTime();
    void incompleteToolIsRefusedByName();
    void answerIsRemembered();
    void verdictOutlivesTheRun_data();
    void verdictOutlivesTheRun();
};

void ConverterToolTest::addressWidth() {
    const QString width = GetAddressWidth();
    QVERIFY(width == "64" || width == "32");
}

void ConverterToolTest::choice() {
    QTemporaryDir dir;
    FakeTool fake(dir.filePath("tool"));
    {
        EnvChange unset("LORVANE_FFMPEG", std::nullopt);
        QCOMPARE(ChooseConverterTool("64"), realFfmpeg());
        QCOMPARE(ChooseConverterTool("32"), realFfmpeg());
    }
    {
        EnvChange named("LORVANE_FFMPEG", fake.path().toUtf8());
        QCOMPARE(ChooseConverterTool("64"), fake.path());
    }
    {
        EnvChange empty("LORVANE_FFMPEG", QByteArray());
        QCOMPARE(ChooseConverterTool("64"), realFfmpeg());
    }
    {
        // A bare name is looked up on PATH, a relative path is taken from the current folder.
        EnvChange path("PATH", dir.filePath("tool").toUtf8());
        EnvChange named("LORVANE_FFMPEG", "ffmpeg-stand-in");
        QCOMPARE(ChooseConverterTool("64"), fake.path());
        EnvChange unknown("LORVANE_FFMPEG", "no-such-converter");
        QCOMPARE(ChooseConverterTool("64"), QString());
        EnvChange relative("LORVANE_FFMPEG", "sub/ff");
        QCOMPARE(ChooseConverterTool("64"), QDir::current().absoluteFilePath("sub/ff"));
    }
    {
        EnvChange unset("LORVANE_FFMPEG", std::nullopt);
        EnvChange path("PATH", dir.path().toUtf8());
        QCOMPARE(ChooseConverterTool("64"), QString());
    }
}

void ConverterToolTest::nothingUsableSaysHowToFix() {
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain");
    QVERIFY(writeFile(plain, "not a program"));
    struct Case {
        QString program;
        QString says;
    };
    const QList<Case> cases = {
        {QString(), "FFmpeg, which does the conversion, was not found."},
        {dir.filePath("gone"), "was not found"},
        {plain, "is not an executable program"},
        {dir.path(), "is not an executable program"},
    };
    EnvChange unset("LORVANE_FFMPEG", std::nullopt);
    for (const Case& c : cases) {
        const ToolCheck check = CheckConverterTool(c.program);
        QVERIFY2(!check.usable(), qPrintable(c.program));
        QVERIFY2(check.problem.contains(c.says), qPrintable(check.problem));
        QVERIFY(check.problem.contains("sudo apt install ffmpeg"));
        QVERIFY(check.problem.contains("LORVANE_FFMPEG"));
    }
    EnvChange named("LORVANE_FFMPEG", "no-such-converter");
    QVERIFY(CheckConverterTool(QString()).problem.contains("no-such-converter"));
}

void ConverterToolTest::realFfmpegIsUsable() {
    const ToolCheck check = CheckConverterTool(realFfmpeg());
    QVERIFY2(check.usable(), qPrintable(check.problem));
    QCOMPARE(check.program, realFfmpeg());
}

// The check asks FFmpeg four questions (about half a second of its start-ups) in a local
// event loop: a timer keeps ticking throughout. The best of three tries counts: on a shared
// machine the kernel alone may hold the process back now and then, a wait of our own would
// show every time.
void ConverterToolTest::checkKeepsTheWindowResponsive() {
    QTemporaryDir dir;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int attempt = 0; attempt < 3 && best >= 50; ++attempt) {
        // A program file not checked before.
        const QString wrapper = dir.filePath(QStringLiteral("ffmpeg-%1").arg(attempt));
        QVERIFY(writeFile(
            wrapper, QStringLiteral("#!/bin/sh\nexec '%1' \"$@\"\n").arg(realFfmpeg()).toUtf8()));
        QFile::setPermissions(wrapper, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const auto [check, gap] = longestTickGap([&] { return CheckConverterTool(wrapper); });
        QVERIFY2(check.usable(), qPrintable(check.problem));
        best = std::min(best, gap);
    }
    QVERIFY2(best < 50, qPrintable(QString::number(best)));
}

// A program that floods its answers is read only so far, and one that never answers only so
// long; both verdicts are remembered, so a later Start does not wait again.
void ConverterToolTest::floodingToolIsRefusedInBoundedTime() {
    QTemporaryDir dir;
    const QString flooding = dir.filePath("flooding");
    QVERIFY(writeFile(flooding, QStringLiteral("#!/bin/sh\necho x >> '%1'\nexec yes\n")
                                    .arg(dir.filePath("asked"))
                                    .toUtf8()));
    QFile::setPermissions(flooding, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(CheckConverterTool(flooding).problem.contains("did not answer as FFmpeg does"));
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!CheckConverterTool(flooding).usable());
    QCOMPARE(readFile(dir.filePath("asked")).count('\n'), 4);  // asked once, four questions
}

void ConverterToolTest::incompleteToolIsRefusedByName() {
    QTemporaryDir dir;
    FakeTool fake(dir.filePath("tool"));
    fake.setListing("encoders", "Encoders:\n ------\n A....D pcm_u8 x\n A....D pcm_s16le x\n");
    const ToolCheck check = CheckConverterTool(fake.path());
    QVERIFY(!check.usable());
    QVERIFY(check.problem.contains(fake.path()));
    for (const char* codec : {"pcm_mulaw", "pcm_s24le", "pcm_f32le", "pcm_f64le"}) {
        QVERIFY2(check.problem.contains(codec), codec);
    }
    QVERIFY(!check.problem.contains("pcm_u8"));
    QVERIFY(!check.problem.contains("Vorbis"));
    QVERIFY(check.problem.contains("sudo apt install ffmpeg"));

    // A program that does not answer like FFmpeg at all.
    const QString failing = dir.filePath("failing");
    QVERIFY(writeFile(failing, "#!/bin/sh\nexit 1\n"));
    QFile::setPermissions(failing, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QVERIFY(CheckConverterTool(failing).problem.contains("did not answer"));
}

void ConverterToolTest::answerIsRemembered() {
    QTemporaryDir dir;
    FakeTool fake(dir.filePath("tool"));
    // Counts how often the tool is asked for its encoders.
    const QString wrapper = dir.filePath("counting");
    QVERIFY(writeFile(wrapper, QStringLiteral("#!/bin/sh\necho x >> '%1'\nexec '%2' \"$@\"\n")
                                   .arg(dir.filePath("asked"), fake.path())
                                   .toUtf8()));
    QFile::setPermissions(wrapper, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QVERIFY(CheckConverterTool(wrapper).usable());
    QVERIFY(CheckConverterTool(wrapper).usable());
    QCOMPARE(readFile(dir.filePath("asked")).count('\n'), 4);  // version and listings, once
    // The existence test is made every time.
    QFile::remove(wrapper);
    QVERIFY(!CheckConverterTool(wrapper).usable());
}

// A usable verdict is kept on disk for the next start of the program (the verdicts of this
// run forgotten before each check, as a new start would). It holds while the program file is
// the same file, unchanged, and the check asks the same questions; a cache file that is not
// what we wrote is passed over and written anew, and one that cannot be kept costs only the
// questions.
void ConverterToolTest::verdictOutlivesTheRun_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("askedAfter");  // questions at the start after the change
    QTest::addColumn<int>("askedLater");  // and at the start after that one
    QTest::newRow("nothing") << "nothing" << 0 << 0;
    QTest::newRow("size, same time") << "size" << 4 << 0;
    QTest::newRow("time, one nanosecond") << "time" << 4 << 0;
    QTest::newRow("a copy in its place, same size and time") << "inode" << 4 << 0;
    QTest::newRow("other questions") << "questions" << 4 << 0;
    QTest::newRow("garbage") << "garbage" << 4 << 0;
    QTest::newRow("cut short") << "truncated" << 4 << 0;
    QTest::newRow("another layout") << "layout" << 4 << 0;
    QTest::newRow("a folder in its place") << "folder" << 4 << 4;
    QTest::newRow("no cache folder can be made") << "unwritable" << 4 << 4;
}

void ConverterToolTest::verdictOutlivesTheRun() {
    QFETCH(QString, change);
    QFETCH(int, askedAfter);
    QFETCH(int, askedLater);
    QTemporaryDir dir;
    EnvChange cacheHome("XDG_CACHE_HOME", dir.filePath("cache").toUtf8());
    std::optional<EnvChange> otherCacheHome;
    FakeTool fake(dir.filePath("tool"));
    const QString tool = dir.filePath("counting");
    QVERIFY(writeFile(tool, QStringLiteral("#!/bin/sh\necho x >> '%1'\nexec '%2' \"$@\"\n")
                                .arg(dir.filePath("asked"), fake.path())
                                .toUtf8()));
    QFile::setPermissions(tool,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const auto asked = [&] {
        const auto before = readFile(dir.filePath("asked")).count('\n');
        ForgetConverterChecks();
        const bool usable = CheckConverterTool(tool).usable();
        return usable ? int(readFile(dir.filePath("asked")).count('\n') - before) : -1;
    };
    QCOMPARE(asked(), 4);
    const QString cache = CheckCacheFile();
    QVERIFY(QFileInfo(cache).isFile());

    struct stat st {};
    QCOMPARE(::stat(QFile::encodeName(tool).constData(), &st), 0);
    const auto setTime = [&](const QString& file, decltype(st.st_mtim) mtime) {
        const decltype(st.st_mtim) times[2] = {st.st_atim, mtime};
        return ::utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0) == 0;
    };
    if (change == "size") {
        QFile grown(tool);
        QVERIFY(grown.open(QIODevice::Append) && grown.write("# grown\n") == 8);
        grown.close();
        QVERIFY(setTime(tool, st.st_mtim));
    } else if (change == "time") {
        auto later = st.st_mtim;
        later.tv_nsec = (later.tv_nsec + 1) % 1000000000;
        QVERIFY(setTime(tool, later));
    } else if (change == "inode") {
        const QString copy = tool + ".new";
        QVERIFY(QFile::copy(tool, copy));
        QVERIFY(setTime(copy, st.st_mtim));
        QVERIFY(::rename(QFile::encodeName(copy).constData(),
                         QFile::encodeName(tool).constData()) == 0);
    } else if (change == "questions") {
        CacheUsable(tool, ProgramFileStamp(tool), "what an earlier version asked");
    } else if (change == "garbage") {
        QVERIFY(writeFile(cache, QByteArray("\x00\xff\x13 \n\n%%\xfe", 9).repeated(50)));
    } else if (change == "truncated") {
        QVERIFY(QFile::resize(cache, QFileInfo(cache).size() / 2));
    } else if (change == "layout") {
        QByteArray text = readFile(cache);
        QVERIFY(text.startsWith("lorvane converter-check 1\n"));
        text[24] = '2';
        QVERIFY(writeFile(cache, text));
    } else if (change == "folder") {
        QVERIFY(QFile::remove(cache) && QDir().mkpath(cache));
    } else if (change == "unwritable") {
        QVERIFY(writeFile(dir.filePath("plain"), "a file, not a folder"));
        otherCacheHome.emplace("XDG_CACHE_HOME", dir.filePath("plain").toUtf8());
    }
    QCOMPARE(asked(), askedAfter);
    QCOMPARE(asked(), askedLater);
}

QTEST_GUILESS_MAIN(ConverterToolTest)
#include "test_convertertool.moc"
