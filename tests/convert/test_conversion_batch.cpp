// The batch mode as a script meets it: the installed program's command line, standard error
// and exit status, with no display, on real FFmpeg; the same results as the window.
#include "convert/batchsupport.h"
#include "convert/convertsupport.h"
#include "convert/sourcekeeper.h"
#include "convert/wavheader.h"
#include "filelist/filelistmodel.h"
#include "support/windowfixture.h"

#include "platform/pathbytes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QThread>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace lorvane;
using namespace lorvane::test;

namespace {

const QString kHint = "Try 'lorvane --help' for more information.\n";

// The names in a folder as the file system holds them: bytes, sorted.
QByteArrayList namesIn(const QByteArray& folder) {
    QByteArrayList names;
    if (DIR* dir = ::opendir(folder.constData())) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") {
                names.append(name);
            }
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

class ConversionBatchTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void gnuConventions_data();
    void gnuConventions();
    void sameFilesAsTheWindowAndSettingsUntouched();
    void whatAFolderGives_data();
    void whatAFolderGives();
    void corruptSourceGivesOneWithReasons();
    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();
    void foreignFileBesideSourceGoesToTheTrash();
    void caseFoldingCollisionOnFat();

  private:
    QTemporaryDir m_dir;
    QString m_home;
    QString m_inputs;
};

void ConversionBatchTest::cleanupTestCase() {
    // Qt cannot remove names that are not valid UTF-8; rm can.
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), m_dir.path()});
}

void ConversionBatchTest::initTestCase() {
    m_home = m_dir.filePath("home");
    QDir().mkpath(m_home);
    // The inputs of the table of bad inputs, "@" in its rows: a good source, bytes FFmpeg takes
    // for MP3 and then cannot parse, an output folder, one that only root may write, and a
    // home whose window settings name a folder that is gone. Another user reads them all.
    m_inputs = m_dir.filePath("inputs");
    QVERIFY(QDir().mkpath(m_inputs + "/out"));
    QVERIFY(QDir().mkpath(m_inputs + "/locked"));
    QVERIFY(makeOgg(m_inputs + "/a.ogg", 8000, 1, 0.2));
    QByteArray noise("\xFF\xFB\x90\x00");
    for (int i = 0; i < 2000; ++i) {
        noise.append(static_cast<char>((i * 37 + 11) % 256));
    }
    QVERIFY(writeFile(m_inputs + "/noise.ogg", noise));
    const QString conf = m_inputs + "/gone/.config/Merrowind/Lorvane.conf";
    QVERIFY(QDir().mkpath(QFileInfo(conf).path()));
    QVERIFY(writeFile(conf, "[Lorvane]\nOutput Folder=/nonexistent/wav/\nFolderChosen=True\n"));
    for (const QString& folder : {m_dir.path(), m_inputs, m_inputs + "/locked", m_home}) {
        QVERIFY(::chmod(PathToBytes(folder).constData(), 0755) == 0);
    }
}

