// The folder intake on real folder trees: order, filters, links, odd names and permissions.
#include "filelist/filelistmodel.h"
#include "filelist/folderintake.h"
#include "filelist/folderwalk.h"
#include "filelist/namerules.h"
#include "platform/folderlisting.h"
#include "platform/pathbytes.h"
#include "support/recordingreporter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <climits>

using namespace lorvane;

namespace {

void makeFile(const QString& path, QFileDevice::Permissions permissions = {}) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write("x");
    file.close();
    if (permissions) {
        QVERIFY(file.setPermissions(permissions));
    }
}

void makeLink(const QString& target, const QString& link) {
    QVERIFY2(
        ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0,
        qPrintable(link));
}

// One intake with its own walk, as the window runs it.
struct Intake {
    test::RecordingReporter reporter;
    FileListModel list;
    int yields = 0;
    std::function<void(const QString&)> listedHook;  // each folder whose names were read

    QStringList run(const QString& folder, const QString& pattern) {
        FolderWalk walk(reporter, [this] { ++yields; });
        walk.setListedHook(listedHook);
        QuietReporter quiet;
        StepGuard steps(quiet, QString());
        AddFolderFiles(folder, pattern, list, walk, steps);
        return list.entries();
    }
};

QStringList prefixed(const QString& root, const QStringList& relative) {
    QStringList out;
    for (const QString& r : relative) {
        out.append(root + QLatin1Char('/') + r);
    }
    return out;
}

}  // namespace

class TestAddFolder : public QObject {
    Q_OBJECT

  private slots:
    void matchesPattern_data();
    void matchesPattern();
    void extensionPattern_data();
    void extensionPattern();
    void listingOrder();
    void unsafeNames_data();
    void unsafeNames();
    void attributes();
    void strictExistence();
    void listFolderFiles();

    void intakeOrderAndFilters_data();
    void intakeOrderAndFilters();
    void intakeTwiceAddsTwice();
    void separatorsOfTheStartFolder();
    void missingStartFolderAddsNothing();
    void linkLoopsAreWalkedOnce();
    void linksNeverLeadBackUp();
    void pseudoFileSystemsAreNotEntered_data();
    void pseudoFileSystemsAreNotEntered();
    void systemFoldersAreNotWalked_data();
    void systemFoldersAreNotWalked();
    void subfolderVanishingDuringTheWalk_data();
    void subfolderVanishingDuringTheWalk();
    void chainTwoThousandDeep();
    void walkFailuresAreReportedAndTheWalkGoesOn();
    void oddFolderNames();
    void treeDeeperThanThePathLimit();
    void unreadableFoldersAsAnotherUser();
    // Qt cannot remove names that are not valid UTF-8 nor paths past PATH_MAX; rm can.
    void cleanupTestCase() {
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), m_dir.path()});
    }

  private:
    QTemporaryDir m_dir;
    QString musicTree();
};

void TestAddFolder::matchesPattern_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("matches");
    QTest::newRow("same case") << "song.ogg"
                               << "*.ogg" << true;
    QTest::newRow("upper-case extension") << "SONG.OGG"
                                          << "*.ogg" << true;
    QTest::newRow("mixed-case pattern") << "song.ogg"
                                        << "*.OgG" << true;
    QTest::newRow("other extension") << "song.oga"
                                     << "*.ogg" << false;
    QTest::newRow("longer extension") << "song.oggx"
                                      << "*.ogg" << false;
    QTest::newRow("extension only as part of name") << "ogg"
                                                    << "*.ogg" << false;
    QTest::newRow("hidden file") << ".ogg"
                                 << "*.ogg" << true;
    QTest::newRow("question mark") << "song.oga"
                                   << "*.og?" << true;
    QTest::newRow("question mark needs a character") << "song.og"
                                                     << "*.og?" << false;
    QTest::newRow("*.* with dot") << "notes.txt"
                                  << "*.*" << true;
    QTest::newRow("*.* without dot") << "README"
                                     << "*.*" << true;
    QTest::newRow("name.* without extension") << "song"
                                              << "song.*" << true;
    QTest::newRow("two dots") << "a.b.ogg"
                              << "*.ogg" << true;
    QTest::newRow("typed with a dot") << "song.ogg"
                                      << "*..ogg" << false;
    QTest::newRow("unicode case") << "ÄRGER.ÖGG"
                                  << "*.ögg" << true;
    QTest::newRow("star in the middle") << "track 01 (live).ogg"
                                        << "track*live*" << true;
    QTest::newRow("second of several") << "song.OPUS"
                                       << "*.ogg;*.oga;*.opus" << true;
    QTest::newRow("none of several") << "song.mp3"
                                     << "*.ogg;*.oga;*.opus" << false;
    QTest::newRow("several, one of them *.*") << "README"
                                              << "*.ogg;*.*" << true;
    QTest::newRow("empty pattern") << "song.ogg"
                                   << "" << false;
}

