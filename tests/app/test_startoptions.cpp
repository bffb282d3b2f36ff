// The command line, read before any application object exists: which mode, and every batch
// option with its bad forms; and the batch mode's choices from options and stored settings.
#include "app/batchmode.h"
#include "app/batchreport.h"
#include "app/settingsstore.h"
#include "app/startoptions.h"
#include "convert/commandline.h"
#include "convert/formattable.h"
#include "convert/outputtree.h"
#include "platform/pathbytes.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace lorvane;

Q_DECLARE_METATYPE(StartOptions::Mode)

class TestStartOptions : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void parse_data();
    void parse();
    void itemsMadeAbsoluteInOrder_data();
    void itemsMadeAbsoluteInOrder();
    void withoutADisplay_data();
    void withoutADisplay();
    void completions_data();
    void completions();
    void choices_data();
    void choices();
    void progress_data();
    void progress();
    void treeFolders_data();
    void treeFolders();
    void reportLines_data();
    void reportLines();
    void formatsDescribedInHelpAndManual();

    // Qt cannot remove names that are not valid UTF-8; rm can.
    void cleanupTestCase() {
        QDir::setCurrent(QDir::rootPath());
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), m_dir.path()});
    }

  private:
    QTemporaryDir m_dir;
};

void TestStartOptions::initTestCase() {
    QDir().mkpath(m_dir.filePath("out"));
    QFile file(m_dir.filePath("plain.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QDir::setCurrent(m_dir.path());
}

// Each row: the arguments after the program's name; the mode; for a usage error the problem
// exactly, otherwise the batch fields as "format|folder|beside|extension|jobs".
void TestStartOptions::parse_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<StartOptions::Mode>("mode");
    QTest::addColumn<QString>("expected");
    const auto W = StartOptions::Window;
    const auto B = StartOptions::Batch;
    const auto E = StartOptions::UsageError;
    const QString out = QDir::current().absoluteFilePath("out");
    QTest::newRow("nothing: the window as ever") << QStringList{} << W << "|||ogg,oga,opus|";
    QTest::newRow("files for the window") << QStringList{"a.ogg", "b"} << W << "|||ogg,oga,opus|";
    QTest::newRow("-- ends the options")
        << QStringList{"--", "--convert"} << W << "|||ogg,oga,opus|";
    QTest::newRow("help") << QStringList{"--help"} << StartOptions::Help << "";
    QTest::newRow("-h") << QStringList{"-h"} << StartOptions::Help << "";
    QTest::newRow("help wins over convert")
        << QStringList{"--convert", "--help"} << StartOptions::Help << "";
    QTest::newRow("version") << QStringList{"--version"} << StartOptions::Version << "";
    QTest::newRow("convert, stored choices")
        << QStringList{"--convert", "a"} << B << "|||ogg,oga,opus|";
    QTest::newRow("options after the files")
        << QStringList{"a", "--convert"} << B << "|||ogg,oga,opus|";
    QTest::newRow("format by index")
        << QStringList{"--convert", "--format", "3", "a"} << B << "24-bit PCM|||ogg,oga,opus|";
    QTest::newRow("format by label, any case, with =")
        << QStringList{"--convert", QString::fromUtf8("--format=16-BIT pcm µ-LAW"), "a"} << B
        << QString::fromUtf8("16-bit PCM µ-law|||ogg,oga,opus|");
    QTest::newRow("output folder") << QStringList{"--convert", "--output-folder", "out", "a"} << B
                                   << "|" + out + "||ogg,oga,opus|";
    QTest::newRow("beside source")
        << QStringList{"--convert", "--beside-source", "a"} << B << "||beside|ogg,oga,opus|";
    QTest::newRow("extension, dot dropped")
        << QStringList{"--convert", "--extension", ".OGA", "a"} << B << "|||OGA|";
    QTest::newRow("extension: every file")
        << QStringList{"--convert", "--extension=*", "a"} << B << "|||*|";
    QTest::newRow("extensions: commas, blanks and dots")
        << QStringList{"--convert", "--extension=ogg, .opus *.OGA", "a"} << B << "|||ogg,opus,OGA|";
    QTest::newRow("extensions: the option twice, one named again")
        << QStringList{"--convert", "--extension=ogg", "--extension", "opus,OGG", "a"} << B
        << "|||ogg,opus|";
    QTest::newRow("jobs") << QStringList{"--convert", "--jobs", "4", "a"} << B
                          << "|||ogg,oga,opus|4";
    QTest::newRow("jobs at most") << QStringList{"--convert", "--jobs=64", "a"} << B
                                  << "|||ogg,oga,opus|64";
    QTest::newRow("a build step") << QStringList{"--convert", "--keep-tree", "--update", "--quiet",
                                                 "--report",  "r.jsonl",     "a"}
                                  << B
                                  << "|||ogg,oga,opus| +keep-tree +update +quiet +report=" +
                                         QDir::current().absoluteFilePath("r.jsonl");

    // Qt's own options go to Qt whole, values and all, wherever they stand before "--"; a
    // file named like one is still a file after "--".
    const auto qtRow = [&](const char* name, const QStringList& args, const QString& qt) {
        QTest::newRow(name) << args << W << "|||ogg,oga,opus| +qt=" + qt;
    };
    qtRow("-style", {"-style", "Fusion"}, "-style Fusion");
    qtRow("-style=", {"-style=Fusion"}, "-style=Fusion");
    qtRow("two dashes, as Qt allows", {"--style", "Fusion"}, "--style Fusion");
    qtRow("-platform", {"-platform", "offscreen"}, "-platform offscreen");
    qtRow("-platform with its options", {"-platform", "xcb:nomitshm"}, "-platform xcb:nomitshm");
    qtRow("-reverse among files", {"a.ogg", "-reverse", "b.ogg"}, "-reverse");
    qtRow("-stylesheet", {"-stylesheet", "dark.qss"}, "-stylesheet dark.qss");
    qtRow("-stylesheet=", {"-stylesheet=dark.qss"}, "-stylesheet=dark.qss");
    qtRow("-qwindowgeometry", {"-qwindowgeometry", "640x480+10+10"},
          "-qwindowgeometry 640x480+10+10");
    qtRow("X11's -geometry", {"-geometry", "+0+0"}, "-geometry +0+0");
    qtRow("-display", {"-display", ":1"}, "-display :1");
    qtRow("a value that starts with a dash", {"-qwindowtitle", "-x-"}, "-qwindowtitle -x-");
    qtRow("all of them",
          {"-platformtheme",
           "qt6ct",
           "-platformpluginpath",
           "/p",
           "-plugin",
           "evdevtouch",
           "-qwindowicon",
           "i.png",
           "-icon",
           "i.png",
           "-qwindowtitle",
           "T",
           "-title",
           "T",
           "-session",
           "s1",
           "-name",
           "n",
           "-visual",
           "32",
           "-testability",
           "-widgetcount",
           "-nograb",
           "-dograb",
           "-qmljsdebugger=port:1234"},
          "-platformtheme qt6ct -platformpluginpath /p -plugin evdevtouch -qwindowicon i.png "
          "-icon i.png -qwindowtitle T -title T -session s1 -name n -visual 32 -testability "
          "-widgetcount -nograb -dograb -qmljsdebugger=port:1234");
    QTest::newRow("after -- a file") << QStringList{"--", "-reverse"} << W << "|||ogg,oga,opus|";
    QTest::newRow("help with Qt's options")
        << QStringList{"-style", "Fusion", "--help"} << StartOptions::Help << "";

    QTest::newRow("unknown option")
        << QStringList{"--convert", "--bogus", "a"} << E << "unknown option '--bogus'";
    QTest::newRow("unknown short option") << QStringList{"-x"} << E << "unknown option '-x'";
    QTest::newRow("unknown word, as typed")
        << QStringList{"-stylx"} << E << "unknown option '-stylx'";
    QTest::newRow("Qt's option without its value")
        << QStringList{"a", "-style"} << E << "missing value after '-style'";
    // The batch mode makes no window: it has no use for Qt's options and says so.
    for (const QStringList& qt : {QStringList{"-style", "Fusion"}, QStringList{"-reverse"},
                                  QStringList{"-platform", "offscreen"}}) {
        QTest::newRow(qPrintable(qt.front() + " with --convert"))
            << QStringList{"--convert"} + qt + QStringList{"a"} << E
            << qt.front() + " is for the window only";
    }
    QTest::newRow("missing value")
        << QStringList{"--convert", "a", "--format"} << E << "missing value after '--format'";
    QTest::newRow("no files at all")
        << QStringList{"--convert", "--format", "1"} << E << "no files or folders to convert";
    QTest::newRow("an empty name")
        << QStringList{"--convert", ""} << E << "an empty name is no file or folder";
    const QString choices = QString::fromUtf8(
        "choose one of 0 \"8-bit PCM\", 1 \"16-bit PCM\", 2 \"16-bit PCM µ-law\", 3 \"24-bit "
        "PCM\", 4 \"32-bit PCM\", 5 \"64-bit PCM\"");
    for (const char* bad : {"6", "-1", "+1", "16-bit", "", "mp3"}) {
        QTest::newRow(qPrintable(QStringLiteral("format not in the table: '%1'").arg(bad)))
            << QStringList{"--convert", QStringLiteral("--format=") + bad, "a"} << E
            << QStringLiteral("no output format '%1'; ").arg(bad) + choices;
    }
    QTest::newRow("output folder missing")
        << QStringList{"--convert", "--output-folder", "nowhere", "a"} << E
        << "the output folder 'nowhere' does not exist";
    QTest::newRow("output folder a file")
        << QStringList{"--convert", "--output-folder", "plain.txt", "a"} << E
        << "the output folder 'plain.txt' does not exist";
    QTest::newRow("two locations")
        << QStringList{"--convert", "--beside-source", "--output-folder", "out", "a"} << E
        << "--output-folder and --beside-source exclude each other";
    for (const char* bad : {"nowhere/r.jsonl", "out", "out/", "plain.txt/r.jsonl"}) {
        QTest::newRow(qPrintable(QStringLiteral("report '%1'").arg(bad)))
            << QStringList{"--convert", QStringLiteral("--report=") + bad, "a"} << E
            << QStringLiteral("the report '%1' cannot be written: no such folder, or a folder")
                   .arg(bad);
    }
    for (const char* bad : {"", ".", "a/b", " , ", "ogg,a/b"}) {
        QTest::newRow(qPrintable(QStringLiteral("extension '%1'").arg(bad)))
            << QStringList{"--convert", QStringLiteral("--extension=") + bad, "a"} << E
            << QStringLiteral("'%1' is no file extension").arg(bad);
    }
    for (const char* bad : {"0", "65", "x", "+2", "2.0", ""}) {
        QTest::newRow(qPrintable(QStringLiteral("jobs '%1'").arg(bad)))
            << QStringList{"--convert", QStringLiteral("--jobs=") + bad, "a"} << E
            << QStringLiteral("--jobs needs a whole number from 1 to 64, not '%1'").arg(bad);
    }
    for (const char* option :
         {"--format=1", "--output-folder=out", "--beside-source", "--extension=ogg", "--jobs=2",
          "--keep-tree", "--update", "--quiet", "--report=r.jsonl"}) {
        const QString name = QString(option).section('=', 0, 0);
        QTest::newRow(qPrintable(name + " without --convert"))
            << QStringList{option, "a"} << E << name + " is for --convert only";
    }
}

void TestStartOptions::parse() {
    QFETCH(QStringList, args);
    QFETCH(StartOptions::Mode, mode);
    QFETCH(QString, expected);
    const StartOptions o = ParseStartOptions(QStringList{"lorvane"} + args);
    QCOMPARE(o.mode, mode);
    if (mode == StartOptions::UsageError) {
        QCOMPARE(o.problem, expected);
        return;
    }
    QVERIFY(o.problem.isEmpty());
    if (mode != StartOptions::Window && mode != StartOptions::Batch) {
        return;
    }
    const QString fields =
        QStringList{o.formatLabel.value_or(QString()), o.outputFolder.value_or(QString()),
                    o.besideSource ? "beside" : "", o.extension,
                    o.jobs ? QString::number(*o.jobs) : QString()}
            .join('|');
    QString flags;
    for (const auto& [set, name] :
         {std::pair{o.keepTree, " +keep-tree"}, {o.update, " +update"}, {o.quiet, " +quiet"}}) {
        flags += set ? name : "";
    }
    if (o.reportFile) {
        flags += " +report=" + *o.reportFile;
    }
    if (!o.qtOptions.isEmpty()) {
        flags += " +qt=" + o.qtOptions.join(' ');
    }
    QCOMPARE(fields + flags, expected);
}

// The arguments as bytes, as main() takes them, in a current folder below the test's folder
// ("" for that folder itself); each item and the output folder as bytes, "@" the current folder.
void TestStartOptions::itemsMadeAbsoluteInOrder_data() {
    QTest::addColumn<QByteArray>("current");
    QTest::addColumn<QByteArrayList>("args");
    QTest::addColumn<QByteArrayList>("items");
    QTest::addColumn<QByteArray>("outputFolder");
    // Only made absolute: "..", repeats and odd names stay as given.
    QTest::newRow("as given") << QByteArray()
                              << QByteArrayList{"b.ogg", "/abs/../x.ogg", "sub/../a.ogg", "b.ogg",
                                                "-",     "~t.ogg"}
                              << QByteArrayList{"@/b.ogg", "/abs/../x.ogg", "@/sub/../a.ogg",
                                                "@/b.ogg", "@/-",           "@/~t.ogg"}
                              << QByteArray();
    // Names are bytes: neither a name nor the current folder needs to be UTF-8.
    QTest::newRow("names that are not UTF-8")
        << QByteArray("Alb\xFCm")
        << QByteArrayList{"--convert", "caf\xE9.ogg", "/m\xFCsik/caf\xC3\xA9.ogg",
                          "--output-folder=S\xE9rie"}
        << QByteArrayList{"@/caf\xE9.ogg", "/m\xFCsik/caf\xC3\xA9.ogg"} << QByteArray("@/S\xE9rie");
}

void TestStartOptions::itemsMadeAbsoluteInOrder() {
    QFETCH(QByteArray, current);
    QFETCH(QByteArrayList, args);
    QFETCH(QByteArrayList, items);
    QFETCH(QByteArray, outputFolder);
    QByteArray here = PathToBytes(m_dir.path());
    if (!current.isEmpty()) {
        here += '/' + current;
        ::mkdir(here.constData(), 0755);
        ::mkdir((here + "/S\xE9rie").constData(), 0755);
        QVERIFY(::chdir(here.constData()) == 0);
    }
    QStringList arguments{"lorvane"};
    for (const QByteArray& arg : args) {
        arguments.append(PathFromBytes(arg));
    }
    const StartOptions o = ParseStartOptions(arguments);
    QDir::setCurrent(m_dir.path());
    QVERIFY2(o.problem.isEmpty(), qPrintable(DisplayPath(o.problem)));
    QByteArrayList got;
    for (const QString& item : o.items) {
        got.append(PathToBytes(item));
    }
    for (QByteArray& item : items) {
        item.replace("@", here);
    }
    QCOMPARE(got, items);
    QCOMPARE(PathToBytes(o.outputFolder.value_or(QString())), outputFolder.replace("@", here));
}

// A window start where no display can be opened, through either program: one line naming
// what was missing and pointing to the batch mode, exit status 2, and no abort (Qt's own end
// is a core dump and the advice to reinstall). Each row sets its environment afresh: none
// of the caller's display reaches it.
void TestStartOptions::withoutADisplay_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("env");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("reason");
    QTest::newRow("none at all") << "lorvane" << QStringList{} << QStringList{}
                                 << "no display found";
    QTest::newRow("none, with files")
        << "lorvane" << QStringList{} << QStringList{"a.ogg"} << "no display found";
    QTest::newRow("none, the window program itself")
        << "lorvane-window" << QStringList{} << QStringList{} << "no display found";
    QTest::newRow("an X11 display that is not there")
        << "lorvane" << QStringList{"DISPLAY=:4093"} << QStringList{}
        << "the display :4093 could not be opened";
    QTest::newRow("-display names one that is not there")
        << "lorvane-window" << QStringList{} << QStringList{"-display", ":4093"}
        << "the display :4093 could not be opened";
    QTest::newRow("Wayland asked for, none there")
        << "lorvane" << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=lorvane-none"}
        << QStringList{} << "the display lorvane-none could not be opened";
    QTest::newRow("a Wayland session, neither display there")
        << "lorvane"
        << QStringList{"XDG_SESSION_TYPE=wayland", "WAYLAND_DISPLAY=lorvane-none", "DISPLAY=:4093"}
        << QStringList{} << "the displays :4093 and lorvane-none could not be opened";
    QTest::newRow("-platform xcb, no display")
        << "lorvane" << QStringList{"WAYLAND_DISPLAY=lorvane-none"}
        << QStringList{"-platform", "xcb"} << "no display found";
    QTest::newRow("a platform Qt does not have")
        << "lorvane" << QStringList{} << QStringList{"-platform", "nosuch"}
        << "Qt's platform 'nosuch' could not be started";
}

