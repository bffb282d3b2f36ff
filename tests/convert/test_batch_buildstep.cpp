// The batch mode as a build step: a line per file however files are grouped, one updating
// line on a terminal, the window's defaults, a kept source tree, only what changed converted
// again, and a record per file for scripts. The real program on real FFmpeg.
#include "convert/batchsupport.h"
#include "convert/convertsupport.h"
#include "convert/reasons.h"
#include "convert/wavheader.h"

#include <QDateTime>
#include <QTemporaryDir>

#include <QTest>
#include <algorithm>
#include <csignal>

using namespace lorvane;
using namespace lorvane::test;

class BatchBuildStepTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void oneLinePerGroupedFile_data();
    void oneLinePerGroupedFile();
    void terminalLineDuringASlowFile_data();
    void terminalLineDuringASlowFile();
    void terminalLinePacesALongFile();
    void defaultsAsTheWindows_data();
    void defaultsAsTheWindows();
    void keepTreeMirrorsEveryFolder();
    void updateConvertsOnlyWhatChanged_data();
    void updateConvertsOnlyWhatChanged();
    void everyFailureSetsTheExitStatus_data();
    void everyFailureSetsTheExitStatus();

  private:
    QTemporaryDir m_dir;
    QString m_home;
    // One short source, copied wherever a test needs many.
    QString m_ogg;
};

void BatchBuildStepTest::initTestCase() {
    m_home = m_dir.filePath("home");
    QDir().mkpath(m_home);
    m_ogg = m_dir.filePath("short.ogg");
    QVERIFY(makeOgg(m_ogg, 8000, 1, 0.2));
}

// Files are grouped into converter runs (two jobs, 30 short files), yet each gets its own
// line counting 1 to 30. On a terminal (a pseudo-terminal through script(1)) the progress is
// one updating line with the files done of 30, the time, the rate and the time left instead.
void BatchBuildStepTest::oneLinePerGroupedFile_data() {
    QTest::addColumn<bool>("terminal");
    QTest::newRow("a pipe") << false;
    QTest::newRow("a terminal") << true;
}

void BatchBuildStepTest::oneLinePerGroupedFile() {
    QFETCH(bool, terminal);
    const QString root = m_dir.filePath(terminal ? "lines-tty" : "lines-pipe");
    QDir().mkpath(root + "/in");
    QDir().mkpath(root + "/out");
    for (int i = 1; i <= 30; ++i) {
        QVERIFY(QFile::copy(m_ogg, root + QStringLiteral("/in/t%1.ogg").arg(i, 2, 10, QChar('0'))));
    }
    const QStringList args = {"--convert", "--jobs",          "2",           "--format",
                              "1",         "--output-folder", root + "/out", root + "/in"};
    Run run;
    if (terminal) {
        // script(1) runs the program on a pseudo-terminal, which carries all it writes.
        QStringList quoted;
        for (const QString& arg : args) {
            quoted.append("'" + arg + "'");
        }
        run = runProgram({}, m_home,
                         QStringLiteral(R"sh(exec script -qec '"%1" %2' /dev/null)sh")
                             .arg(qEnvironmentVariable("LORVANE_PROGRAM"), quoted.join(' ')),
                         root);
        run.err = run.out;  // the terminal carries both
        run.err.replace("\r\n", "\n");
        run.err.replace(QRegularExpression(", in [0-9.:]+( s)?\n"), ", in T\n");
    } else {
        run = runProgram(args, m_home);
    }
    QCOMPARE(run.exitCode, 0);
    QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    const QStringList summary = {
        "lorvane: 30 of 30 files converted, 0 up to date, 0 not converted, in T",
        "lorvane: 16-bit PCM; results in " + root + "/out"};
    QCOMPARE(lines.mid(lines.size() - 2), summary);
    lines.resize(lines.size() - 2);
    if (!terminal) {
        QStringList expected;
        for (int i = 1; i <= 30; ++i) {
            expected.append(
                QStringLiteral("[%1/30] Processing: t%2.ogg").arg(i).arg(i, 2, 10, QChar('0')));
        }
        QCOMPARE(lines, expected);
    } else {
        // One line, rewritten in place: every update begins at the line's start and clears it.
        QCOMPARE(lines.size(), 1);
        const QStringList updates = lines.front().split("\r\x1b[K", Qt::SkipEmptyParts);
        QVERIFY2(updates.size() >= 3, qPrintable(lines.front()));
        const QRegularExpression shape(
            R"(^(\d+) of 30 files converted, \d+:\d\d elapsed, (--:-- left|[0-9.]+x real time, )"
            R"(\d+:\d\d left)(; Processing: t\d\d\.ogg( and \d+ more)?)?$)");
        int lastDone = 0;
        for (const QString& update : updates) {
            const QRegularExpressionMatch match = shape.match(update);
            QVERIFY2(match.hasMatch(), qPrintable(update));
            QVERIFY(match.captured(1).toInt() >= lastDone);
            lastDone = match.captured(1).toInt();
        }
        QCOMPARE(lastDone, 30);
        QVERIFY(updates.back().contains("x real time, 0:00 left"));
    }
    QCOMPARE(filesBelow(root + "/out").size(), 30);
}