// What a user types in the prompt or gives --extension, old stored texts included.
void TestAddFolder::extensionPattern_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("one, as ever") << "ogg"
                                  << "*.ogg";
    QTest::newRow("every file, as ever") << "*"
                                         << "*.*";
    QTest::newRow("a wildcard kept") << "og?"
                                     << "*.og?";
    QTest::newRow("two endings kept") << "tar.gz"
                                      << "*.tar.gz";
    QTest::newRow("blanks") << "ogg oga opus"
                            << "*.ogg;*.oga;*.opus";
    QTest::newRow("commas and blanks") << " ogg, oga ,opus, "
                                       << "*.ogg;*.oga;*.opus";
    QTest::newRow("semicolons and a tab") << "ogg;\topus"
                                          << "*.ogg;*.opus";
    QTest::newRow("with dots and stars") << ".ogg *.opus *.*"
                                         << "*.ogg;*.opus;*.*";
    QTest::newRow("twice in other letter case") << "ogg OGG Ogg"
                                                << "*.ogg";
    QTest::newRow("separators only") << " , ;"
                                     << "";
    QTest::newRow("a dot only") << "."
                                << "";
}

void TestAddFolder::extensionPattern() {
    QFETCH(QString, typed);
    QFETCH(QString, pattern);
    QCOMPARE(ExtensionPattern(typed), pattern);
}

void TestAddFolder::matchesPattern() {
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    QFETCH(bool, matches);
    QCOMPARE(MatchesPattern(name, pattern), matches);
}

void TestAddFolder::listingOrder() {
    QStringList names = {QStringLiteral("b"),   QStringLiteral("C"), QStringLiteral("a_b"),
                         QStringLiteral("aB"),  QStringLiteral("A"), QStringLiteral("a"),
                         QStringLiteral("Zeta")};
    std::sort(names.begin(), names.end(), ListingOrderLess);
    // Upper-cased comparison, as Windows lists: "AB" before "A_B"; names equal but for case
    // keep one fixed order.
    const QStringList expected = {QStringLiteral("A"),   QStringLiteral("a"), QStringLiteral("aB"),
                                  QStringLiteral("a_b"), QStringLiteral("b"), QStringLiteral("C"),
                                  QStringLiteral("Zeta")};
    QCOMPARE(names, expected);
}

void TestAddFolder::unsafeNames_data() {
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("unsafe");
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("plain") << QByteArray("Music") << false;
    QTest::newRow("question mark is ordinary") << QByteArray("Why?") << false;
    QTest::newRow("tab") << QByteArray("a\tb") << true;
    QTest::newRow("code 31") << QByteArray("a\x1f") << true;
    QTest::newRow("space") << QByteArray("a b") << false;
    QTest::newRow("delete 127") << QByteArray("a\x7f") << true;
    QTest::newRow("C1 control 133") << QString(QChar(0x85)).toUtf8() << true;
    QTest::newRow("C1 control 159") << QString(QChar(0x9f)).toUtf8() << true;
    QTest::newRow("no-break space 160") << QString(QChar(0xa0)).toUtf8() << false;
    QTest::newRow("other scripts") << QStringLiteral("Müsik 日本語 Ωμέγα").toUtf8() << false;
    // Names are bytes: one that is not UTF-8 is a name like any other; only control characters
    // make it unsafe, whatever else it holds.
    QTest::newRow("not UTF-8") << QByteArray("caf\xe9") << false;
    QTest::newRow("cut-off sequence") << QByteArray("ab\xe6\x97") << false;
    QTest::newRow("lone byte 0x85 (an ellipsis in cp1252)") << QByteArray("a\x85") << false;
    QTest::newRow("not UTF-8, with a tab") << QByteArray("caf\xe9\tx") << true;
    QTest::newRow("not UTF-8, with C1 control 133")
        << QByteArray("caf\xe9") + QString(QChar(0x85)).toUtf8() << true;
}

void TestAddFolder::unsafeNames() {
    QFETCH(QByteArray, raw);
    QFETCH(bool, unsafe);
    QCOMPARE(HasUnsafeChars(raw), unsafe);
    QCOMPARE(HasUnsafeChars(PathFromBytes(raw)), unsafe);
}