// The command line's conventions, and bad inputs: each refused before anything starts, once,
// naming its path (exit 2, as a usage error), or failing as that file's conversion (exit 1).
// "@" is the folder of the inputs; a script runs the program its own way ("$0" "$@").
void ConversionBatchTest::gnuConventions_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");  // how standard output begins
    QTest::addColumn<QString>("err");  // standard error, exactly
    QTest::addColumn<QString>("script");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: lorvane [FILE|FOLDER]...\n"
                          << ""
                          << "";
    QTest::newRow("version") << QStringList{"--version"} << 0 << "lorvane (Lorvane) 1.0.0\n"
                             << ""
                             << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << ""
                                    << "lorvane: unknown option '--frobnicate'\n" + kHint << "";
    QTest::newRow("no files") << QStringList{"--convert"} << 2 << ""
                              << "lorvane: no files or folders to convert\n" + kHint << "";
    QTest::newRow("missing output folder")
        << QStringList{"--convert", "--output-folder=/nonexistent/wav", "a.ogg"} << 2 << ""
        << "lorvane: the output folder '/nonexistent/wav' does not exist\n" + kHint << "";
    const QString jobs = QString::number(std::clamp(QThread::idealThreadCount(), 1, 64));
    const QString ran =
        "lorvane: 1 of 1 file converted, 0 up to date, 0 not converted, in T\n"
        "lorvane: 16-bit PCM, the default; results in @/out\n";
    QTest::newRow("a missing input")
        << QStringList{"--convert", "--output-folder", "@/out", "@/a.ogg", "@/nosuch.ogg"} << 2
        << ""
        << "lorvane: '@/nosuch.ogg': no such file or folder\n"
        << "";
    QTest::newRow("a file named with a trailing slash, and a missing folder")
        << QStringList{"--convert", "--output-folder", "@/out", "@/a.ogg/", "@/nosuch/"} << 2 << ""
        << "lorvane: '@/a.ogg/' is a file, not a folder: leave out the trailing '/'\n"
           "lorvane: '@/nosuch/': no such file or folder\n"
        << "";
    QTest::newRow("a file below a file")
        << QStringList{"--convert", "--output-folder", "@/out", "@/a.ogg/b.ogg"} << 2 << ""
        << "lorvane: '@/a.ogg/b.ogg': no such file or folder\n"
        << "";
    // As root every folder takes files: another user meets the folder only root may write.
    QTest::newRow("an output folder that takes no files")
        << QStringList{"--convert", "--output-folder", "@/locked", "@/a.ogg"} << 2 << ""
        << "lorvane: the output folder '@/locked' takes no new files (Permission denied)\n"
        << "exec setpriv --reuid=65534 --regid=65534 --clear-groups \"$0\" \"$@\"";
    QTest::newRow("beside a source in a folder that takes no files")
        << QStringList{"--convert", "--beside-source", "@/a.ogg"} << 2 << ""
        << "lorvane: the output folder '@' takes no new files (Permission denied)\n"
        << "exec setpriv --reuid=65534 --regid=65534 --clear-groups \"$0\" \"$@\"";
    QTest::newRow("a stored folder that is gone")
        << QStringList{"--convert", "@/a.ogg"} << 2 << ""
        << "lorvane: the output folder '/nonexistent/wav/', the window's choice (stored in "
           "@/gone/.config/Merrowind/Lorvane.conf), does not exist; give one with "
           "--output-folder\n" +
               kHint
        << "HOME=@/gone XDG_CONFIG_HOME=@/gone/.config exec \"$0\" \"$@\"";
    QTest::newRow("bytes that are no audio")
        << QStringList{"--convert", "--output-folder", "@/out", "@/noise.ogg"} << 1 << ""
        << "[1/1] Processing: noise.ogg\n"
           "lorvane: not converted: @/noise.ogg: could not be read as audio\n"
           "lorvane: 0 of 1 file converted, 0 up to date, 1 not converted, in T\n"
           "lorvane: 16-bit PCM, the default; results in @/out\n"
        << "";
    for (const char* value : {"abc", "0", "-3", "2x"}) {
        QTest::newRow(qPrintable(QStringLiteral("LORVANE_JOBS=%1").arg(value)))
            << QStringList{"--convert", "--quiet", "--output-folder", "@/out", "@/a.ogg"} << 0 << ""
            << QStringLiteral(
                   "lorvane: warning: LORVANE_JOBS='%1' is not a whole number from 1 "
                   "to 64; running %2 %3 at once\n")
                       .arg(value, jobs, jobs == "1" ? "conversion" : "conversions") +
                   ran
            << QStringLiteral("LORVANE_JOBS=%1 exec \"$0\" \"$@\"").arg(value);
    }
    QTest::newRow("--jobs over a bad LORVANE_JOBS")
        << QStringList{"--convert", "--quiet", "--jobs=1", "--output-folder", "@/out", "@/a.ogg"}
        << 0 << "" << ran << "LORVANE_JOBS=abc exec \"$0\" \"$@\"";
}

void ConversionBatchTest::gnuConventions() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QString, script);
    for (QString& arg : args) {
        arg.replace("@", m_inputs);
    }
    const Run run = runProgram(args, m_home, QString(script).replace("@/", m_inputs + "/"));
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
    QCOMPARE(run.err, QString(err).replace("@", m_inputs));
}

