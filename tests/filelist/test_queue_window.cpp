// Filling and emptying the queue through the window: the open dialog, "Add All", drops, the
// Delete key, double-clicks and "Clear List".
#include "app/qtdialogs.h"
#include "filelist/filedrop.h"
#include "filelist/filelistmodel.h"
#include "filelist/filelistview.h"
#include "platform/pathbytes.h"
#include "support/windowfixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lorvane;
using namespace lorvane::test;

namespace {

const QChar kNul(0);

void makeFile(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
}

FileListView* listView(MainWindow& window) {
    return window.findChild<FileListView*>(QStringLiteral("ListView1"));
}

QMimeData* fileDrag(const QStringList& paths) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    for (const QString& path : paths) {
        urls.append(QUrl::fromLocalFile(path));
    }
    data->setUrls(urls);
    return data;
}

// Drags the data over the list and, when it is accepted, drops it; returns whether the list
// accepted the drag. The adding happens once the drop has ended.
bool dragAndDrop(MainWindow& window, QMimeData* data) {
    QWidget* target = listView(window)->viewport();
    const QPointF at(10, 10);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    const bool accepted = enter.isAccepted();
    if (accepted) {
        QDragMoveEvent move(at.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        if (move.isAccepted()) {
            QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &drop);
        }
    }
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
    delete data;
    return accepted;
}

void selectRow(MainWindow& window, int row) {
    FileListView* view = listView(window);
    view->selectionModel()->setCurrentIndex(
        window.fileList().index(row),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

QString prompt() {
    return QStringLiteral(
        "Enter file extension to load:\r\r(* for all files, txt for all txt files, doc for all "
        "doc files, etc.)\r\r(several at once: ogg oga opus)");
}

}  // namespace

class TestQueueWindow : public QObject {
    Q_OBJECT

  private slots:
    void openDialog_data();
    void openDialog();
    void openDialogTwiceAddsTwice();
    void openDialogChoicesReachTheList_data();
    void openDialogChoicesReachTheList();
    void tooManyFiles();
    void otherOpenFailureIsReported();

    void addAllPromptAndSettings();
    void addAllTakesTheTree_data();
    void addAllTakesTheTree();
    void busyWhileWalking_data();
    void busyWhileWalking();
    void walkInsideAnotherLongOperationKeepsItsHourglass();

    void dropFiles();
    void dropFolders();
    void commandLineItemsByTheDropRules();
    void dropRefusesOtherData_data();
    void dropRefusesOtherData();
    void dropFileUrls_data();
    void dropFileUrls();

    void removeAndClear_data();
    void removeAndClear();

    // Qt cannot remove names that are not valid UTF-8; rm can.
    void cleanupTestCase() {
        QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), m_dir.path()});
    }

  private:
    QTemporaryDir m_dir;
    QString tree();
    QString latinTree();
};

void TestQueueWindow::openDialog_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("cancelled") << QString() << QStringList{};
    QTest::newRow("one file, taken as it is")
        << "/music/a//b.txt" << QStringList{"/music/a//b.txt"};
    QTest::newRow("three files") << (QStringLiteral("/music") + kNul + "c.ogg" + kNul + "a.ogg" +
                                     kNul + "b.ogg")
                                 << QStringList{"/music/c.ogg", "/music/a.ogg", "/music/b.ogg"};
    QTest::newRow("three files at the root")
        << (QStringLiteral("/") + kNul + "a.ogg" + kNul + "b.ogg" + kNul + "c.ogg")
        << QStringList{"/a.ogg", "/b.ogg", "/c.ogg"};
    QTest::newRow("leading run of separators")
        << (QStringLiteral("//srv/share") + kNul + "a.ogg" + kNul + "b.ogg")
        << QStringList{"/srv/share/a.ogg", "/srv/share/b.ogg"};
    QTest::newRow("names of missing files and other types")
        << (QStringLiteral("/nowhere") + kNul + "ghost.ogg" + kNul + "notes.txt")
        << QStringList{"/nowhere/ghost.ogg", "/nowhere/notes.txt"};
}