void TestStartOptions::withoutADisplay() {
    QFETCH(QString, program);
    QFETCH(QStringList, env);
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    if (QFile::exists("/tmp/.X11-unix/X4093")) {
        QSKIP("an X server runs as :4093 here");
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        environment.remove(name);
    }
    environment.insert("XDG_RUNTIME_DIR", m_dir.path());
    for (const QString& pair : env) {
        environment.insert(pair.section('=', 0, 0), pair.section('=', 1));
    }
    QProcess p;
    p.setProcessEnvironment(environment);
    p.start(QFileInfo(qEnvironmentVariable("LORVANE_PROGRAM")).dir().filePath(program), args);
    QVERIFY(p.waitForFinished(30000));
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(err, "lorvane: needs a graphical session (" + reason +
                      "); use `lorvane --convert` to convert without a window\n");
    QCOMPARE(p.exitCode(), 2);
    QCOMPARE(p.readAllStandardOutput(), QByteArray());
}

// The shell completions, run by each shell as a Tab would: the words typed after "lorvane"
// (the last one being completed; "@" a folder holding "folder/" and "file.ogg") and what is
// offered, by its last part ("folder" for ".../folder/"), quoting undone, in name order.
void TestStartOptions::completions_data() {
    QTest::addColumn<QString>("shell");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("offered");
    QStringList labels;
    for (const OutputFormat& format : OutputFormats()) {
        labels.append(format.label);
    }
    labels.sort();
    const QStringList sixteen{"16-bit PCM", QString::fromUtf8("16-bit PCM µ-law")};
    for (const char* shell : {"bash", "zsh", "fish"}) {
        const auto row = [&](const char* name, const QStringList& words,
                             const QStringList& offered) {
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(shell, name)))
                << shell << words << offered;
        };
        row("an option", {"--for"}, {"--format"});
        row("every format, all of the table", {"--format", ""}, labels);
        row("formats by their start", {"--format", "16"}, sixteen);
        row("a quoted format", {"--format", "'16-bit P"}, sixteen);
        row("a format after =", {"--format", "=", "2"}, {"24-bit PCM"});
        row("only folders for the output", {"--output-folder", "@/"}, {"folder"});
        row("files and folders to convert", {"--convert", "@/"}, {"file.ogg", "folder"});
        row("files to open", {"@/f"}, {"file.ogg", "folder"});
    }
    QTest::newRow("bash: no options after --")
        << "bash" << QStringList{"--", "--f"} << QStringList{};
    QTest::newRow("zsh: no options after --") << "zsh" << QStringList{"--", "--f"} << QStringList{};
}