void ConversionBatchTest::sameFilesAsTheWindowAndSettingsUntouched() {
    const QString in = m_dir.filePath("same/in");
    const QString batchOut = m_dir.filePath("same/batch");
    QDir().mkpath(in + "/sub");
    QDir().mkpath(batchOut);
    QVERIFY(makeOgg(in + "/b.ogg", 44100, 2, 0.3));
    QVERIFY(makeOgg(in + "/a.ogg", 22050, 1, 0.3, 660));
    QVERIFY(makeOgg(in + "/sub/c.ogg", 8000, 1, 0.3));
    QVERIFY(writeFile(in + "/cover.jpg", "not taken: the batch mode takes *.ogg"));

    // The window's own settings file, as an earlier version left it, without records of what
    // the user chose: 16-bit and a folder of their own are choices all the same.
    const QString home = m_dir.filePath("same/home");
    const QString conf = home + "/.config/Merrowind/Lorvane.conf";
    QDir().mkpath(QFileInfo(conf).path());
    {
        SettingsStore stored(conf);
        stored.WriteSetting("Combo1", "1");
        stored.WriteSetting("kbps", "16-bit PCM");
        stored.WriteSetting("Option1", "True");
        stored.WriteSetting("Option2", "False");
        stored.WriteSetting("Output Folder", batchOut + "/");
    }
    const QDateTime past = QDateTime::currentDateTime().addDays(-3);
    {
        QFile f(conf);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(past, QFileDevice::FileModificationTime));
    }
    const QByteArray confBytes = readFile(conf);

    const Run run = runProgram({"--convert", in}, home);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err,
             "[1/3] Processing: a.ogg\n[2/3] Processing: b.ogg\n[3/3] Processing: c.ogg\n"
             "lorvane: 3 of 3 files converted, 0 up to date, 0 not converted, in T\n"
             "lorvane: 16-bit PCM, the window's choice; results in " +
                 batchOut + "/, the window's choice\n");
    QCOMPARE(readFile(conf), confBytes);
    QCOMPARE(QFileInfo(conf).lastModified(), past);
    QCOMPARE(QDir(QFileInfo(conf).path()).entryList(QDir::Files), QStringList{"Lorvane.conf"});

    // The window, with the same list and choices.
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString windowOut = m_dir.filePath("same/window");
    QDir().mkpath(windowOut);
    window->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
    window->findChild<QLineEdit*>("Text1")->setText(windowOut + "/");
    window->fileList().addEntries({in + "/a.ogg", in + "/b.ogg", in + "/sub/c.ogg"});
    window->PushButton2_Click();
    QCOMPARE(fx.dialogs.messages(), QStringList{"Done."});

    const QStringList names = {"a.wav", "b.wav", "c.wav"};
    QCOMPARE(QDir(batchOut).entryList(QDir::Files), names);
    for (const QString& name : names) {
        const QByteArray batch = readFile(batchOut + "/" + name);
        QVERIFY(batch.startsWith("RIFF"));
        QVERIFY2(batch == readFile(windowOut + "/" + name), qPrintable(name));
    }
}

// Vorbis and Opus alike from a folder by default, and a folder that gives nothing is named
// with what it was searched for and what to do.
void ConversionBatchTest::whatAFolderGives_data() {
    QTest::addColumn<QStringList>("extension");  // --extension values; none: the default
    QTest::addColumn<bool>("withFile");          // a file given after the folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("said");  // a line of standard error; "@" is the folder
    const QString others = "; --extension chooses other endings (--extension='*' takes every file)";
    QTest::newRow("Vorbis and Opus by default")
        << QStringList{} << false << 0 << QStringList{"a.wav", "b.wav", "c.wav"} << "";
    QTest::newRow("Opus only") << QStringList{"opus"} << false << 0 << QStringList{"c.wav"} << "";
    QTest::newRow("two, the option twice")
        << QStringList{"OPUS", ".oga"} << false << 0 << QStringList{"b.wav", "c.wav"} << "";
    QTest::newRow("nothing to convert")
        << QStringList{"mp3"} << false << 1 << QStringList{}
        << "lorvane: nothing to convert: no .mp3 files in @ or its subfolders" + others;
    QTest::newRow("several, nothing to convert")
        << QStringList{"mp3,flac wma"} << false << 1 << QStringList{}
        << "lorvane: nothing to convert: no .mp3, .flac or .wma files in @ or its subfolders" +
               others;
    QTest::newRow("a folder that gives nothing beside a file")
        << QStringList{"mp3"} << true << 0 << QStringList{"given.wav"}
        << "lorvane: note: no .mp3 files in @ or its subfolders" + others;
}