void TestQueueWindow::openDialog() {
    QFETCH(QString, answer);
    QFETCH(QStringList, expected);
    WindowFixture f;
    auto window = f.loadedWindow();
    f.dialogs.calls.clear();
    f.dialogs.openAnswers.enqueue(answer);
    window->findChild<QPushButton*>(QStringLiteral("PushButton1"))->click();

    QCOMPARE(window->fileList().entries(), expected);
    QCOMPARE(f.dialogs.calls.size(), 1);
    const DialogCall call = f.dialogs.calls.front();
    QCOMPARE(call.kind, QStringLiteral("open"));
    QCOMPARE(call.title, QStringLiteral("Add File(s) - Hold Ctrl to select multiple files"));
    QCOMPARE(call.text, QStringLiteral("Ogg audio (*.ogg *.oga *.opus);;All files (*)"));
}

void TestQueueWindow::openDialogTwiceAddsTwice() {
    WindowFixture f;
    auto window = f.loadedWindow();
    f.dialogs.openAnswers.enqueue(QStringLiteral("/music/a.ogg"));
    f.dialogs.openAnswers.enqueue(QStringLiteral("/music/a.ogg"));
    window->PushButton1_Click();
    window->PushButton1_Click();
    QCOMPARE(window->fileList().entries(), (QStringList{"/music/a.ogg", "/music/a.ogg"}));
}

// What the real dialog picks, through the one text it hands over, must come out as the same
// paths in the list. A file dialog can return files of several folders at once (a "Recent"
// view, names typed with their folders).
void TestQueueWindow::openDialogChoicesReachTheList_data() {
    QTest::addColumn<QStringList>("chosen");
    QTest::newRow("one file") << QStringList{"/music/a.ogg"};
    QTest::newRow("one folder") << QStringList{"/music/b.ogg", "/music/a.ogg"};
    QTest::newRow("at the root") << QStringList{"/a.ogg", "/b.ogg"};
    QTest::newRow("two folders") << QStringList{"/music/a.ogg", "/other/b.ogg"};
    QTest::newRow("folder and subfolder")
        << QStringList{"/music/a.ogg", "/music/live/b.ogg", "/music/c.ogg"};
    QTest::newRow("only the root in common") << QStringList{"/x/1.ogg", "/y/z/2.ogg", "/3.ogg"};
    QTest::newRow("same name in two folders")
        << QStringList{"/home/u/a/song.ogg", "/home/u/b/song.ogg"};
    QTest::newRow("names that are not UTF-8") << QStringList{
        PathFromBytes(QByteArray("/m\xFCsik/caf\xE9.ogg")),
        PathFromBytes(QByteArray("/m\xFCsik/live/b%20\xE8.ogg")), QStringLiteral("/müsik/c.ogg")};
}

void TestQueueWindow::openDialogChoicesReachTheList() {
    QFETCH(QStringList, chosen);
    WindowFixture f;
    auto window = f.loadedWindow();
    // The dialog names its choices by URL, which carries a name's bytes.
    QList<QUrl> urls;
    for (const QString& path : chosen) {
        urls.append(FileUrlOfPath(path));
    }
    f.dialogs.openAnswers.enqueue(OpenDialogResult(OpenDialogPaths(urls)));
    window->PushButton1_Click();
    QCOMPARE(window->fileList().entries(), chosen);
}

void TestQueueWindow::tooManyFiles() {
    WindowFixture f;
    auto window = f.loadedWindow();
    window->fileList().AddListEntry(QStringLiteral("/already.ogg"));
    f.dialogs.calls.clear();
    f.dialogs.openAnswers.enqueue(AppError(20476, QStringLiteral("Buffer too small")));
    window->PushButton1_Click();

    QCOMPARE(window->fileList().entries(), QStringList{"/already.ogg"});
    const QList<DialogCall> boxes = f.dialogs.callsOf(QStringLiteral("message"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.front().text, QStringLiteral("You've selected too many files to add.\r\rPlease "
                                                "try adding via the \"Add All\" button."));
    QCOMPARE(boxes.front().style, 0);
    QCOMPARE(boxes.front().title, window->appTitle());
}

void TestQueueWindow::otherOpenFailureIsReported() {
    WindowFixture f;
    auto window = f.loadedWindow();
    f.dialogs.calls.clear();
    f.dialogs.openAnswers.enqueue(
        AppError(5, QStringLiteral("Invalid procedure call or argument")));
    window->PushButton1_Click();

    QVERIFY(window->fileList().entries().isEmpty());
    const QList<DialogCall> boxes = f.dialogs.callsOf(QStringLiteral("message"));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.front().title, QStringLiteral("Application Error"));
    QCOMPARE(boxes.front().style, 48);
    QVERIFY(boxes.front().text.startsWith(
        QStringLiteral("Invalid procedure call or argument\r\nin "
                       "Tessaly2021/08/31.Form1.PushButton1_Click at line 112\r\r")));
}