void TestStartOptions::completions() {
    QFETCH(QString, shell);
    QFETCH(QStringList, words);
    QFETCH(QStringList, offered);
    if (QStandardPaths::findExecutable(shell).isEmpty()) {
        QSKIP(qPrintable(shell + " is not installed (Debian package " + shell + ")"));
    }
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QFile file(dir.filePath("file.ogg"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    words.replaceInStrings("@", dir.path());
    const QString scripts = QStringLiteral(LORVANE_COMPLETIONS_DIR);
    QString line = "lorvane";
    for (const QString& word : words) {
        line += (word == "=" || line.endsWith('=') ? "" : " ") + word;
    }
    QProcess p;
    p.setWorkingDirectory(dir.path());
    if (shell == "bash") {
        p.start(
            "bash",
            QStringList{"--norc", "--noprofile", "-c",
                        "source \"$1\"; shift; complete -p lorvane; COMP_WORDS=(lorvane \"$@\"); "
                        "COMP_CWORD=$#; COMP_LINE=\"${COMP_WORDS[*]}\"; "
                        "COMP_POINT=${#COMP_LINE}; _lorvane; printf '%s\\n' \"${COMPREPLY[@]}\"",
                        "bash", scripts + "/lorvane.bash"} +
                words);
    } else if (shell == "zsh") {
        p.start("zsh", {"-f", QStringLiteral(LORVANE_ZSH_COMPLETE), line, scripts});
    } else {
        p.start("fish", {"--no-config", "-c", "source $argv[1]; complete -C $argv[2]",
                         scripts + "/lorvane.fish", line});
    }
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 0);
    QStringList got = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
    if (shell == "bash") {
        QCOMPARE(got.takeFirst(), "complete -F _lorvane lorvane");
    }
    QStringList shown;
    for (QString candidate : got) {
        candidate = candidate.section('\t', 0, 0).trimmed().remove('\\');
        if (candidate.startsWith("--") && candidate.contains('=')) {
            candidate = candidate.section('=', 1);  // fish repeats "--format="
        }
        while (candidate.endsWith('/')) {
            candidate.chop(1);
        }
        candidate = candidate.section('/', -1);
        if (!candidate.isEmpty() && !shown.contains(candidate)) {
            shown.append(candidate);
        }
    }
    shown.sort();
    QCOMPARE(shown, offered);
}

// Stored settings as "key=value;..." and the options; the choices as
// "format|folder|toFolder|beside", a mark after the format and after the folder for where it
// came from ("*" the batch mode's default, "+" the user's choice in the window, none given
// here), or the problem. "@" stands for an existing folder, the desktop.
void TestStartOptions::choices_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");
    const QString noFolder =
        "the output folder '%1', the window's choice (stored in "
        "@/Lorvane.conf), does not exist; give one with --output-folder";
    QTest::newRow("first start: the defaults") << "" << QStringList{} << "16-bit PCM*|@/*|1|0";
    QTest::newRow("what the window's first start stores is no choice")
        << "Combo1=0;kbps=8-bit PCM;Output Folder=@/;Option1=True;Option2=False" << QStringList{}
        << "16-bit PCM*|@/*|1|0";
    QTest::newRow("8-bit chosen in the window")
        << "Combo1=0;FormatChosen=True" << QStringList{} << "8-bit PCM+|@/*|1|0";
    QTest::newRow("an earlier version's store: another format is a choice")
        << "Combo1=3;Output Folder=/" << QStringList{} << "24-bit PCM+|/+|1|0";
    QTest::newRow("a choice recorded as none")
        << "Combo1=3;FormatChosen=False" << QStringList{} << "16-bit PCM*|@/*|1|0";
    QTest::newRow("the desktop folder chosen in the window")
        << "Output Folder=@/;FolderChosen=True" << QStringList{} << "16-bit PCM*|@/+|1|0";
    QTest::newRow("a chosen folder that is gone")
        << "Output Folder=/nonexistent/wav/;FolderChosen=True" << QStringList{}
        << noFolder.arg("/nonexistent/wav/");
    QTest::newRow("an emptied folder field")
        << "Output Folder=" << QStringList{} << noFolder.arg("");
    QTest::newRow("a gone folder is not read for results beside their sources")
        << "Output Folder=/nonexistent/;Option1=False;Option2=True" << QStringList{}
        << "16-bit PCM*|/nonexistent/+|0|1";
    QTest::newRow("a gone folder and --output-folder")
        << "Output Folder=/nonexistent/;FolderChosen=True" << QStringList{"--output-folder=/"}
        << "16-bit PCM*|/|1|0";
    QTest::newRow("both stored on: the second wins")
        << "Option1=True;Option2=-1" << QStringList{} << "16-bit PCM*|@/+|0|1";
    QTest::newRow("both stored off")
        << "Option1=0;Option2=False" << QStringList{} << "16-bit PCM*|@/*|0|0";
    QTest::newRow("unreadable options keep the window's initial state")
        << "Option1=maybe;Option2=perhaps" << QStringList{} << "16-bit PCM*|@/*|1|0";
    QTest::newRow("options win over the store")
        << "Combo1=3;Option1=False;Option2=True" << QStringList{"--format=5", "--output-folder=/"}
        << "64-bit PCM|/|1|0";
    QTest::newRow("beside the source given")
        << "Option1=True" << QStringList{"--beside-source"} << "16-bit PCM*|@/|0|1";
    QTest::newRow("no format stored") << "Combo1=-1" << QStringList{}
                                      << "the window's settings (@/Lorvane.conf) choose no "
                                         "output format; give one with --format";
    QTest::newRow("a stored format out of range")
        << "Combo1=6;FormatChosen=True" << QStringList{}
        << "the window's settings (@/Lorvane.conf) choose no output format; give one with "
           "--format";
    QTest::newRow("no format stored, one given")
        << "Combo1=junk" << QStringList{"--format=1"} << "16-bit PCM|@/*|1|0";
}

