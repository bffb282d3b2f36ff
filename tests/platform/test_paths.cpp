#include "platform/apperror.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"
#include "platform/userdirs.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace lorvane;

class TestPaths : public QObject {
    Q_OBJECT
  private slots:
    void textRoutinesWindows_data();
    void textRoutinesWindows();
    void collapseWindows_data();
    void collapseWindows();
    void collapsePosix_data();
    void collapsePosix();
    void textRoutinesPosix();
    void overflowBeyondShortPositions();
    void existenceTests();
    void deleteQuietly();
    void deleteQuietlyAsUnprivilegedUser();
    void namesAreBytes_data();
    void namesAreBytes();
    void desktopFolder_data();
    void desktopFolder();
};

void TestPaths::textRoutinesWindows_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("stripped");
    QTest::newRow("full path") << "C:\\Music\\song.ogg"
                               << "C:\\Music\\"
                               << "song.ogg"
                               << "C:\\Music\\song";
    QTest::newRow("bare name") << "song.ogg"
                               << ""
                               << "song.ogg"
                               << "song";
    QTest::newRow("folder only") << "C:\\Music\\"
                                 << "C:\\Music\\"
                                 << ""
                                 << "C:\\Music\\";
    QTest::newRow("two dots") << "a.b.ogg"
                              << ""
                              << "a.b.ogg"
                              << "a.b";
    QTest::newRow("leading dot") << ".ogg"
                                 << ""
                                 << ".ogg"
                                 << ".ogg";
    QTest::newRow("trailing dot") << "name."
                                  << ""
                                  << "name."
                                  << "name";
    QTest::newRow("dotted folder") << "C:\\my.dir\\noext"
                                   << "C:\\my.dir\\"
                                   << "noext"
                                   << "C:\\my";
    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "";
}

void TestPaths::textRoutinesWindows() {
    QFETCH(QString, input);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, stripped);
    QCOMPARE(FolderOfPath(input, PathStyle::windows()), folder);
    QCOMPARE(FileNameOfPath(input, PathStyle::windows()), name);
    QCOMPARE(StripExtension(input), stripped);
}

void TestPaths::collapseWindows_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("double inside") << "C:\\Music\\\\song.wav"
                                   << "C:\\Music\\song.wav";
    QTest::newRow("triple after drive") << "C:\\\\\\Music\\song.wav"
                                        << "C:\\\\Music\\song.wav";
    QTest::newRow("share with double") << "\\\\server\\share\\\\a.wav"
                                       << "\\\\server\\share\\a.wav";
    QTest::newRow("four leading") << "\\\\\\\\server\\share\\a.wav"
                                  << "\\\\server\\share\\a.wav";
    QTest::newRow("one leading") << "\\folder\\a.wav"
                                 << "\\\\folder\\a.wav";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("run of five inside") << "a\\\\\\\\\\b"
                                        << "a\\\\\\b";
    QTest::newRow("run of four inside") << "a\\\\\\\\b"
                                        << "a\\\\b";
    QTest::newRow("only separators") << "\\\\\\"
                                     << "\\\\";
    QTest::newRow("slash is ordinary") << "C:/x//y"
                                       << "C:/x//y";
}

void TestPaths::collapseWindows() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(CollapseBackslashes(input, PathStyle::windows()), expected);
}

void TestPaths::collapsePosix_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("join of folder with trailing slash") << "/home/u/Music//song.wav"
                                                        << "/home/u/Music/song.wav";
    QTest::newRow("leading run becomes one") << "////srv/a.wav"
                                             << "/srv/a.wav";
    QTest::newRow("root join") << "//song.ogg"
                               << "/song.ogg";
    QTest::newRow("relative") << "a//b"
                              << "a/b";
    QTest::newRow("triple inside") << "/a///b"
                                   << "/a//b";
    QTest::newRow("backslash is ordinary") << "/a\\\\b"
                                           << "/a\\\\b";
}

void TestPaths::collapsePosix() {
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(CollapseBackslashes(input), expected);
}