// A tree whose names are not UTF-8 (Latin-1 bytes), as an old archive unpacked on Linux holds.
QString TestQueueWindow::latinTree() {
    const QByteArray root = PathToBytes(m_dir.filePath(QStringLiteral("Latin"))) + "/Alb\xFCm";
    if (::access(root.constData(), F_OK) != 0) {
        for (const QByteArray& folder :
             {root.left(root.lastIndexOf('/')), root, root + "/S\xE9rie"}) {
            ::mkdir(folder.constData(), 0755);
        }
        for (const QByteArray& file : {root + "/caf\xE9.ogg",
                                       root + "/S\xE9rie/n\xBA"
                                              "1.ogg",
                                       root + "/caf\xC3\xA9.ogg"}) {
            const int fd = ::open(file.constData(), O_CREAT | O_WRONLY, 0644);
            ::close(fd);
        }
    }
    return PathFromBytes(root);
}

QString TestQueueWindow::tree() {
    const QString root = m_dir.filePath(QStringLiteral("Music"));
    if (!QFileInfo::exists(root)) {
        for (const char* name :
             {"b.ogg", "A.OGG", "notes.txt", "~temp.ogg", "Sub/c.ogg", "Sub/cover.jpg"}) {
            makeFile(root + QLatin1Char('/') + QLatin1String(name));
        }
    }
    return root;
}

void TestQueueWindow::addAllPromptAndSettings() {
    WindowFixture f;
    auto window = f.loadedWindow();
    const QString root = tree();
    f.dialogs.calls.clear();

    // Cancelling the prompt: nothing asked further, nothing saved.
    window->PushButton3_Click();
    QCOMPARE(f.dialogs.calls.size(), 1);
    DialogCall input = f.dialogs.calls.front();
    QCOMPARE(input.kind, QStringLiteral("input"));
    QCOMPARE(input.text, prompt());
    QCOMPARE(input.title, window->appTitle());
    QCOMPARE(input.preset, QStringLiteral("ogg oga opus"));
    QCOMPARE(f.setting(QStringLiteral("Extension")), QStringLiteral("<missing>"));

    // An extension confirmed and the browser cancelled: the extension is kept, no folder.
    f.dialogs.inputAnswers.enqueue(QStringLiteral("txt"));
    window->PushButton3_Click();
    QCOMPARE(f.setting(QStringLiteral("Extension")), QStringLiteral("txt"));
    QCOMPARE(f.setting(QStringLiteral("LastFolder")), QStringLiteral("<missing>"));
    const DialogCall browse = f.dialogs.calls.back();
    QCOMPARE(browse.kind, QStringLiteral("folder"));
    QCOMPARE(browse.title, QStringLiteral("Please select folder:"));
    QCOMPARE(browse.preset, QString());
    QVERIFY(window->fileList().entries().isEmpty());

    // The next press offers both again.
    f.dialogs.inputAnswers.enqueue(QStringLiteral("ogg"));
    f.dialogs.folderAnswers.enqueue(root);
    window->PushButton3_Click();
    QCOMPARE(f.dialogs.callsOf(QStringLiteral("input")).back().preset, QStringLiteral("txt"));
    QCOMPARE(f.setting(QStringLiteral("LastFolder")), root);
    QCOMPARE(window->fileList().count(), 3);
    QCOMPARE(window->pointerKind(), 0);

    window->PushButton3_Click();  // prompt cancelled
    QCOMPARE(f.dialogs.callsOf(QStringLiteral("input")).back().preset, QStringLiteral("ogg"));
    f.dialogs.inputAnswers.enqueue(QStringLiteral("ogg"));
    window->PushButton3_Click();  // browser cancelled
    QCOMPARE(f.dialogs.callsOf(QStringLiteral("folder")).back().preset, root);
    QCOMPARE(f.setting(QStringLiteral("LastFolder")), root);
    QVERIFY(f.dialogs.callsOf(QStringLiteral("message")).isEmpty());
}