void ConversionBatchTest::whatAFolderGives() {
    QFETCH(QStringList, extension);
    QFETCH(bool, withFile);
    QFETCH(int, exitCode);
    QFETCH(QStringList, results);
    QFETCH(QString, said);
    const QString root = m_dir.filePath("gives/" + QString(QTest::currentDataTag()));
    const QString in = root + "/in";
    QDir().mkpath(in + "/sub");
    QDir().mkpath(root + "/out");
    QVERIFY(makeOgg(in + "/a.ogg", 8000, 1, 0.2));
    QVERIFY(makeOgg(in + "/sub/b.oga", 8000, 1, 0.2));
    QVERIFY(makeOgg(in + "/c.opus", 48000, 1, 0.2, 440, {}, "libopus"));
    QVERIFY(writeFile(in + "/notes.txt", "not audio"));
    QStringList args = {"--convert", "--quiet", "--output-folder", root + "/out"};
    for (const QString& value : extension) {
        args << "--extension" << value;
    }
    args << in;
    if (withFile) {
        QVERIFY(makeOgg(root + "/given.ogg", 8000, 1, 0.2));
        args << root + "/given.ogg";
    }
    const Run run = runProgram(args, m_home);
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
    QCOMPARE(filesBelow(root + "/out"), results);
    if (said.isEmpty()) {
        QVERIFY2(!run.err.contains("nothing to convert") && !run.err.contains("note:"),
                 qPrintable(run.err));
    } else {
        QVERIFY2(run.err.split('\n').contains(said.replace("@", in)), qPrintable(run.err));
    }
}

void ConversionBatchTest::corruptSourceGivesOneWithReasons() {
    const QString root = m_dir.filePath("corrupt");
    QDir().mkpath(root + "/out");
    QVERIFY(makeOgg(root + "/good.ogg", 8000, 1, 0.2));
    QByteArray broken = readFile(root + "/good.ogg");
    broken.replace(0, broken.size(), QByteArray(broken.size(), 'x'));
    QVERIFY(writeFile(root + "/broken.ogg", broken));
    QVERIFY(writeFile(root + "/out/broken.wav", "an earlier result"));
    // Loop tags that cannot be read as a loop: converted without one, and said so.
    QVERIFY(makeOgg(root + "/looped.ogg", 8000, 1, 0.2, 440, {"LOOPSTART=10", "LOOPEND=1.5"}));
    // An interrupted download: converted as far as it goes, with a note that is no failure.
    QVERIFY(makeOgg(root + "/whole.ogg", 8000, 1, 3.0));
    const QByteArray whole = readFile(root + "/whole.ogg");
    QVERIFY(writeFile(root + "/cut.ogg", whole.left(whole.size() * 3 / 4)));

    const Run run = runProgram(
        {"--convert", "--format", "0", "--output-folder", root + "/out", root + "/broken.ogg",
         root + "/good.ogg", root + "/looped.ogg", root + "/cut.ogg"},
        m_home);
    QCOMPARE(run.exitCode, 1);
    // The report, after the progress lines (as many as converters were started).
    QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QString& line) { return line.contains("Processing: "); }),
                lines.end());
    QCOMPARE(lines,
             (QStringList{"lorvane: note: " + root +
                              "/looped.ogg: its loop tags were ignored: LOOPEND is not a "
                              "whole number",
                          "lorvane: note: " + root + "/cut.ogg: " + reasons::endsEarly(),
                          "lorvane: not converted: " + root + "/broken.ogg: " + reasons::notAudio(),
                          "lorvane: 3 of 4 files converted, 0 up to date, 1 not converted, "
                          "in T",
                          "lorvane: 8-bit PCM; results in " + root + "/out"}));
    const WavLook cut = LookAtWav(root + "/out/cut.wav");
    QVERIFY(cut.wellFormed());
    QVERIFY(cut.frames > 4000 && cut.frames < 3 * 8000);
    QVERIFY(readFile(root + "/out/good.wav").startsWith("RIFF"));
    QVERIFY(LookAtWav(root + "/out/looped.wav").wellFormed());
    // A failed conversion leaves the earlier file of its name as it was, and writes nothing.
    QCOMPARE(readFile(root + "/out/broken.wav"), QByteArray("an earlier result"));

    // Alone, the cut source is a success with its note.
    const Run alone = runProgram(
        {"--convert", "--format", "0", "--output-folder", root + "/out", root + "/cut.ogg"},
        m_home);
    QCOMPARE(alone.exitCode, 0);
    QVERIFY2(alone.err.contains("lorvane: note: " + root + "/cut.ogg: " + reasons::endsEarly() +
                                "\nlorvane: 1 of 1 file converted, 0 up to date, 0 not "
                                "converted, in "),
             qPrintable(alone.err));
}