// A converter held on its file: the terminal's line (read through script(1)) goes on telling
// the time every second, names the file in hand (and how many more), says what the first
// Ctrl+C does, and counts as the summary does.
void BatchBuildStepTest::terminalLineDuringASlowFile_data() {
    QTest::addColumn<int>("jobs");
    QTest::addColumn<QString>("inHand");   // what the line names while the converters wait
    QTest::addColumn<QString>("stopped");  // how the line counts once the stop is asked for
    QTest::addColumn<QString>("summary");  // the first line of the summary
    QTest::newRow("one at a time")
        << 1 << "Processing: a.ogg"
        << "1 of 3 files converted, 2 not converted, "
        << "lorvane: 1 of 3 files converted, 0 up to date, 2 not converted, in T; stopped by "
           "SIGINT before 2 more started";
    // Three files on two converters: a and b in one group, c alone, all three in hand.
    QTest::newRow("two converters")
        << 2 << "Processing: a.ogg and 2 more"
        << "3 of 3 files converted, "
        << "lorvane: 3 of 3 files converted, 0 up to date, 0 not converted, in T; stopped by "
           "SIGINT";
}

void BatchBuildStepTest::terminalLineDuringASlowFile() {
    QFETCH(int, jobs);
    QFETCH(QString, inHand);
    QFETCH(QString, stopped);
    QFETCH(QString, summary);
    const QString root = m_dir.filePath(QStringLiteral("slow%1").arg(jobs));
    QDir().mkpath(root + "/out");
    for (const char* name : {"a.ogg", "b.ogg", "c.ogg"}) {
        QVERIFY(QFile::copy(m_ogg, root + "/" + name));
    }
    FakeTool fake(root + "/tool");
    fake.hold();
    QVERIFY(writeFile(root + "/run.sh",
                      QStringLiteral("echo $$ > '%1/pid'\n"
                                     "LORVANE_FFMPEG='%2' exec \"$LORVANE_PROGRAM\" --convert "
                                     "--jobs %3 --format 1 --output-folder out a.ogg b.ogg c.ogg\n")
                          .arg(root, fake.path())
                          .arg(jobs)
                          .toUtf8()));
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_home);
    env.insert("XDG_CONFIG_HOME", m_home + "/.config");
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(root);
    p.start("script", {"-qec", "sh run.sh", "/dev/null"});
    QTRY_VERIFY_WITH_TIMEOUT(fake.started(jobs), 30000);
    // At least two ticks while nothing is done, however loaded the machine is.
    QByteArray seen;
    QTRY_VERIFY_WITH_TIMEOUT((seen += p.readAllStandardOutput()).contains(" 0:02 elapsed"), 20000);
    const pid_t pid = readFile(root + "/pid").trimmed().toInt();
    QVERIFY(pid > 0);
    QCOMPARE(::kill(pid, SIGINT), 0);
    QTest::qWait(300);
    for (int n = 1; n <= jobs; ++n) {
        fake.release(n);
    }
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 130);
    QString out = QString::fromUtf8(seen + p.readAllStandardOutput());
    out.replace("\r\n", "\n");
    out.replace(QRegularExpression(", in [0-9.:]+( s)?;"), ", in T;");
    QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.size() >= 5, qPrintable(out));
    // Before the stop: one line rewritten in place, its clock moving while the file waits.
    QStringList before = lines.front().split("\r\x1b[K", Qt::SkipEmptyParts);
    before.removeAll("^C");  // the terminal's own echo of the key, where it shows one
    const QString waiting = "0 of 3 files converted, %1 elapsed, --:-- left; " + inHand;
    QVERIFY2(before.contains(waiting.arg("0:01")), qPrintable(before.join('|')));
    QVERIFY2(before.contains(waiting.arg("0:02")), qPrintable(before.join('|')));
    QCOMPARE(lines[1].trimmed(),
             QStringLiteral("lorvane: stopping after the files in hand; Ctrl+C again to stop now"));
    // After it: no more time left to tell, and the last count is the summary's.
    const QStringList after = lines[2].split("\r\x1b[K", Qt::SkipEmptyParts);
    QVERIFY2(after.back().startsWith(stopped), qPrintable(after.join('|')));
    QVERIFY2(after.back().contains(" elapsed, stopping"), qPrintable(after.back()));
    QCOMPARE(lines.mid(lines.size() - 2),
             (QStringList{summary, "lorvane: 16-bit PCM; results in " + root + "/out"}));
}