void TestAddFolder::attributes() {
    const QString root = m_dir.filePath(QStringLiteral("attributes"));
    makeFile(root + QStringLiteral("/plain.ogg"));
    makeFile(root + QStringLiteral("/.hidden.ogg"));
    QDir().mkpath(root + QStringLiteral("/Folder"));
    QDir().mkpath(root + QStringLiteral("/.hiddenfolder"));
    makeLink(root + QStringLiteral("/plain.ogg"), root + QStringLiteral("/link.ogg"));
    makeLink(root + QStringLiteral("/plain.ogg"), root + QStringLiteral("/.hiddenlink.ogg"));
    makeLink(root + QStringLiteral("/Folder"), root + QStringLiteral("/FolderLink"));

    QCOMPARE(FileAttributesOf(root + QStringLiteral("/plain.ogg")), 32);
    QCOMPARE(FileAttributesOf(root + QStringLiteral("/.hidden.ogg")), 34);
    QCOMPARE(FileAttributesOf(root + QStringLiteral("/Folder")), 16);
    QCOMPARE(FileAttributesOf(root + QStringLiteral("/Folder/")), 16);
    QCOMPARE(FileAttributesOf(root + QStringLiteral("/.hiddenfolder")), 18);
    QCOMPARE(FileAttributesOf(root + QStringLiteral("/link.ogg")), 1024 + 32);
    QCOMPARE(FileAttributesOf(root + QStringLiteral("/.hiddenlink.ogg")), 1024 + 32 + 2);
    QCOMPARE(FileAttributesOf(root + QStringLiteral("/FolderLink/")), 1024 + 16);
    try {
        FileAttributesOf(root + QStringLiteral("/missing.ogg"));
        QFAIL("attributes of a missing file were read");
    } catch (const AppError& e) {
        QCOMPARE(e.number(), errors::kPathNotFound);
    }
}

void TestAddFolder::strictExistence() {
    const QString root = m_dir.filePath(QStringLiteral("strict"));
    makeFile(root + QStringLiteral("/song.ogg"));
    makeFile(root + QStringLiteral("/locked.ogg"), QFileDevice::Permissions());
    QVERIFY(
        QFile::setPermissions(root + QStringLiteral("/locked.ogg"), QFileDevice::Permissions()));
    QVERIFY(::mkfifo(QFile::encodeName(root + QStringLiteral("/pipe.ogg")).constData(), 0644) == 0);
    makeLink(root + QStringLiteral("/song.ogg"), root + QStringLiteral("/link.ogg"));
    makeLink(root + QStringLiteral("/gone.ogg"), root + QStringLiteral("/dangling.ogg"));

    QVERIFY(FileExistsStrict(root + QStringLiteral("/song.ogg")));
    QVERIFY(FileExistsStrict(root + QStringLiteral("/locked.ogg")));
    QVERIFY(FileExistsStrict(root + QStringLiteral("/link.ogg")));
    // A FIFO nobody writes to would block an ordinary open for good.
    QVERIFY(!FileExistsStrict(root + QStringLiteral("/pipe.ogg")));
    QVERIFY(!FileExistsStrict(QStringLiteral("/dev/null")));
    QVERIFY(!FileExistsStrict(root + QStringLiteral("/dangling.ogg")));
    QVERIFY(!FileExistsStrict(root));
    QVERIFY(!FileExistsStrict(root + QStringLiteral("/missing.ogg")));
    QVERIFY(!FileExistsStrict(QString()));
}

void TestAddFolder::listFolderFiles() {
    const QString root = m_dir.filePath(QStringLiteral("listing"));
    for (const char* name : {"b.ogg", "A.OGG", "c.txt", ".hidden.ogg", "~tmp.ogg"}) {
        makeFile(root + QLatin1Char('/') + QLatin1String(name));
    }
    QDir().mkpath(root + QStringLiteral("/folder.ogg"));
    QVERIFY(::mkfifo(QFile::encodeName(root + QStringLiteral("/pipe.ogg")).constData(), 0644) == 0);
    makeLink(root + QStringLiteral("/b.ogg"), root + QStringLiteral("/link.ogg"));
    // A link counts as what it leads to: nothing, a folder, a FIFO.
    makeLink(root + QStringLiteral("/gone.ogg"), root + QStringLiteral("/dangling.ogg"));
    makeLink(root + QStringLiteral("/folder.ogg"), root + QStringLiteral("/to-folder.ogg"));
    makeLink(root + QStringLiteral("/pipe.ogg"), root + QStringLiteral("/to-pipe.ogg"));

    // Hidden files are listed, folders and FIFOs are not, nor links to them or to nothing; the
    // intake decides about the rest.
    const QStringList expected = {QStringLiteral(".hidden.ogg"), QStringLiteral("A.OGG"),
                                  QStringLiteral("b.ogg"), QStringLiteral("link.ogg"),
                                  QStringLiteral("~tmp.ogg")};
    QCOMPARE(ListFolderFiles(root, QStringLiteral("*.ogg")), expected);
    QCOMPARE(ListFolderFiles(root + QLatin1Char('/'), QStringLiteral("*.ogg")), expected);
    QCOMPARE(ListFolderFiles(root, QStringLiteral("*.*")).size(), 6);
    QVERIFY(ListFolderFiles(root, QStringLiteral("*.wav")).isEmpty());
    QVERIFY(ListFolderFiles(root + QStringLiteral("/missing"), QStringLiteral("*.*")).isEmpty());
}