// Names are bytes: an old archive unpacked on Linux holds Latin-1 names. Such a file, one named
// in UTF-8 beside it and one in a folder whose name is Latin-1 are all queued, shown readably,
// and converted into results whose names are the same bytes with ".wav", through the batch
// mode's command line (the names given as bytes) and through the window's list.
void ConversionBatchTest::namesThatAreNotUtf8_data() {
    QTest::addColumn<bool>("batch");
    QTest::newRow("batch mode") << true;
    QTest::newRow("window") << false;
}

void ConversionBatchTest::namesThatAreNotUtf8() {
    QFETCH(bool, batch);
    const QString in = m_dir.filePath(batch ? "latin-batch" : "latin-window");
    const QByteArray raw = PathToBytes(in);
    QVERIFY(QDir().mkpath(in));
    QVERIFY(::mkdir((raw + "/S\xE9rie").constData(), 0755) == 0);
    const QByteArrayList sources = {"caf\xC3\xA9.ogg", "caf\xE9.ogg",
                                    "S\xE9rie/n\xBA"
                                    "1.ogg"};
    for (const QByteArray& source : sources) {
        QVERIFY(makeOgg(in + "/made.ogg", 8000, 1, 0.2));
        QVERIFY(::rename((raw + "/made.ogg").constData(), (raw + '/' + source).constData()) == 0);
    }

    QStringList started;  // the names as the front end showed them, one per file
    QString outcome;      // exit status and last line, or the closing message
    if (batch) {
        // printf turns the octal escapes into the bytes: the program gets them as they are.
        const Run run = runProgram(
            {}, m_home,
            R"sh(exec "$0" --convert --format 1 --beside-source "$(printf 'caf\351.ogg')" )sh"
            R"sh("$(printf 'caf\303\251.ogg')" "$(printf 'S\351rie')")sh",
            in);
        for (const QString& line : run.err.split('\n', Qt::SkipEmptyParts)) {
            if (line.contains("Processing: ")) {
                started.append(line.section("Processing: ", 1));
            }
        }
        outcome = QStringLiteral("exit %1: %2")
                      .arg(run.exitCode)
                      .arg(run.err.section('\n', -3, -3).trimmed());
    } else {
        WindowFixture fx;
        auto window = fx.loadedWindow();
        window->findChild<QComboBox*>("Combo1")->setCurrentIndex(1);
        window->findChild<QRadioButton*>("Option2")->setChecked(true);
        window->queueStartItems({in});
        QTRY_COMPARE(window->fileList().count(), 3);
        for (int row = 0; row < 3; ++row) {
            const QString shown =
                window->fileList().data(window->fileList().index(row), Qt::DisplayRole).toString();
            started.append(shown.mid(in.size() + 1));
        }
        window->PushButton2_Click();
        outcome = fx.dialogs.messages().join('|');
    }
    // All three queued, each shown with its foreign bytes visible.
    started.sort();
    if (batch) {
        QCOMPARE(started, (QStringList{"caf\\xE9.ogg", "café.ogg", "n\\xBA1.ogg"}));
    } else {
        QCOMPARE(started, (QStringList{"S\\xE9rie/n\\xBA1.ogg", "caf\\xE9.ogg", "café.ogg"}));
    }
    // Each converted, its result named with the source's bytes, and nothing else written.
    const auto shown = [](const QByteArrayList& names) {
        return DisplayPath(PathFromBytes(names.join(' ')));
    };
    QByteArrayList results;
    for (const QByteArray& source : sources) {
        const QByteArray wav = raw + '/' + source.chopped(4) + ".wav";
        if (LookAtWav(PathFromBytes(wav)).wellFormed()) {
            results.append(source.chopped(4) + ".wav");
        }
    }
    const QString converted =
        QStringList{outcome, shown(results), shown(namesIn(raw)), shown(namesIn(raw + "/S\xE9rie"))}
            .join(" | ");
    const QString expected =
        QStringList{
            batch ? "exit 0: lorvane: 3 of 3 files converted, 0 up to date, 0 not converted, in T"
                  : "Done.",
            shown({"caf\xC3\xA9.wav", "caf\xE9.wav",
                   "S\xE9rie/n\xBA"
                   "1.wav"}),
            shown({"S\xE9rie", "caf\xC3\xA9.ogg", "caf\xC3\xA9.wav", "caf\xE9.ogg", "caf\xE9.wav"}),
            shown({"n\xBA"
                   "1.ogg",
                   "n\xBA"
                   "1.wav"})}
            .join(" | ");
    QCOMPARE(converted, expected);
}