void TestQueueWindow::addAllTakesTheTree_data() {
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ogg, any case") << "ogg" << QStringList{"A.OGG", "b.ogg"};
    QTest::newRow("every file") << "*"
                                << QStringList{"A.OGG",     "b.ogg",         "c.opus",    "d.Oga",
                                               "notes.txt", "Sub/cover.jpg", "Sub/e.opus"};
    QTest::newRow("jpg") << "jpg" << QStringList{"Sub/cover.jpg"};
    QTest::newRow("the first press's preset")
        << "ogg oga opus" << QStringList{"A.OGG", "b.ogg", "c.opus", "d.Oga", "Sub/e.opus"};
    QTest::newRow("commas and a dot")
        << ".opus, jpg" << QStringList{"c.opus", "Sub/cover.jpg", "Sub/e.opus"};
}

void TestQueueWindow::addAllTakesTheTree() {
    QFETCH(QString, extension);
    QFETCH(QStringList, expected);
    WindowFixture f;
    auto window = f.loadedWindow();
    const QString root = m_dir.filePath(QStringLiteral("Vorbis and Opus"));
    for (const char* name : {"b.ogg", "A.OGG", "c.opus", "d.Oga", "notes.txt", "~temp.opus",
                             "Sub/e.opus", "Sub/cover.jpg"}) {
        makeFile(root + QLatin1Char('/') + QLatin1String(name));
    }
    f.dialogs.inputAnswers.enqueue(extension);
    f.dialogs.folderAnswers.enqueue(root);
    window->PushButton3_Click();
    QStringList want;
    for (const QString& e : expected) {
        want.append(root + QLatin1Char('/') + e);
    }
    QCOMPARE(window->fileList().entries(), want);
    QCOMPARE(f.setting(QStringLiteral("Extension")), extension);
}

// "Add All" and a dropped folder alike: the hourglass shows while the tree is walked and keeps
// Delete, double-click and "Clear List" away from the list.
void TestQueueWindow::busyWhileWalking_data() {
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<int>("added");
    QTest::newRow("Add All") << false << 3;
    QTest::newRow("dropped folder") << true << 5;
}

void TestQueueWindow::busyWhileWalking() {
    QFETCH(bool, dropped);
    QFETCH(int, added);
    WindowFixture f;
    auto window = f.loadedWindow();
    window->show();
    window->fileList().AddListEntry(QStringLiteral("/keep/me.ogg"));
    selectRow(*window, 0);
    const QString root = tree();
    f.dialogs.inputAnswers.enqueue(QStringLiteral("ogg"));
    f.dialogs.folderAnswers.enqueue(root);

    // Runs while the walk lets window events through.
    int pointerDuringWalk = -1;
    QTimer::singleShot(0, window.get(), [&] {
        pointerDuringWalk = window->pointerKind();
        QTest::keyClick(listView(*window), Qt::Key_Delete);
        window->ListView1_DblClick();
        window->findChild<QPushButton*>(QStringLiteral("PushButton4"))->click();
    });
    if (dropped) {
        window->addDroppedItems({root});
    } else {
        window->PushButton3_Click();
    }

    QCOMPARE(pointerDuringWalk, 11);
    QCOMPARE(window->pointerKind(), 0);
    QCOMPARE(window->fileList().count(), 1 + added);
    QCOMPARE(window->fileList().entryText(1), QStringLiteral("/keep/me.ogg"));
}

// An "Add All" pressed while another long operation shows the hourglass (a conversion run, or
// a first "Add All" still walking) must not take the hourglass away from it: the list has to
// stay safe from Delete and "Clear List" until that operation ends.
void TestQueueWindow::walkInsideAnotherLongOperationKeepsItsHourglass() {
    WindowFixture f;
    auto window = f.loadedWindow();
    window->show();
    const QString root = tree();

    // Started while the pointer is already busy: it stays busy afterwards.
    window->setPointerKind(11);
    f.dialogs.inputAnswers.enqueue(QStringLiteral("ogg"));
    f.dialogs.folderAnswers.enqueue(root);
    window->PushButton3_Click();
    QCOMPARE(window->fileList().count(), 3);
    QCOMPARE(window->pointerKind(), 11);
    window->setPointerKind(0);
    window->fileList().clear();

    // A second "Add All" while the first one walks.
    f.dialogs.inputAnswers.enqueue(QStringLiteral("ogg"));
    f.dialogs.folderAnswers.enqueue(root);
    int pointerAfterInner = -1;
    int countAfterClear = -1;
    bool innerRan = false;
    QTimer::singleShot(0, window.get(), [&] {
        innerRan = true;
        f.dialogs.inputAnswers.enqueue(QStringLiteral("ogg"));
        f.dialogs.folderAnswers.enqueue(root);
        window->PushButton3_Click();
        pointerAfterInner = window->pointerKind();
        window->findChild<QPushButton*>(QStringLiteral("PushButton4"))->click();
        countAfterClear = window->fileList().count();
    });
    window->PushButton3_Click();

    QVERIFY(innerRan);
    QCOMPARE(pointerAfterInner, 11);
    QCOMPARE(countAfterClear, 3);
    QCOMPARE(window->fileList().count(), 6);
    QCOMPARE(window->pointerKind(), 0);

    // A folder dropped during another operation's hourglass leaves it up too.
    window->setPointerKind(11);
    window->addDroppedItems({root});
    QCOMPARE(window->fileList().count(), 11);
    QCOMPARE(window->pointerKind(), 11);
}