void TestStartOptions::choices() {
    QFETCH(QString, stored);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("Lorvane.conf");
    {
        SettingsStore writer(path);
        for (const QString& pair : stored.split(';', Qt::SkipEmptyParts)) {
            writer.WriteSetting(pair.section('=', 0, 0),
                                pair.section('=', 1).replace("@", dir.path()));
        }
    }
    const QByteArray before = [&] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }();
    const SettingsStore settings(path);
    const StartOptions options =
        ParseStartOptions(QStringList{"lorvane", "--convert"} + args + QStringList{"a.ogg"});
    QCOMPARE(options.mode, StartOptions::Batch);
    const BatchChoices c = ResolveBatchChoices(options, settings, dir.path());
    const ConversionChoices& chosen = c.choices;
    const auto mark = [](BatchChoices::Origin origin) {
        return origin == BatchChoices::Default ? "*" : origin == BatchChoices::Window ? "+" : "";
    };
    const QString got =
        !c.problem.isEmpty()
            ? c.problem
            : QStringList{chosen.formatLabel + mark(c.formatOrigin),
                          chosen.folderText + mark(c.folderOrigin), chosen.saveToFolder ? "1" : "0",
                          chosen.saveBesideSource ? "1" : "0"}
                  .join('|');
    QCOMPARE(got, QString(expected).replace("@", dir.path()));
    QFile f(path);
    QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>"), before);
}