QString TestAddFolder::musicTree() {
    const QString root = m_dir.filePath(QStringLiteral("Music"));
    if (QFileInfo::exists(root)) {
        return root;
    }
    // Made out of order: the intake's order must come from the names, not from creation.
    for (const char* name :
         {"B/b1.ogg", "zeta.ogg", "A/X/x1.ogg", "A/a1.OGG", "Alpha.ogg", "beta.Ogg", "notes.txt",
          "~temp.ogg", "A/~lock.txt", "B/cover.jpg", ".hidden.ogg", "A/X/.config"}) {
        makeFile(root + QLatin1Char('/') + QLatin1String(name));
    }
    QDir().mkpath(root + QStringLiteral("/Empty"));
    return root;
}

void TestAddFolder::intakeOrderAndFilters_data() {
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("expected");
    // Breadth-first: Music, then A and B (and Empty), then X.
    QTest::newRow("ogg") << "*.ogg" << QStringList{"Alpha.ogg", "beta.Ogg", "zeta.ogg",
                                                   "A/a1.OGG",  "B/b1.ogg", "A/X/x1.ogg"};
    QTest::newRow("all files") << "*.*"
                               << QStringList{"Alpha.ogg", "beta.Ogg", "notes.txt",   "zeta.ogg",
                                              "A/a1.OGG",  "B/b1.ogg", "B/cover.jpg", "A/X/x1.ogg"};
    QTest::newRow("txt") << "*.txt" << QStringList{"notes.txt"};
    // Several: each folder's files in listing order, not grouped by pattern.
    QTest::newRow("txt and ogg") << "*.txt;*.ogg"
                                 << QStringList{"Alpha.ogg", "beta.Ogg", "notes.txt", "zeta.ogg",
                                                "A/a1.OGG",  "B/b1.ogg", "A/X/x1.ogg"};
    QTest::newRow("nothing matches") << "*.flac" << QStringList{};
}

void TestAddFolder::intakeOrderAndFilters() {
    QFETCH(QString, pattern);
    QFETCH(QStringList, expected);
    const QString root = musicTree();
    Intake intake;
    // ".hidden.ogg" is a hidden archive file (34), "A/X/.config" is hidden but taken with "*.*"
    // only if it is not 34, which it is: neither is added.
    QCOMPARE(intake.run(root, pattern), prefixed(root, expected));
    QVERIFY(intake.reporter.reports.isEmpty());
    QVERIFY(intake.yields > 0);
}

void TestAddFolder::intakeTwiceAddsTwice() {
    const QString root = musicTree();
    Intake intake;
    intake.run(root, QStringLiteral("*.ogg"));
    const QStringList once = intake.list.entries();
    QCOMPARE(intake.run(root, QStringLiteral("*.ogg")), once + once);
}

void TestAddFolder::separatorsOfTheStartFolder() {
    const QString root = musicTree();
    const QStringList expected = Intake().run(root, QStringLiteral("*.txt"));
    QCOMPARE(expected, QStringList{root + QStringLiteral("/notes.txt")});
    // Given with its separator, like a root ("/"): the doubled separator is collapsed away.
    QCOMPARE(Intake().run(root + QLatin1Char('/'), QStringLiteral("*.txt")), expected);
    // A leading run of separators is one separator on Linux.
    QCOMPARE(Intake().run(QStringLiteral("//") + root, QStringLiteral("*.txt")), expected);
    QVERIFY(IsRootFolder(QStringLiteral("/")));
    QVERIFY(IsRootFolder(QStringLiteral("//")));
    QVERIFY(!IsRootFolder(root + QLatin1Char('/')));
}

void TestAddFolder::missingStartFolderAddsNothing() {
    Intake intake;
    QVERIFY(intake.run(m_dir.filePath(QStringLiteral("nowhere")), QStringLiteral("*.*")).isEmpty());
    QVERIFY(intake.reporter.reports.isEmpty());
    // A file given as the folder has no files of its own.
    const QString root = musicTree();
    QVERIFY(intake.run(root + QStringLiteral("/notes.txt"), QStringLiteral("*.*")).isEmpty());
    QVERIFY(intake.reporter.reports.isEmpty());
}

void TestAddFolder::linkLoopsAreWalkedOnce() {
    const QString root = m_dir.filePath(QStringLiteral("Loops"));
    makeFile(root + QStringLiteral("/top.ogg"));
    makeFile(root + QStringLiteral("/A/a.ogg"));
    makeFile(root + QStringLiteral("/A/Deep/d.ogg"));
    makeFile(root + QStringLiteral("/Outside/o.ogg"));
    makeLink(QStringLiteral(".."), root + QStringLiteral("/A/Deep/up"));  // back to the top
    makeLink(QStringLiteral("."), root + QStringLiteral("/A/self"));
    makeLink(root + QStringLiteral("/A"), root + QStringLiteral("/B"));  // a second way into A
    makeLink(root + QStringLiteral("/Outside"), root + QStringLiteral("/A/Deep/elsewhere"));
    makeLink(root + QStringLiteral("/gone"), root + QStringLiteral("/dangling"));

    Intake intake;
    const QStringList expected =
        prefixed(root, {QStringLiteral("top.ogg"), QStringLiteral("A/a.ogg"),
                        QStringLiteral("Outside/o.ogg"), QStringLiteral("A/Deep/d.ogg")});
    QCOMPARE(intake.run(root, QStringLiteral("*.ogg")), expected);
    QVERIFY(intake.reporter.reports.isEmpty());
}