void TestQueueWindow::dropFiles() {
    WindowFixture f;
    auto window = f.loadedWindow();
    const QString root = tree();
    const QStringList files = {root + QStringLiteral("/b.ogg"), root + QStringLiteral("/A.OGG"),
                               root + QStringLiteral("/notes.txt"),
                               root + QStringLiteral("/~temp.ogg"),
                               QStringLiteral("/nowhere/ghost.ogg")};
    QVERIFY(dragAndDrop(*window, fileDrag(files)));
    // Files go in exactly as dropped: in order, whatever the type, "~" names too, unchecked.
    QCOMPARE(window->fileList().entries(), files);

    QVERIFY(dragAndDrop(*window, fileDrag({files.front()})));
    QCOMPARE(window->fileList().count(), files.size() + 1);
    QCOMPARE(window->fileList().entries().back(), files.front());
    QVERIFY(f.dialogs.calls.isEmpty());
}

void TestQueueWindow::dropFolders() {
    WindowFixture f;
    auto window = f.loadedWindow();
    const QString root = tree();
    const QString other = m_dir.filePath(QStringLiteral("Other"));
    makeFile(other + QStringLiteral("/z.ogg"));

    // Every file of the tree, whatever its extension, but never a "~" name; the folder's own
    // files before its subfolder's; the pointer stays as it was and no setting is touched.
    QVERIFY(dragAndDrop(*window, fileDrag({other, root})));
    const QStringList expected = {
        other + QStringLiteral("/z.ogg"),    root + QStringLiteral("/A.OGG"),
        root + QStringLiteral("/b.ogg"),     root + QStringLiteral("/notes.txt"),
        root + QStringLiteral("/Sub/c.ogg"), root + QStringLiteral("/Sub/cover.jpg")};
    QCOMPARE(window->fileList().entries(), expected);
    QCOMPARE(window->pointerKind(), 0);
    QCOMPARE(f.setting(QStringLiteral("Extension")), QStringLiteral("<missing>"));
    QCOMPARE(f.setting(QStringLiteral("LastFolder")), QStringLiteral("<missing>"));

    // A folder and a file together, the folder with a trailing separator.
    window->fileList().clear();
    QVERIFY(dragAndDrop(
        *window, fileDrag({root + QStringLiteral("/Sub/"), root + QStringLiteral("/b.ogg")})));
    QCOMPARE(window->fileList().entries(), (QStringList{root + QStringLiteral("/Sub/c.ogg"),
                                                        root + QStringLiteral("/Sub/cover.jpg"),
                                                        root + QStringLiteral("/b.ogg")}));
    QVERIFY(f.dialogs.calls.isEmpty());
}