void TestPaths::textRoutinesPosix() {
    QCOMPARE(FolderOfPath(QStringLiteral("/home/u/Music/song.ogg")),
             QStringLiteral("/home/u/Music/"));
    QCOMPARE(FileNameOfPath(QStringLiteral("/home/u/Music/song.ogg")), QStringLiteral("song.ogg"));
    QCOMPARE(FolderOfPath(QStringLiteral("C:\\Music\\song.ogg")), QString());
    QCOMPARE(JoinPath(QStringLiteral("/out/"), QStringLiteral("a.wav")),
             QStringLiteral("/out/a.wav"));
    QCOMPARE(JoinPath(QStringLiteral("/"), QStringLiteral("a.wav")), QStringLiteral("/a.wav"));
}

void TestPaths::overflowBeyondShortPositions() {
    const QString longFolder = QString(32766, QLatin1Char('a'));
    // Separator at position 32767 still fits, one further does not.
    QCOMPARE(FolderOfPath(longFolder + "/x").size(), 32767);
    try {
        FolderOfPath(longFolder + "a/x");
        QFAIL("no overflow");
    } catch (const AppError& e) {
        QCOMPARE(e.number(), 6);
        QCOMPARE(e.description(), QStringLiteral("Overflow"));
    }
    QCOMPARE(StripExtension(longFolder + ".x").size(), 32766);
    QVERIFY_THROWS_EXCEPTION(AppError, StripExtension(longFolder + "a.x"));
    // The name routine uses a wide position and never overflows.
    QCOMPARE(FileNameOfPath(longFolder + "aa/x"), QStringLiteral("x"));
}

void TestPaths::existenceTests() {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.ogg");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(PathExists(file));
    QVERIFY(PathExists(dir.path()));
    QVERIFY(!PathExists(QString()));
    QVERIFY(!PathExists(dir.filePath("missing")));
    QCOMPARE(IsExistingFolder(dir.path()), std::optional<bool>(true));
    QCOMPARE(IsExistingFolder(file), std::optional<bool>(false));
    QVERIFY(!IsExistingFolder(dir.filePath("missing")).has_value());
    QVERIFY(!IsExistingFolder(file + "/below").has_value());
}

void TestPaths::deleteQuietly() {
    QTemporaryDir dir;
    const QString readOnly = dir.filePath("ro.wav");
    QFile f(readOnly);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
    DeleteFileQuietly(readOnly);
    QVERIFY(!PathExists(readOnly));

    DeleteFileQuietly(dir.filePath("missing.wav"));  // returns normally
    DeleteFileQuietly(QString());

    const QString folder = dir.filePath("folder.wav");
    QVERIFY(QDir().mkdir(folder));
    DeleteFileQuietly(folder);
    QVERIFY(PathExists(folder));
    QVERIFY_THROWS_EXCEPTION(AppError, ForceDeleteFile(folder));

    // A pattern is a name like any other.
    const QString star = dir.filePath("*.wav");
    const QString other = dir.filePath("b.wav");
    for (const QString& p : {star, other}) {
        QFile g(p);
        QVERIFY(g.open(QIODevice::WriteOnly));
    }
    DeleteFileQuietly(star);
    QVERIFY(!PathExists(star));
    QVERIFY(PathExists(other));
}

// As an ordinary user: a read-only file goes when its folder is writable, and a file in a
// folder the user may not write stays without any failure escaping.
void TestPaths::deleteQuietlyAsUnprivilegedUser() {
    const QString probe = QString::fromLocal8Bit(qgetenv("LORVANE_TEST_BIN")) + "/fileops_probe";
    QVERIFY2(QFile::exists(probe), qPrintable(probe));
    QTemporaryDir dir;
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0777) == 0);
    const QString writableFolder = dir.filePath("open");
    const QString lockedFolder = dir.filePath("locked");
    QVERIFY(QDir().mkdir(writableFolder) && QDir().mkdir(lockedFolder));
    QVERIFY(::chmod(QFile::encodeName(writableFolder).constData(), 0777) == 0);
    QVERIFY(::chmod(QFile::encodeName(lockedFolder).constData(), 0755) == 0);
    const QString readOnly = writableFolder + "/ro.wav";
    const QString locked = lockedFolder + "/keep.wav";
    for (const QString& p : {readOnly, locked}) {
        QFile g(p);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.close();
        QVERIFY(::chmod(QFile::encodeName(p).constData(), 0444) == 0);
    }
    // The executable itself must be reachable for the unprivileged user.
    QProcess p;
    p.start(QStringLiteral("setpriv"),
            {"--reuid=65534", "--regid=65534", "--clear-groups", probe, readOnly, locked});
    QVERIFY(p.waitForFinished(30000));
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0,
             p.readAllStandardError().constData());
    QVERIFY(!PathExists(readOnly));
    QVERIFY(PathExists(locked));
}