// Links that lead back up: to "/" (a Wine prefix's drive Z:), to a folder above the starting
// one, to the folder that holds the link, and, from a folder outside the tree that a link led
// to, to a folder above that one. None is followed; a link elsewhere is.
void TestAddFolder::linksNeverLeadBackUp() {
    const QString base = m_dir.filePath(QStringLiteral("Up"));
    const QString root = base + QStringLiteral("/Tree");
    makeFile(root + QStringLiteral("/top.ogg"));
    makeFile(root + QStringLiteral("/wine/drive_c/c.ogg"));
    makeFile(base + QStringLiteral("/beside.ogg"));
    makeFile(base + QStringLiteral("/Outside/o.ogg"));
    makeFile(base + QStringLiteral("/Outside/Inner/i.ogg"));
    QDir().mkpath(root + QStringLiteral("/wine/dosdevices"));
    makeLink(QStringLiteral("/"), root + QStringLiteral("/wine/dosdevices/z:"));
    makeLink(QStringLiteral("../drive_c"), root + QStringLiteral("/wine/dosdevices/c:"));
    makeLink(QStringLiteral("/proc"), root + QStringLiteral("/wine/dosdevices/proc"));
    makeLink(QStringLiteral(".."), root + QStringLiteral("/up"));
    makeLink(QStringLiteral("."), root + QStringLiteral("/wine/self"));
    makeLink(base + QStringLiteral("/Outside/Inner"), root + QStringLiteral("/inner"));
    makeLink(base + QStringLiteral("/Outside"), base + QStringLiteral("/Outside/Inner/back"));

    QElapsedTimer timer;
    timer.start();
    Intake intake;
    QCOMPARE(intake.run(root, QStringLiteral("*.ogg")),
             prefixed(root, {QStringLiteral("top.ogg"), QStringLiteral("inner/i.ogg"),
                             QStringLiteral("wine/drive_c/c.ogg")}));
    QVERIFY(intake.reporter.reports.isEmpty());
    QVERIFY2(timer.elapsed() < 10000, "the walk left the tree");

    // Named through a link, the starting folder's ancestors are those of both paths.
    makeLink(root, base + QStringLiteral("/Outside/tree"));
    makeLink(base + QStringLiteral("/Outside"), root + QStringLiteral("/wine/outside"));
    // Outside lies above the start only as it was named: wine/outside is not walked.
    QCOMPARE(Intake().run(base + QStringLiteral("/Outside/tree"), QStringLiteral("*.ogg")),
             prefixed(base + QStringLiteral("/Outside/tree"),
                      {QStringLiteral("top.ogg"), QStringLiteral("inner/i.ogg"),
                       QStringLiteral("wine/drive_c/c.ogg")}));
}

// The kernel's pseudo file systems hold files without end (and links out of them, such as
// /proc/<pid>/cwd): dropping one adds nothing and ends.
void TestAddFolder::pseudoFileSystemsAreNotEntered_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("type");  // what the mount table must say, else the row is skipped
    QTest::newRow("proc") << "/proc"
                          << "proc";
    QTest::newRow("inside proc") << "/proc/self/"
                                 << "proc";
    QTest::newRow("sysfs") << "/sys"
                           << "sysfs";
    QTest::newRow("devpts") << "/dev/pts"
                            << "devpts";
    QTest::newRow("devtmpfs, which calls itself tmpfs") << "/dev"
                                                        << "devtmpfs";
}

void TestAddFolder::pseudoFileSystemsAreNotEntered() {
    QFETCH(QString, folder);
    QFETCH(QString, type);
    const QStorageInfo mount(folder);
    if (mount.fileSystemType() != type.toUtf8()) {
        QSKIP(qPrintable(folder + QStringLiteral(" is not ") + type + QStringLiteral(" here")));
    }
    Intake intake;
    QStringList listed;
    intake.listedHook = [&](const QString& read) { listed.append(read); };
    QVERIFY(intake.run(folder, QStringLiteral("*.*")).isEmpty());
    QCOMPARE(listed, QStringList());  // not one folder of it read
    QVERIFY(intake.reporter.reports.isEmpty());
}