// What the run tells the batch mode, as "v" (the bar moves), "f:position:path" (a file
// starts), "d:position" (a file is done), "t:caption", "b" (the files are done) and "c:ms" (the
// time since the run began), and what standard error shows, on a terminal or not, quiet or
// not. Two files of one list: "a.ogg" quick, then a slow one.
void TestStartOptions::progress_data() {
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<bool>("quiet");
    QTest::addColumn<int>("width");  // the terminal's columns, 0 unknown
    QTest::addColumn<QString>("expected");
    const QStringList quick = {"v", "f:1:/x/a.ogg", "t:Processing: a.ogg", "t:Processing: a.ogg"};
    const QStringList slowSameName = {"v",
                                      "f:2:/y/a.ogg",
                                      "t:Processing: a.ogg",
                                      "t:Processing: a.ogg, Please wait.. 0",
                                      "v",
                                      "t:Processing: a.ogg, Please wait.. 1",
                                      "t:Processing: a.ogg, Please wait.. 2",
                                      "v",
                                      "t:Processing: a.ogg",
                                      "d:2"};
    const QStringList end = {"b", "v", "t:Progress Bar"};
    QTest::newRow("a line per file, none for the wait")
        << quick + QStringList{"d:1"} + slowSameName + end << false << false << 0
        << "[1/2] Processing: a.ogg\n[2/2] Processing: a.ogg\n";
    QTest::newRow("quiet: no progress at all")
        << quick + QStringList{"d:1"} + slowSameName + end << false << true << 0 << "";
    QTest::newRow("quiet on a terminal too")
        << quick + QStringList{"d:1"} + slowSameName + end << true << true << 0 << "";
    // The wait's last creep may come right before the text is put back: still the same file.
    QTest::newRow("a creep just before the end of the wait")
        << QStringList{"v",
                       "f:1:/x/a.ogg",
                       "t:Processing: a.ogg",
                       "t:Processing: a.ogg, Please wait.. 0",
                       "v",
                       "t:Processing: a.ogg"} +
               end
        << false << false << 0 << "[1/2] Processing: a.ogg\n";
    // On a terminal: the files converted of all, the time since the start, the pace of the
    // audio (from the lengths the files declare: "m:position:seconds") and the time left at
    // that pace, and the first file in hand. "k" is the line's tick, every second; the line
    // changes only when its text does, and a caption does not change it.
    const QString line = "\r\x1b[K%1 of 2 files converted, %2 elapsed, %3";
    QTest::newRow("one updating line on a terminal")
        << quick +
               QStringList{"m:1:10",
                           "c:2000",
                           "d:1",
                           "v",
                           "f:2:/y/b.ogg",
                           "m:2:30",
                           "t:Processing: b.ogg",
                           "c:3000",
                           "k",
                           "t:Processing: b.ogg, Please wait.. 0",
                           "c:3900",
                           "d:2"} +
               end
        << true << false << 0
        << line.arg(0).arg("0:00").arg("--:-- left; Processing: a.ogg") +
               line.arg(1).arg("0:02").arg("5.0x real time, 0:02 left") +
               line.arg(1).arg("0:02").arg("5.0x real time, 0:02 left; Processing: b.ogg") +
               line.arg(1).arg("0:03").arg("3.3x real time, 0:09 left; Processing: b.ogg") +
               line.arg(2).arg("0:03").arg("10x real time, 0:00 left");
    // A long file: what its converter has written ("w:position:seconds") sets the pace before
    // any file is done; a file not looked at yet counts as long as those that were.
    QTest::newRow("the pace during a long file")
        << QStringList{"f:1:/x/a.ogg", "m:1:100", "c:10000", "k", "w:1:40", "k"} << true << false
        << 0
        << line.arg(0).arg("0:00").arg("--:-- left; Processing: a.ogg") +
               line.arg(0).arg("0:10").arg("--:-- left; Processing: a.ogg") +
               line.arg(0).arg("0:10").arg("4.0x real time, 0:40 left; Processing: a.ogg");
    // The counts are the summary's: the files the run was not given among them ("p:files:up
    // to date:refused"). Two files in hand name the first; without lengths the pace is the
    // files'; after a stop there is no time left to tell.
    const QString planned = "\r\x1b[K0 of 5 files converted, 2 up to date, %1 not converted, %2";
    QTest::newRow("counted as the summary counts")
        << QStringList{"p:5:2:1", "f:1:/x/a.ogg", "f:2:/y/b.ogg", "c:1000", "x:1", "s", "c:2000",
                       "k"}
        << true << false << 0
        << planned.arg(1).arg("0:00 elapsed, --:-- left; Processing: a.ogg") +
               planned.arg(1).arg("0:00 elapsed, --:-- left; Processing: a.ogg and 1 more") +
               planned.arg(2).arg("0:01 elapsed, 1.0 files/s, 0:01 left; Processing: b.ogg") +
               planned.arg(2).arg("0:02 elapsed, stopping; Processing: b.ogg");
    // A line as wide as the terminal would wrap, and the next update would leave the wrapped
    // part behind: it is cut one column short.
    QTest::newRow("cut to the terminal's width")
        << QStringList{"f:1:/x/a.ogg", "t:Processing: a.ogg"} << true << false << 40
        << "\r\x1b[K0 of 2 files converted, 0:00 elapsed, -";
    // Chinese, Japanese and Korean letters take two columns each: the cut counts columns.
    QTest::newRow("cut by columns, wide letters two each")
        << QStringList{"f:1:/x/音声ファイルの名前.ogg", "t:Processing: a.ogg"} << true << false
        << 80
        << "\r\x1b[K0 of 2 files converted, 0:00 elapsed, --:-- left; Processing: 音声ファイルの名";
}