// In the texts below "~" stands for the home folder and "@" for the folder around it.
void TestPaths::desktopFolder_data() {
    QTest::addColumn<QString>("desktopVariable");
    QTest::addColumn<QString>("configHome");
    QTest::addColumn<QByteArray>("userDirs");  // the file in the configuration folder; null: none
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("expected");
    const QByteArray none;
    const QStringList desk{"~/Desktop"};
    QTest::newRow("Desktop in home") << ""
                                     << "" << none << desk << QStringList() << "~/Desktop";
    QTest::newRow("no Desktop: home") << ""
                                      << "" << none << QStringList() << QStringList() << "~";
    QTest::newRow("Desktop is a file") << ""
                                       << "" << none << QStringList() << desk << "~";
    QTest::newRow("file names another folder")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n") << QStringList{"~/Bureau"}
        << QStringList() << "~/Bureau";
    QTest::newRow("named folder missing: home, not Desktop")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n") << desk << QStringList() << "~";
    QTest::newRow("$HOME/ is the home folder")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/\"\n") << desk << QStringList() << "~";
    QTest::newRow("absolute path")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"@/shared desk\"") << QStringList{"@/shared desk"}
        << QStringList() << "@/shared desk";
    QTest::newRow("relative path names nothing")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"Bureau\"\n") << QStringList{"~/Bureau", "~/Desktop"}
        << QStringList() << "~/Desktop";
    QTest::newRow("$HOMEwork is another variable")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOMEwork\"\n") << desk << QStringList()
        << "~/Desktop";
    QTest::newRow("comments, other folders, last line wins")
        << ""
        << ""
        << QByteArray(
               "# XDG_DESKTOP_DIR=\"$HOME/A\"\nXDG_MUSIC_DIR=\"$HOME/B\"\n"
               "XDG_DESKTOP_DIR=\"$HOME/A\"\n  XDG_DESKTOP_DIR=\"${HOME}/C/\"  # moved\n")
        << QStringList{"~/A", "~/B", "~/C"} << QStringList() << "~/C";
    QTest::newRow("shell escapes undone")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\" \\$5\"\n")
        << QStringList{"~/My \"Desk\" $5"} << QStringList() << "~/My \"Desk\" $5";
    QTest::newRow("escaped $HOME is a literal folder name")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"\\$HOME/x\"\n") << desk << QStringList()
        << "~/Desktop";
    QTest::newRow("unquoted value") << ""
                                    << "" << QByteArray("XDG_DESKTOP_DIR=$HOME/Bureau\n")
                                    << QStringList{"~/Bureau"} << QStringList() << "~/Bureau";
    QTest::newRow("variable wins over the file")
        << "~/Env"
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n")
        << QStringList{"~/Env", "~/Bureau"} << QStringList() << "~/Env";
    QTest::newRow("variable written with $HOME")
        << "$HOME/Env"
        << "" << none << QStringList{"~/Env"} << QStringList() << "~/Env";
    QTest::newRow("relative variable names nothing")
        << "Env"
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n")
        << QStringList{"~/Env", "~/Bureau"} << QStringList() << "~/Bureau";
    QTest::newRow("variable naming a missing folder: home")
        << "~/Env"
        << "" << none << desk << QStringList() << "~";
    QTest::newRow("own configuration folder")
        << ""
        << "@/cfg" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n")
        << QStringList{"~/Bureau", "~/Desktop"} << QStringList() << "~/Bureau";
    QTest::newRow("relative configuration folder ignored")
        << ""
        << "cfg" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n")
        << QStringList{"~/Bureau", "~/Desktop"} << QStringList()
        << "~/Bureau";  // The file names a folder by its bytes, which need not be UTF-8.
    const QString latin = PathFromBytes(QByteArray("~/Bureau \xE9t\xE9"));
    QTest::newRow("a folder name that is not UTF-8")
        << ""
        << "" << QByteArray("XDG_DESKTOP_DIR=\"$HOME/Bureau \xE9t\xE9\"\n")
        << QStringList{latin, "~/Desktop"} << QStringList() << latin;
}