// Files and folders of a command line, this start's or handed over by a later one: taken in
// by the drop rules once the window is free, under the hourglass, a batch that arrives while
// another is walked only after it.
void TestQueueWindow::commandLineItemsByTheDropRules() {
    WindowFixture f;
    auto window = f.loadedWindow();
    window->show();
    const QString root = tree();
    const QStringList first = {QStringLiteral("/nowhere/ghost.ogg"), root};
    const QStringList second = {root + QStringLiteral("/Sub"), root + QStringLiteral("/b.ogg")};
    int pointerDuringWalk = -1;
    bool secondQueued = false;
    window->queueStartItems(first);
    QCOMPARE(window->fileList().count(), 0);  // not inside the caller: it only hands over
    // Arrives while the first batch's folder is walked.
    QTimer::singleShot(0, window.get(), [&] {
        pointerDuringWalk = window->pointerKind();
        window->queueStartItems(second);
        secondQueued = true;
    });
    window->queueStartItems({});
    QTRY_COMPARE(window->fileList().count(), 9);
    QVERIFY(secondQueued);
    QCOMPARE(pointerDuringWalk, 11);
    QCOMPARE(window->pointerKind(), 0);
    const QStringList expected = {
        QStringLiteral("/nowhere/ghost.ogg"), root + QStringLiteral("/A.OGG"),
        root + QStringLiteral("/b.ogg"),      root + QStringLiteral("/notes.txt"),
        root + QStringLiteral("/Sub/c.ogg"),  root + QStringLiteral("/Sub/cover.jpg"),
        root + QStringLiteral("/Sub/c.ogg"),  root + QStringLiteral("/Sub/cover.jpg"),
        root + QStringLiteral("/b.ogg")};
    QCOMPARE(window->fileList().entries(), expected);
    QVERIFY(f.dialogs.calls.isEmpty());
}

void TestQueueWindow::dropRefusesOtherData_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("selected text") << "text";
    QTest::newRow("web link") << "web";
    QTest::newRow("nothing usable") << "empty";
}

void TestQueueWindow::dropRefusesOtherData() {
    QFETCH(QString, kind);
    WindowFixture f;
    auto window = f.loadedWindow();
    auto* data = new QMimeData;
    if (kind == QLatin1String("text")) {
        data->setText(tree() + QStringLiteral("/b.ogg"));
    } else if (kind == QLatin1String("web")) {
        data->setUrls({QUrl(QStringLiteral("https://example.com/song.ogg"))});
    }
    QVERIFY(!dragAndDrop(*window, data));

    // Even a drop that arrives without the drag being accepted adds nothing.
    auto* again = new QMimeData;
    again->setText(QStringLiteral("/some/file.ogg"));
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, again, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(listView(*window)->viewport(), &drop);
    QCoreApplication::processEvents();
    delete again;
    QVERIFY(window->fileList().entries().isEmpty());
}

// File URLs as drag sources write them: with or without a host, percent-encoded, in a list
// with comments. "localhost" and this machine's name are this machine; a file of another
// machine cannot be dropped.
void TestQueueWindow::dropFileUrls_data() {
    QTest::addColumn<QStringList>("lines");  // of the text/uri-list; "ROOT" is the tree
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("expected");  // "ROOT" is the tree
    const QString host = QSysInfo::machineHostName();
    QTest::newRow("no host") << QStringList{"file://ROOT/b.ogg"} << true
                             << QStringList{"ROOT/b.ogg"};
    QTest::newRow("localhost") << QStringList{"file://localhostROOT/b.ogg"} << true
                               << QStringList{"ROOT/b.ogg"};
    QTest::newRow("LOCALHOST") << QStringList{"file://LOCALHOSTROOT/b.ogg"} << true
                               << QStringList{"ROOT/b.ogg"};
    QTest::newRow("this machine's name")
        << QStringList{QStringLiteral("file://") + host + QStringLiteral("ROOT/b.ogg")} << true
        << QStringList{"ROOT/b.ogg"};
    QTest::newRow("a folder through localhost")
        << QStringList{"file://localhostROOT/Sub"} << true
        << QStringList{"ROOT/Sub/c.ogg", "ROOT/Sub/cover.jpg"};
    QTest::newRow("percent-encoded") << QStringList{"file://localhost/music/a%20b%23.ogg"} << true
                                     << QStringList{"/music/a b#.ogg"};
    QTest::newRow("another machine")
        << QStringList{"file://otherbox.example/music/b.ogg"} << false << QStringList{};
    QTest::newRow("another machine, then local files")
        << QStringList{"# dragged from a file manager", "file://otherbox.example/music/b.ogg",
                       "file://ROOT/A.OGG", "file://localhostROOT/b.ogg"}
        << true << QStringList{"ROOT/A.OGG", "ROOT/b.ogg"};
    QTest::newRow("only a comment") << QStringList{"#file:///music/b.ogg"} << false
                                    << QStringList{};  // Names are bytes: a URL carries the ones
                                                       // that are not UTF-8 percent-encoded.
    QTest::newRow("a name that is not UTF-8")
        << QStringList{"file:///music/caf%E9.ogg"} << true
        << QStringList{PathFromBytes(QByteArray("/music/caf\xE9.ogg"))};
    QTest::newRow("a folder whose names are not UTF-8")
        << QStringList{"file://localhostLATIN"} << true
        << QStringList{PathFromBytes(QByteArray("LATIN/caf\xC3\xA9.ogg")),
                       PathFromBytes(QByteArray("LATIN/caf\xE9.ogg")),
                       PathFromBytes(QByteArray("LATIN/S\xE9rie/n\xBA"
                                                "1.ogg"))};
}