void TestStartOptions::progress() {
    QFETCH(QStringList, calls);
    QFETCH(bool, terminal);
    QFETCH(bool, quiet);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QString written;
    qint64 now = 0;
    QStringList done;
    BatchConsole console([&](const QString& text) { written += text; }, terminal, width);
    BatchProgress events(
        console, quiet, [&now] { return now; },
        [&done](int position, const QString& reason) {
            done.append(QStringLiteral("%1%2").arg(position).arg(reason));
        });
    double value = 0;
    QString caption = "Progress Bar";
    for (const QString& call : calls) {
        if (call == "v") {
            events.progressChanged(value += 10, caption);
        } else if (call == "b") {
            events.busyChanged(false);
        } else if (call.startsWith("f:")) {
            events.fileStarted(call.section(':', 1, 1).toInt(), 2, call.section(':', 2));
        } else if (call.startsWith("d:") || call.startsWith("x:")) {
            events.fileDone(call.section(':', 1, 1).toInt(), "/x/a.ogg",
                            call.startsWith("x:") ? "could not be read as audio" : QString());
        } else if (call.startsWith("w:")) {
            events.fileWritten(call.section(':', 1, 1).toInt(), call.section(':', 2).toDouble());
        } else if (call.startsWith("m:")) {
            events.fileMeasured(call.section(':', 1, 1).toInt(), call.section(':', 2).toDouble());
        } else if (call.startsWith("p:")) {
            events.setPlan(call.section(':', 1, 1).toInt(), call.section(':', 2, 2).toInt(),
                           call.section(':', 3, 3).toInt());
        } else if (call == "k") {
            events.tick();
        } else if (call == "s") {
            events.stopping();
        } else if (call.startsWith("c:")) {
            now = call.mid(2).toLongLong();
        } else {
            events.progressChanged(value, caption = call.mid(2));
        }
    }
    QCOMPARE(written, expected);
    QCOMPARE(events.filesDone(), int(done.size()));
}