// The platform's hidden system folders: trash and file system bookkeeping, with the letter case
// rules of the file systems that make them.
void TestAddFolder::systemFoldersAreNotWalked_data() {
    QTest::addColumn<QString>("folder");       // made under the row's own tree
    QTest::addColumn<QString>("environment");  // set to the tree: "XDG_DATA_HOME" or "HOME"
    QTest::addColumn<bool>("start");           // the intake starts in that folder
    QTest::addColumn<bool>("walked");
    QTest::newRow(".Trash") << ".Trash"
                            << "" << false << false;
    QTest::newRow(".Trash-1000") << ".Trash-1000"
                                 << "" << false << false;
    QTest::newRow(".Trash-0") << ".Trash-0"
                              << "" << false << false;
    QTest::newRow(".Trash- without uid") << ".Trash-"
                                         << "" << false << true;
    QTest::newRow(".Trash-1000x") << ".Trash-1000x"
                                  << "" << false << true;
    QTest::newRow(".trash, case matters") << ".trash"
                                          << "" << false << true;
    QTest::newRow("Trash, not the user's") << "Trash"
                                           << "" << false << true;
    QTest::newRow("$RECYCLE.BIN") << "$RECYCLE.BIN"
                                  << "" << false << false;
    QTest::newRow("$Recycle.Bin") << "$Recycle.Bin"
                                  << "" << false << false;
    QTest::newRow("System Volume Information") << "System Volume Information"
                                               << "" << false << false;
    QTest::newRow("SYSTEM VOLUME INFORMATION") << "SYSTEM VOLUME INFORMATION"
                                               << "" << false << false;
    QTest::newRow("lost+found") << "lost+found"
                                << "" << false << false;
    QTest::newRow("Lost+Found, case matters") << "Lost+Found"
                                              << "" << false << true;
    QTest::newRow("XDG trash") << "Trash"
                               << "XDG_DATA_HOME" << false << false;
    QTest::newRow("XDG trash by default") << ".local/share/Trash"
                                          << "HOME" << false << false;
    QTest::newRow("Trash beside the XDG one") << ".local/share/Trash/../Trash2"
                                              << "HOME" << false << true;
    // The rule stops the descent of the starting folder, not its own files.
    QTest::newRow("starting in .Trash-1000") << ".Trash-1000"
                                             << "" << true << false;
}

void TestAddFolder::systemFoldersAreNotWalked() {
    QFETCH(QString, folder);
    QFETCH(QString, environment);
    QFETCH(bool, start);
    QFETCH(bool, walked);
    const QString root = m_dir.filePath(QStringLiteral("System/") + QTest::currentDataTag());
    const QString inner = QDir::cleanPath(root + QLatin1Char('/') + folder);
    makeFile(root + QStringLiteral("/top.ogg"));
    makeFile(inner + QStringLiteral("/in.ogg"));
    makeFile(inner + QStringLiteral("/files/deep.ogg"));

    const QByteArray savedData = qgetenv("XDG_DATA_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    if (!environment.isEmpty()) {
        qputenv(environment.toUtf8().constData(), QFile::encodeName(root));
    }
    Intake intake;
    const QString from = start ? inner : root;
    const QStringList added = intake.run(from, QStringLiteral("*.ogg"));
    qputenv("XDG_DATA_HOME", savedData);
    qputenv("HOME", savedHome);

    QStringList expected;
    if (start) {
        expected = {inner + QStringLiteral("/in.ogg")};
    } else {
        expected = {root + QStringLiteral("/top.ogg")};
        if (walked) {
            expected +=
                {inner + QStringLiteral("/in.ogg"), inner + QStringLiteral("/files/deep.ogg")};
        }
    }
    QCOMPARE(added, expected);
    QVERIFY(intake.reporter.reports.isEmpty());
}

// A subfolder that is gone by the time it is examined (a download's or a sync client's
// temporary folder) is no longer there; the folder that listed it and its siblings stay.
void TestAddFolder::subfolderVanishingDuringTheWalk_data() {
    QTest::addColumn<QString>("listed");  // the folder being listed when the tree changes
    QTest::addColumn<QString>("removed");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a subfolder of the starting folder")
        << ""
        << "Gone" << QStringList{"top.ogg", "A/a.ogg", "Z/z.ogg", "A/Keep/k.ogg", "A/Tmp/t.ogg"};
    QTest::newRow("deeper down") << "A"
                                 << "A/Tmp"
                                 << QStringList{"top.ogg", "A/a.ogg", "Gone/g.ogg", "Z/z.ogg",
                                                "A/Keep/k.ogg"};
    QTest::newRow("the listed folder itself, with all inside")
        << "A"
        << "A" << QStringList{"top.ogg", "Gone/g.ogg", "Z/z.ogg"};
}