void TestQueueWindow::dropFileUrls() {
    QFETCH(QStringList, lines);
    QFETCH(bool, accepted);
    QFETCH(QStringList, expected);
    WindowFixture f;
    auto window = f.loadedWindow();
    const QString root = tree();
    const QString latin = latinTree();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/uri-list"),
                  lines.join(QStringLiteral("\r\n"))
                          .replace(QStringLiteral("ROOT"), root)
                          .replace(QStringLiteral("LATIN"),
                                   QString::fromLatin1(PathToBytes(latin).toPercentEncoding("/")))
                          .toUtf8() +
                      "\r\n");
    QCOMPARE(dragAndDrop(*window, data), accepted);
    expected.replaceInStrings(QStringLiteral("ROOT"), root);
    expected.replaceInStrings(QStringLiteral("LATIN"), latin);
    QCOMPARE(window->fileList().entries(), expected);
}

void TestQueueWindow::removeAndClear_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");  // row, -1 for none
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<QStringList>("expected");
    const QStringList abc = {"/a.ogg", "/b.ogg", "/c.ogg"};
    QTest::newRow("Delete removes the selected entry")
        << abc << 1 << "delete" << false << QStringList{"/a.ogg", "/c.ogg"};
    QTest::newRow("Shift+Delete too")
        << abc << 2 << "shift+delete" << false << QStringList{"/a.ogg", "/b.ogg"};
    QTest::newRow("Ctrl+Delete too")
        << abc << 0 << "ctrl+delete" << false << QStringList{"/b.ogg", "/c.ogg"};
    QTest::newRow("another key removes nothing") << abc << 1 << "backspace" << false << abc;
    QTest::newRow("Delete without a selection") << abc << -1 << "delete" << false << abc;
    QTest::newRow("Delete on an empty list")
        << QStringList{} << -1 << "delete" << false << QStringList{};
    QTest::newRow("Delete while busy") << abc << 1 << "delete" << true << abc;
    QTest::newRow("double-click removes that copy")
        << QStringList{"/x.ogg", "/y.ogg", "/x.ogg"} << 2 << "double-click" << false
        << QStringList{"/x.ogg", "/y.ogg"};
    QTest::newRow("double-click while busy") << abc << 1 << "double-click" << true << abc;
    QTest::newRow("Clear List") << abc << 1 << "clear" << false << QStringList{};
    QTest::newRow("Clear List on an empty list")
        << QStringList{} << -1 << "clear" << false << QStringList{};
    QTest::newRow("Clear List while busy") << abc << -1 << "clear" << true << abc;
}

void TestQueueWindow::removeAndClear() {
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    QFETCH(QString, action);
    QFETCH(bool, busy);
    QFETCH(QStringList, expected);
    WindowFixture f;
    auto window = f.loadedWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->fileList().addEntries(entries);
    if (selected >= 0) {
        selectRow(*window, selected);
    }
    if (busy) {
        window->setPointerKind(11);
    }
    f.dialogs.calls.clear();

    FileListView* view = listView(*window);
    if (action == QLatin1String("delete")) {
        QTest::keyClick(view, Qt::Key_Delete);
    } else if (action == QLatin1String("shift+delete")) {
        QTest::keyClick(view, Qt::Key_Delete, Qt::ShiftModifier);
    } else if (action == QLatin1String("ctrl+delete")) {
        QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier);
    } else if (action == QLatin1String("backspace")) {
        QTest::keyClick(view, Qt::Key_Backspace);
    } else if (action == QLatin1String("double-click")) {
        const QRect row = view->visualRect(window->fileList().index(selected));
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
    } else {
        window->findChild<QPushButton*>(QStringLiteral("PushButton4"))->click();
    }

    QCOMPARE(window->fileList().entries(), expected);
    QVERIFY(f.dialogs.calls.isEmpty());
}

QTEST_MAIN(TestQueueWindow)
#include "test_queue_window.moc"