// One file that FFmpeg reads no faster than it plays (-re): before it is done, the line
// already tells the pace and the time left, from what the converter has written of it.
void BatchBuildStepTest::terminalLinePacesALongFile() {
    const QString root = m_dir.filePath("paced");
    QDir().mkpath(root + "/out");
    // Stereo at 48 kHz: FFmpeg writes its result in blocks of 256 KiB, some 1.4 s of it.
    QVERIFY(makeOgg(root + "/long.ogg", 48000, 2, 4.0));
    const QString standIn = root + "/ffmpeg-at-play-speed";
    QVERIFY(writeFile(standIn, QStringLiteral("#!/bin/sh\n"
                                              "[ \"$1\" = -hide_banner ] && exec '%1' \"$@\"\n"
                                              "exec '%1' -re \"$@\"\n")
                                   .arg(realFfmpeg())
                                   .toUtf8()));
    QVERIFY(QFile::setPermissions(standIn, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const Run run = runProgram(
        {}, m_home,
        QStringLiteral(R"sh(LORVANE_FFMPEG='%1' exec script -qec '"%2" --convert --format 1 )sh"
                       R"sh(--output-folder out long.ogg' /dev/null)sh")
            .arg(standIn, qEnvironmentVariable("LORVANE_PROGRAM")),
        root);
    QCOMPARE(run.exitCode, 0);
    const QStringList updates = run.out.section('\n', 0, 0).split("\r\x1b[K", Qt::SkipEmptyParts);
    const QRegularExpression paced(
        R"(^0 of 1 file converted, 0:0[1-5] elapsed, [0-9.]+x real time, \d+:\d\d left; )"
        R"(Processing: long\.ogg$)");
    QVERIFY2(std::any_of(updates.begin(), updates.end(),
                         [&](const QString& update) { return paced.match(update).hasMatch(); }),
             qPrintable(updates.join('|')));
}

// Nothing stored and nothing given: the desktop folder by the program's own rule, else the
// home folder, and 16-bit PCM; the summary says that these are the defaults.
void BatchBuildStepTest::defaultsAsTheWindows_data() {
    QTest::addColumn<QString>("desktop");   // the folder made in the home folder, if any
    QTest::addColumn<QString>("userDirs");  // user-dirs.dirs, if any
    QTest::addColumn<QString>("expected");  // where the result goes, in the home folder
    QTest::newRow("no desktop: the home folder") << ""
                                                 << ""
                                                 << "";
    QTest::newRow("a Desktop folder") << "Desktop"
                                      << ""
                                      << "Desktop/";
    QTest::newRow("user-dirs.dirs names another") << "Bureau"
                                                  << "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                                                  << "Bureau/";
    QTest::newRow("user-dirs.dirs names one that is gone") << ""
                                                           << "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                                                           << "";
}

void BatchBuildStepTest::defaultsAsTheWindows() {
    QFETCH(QString, desktop);
    QFETCH(QString, userDirs);
    QFETCH(QString, expected);
    static int row = 0;
    const QString base = m_dir.filePath(QStringLiteral("defaults%1").arg(++row));
    const QString home = base + "/home";
    QDir().mkpath(home + "/.config");
    if (!desktop.isEmpty()) {
        QDir().mkpath(home + "/" + desktop);
    }
    if (!userDirs.isEmpty()) {
        QVERIFY(writeFile(home + "/.config/user-dirs.dirs", userDirs.toUtf8()));
    }
    const QString source = base + "/tune.ogg";
    QVERIFY(QFile::copy(m_ogg, source));
    const Run run = runProgram({"--convert", "--quiet", source}, home);
    QCOMPARE(run.exitCode, 0);
    const QString folder = home + "/" + expected;
    QCOMPARE(run.err,
             "lorvane: 1 of 1 file converted, 0 up to date, 0 not converted, in T\n"
             "lorvane: 16-bit PCM, the default; results in " +
                 folder + ", the default\n");
    const WavLook wav = LookAtWav(folder + "tune.wav");
    QVERIFY(wav.wellFormed());
    QCOMPARE(wav.bitsPerSample, 16);
    QVERIFY(!QFileInfo::exists(home + "/.config/Merrowind"));
}

// --keep-tree: same-named files in several folders, folders whose names begin with dots, a
// file given directly: the tree mirrored below the output folder, nothing written anywhere
// else, and a second file of one name never refused.
void BatchBuildStepTest::keepTreeMirrorsEveryFolder() {
    const QString root = m_dir.filePath("tree");
    const QStringList sources = {"in/sfx/door/open.ogg", "in/sfx/chest/open.ogg",
                                 "in/.../open.ogg",      "in/..x/.. /open.ogg",
                                 "in/open.ogg",          "loose/open2.ogg"};
    for (const QString& name : sources) {
        QDir().mkpath(QFileInfo(root + "/" + name).path());
        QVERIFY(QFile::copy(m_ogg, root + "/" + name));
    }
    QDir().mkpath(root + "/out");
    const Run run =
        runProgram({"--convert", "--quiet", "--keep-tree", "--format", "1", "--output-folder",
                    root + "/out", root + "/in", root + "/loose/open2.ogg"},
                   m_home);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err,
             "lorvane: 6 of 6 files converted, 0 up to date, 0 not converted, in T\n"
             "lorvane: 16-bit PCM; results in " +
                 root + "/out, source trees kept\n");
    QStringList expected = sources;
    for (const QString& name : sources) {
        expected.append("out/" + name.section('/', 1).chopped(4) + ".wav");
    }
    expected.sort();
    QStringList got = filesBelow(root);
    QCOMPARE(got, expected);
    for (const QString& name : got) {
        if (name.startsWith("out/")) {
            QVERIFY2(LookAtWav(root + "/" + name).wellFormed(), qPrintable(name));
        }
    }
}

// --update, with and without --keep-tree: a second run over an unchanged tree converts
// nothing (exit 0, all up to date); then a touched source, a damaged result and a result
// replaced by another file are converted again, and only they. The report says so per file.
void BatchBuildStepTest::updateConvertsOnlyWhatChanged_data() {
    QTest::addColumn<bool>("keepTree");
    QTest::newRow("into one folder") << false;
    QTest::newRow("the tree kept") << true;
}

void BatchBuildStepTest::updateConvertsOnlyWhatChanged() {
    QFETCH(bool, keepTree);
    const QString root = m_dir.filePath(keepTree ? "update-tree" : "update-flat");
    const QStringList names = {"a", "b", "c", "d", "e"};
    for (const QString& name : names) {
        QDir().mkpath(root + "/in/" + name);
        QVERIFY(QFile::copy(m_ogg, root + "/in/" + name + "/" + name + ".ogg"));
    }
    QDir().mkpath(root + "/out");
    QStringList args = {"--convert",   "--quiet",  "--update",
                        "--format",    "1",        "--output-folder",
                        root + "/out", "--report", root + "/report.jsonl",
                        root + "/in"};
    if (keepTree) {
        args.insert(1, "--keep-tree");
    }
    const auto result = [&](const QString& name) {
        return root + "/out/" + (keepTree ? name + "/" : QString()) + name + ".wav";
    };
    const auto records = [&](const QString& changed) {
        QStringList expected;
        for (const QString& name : names) {
            expected.append(QStringLiteral("in/%1/%1.ogg -> out/%2%1.wav %3: ")
                                .arg(name, keepTree ? name + "/" : QString(),
                                     changed.contains(name) ? "converted" : "up to date"));
        }
        return expected;
    };
    const QString tail = QStringLiteral("lorvane: 16-bit PCM; results in %1/out%2\n")
                             .arg(root, keepTree ? ", source trees kept" : "");

    Run run = runProgram(args, m_home);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(reportOf(root + "/report.jsonl", root), records("abcde"));

    run = runProgram(args, m_home);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err,
             "lorvane: 0 of 5 files converted, 5 up to date, 0 not converted, in T\n" + tail);
    QCOMPARE(reportOf(root + "/report.jsonl", root), records(""));

    // a: touched; b: cut short; c: another WAV (a copy carries no mark) put in its place.
    QFile touched(root + "/in/a/a.ogg");
    QVERIFY(touched.open(QIODevice::ReadWrite));
    QVERIFY(touched.setFileTime(QDateTime::currentDateTime(), QFileDevice::FileModificationTime));
    touched.close();
    QVERIFY(QFile::resize(result("b"), QFileInfo(result("b")).size() - 100));
    QVERIFY(QFile::remove(result("c")));
    QVERIFY(QFile::copy(result("d"), result("c")));
    const QByteArray d = readFile(result("d"));
    run = runProgram(args, m_home);
    QCOMPARE(run.exitCode, 0);
    // The copy in c's place is no result of c's source: it is moved aside, and said so.
    const QString trashed =
        "lorvane: moved to the trash to make way for its result: " + result("c") + ", now " +
        m_home + "/.local/share/Trash/files/c";
    const QStringList said = run.err.split('\n', Qt::SkipEmptyParts);
    QVERIFY2(said.size() == 3 && said.front().startsWith(trashed) && said.front().endsWith(".wav"),
             qPrintable(run.err));
    QCOMPARE(said.mid(1).join('\n') + '\n',
             "lorvane: 3 of 5 files converted, 2 up to date, 0 not converted, in T\n" + tail);
    QCOMPARE(reportOf(root + "/report.jsonl", root), records("abc"));
    for (const QString& name : names) {
        QVERIFY(LookAtWav(result(name)).wellFormed());
    }
    QCOMPARE(readFile(result("d")), d);
    QCOMPARE(filesBelow(root + "/out").size(), 5);
}