void TestPaths::desktopFolder() {
    QFETCH(QString, desktopVariable);
    QFETCH(QString, configHome);
    QFETCH(QByteArray, userDirs);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    const QString home = dir.filePath("home");
    const auto place = [&](QString text) {
        if (text.startsWith('~')) {
            text.replace(0, 1, home);
        }
        return text.replace('@', dir.path());
    };
    QVERIFY(QDir().mkpath(home));
    for (const QString& folder : folders) {
        QVERIFY(QDir().mkpath(FolderOfPath(place(folder))));
        QVERIFY(::mkdir(PathToBytes(place(folder)).constData(), 0755) == 0);
    }
    for (const QString& name : files) {
        QFile file(place(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    // The file always lies in the folder that an absolute XDG_CONFIG_HOME names, else in
    // ~/.config; a decoy in the other place shows which one was read.
    const bool ownConfig = configHome.startsWith('@');
    const QString used = ownConfig ? place(configHome) : home + "/.config";
    const QString other = ownConfig ? home + "/.config" : dir.filePath("cfg");
    for (const auto& [folder, contents] :
         {std::pair{used, userDirs}, std::pair{other, QByteArray("XDG_DESKTOP_DIR=/\n")}}) {
        if (contents.isNull()) {
            continue;
        }
        QVERIFY(QDir().mkpath(folder));
        QFile file(folder + "/user-dirs.dirs");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(contents).replace('@', dir.path().toLocal8Bit()));
    }
    DesktopSources sources{home, place(configHome), place(desktopVariable)};
    QCOMPARE(DesktopFolder(sources), place(expected));
    // The home folder may come with a trailing separator.
    sources.home += '/';
    QCOMPARE(DesktopFolder(sources), place(expected));
    QCOMPARE(DesktopFolder({QString(), {}, {}}), QString());
    // Qt cannot remove names that are not valid UTF-8; rm can.
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), dir.path()});
}

// Any byte string survives the trip into the program's text and back; only bytes that are not
// UTF-8 are escaped, and they show as \xHH.
void TestPaths::namesAreBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("foreign");
    QTest::newRow("ascii") << QByteArray("/music/a.ogg") << "/music/a.ogg" << false;
    QTest::newRow("utf-8") << QByteArray("/m\xC3\xBCsik/\xE6\xAD\x8C.ogg") << "/müsik/歌.ogg"
                           << false;
    QTest::newRow("latin-1 byte") << QByteArray("/caf\xE9.ogg") << "/caf\\xE9.ogg" << true;
    QTest::newRow("cut sequence at the end") << QByteArray("/a\xE6\xAD") << "/a\\xE6\\xAD" << true;
    QTest::newRow("overlong slash") << QByteArray("/a\xC0\xAF") << "/a\\xC0\\xAF" << true;
    QTest::newRow("encoded surrogate") << QByteArray("/\xED\xB3\xA9") << "/\\xED\\xB3\\xA9" << true;
    // Characters past U+FFFF whose second half lies where the escapes do.
    QTest::newRow("U+1F480 and U+1F4FF")
        << QByteArray("/\xF0\x9F\x92\x80\xF0\x9F\x93\xBF.ogg")
        << QString::fromUtf8("/\xF0\x9F\x92\x80\xF0\x9F\x93\xBF.ogg") << false;
    QTest::newRow("U+10080 before a foreign byte")
        << QByteArray("\xF0\x90\x82\x80\xE9") << QString::fromUtf8("\xF0\x90\x82\x80") + "\\xE9"
        << true;
    QTest::newRow("U+FEFF first, and after a foreign byte")
        << QByteArray(
               "\xEF\xBB\xBF"
               "a\xE9\xEF\xBB\xBF"
               "b")
        << QString(QChar(0xFEFF)) + "a\\xE9" + QChar(0xFEFF) + "b" << true;
    QTest::newRow("every high byte") << [] {
        QByteArray all;
        for (int b = 0x80; b <= 0xFF; ++b) {
            all += char(b);
        }
        return all;
    }() << "<skip>" << true;
}

void TestPaths::namesAreBytes() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(bool, foreign);
    const QString path = PathFromBytes(bytes);
    QCOMPARE(PathToBytes(path), bytes);
    QCOMPARE(HasForeignBytes(path), foreign);
    if (shown != "<skip>") {
        QCOMPARE(DisplayPath(path), shown);
    }
}

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