// With results saved beside their sources, a WAV the user made (a 24-bit master) has the
// result's name. It goes to the user's trash, where the file manager can restore it: its
// .trashinfo names where it was, and moving it back gives its bytes. A result of this program
// from the same source is then replaced without a trip to the trash. Where the trash cannot
// take the file, the new result stays out and the file is listed with the reason.
void ConversionBatchTest::foreignFileBesideSourceGoesToTheTrash() {
    const QString root = m_dir.filePath("trash");
    const QString home = root + "/home";
    QVERIFY(QDir().mkpath(home));
    QVERIFY(QDir().mkpath(root + "/music"));
    QVERIFY(makeOgg(root + "/music/intro.ogg", 8000, 1, 0.2));
    const QByteArray master = "RIFF the user's own 24-bit master";
    QVERIFY(writeFile(root + "/music/intro.wav", master));

    const QStringList args = {"--convert", "--format", "0", "--beside-source",
                              root + "/music/intro.ogg"};
    const Run first = runProgram(QStringList{"--report", root + "/report.jsonl"} + args, home);
    QCOMPARE(first.exitCode, 0);
    QVERIFY(LookAtWav(root + "/music/intro.wav").wellFormed());
    const QString trash = home + "/.local/share/Trash";
    // Told on standard error and in the report's record of the file, with where it went.
    QVERIFY2(first.err.contains("lorvane: moved to the trash to make way for its result: " + root +
                                "/music/intro.wav, now " + trash + "/files/intro.wav\n"),
             qPrintable(first.err));
    const QJsonObject record =
        QJsonDocument::fromJson(readFile(root + "/report.jsonl").trimmed()).object();
    QCOMPARE(record["trashed"].toString(), trash + "/files/intro.wav");
    QCOMPARE(record["outcome"].toString(), QStringLiteral("converted"));
    QCOMPARE(readFile(trash + "/files/intro.wav"), master);
    const QByteArray info = readFile(trash + "/info/intro.wav.trashinfo");
    QVERIFY2(info.startsWith("[Trash Info]\nPath=" +
                             PathToBytes(root + "/music/intro.wav").toPercentEncoding("/") +
                             "\nDeletionDate="),
             info.constData());

    // Its own result is replaced in place: the trash still holds the master alone.
    const Run again = runProgram(args, home);
    QCOMPARE(again.exitCode, 0);
    QVERIFY2(!again.err.contains("trash"), qPrintable(again.err));
    QCOMPARE(QDir(trash + "/files").entryList(QDir::Files | QDir::Hidden),
             QStringList{"intro.wav"});

    // Restored as a file manager does: moved back to where the .trashinfo says it was.
    QVERIFY(QFile::rename(root + "/music/intro.wav", root + "/converted.wav"));
    QVERIFY(QFile::rename(trash + "/files/intro.wav", root + "/music/intro.wav"));
    QCOMPARE(readFile(root + "/music/intro.wav"), master);

    // A trash that cannot be made (its place taken by a file): the master stays, the result
    // is not put in place, and nothing is left behind.
    const QString blocked = root + "/blocked";
    QVERIFY(QDir().mkpath(blocked + "/.local/share"));
    QVERIFY(writeFile(blocked + "/.local/share/Trash", "not a folder"));
    const Run refused = runProgram(args, blocked);
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(
                 "lorvane: not converted: " + root + "/music/intro.ogg: " +
                 reasons::oldResultStays(QString::fromLocal8Bit(std::strerror(EEXIST))) + "\n"),
             qPrintable(refused.err));
    QCOMPARE(readFile(root + "/music/intro.wav"), master);
    QCOMPARE(QDir(root + "/music").entryList(QDir::Files | QDir::Hidden),
             (QStringList{"intro.ogg", "intro.wav"}));
}