void TestAddFolder::subfolderVanishingDuringTheWalk() {
    QFETCH(QString, listed);
    QFETCH(QString, removed);
    QFETCH(QStringList, expected);
    const QString root = m_dir.filePath(QStringLiteral("Vanish/") + QTest::currentDataTag());
    for (const char* name :
         {"top.ogg", "A/a.ogg", "A/Keep/k.ogg", "A/Tmp/t.ogg", "Gone/g.ogg", "Z/z.ogg"}) {
        makeFile(root + QLatin1Char('/') + QLatin1String(name));
    }
    const QString listedFolder = listed.isEmpty()
                                     ? root + QLatin1Char('/')
                                     : root + QLatin1Char('/') + listed + QLatin1Char('/');
    Intake intake;
    bool changed = false;
    intake.listedHook = [&](const QString& folder) {
        if (folder == listedFolder && !changed) {
            changed = true;
            QVERIFY(QDir(root + QLatin1Char('/') + removed).removeRecursively());
        }
    };
    const QStringList added = intake.run(root, QStringLiteral("*.ogg"));
    QVERIFY(changed);
    QCOMPARE(added, prefixed(root, expected));
    QVERIFY(intake.reporter.reports.isEmpty());
}

// Each level of a deep tree is checked once: a chain 2,000 folders deep, near the path limit,
// is taken in whole, level by level.
void TestAddFolder::chainTwoThousandDeep() {
    const QString root = m_dir.filePath(QStringLiteral("Chain"));
    constexpr int kDepth = 2000;
    QVERIFY(QFile::encodeName(root).size() + 2 * kDepth + 6 < PATH_MAX);
    QVERIFY(QDir().mkpath(root));
    int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
    QStringList expected;
    QString path = root;
    for (int level = 0; level < kDepth; ++level) {
        QVERIFY(::mkdirat(fd, "d", 0755) == 0);
        const int inner = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        QVERIFY(inner >= 0);
        ::close(::openat(inner, "f.ogg", O_CREAT | O_WRONLY, 0644));
        ::close(fd);
        fd = inner;
        path += QStringLiteral("/d");
        expected.append(path + QStringLiteral("/f.ogg"));
    }
    ::close(fd);
    Intake intake;
    QCOMPARE(intake.run(root, QStringLiteral("*.ogg")), expected);
    QVERIFY(intake.reporter.reports.isEmpty());
}

void TestAddFolder::walkFailuresAreReportedAndTheWalkGoesOn() {
    const QString root = musicTree();
    test::RecordingReporter reporter;
    FileListModel list;
    // The first chance the walk gives the window fails, before any folder is listed.
    bool failed = false;
    FolderWalk walk(reporter, [&] {
        if (!failed) {
            failed = true;
            throw AppError(57, QStringLiteral("Input/output error"));
        }
    });
    QuietReporter quiet;
    StepGuard steps(quiet, QString());
    AddFolderFiles(root, QStringLiteral("*.ogg"), list, walk, steps);

    QCOMPARE(reporter.reports,
             QStringList{"Input/output error | in "
                         "Brammock2021/08/31.AddFolder.GetSubDirectories2016  | 114"});
    QCOMPARE(list.count(), 6);
}

void TestAddFolder::oddFolderNames() {
    const QString root = m_dir.filePath(QStringLiteral("Names"));
    makeFile(root + QStringLiteral("/Müsik/日本語/歌.ogg"));
    makeFile(root + QStringLiteral("/Ωμέγα/track?.ogg"));
    makeFile(root + QStringLiteral("/bad\x01name/hidden.ogg"));
    makeFile(root + QStringLiteral("/bad\x01name/Sub/deeper.ogg"));
    makeFile(root + QStringLiteral("/line\nbreak/x.ogg"));
    // U+FEFF opening a name is part of it; U+1F480's second half looks like an escaped byte.
    const QString bom = QString(QChar(0xFEFF)) + QStringLiteral("bom.ogg");
    makeFile(root + QLatin1Char('/') + bom);
    makeFile(root + QStringLiteral("/💀/skull.ogg"));
    // The longest name a folder may have is walked like any other.
    const QString longest(NAME_MAX, QLatin1Char('n'));
    makeFile(root + QLatin1Char('/') + longest + QStringLiteral("/long.ogg"));
    const QByteArray rawRoot = QFile::encodeName(root);
    QVERIFY(::mkdir((rawRoot + "/caf\xe9").constData(), 0755) == 0);
    QVERIFY(::close(::open((rawRoot + "/caf\xe9/inside.ogg").constData(), O_CREAT | O_WRONLY,
                           0644)) == 0);
    QVERIFY(::close(::open((rawRoot + "/undecodable\xff.ogg").constData(), O_CREAT | O_WRONLY,
                           0644)) == 0);

    QVERIFY(::mkdir((rawRoot + "/tab\xe9\tname").constData(), 0755) == 0);
    QVERIFY(::close(::open((rawRoot + "/tab\xe9\tname/skipped.ogg").constData(), O_CREAT | O_WRONLY,
                           0644)) == 0);

    Intake intake;
    const QStringList expected =
        prefixed(root, {QStringLiteral("Müsik/日本語/歌.ogg"), QStringLiteral("Ωμέγα/track?.ogg"),
                        bom, QStringLiteral("💀/skull.ogg"), longest + QStringLiteral("/long.ogg"),
                        PathFromBytes(QByteArray("caf\xe9/inside.ogg")),
                        PathFromBytes(QByteArray("undecodable\xff.ogg"))});
    // Folders with a control character are skipped with their whole subtree, whether or not
    // the rest of the name is UTF-8; names that are not UTF-8 are taken like any other.
    const QStringList added = intake.run(root, QStringLiteral("*.ogg"));
    QCOMPARE(QSet<QString>(added.begin(), added.end()),
             QSet<QString>(expected.begin(), expected.end()));
    QCOMPARE(added.size(), expected.size());
    QVERIFY(intake.reporter.reports.isEmpty());
    // Each entry leads back to its file's own bytes.
    for (const QString& entry : added) {
        QVERIFY2(::access(PathToBytes(entry).constData(), F_OK) == 0,
                 qPrintable(DisplayPath(entry)));
    }
}