// A kept tree's subfolders: where the result goes, and which subfolders are refused because
// they would lead out of the output folder. Only a part that is exactly ".." climbs.
void TestStartOptions::treeFolders_data() {
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<QString>("expected");  // the result's path, or "refused"
    QTest::newRow("top") << ""
                         << "/out/a.wav";
    QTest::newRow("nested") << "sfx/door"
                            << "/out/sfx/door/a.wav";
    QTest::newRow("named like ..") << "..."
                                   << "/out/.../a.wav";
    QTest::newRow("starting with ..") << "..x/.. y"
                                      << "/out/..x/.. y/a.wav";
    QTest::newRow("..") << ".."
                        << "refused";
    QTest::newRow(".. inside") << "sfx/../../etc"
                               << "refused";
    QTest::newRow("absolute") << "/etc"
                              << "refused";
}

void TestStartOptions::treeFolders() {
    QFETCH(QString, subfolder);
    QFETCH(QString, expected);
    ConversionChoices choices;
    choices.folderText = "/out/";
    choices.saveToFolder = true;
    choices.subfolders.insert("/in/a.ogg", subfolder);
    const auto folder = ResultFolderFor(choices, "/in/a.ogg");
    QCOMPARE(folder ? OutputPathFor("/in/a.ogg", *folder, true, false) : QString("refused"),
             expected);
    if (!folder) {
        QTemporaryDir dir;
        choices.folderText = dir.path();
        QCOMPARE(MakeResultFolder(choices, "/in/a.ogg"), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{});
    }
}