// A script learns of every failure from the exit status, also of those no file's conversion
// reports: a refused run, a report that could not be written, a file refused before the run.
void BatchBuildStepTest::everyFailureSetsTheExitStatus_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("said");
    QTest::newRow("no usable converter")
        << "converter"
        << "lorvane: The converter /nonexistent/ffmpeg was not found.";
    QTest::newRow("report not written")
        << "report"
        << "lorvane: the report /proc/report.jsonl was not written: ";
    QTest::newRow("refused before the run")
        << "planned"
        << "lorvane: not converted: %1/in/b/x.ogg: " + reasons::replacesResult("%1/in/a/x.ogg");
    // Ten bytes overwritten late in a 3 s file: FFmpeg makes 2 s of it and calls that
    // a success.
    QTest::newRow("a damaged source")
        << "damaged"
        << "lorvane: not converted: %1/in/a/x.ogg: the source is damaged (its audio breaks off at "
           "0:01.";
}

void BatchBuildStepTest::everyFailureSetsTheExitStatus() {
    QFETCH(QString, situation);
    QFETCH(QString, said);
    const QString root = m_dir.filePath("exit-" + situation);
    for (const char* folder : {"/in/a", "/in/b", "/out"}) {
        QDir().mkpath(root + folder);
    }
    QVERIFY(QFile::copy(m_ogg, root + "/in/a/x.ogg"));
    QStringList args = {"--convert", "--quiet", "--output-folder", root + "/out", root + "/in/a"};
    QString script;
    if (situation == "converter") {
        script = "LORVANE_FFMPEG=/nonexistent/ffmpeg exec \"$0\" \"$@\"";
    } else if (situation == "damaged") {
        const QString source = root + "/in/a/x.ogg";
        QVERIFY(QFile::remove(source) && makeOgg(source, 44100, 2, 3.0));
        QByteArray bytes = readFile(source);
        bytes.replace(bytes.size() * 3 / 4, 10, "0123456789");
        QVERIFY(writeFile(source, bytes));
        args.insert(1, "--report=" + root + "/report.jsonl");
    } else if (situation == "report") {
        // A folder that exists but takes no files: the report fails only once the run ends.
        args.insert(1, "--report=/proc/report.jsonl");
    } else {
        // b's result would replace a's, which is up to date: the run would convert the two
        // in turn for ever.
        QVERIFY(QFile::copy(m_ogg, root + "/in/b/x.ogg"));
        QCOMPARE(runProgram(args, m_home).exitCode, 0);
        args.insert(1, "--update");
        args.append(root + "/in/b");
    }
    const Run run = runProgram(args, m_home, script);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QString(said).replace("%1", root)), qPrintable(run.err));
    if (situation == "damaged") {
        QVERIFY(readFile(root + "/report.jsonl").contains(R"("outcome":"not converted")"));
        QVERIFY(
            QDir(root + "/out").isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }
}

QTEST_GUILESS_MAIN(BatchBuildStepTest)
#include "test_batch_buildstep.moc"