// A FAT stick (here a FAT image mounted with FUSE, as the kernel may have no vfat) takes
// SONG.wav and Song.wav for one file: of SONG.ogg and Song.ogg, one is converted and the
// other is listed with the reason that names the first, never put over it.
void ConversionBatchTest::caseFoldingCollisionOnFat() {
    const QString root = m_dir.filePath("fat");
    const QString fat = root + "/stick";
    QVERIFY(QDir().mkpath(fat));
    QVERIFY(QDir().mkpath(root + "/in"));
    const QString upper = root + "/in/SONG.ogg";
    const QString lower = root + "/in/Song.ogg";
    QVERIFY(makeOgg(upper, 8000, 1, 0.3, 440));
    QVERIFY(makeOgg(lower, 8000, 1, 0.6, 880));

    // The refusal itself, on a file system that keeps the two names apart: what the run
    // is told for a folder that folds case.
    QVERIFY(writeFile(root + "/in/SONG.wav", "first") && writeFile(root + "/in/Song.wav", "x"));
    SourceKeeper keeper;
    keeper.protect(upper);
    keeper.protect(lower);
    keeper.recordResult(upper, root + "/in/SONG.wav");
    QCOMPARE(keeper.refusal(lower, root + "/in/Song.wav", false), QString());
    QCOMPARE(keeper.refusal(lower, root + "/in/Song.wav", true), reasons::replacesResult(upper));

    const QString image = root + "/fat.img";
    QProcess make;
    make.start("sh", {"-c", "truncate -s 8M \"$0\" && mkfs.fat \"$0\" >/dev/null", image});
    const bool made = make.waitForFinished(60000) && make.exitCode() == 0;
    QProcess mount;
    mount.start("fusefat", {"-o", "rw+", image, fat});
    if (!made || !mount.waitForFinished(60000) || mount.exitCode() != 0) {
        QSKIP(qPrintable(
            "no FAT file system could be mounted with FUSE (dosfstools and "
            "fusefat, /dev/fuse): " +
            QString::fromLocal8Bit(make.readAllStandardError() + mount.readAllStandardError())));
    }
    struct Unmount {
        QString at;
        ~Unmount() { QProcess::execute("fusermount", {"-u", at}); }
    } unmount{fat};

    const Run run =
        runProgram({"--convert", "--format", "0", "--output-folder", fat, upper, lower}, m_home);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(
                 "lorvane: not converted: " + lower + ": " + reasons::replacesResult(upper) +
                 "\nlorvane: 1 of 2 files converted, 0 up to date, 1 not converted, in "),
             qPrintable(run.err));
    QCOMPARE(QDir(fat).entryList({"*.wav", "*.WAV", ".lorvane-*"}, QDir::Files | QDir::Hidden),
             QStringList{"SONG.wav"});
    // The first source's result: 0.3 s, not the second one's 0.6 s.
    const WavLook wav = LookAtWav(fat + "/SONG.wav");
    QVERIFY(wav.wellFormed());
    QVERIFY2(wav.frames < 3600, qPrintable(QString::number(wav.frames)));
}

QTEST_MAIN(ConversionBatchTest)
#include "test_conversion_batch.moc"