// A report record per line, whatever the names hold: quotes, tabs, new lines, and bytes that
// are not UTF-8 (shown readably, their exact bytes in base64 beside).
void TestStartOptions::reportLines_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QByteArray>("trashed");  // where a file of the result's name went
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("converted") << QByteArray("/m/a.ogg") << int(BatchRecord::Converted) << ""
                               << QByteArray()
                               << QByteArray(R"({"source":"/m/a.ogg","result":"/w/a.wav",)"
                                             R"("outcome":"converted","reason":""})"
                                             "\n");
    QTest::newRow("up to date, odd characters")
        << QByteArray("/m/\"q\"\t\n\\.ogg") << int(BatchRecord::UpToDate) << "" << QByteArray()
        << QByteArray(R"({"source":"/m/\"q\"\t\n\\.ogg","result":"/w/a.wav",)"
                      R"("outcome":"up to date","reason":""})"
                      "\n");
    QTest::newRow("not converted, Latin-1 name")
        << QByteArray("/m/caf\xE9.ogg") << int(BatchRecord::NotConverted) << "no audio"
        << QByteArray()
        << QByteArray(R"({"source":"/m/caf\\xE9.ogg","source_bytes":"L20vY2Fm6S5vZ2c=",)"
                      R"("result":"/w/a.wav","outcome":"not converted","reason":"no audio"})"
                      "\n");
    QTest::newRow("converted, a Latin-1 file moved to the trash")
        << QByteArray("/m/a.ogg") << int(BatchRecord::Converted) << ""
        << QByteArray("/h/Trash/files/caf\xE9.wav")
        << QByteArray(R"({"source":"/m/a.ogg","result":"/w/a.wav","outcome":"converted",)"
                      R"("reason":"","trashed":"/h/Trash/files/caf\\xE9.wav",)"
                      R"("trashed_bytes":"L2gvVHJhc2gvZmlsZXMvY2Fm6S53YXY="})"
                      "\n");
}

void TestStartOptions::reportLines() {
    QFETCH(QByteArray, source);
    QFETCH(int, outcome);
    QFETCH(QString, reason);
    QFETCH(QByteArray, expected);
    QFETCH(QByteArray, trashed);
    const BatchRecord record{PathFromBytes(source), "/w/a.wav",
                             static_cast<BatchRecord::Outcome>(outcome), reason,
                             PathFromBytes(trashed)};
    QCOMPARE(ReportLine(record), expected);
}

// The format table is the one source of what each format holds: --help prints it, and the
// manual page, written by hand, must say the same in its table.
void TestStartOptions::formatsDescribedInHelpAndManual() {
    const QString help = HelpText();
    for (const QString& line : help.split('\n')) {
        QVERIFY2(line.size() < 80, qPrintable(line));
    }
    QFile page(LORVANE_SOURCE_DIR "/resources/lorvane.1");
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QStringList manual = QString::fromUtf8(page.readAll()).split('\n');
    int index = 0;
    for (const OutputFormat& format : OutputFormats()) {
        const QRegularExpression row(QStringLiteral("^ +%1  %2 +%3$")
                                         .arg(index)
                                         .arg(QRegularExpression::escape(format.label),
                                              QRegularExpression::escape(format.description)),
                                     QRegularExpression::MultilineOption);
        QVERIFY2(row.match(help).hasMatch(), qPrintable(format.label));
        const QString troff = QStringLiteral("%1\t%2\t%3")
                                  .arg(index)
                                  .arg(format.label, format.description)
                                  .replace(QChar(0x00B5), QStringLiteral("\\(mc"));
        QVERIFY2(manual.contains(troff), qPrintable(troff));
        ++index;
    }
}

QTEST_GUILESS_MAIN(TestStartOptions)
#include "test_startoptions.moc"