void TestAddFolder::treeDeeperThanThePathLimit() {
    const QString root = m_dir.filePath(QStringLiteral("Deep"));
    QDir().mkpath(root);
    makeFile(root + QStringLiteral("/first.ogg"));
    // Nest folders of 200-character names until the path is far past PATH_MAX; each is made
    // relative to its parent, since the full path cannot be used any more.
    int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(fd >= 0);
    const QByteArray name(200, 'd');
    qsizetype length = QFile::encodeName(root).size();
    while (length < PATH_MAX + 600) {
        QVERIFY(::mkdirat(fd, name.constData(), 0755) == 0);
        const int inner = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
        ::close(::openat(inner, "deep.ogg", O_CREAT | O_WRONLY, 0644));
        ::close(fd);
        fd = inner;
        length += name.size() + 1;
    }
    ::close(fd);

    Intake intake;
    const QStringList added = intake.run(root, QStringLiteral("*.ogg"));
    QVERIFY(added.contains(root + QStringLiteral("/first.ogg")));
    QVERIFY(added.size() > 10);
    for (const QString& path : added) {
        QVERIFY(QFile::encodeName(path).size() < PATH_MAX);
        QVERIFY(FileExistsStrict(path));
    }
    QVERIFY(intake.reporter.reports.isEmpty());
}

// Root may read anything, so the part that must be refused runs as "nobody".
void TestAddFolder::unreadableFoldersAsAnotherUser() {
    const QString helper =
        QCoreApplication::applicationDirPath() + QStringLiteral("/intake_helper");
    QVERIFY2(QFileInfo(helper).isExecutable(), qPrintable(helper));
    QVERIFY(QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther));
    const QString root = m_dir.filePath(QStringLiteral("Shared"));
    const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther;
    for (const char* name :
         {"top.ogg", "A/a.ogg", "B/b.ogg", "B/Sub/s.ogg", "C/c.ogg", "D/d.ogg"}) {
        makeFile(root + QLatin1Char('/') + QLatin1String(name), readable);
    }
    // Hidden archive files: writable by that user (34, skipped) and read-only for it (35, added).
    makeFile(root + QStringLiteral("/.open.ogg"), readable | QFileDevice::WriteOther);
    makeFile(root + QStringLiteral("/.readonly.ogg"), readable);
    const auto folder = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const auto walkable = folder | QFileDevice::ReadOther | QFileDevice::ExeOther;
    for (const char* name : {"", "/A", "/C", "/B/Sub"}) {
        QVERIFY(QFile::setPermissions(root + QLatin1String(name), walkable));
    }
    QVERIFY(QFile::setPermissions(root + QStringLiteral("/B"), folder));  // no access at all
    QVERIFY(QFile::setPermissions(root + QStringLiteral("/D"),
                                  folder | QFileDevice::ReadOther));  // names only

    auto runAsNobody = [&](const QString& start) {
        QProcess process;
        process.start(QStringLiteral("setpriv"),
                      {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                       QStringLiteral("--clear-groups"), helper, start, QStringLiteral("*.ogg")});
        process.waitForFinished(60000);
        if (process.exitCode() != 0) {
            qWarning() << process.readAllStandardError();
        }
        return QString::fromUtf8(process.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    };

    // The refused folder is dropped quietly with its subtree; its siblings are walked.
    QCOMPARE(runAsNobody(root),
             prefixed(root, {QStringLiteral(".readonly.ogg"), QStringLiteral("top.ogg"),
                             QStringLiteral("A/a.ogg"), QStringLiteral("C/c.ogg")}));
    // A refused starting folder adds nothing and says nothing.
    QCOMPARE(runAsNobody(root + QStringLiteral("/B")), QStringList());
}

QTEST_GUILESS_MAIN(TestAddFolder)
#include "test_addfolder.moc"
