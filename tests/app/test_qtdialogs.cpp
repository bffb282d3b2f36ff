// What the real dialogs hand back and show: the folder browser's path form, the open
// dialog's single result text and message line breaks, then the real dialogs themselves,
// opened and answered from a timer.
#include "app/qtdialogs.h"
#include "platform/userdirs.h"
#include "support/modalanswers.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QtTest>

#include <memory>

using namespace lorvane;

class TestQtDialogs : public QObject {
    Q_OBJECT
  private slots:
    void folderResult_data();
    void folderResult();
    void folderStart();
    void openResult_data();
    void openResult();
    void displayText_data();
    void displayText();
    void realMessageBox_data();
    void realMessageBox();
    void realInputBox_data();
    void realInputBox();
    void realOpenDialog_data();
    void realOpenDialog();
    void realFolderDialog_data();
    void realFolderDialog();
};

using lorvane::test::ModalAnswers;

namespace {

// What a file dialog gets typed into its name field before it is confirmed; empty: cancel.
void typeAndConfirm(QDialog* dialog, const QString& folder, const QString& typed) {
    auto* files = qobject_cast<QFileDialog*>(dialog);
    QVERIFY(files);
    if (typed == QLatin1String("<cancel>")) {
        files->reject();
        return;
    }
    files->setDirectory(folder);
    if (!typed.isEmpty()) {
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(typed);
    }
    static_cast<QDialog*>(files)->accept();  // as its Open or Choose button does
    if (files->isVisible()) {
        files->reject();  // the dialog refused the name; the test sees an empty result
    }
}

QTemporaryDir* filledFolder() {
    auto* dir = new QTemporaryDir;
    for (const char* name : {"a.ogg", "b b.ogg", "c.txt", "d.OPUS", "e.oga"}) {
        QFile file(dir->filePath(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
    }
    QDir(dir->path()).mkpath(QStringLiteral("Music/deeper"));
    return dir;
}

// The names the file dialog lists in its folder under the filter chosen, once it has read
// the folder.
QStringList listedNames(QFileDialog* files, const QString& filter) {
    files->selectNameFilter(filter);
    auto* view = files->findChild<QListView*>(QStringLiteral("listView"));
    QStringList names;
    if (view == nullptr) {
        return names;
    }
    QElapsedTimer waited;
    waited.start();
    do {
        QTest::qWait(20);
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row) {
            names.append(view->model()->index(row, 0, root).data().toString());
        }
    } while (names.size() < 2 && waited.elapsed() < 2000);
    names.sort();
    return names;
}

}  // namespace

void TestQtDialogs::realMessageBox_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("press");  // a button's text, or "Escape"
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("expected");
    const int none = QMessageBox::NoIcon;
    const int warning = QMessageBox::Warning;
    QTest::newRow("0: OK") << 0 << "OK" << none << QStringList{"OK"} << 1;
    QTest::newRow("0: Escape") << 0 << "Escape" << none << QStringList{"OK"} << 1;
    QTest::newRow("4: Yes") << 4 << "Yes" << none << QStringList{"No", "Yes"} << 6;
    QTest::newRow("4: No") << 4 << "No" << none << QStringList{"No", "Yes"} << 7;
    QTest::newRow("4: Escape") << 4 << "Escape" << none << QStringList{"No", "Yes"} << 7;
    QTest::newRow("48: OK") << 48 << "OK" << warning << QStringList{"OK"} << 1;
}

void TestQtDialogs::realMessageBox() {
    QFETCH(int, style);
    QFETCH(QString, press);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(int, expected);
    QtDialogs dialogs;
    ModalAnswers answers({[&](QDialog* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Application Error"));
        QCOMPARE(box->text(), QStringLiteral("Overflow\nin X at line 6\n\nPlease"));
        QCOMPARE(static_cast<int>(box->icon()), icon);
        QStringList shown;
        for (QAbstractButton* button : box->buttons()) {
            shown << button->text().remove(QLatin1Char('&'));
        }
        shown.sort();  // the order on screen follows the desktop's button layout
        QCOMPARE(shown, buttons);
        if (press == QLatin1String("Escape")) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(QLatin1Char('&')) == press) {
                button->click();
            }
        }
    }});
    const int answer = dialogs.messageBox(QStringLiteral("Overflow\r\nin X at line 6\r\rPlease"),
                                          style, QStringLiteral("Application Error"));
    QVERIFY(answers.allAnswered());
    QCOMPARE(answer, expected);
}

void TestQtDialogs::realInputBox_data() {
    QTest::addColumn<QString>("typed");  // "<cancel>" cancels, "<keep>" confirms the preset
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed and confirmed") << "mp3"
                                         << "mp3";
    QTest::newRow("preset confirmed") << "<keep>"
                                      << "ogg";
    QTest::newRow("cancelled") << "<cancel>"
                               << "";
    QTest::newRow("emptied and confirmed") << ""
                                           << "";
}

void TestQtDialogs::realInputBox() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QtDialogs dialogs;
    ModalAnswers answers({[&](QDialog* dialog) {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        QVERIFY(input);
        QCOMPARE(input->windowTitle(), QStringLiteral("Lorvane"));
        QCOMPARE(input->labelText(), QStringLiteral("Enter file extension:\n(for example ogg)"));
        QCOMPARE(input->textValue(), QStringLiteral("ogg"));
        if (typed == QLatin1String("<cancel>")) {
            input->reject();
            return;
        }
        if (typed != QLatin1String("<keep>")) {
            input->setTextValue(typed);
        }
        input->accept();
    }});
    const QString answer =
        dialogs.inputBox(QStringLiteral("Enter file extension:\r\n(for example ogg)"),
                         QStringLiteral("Lorvane"), QStringLiteral("ogg"));
    QVERIFY(answers.allAnswered());
    QCOMPARE(answer, expected);
}

void TestQtDialogs::realOpenDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");  // "~" is the folder; empty: cancelled
    QTest::newRow("one file") << "a.ogg" << QStringList{"~/a.ogg"};
    QTest::newRow("a name with a blank") << "\"b b.ogg\"" << QStringList{"~/b b.ogg"};
    QTest::newRow("several") << "\"a.ogg\" \"b b.ogg\"" << QStringList{"~", "a.ogg", "b b.ogg"};
    QTest::newRow("cancelled") << "<cancel>" << QStringList();
}

void TestQtDialogs::realOpenDialog() {
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);
    std::unique_ptr<QTemporaryDir> dir(filledFolder());
    QtDialogs dialogs;
    ModalAnswers answers({[&](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        QCOMPARE(files->windowTitle(), QStringLiteral("Add File(s)"));
        QCOMPARE(files->fileMode(), QFileDialog::ExistingFiles);
        // Vorbis and Opus endings in any letter case, and every file on request.
        const QString ogg = QStringLiteral("Ogg audio (*.ogg *.oga *.opus)");
        const QString all = QStringLiteral("All files (*)");
        QCOMPARE(files->nameFilters(), (QStringList{ogg, all}));
        QCOMPARE(files->selectedNameFilter(), ogg);
        files->setDirectory(dir->path());
        QCOMPARE(listedNames(files, ogg),
                 (QStringList{"Music", "a.ogg", "b b.ogg", "d.OPUS", "e.oga"}));
        QCOMPARE(listedNames(files, all),
                 (QStringList{"Music", "a.ogg", "b b.ogg", "c.txt", "d.OPUS", "e.oga"}));
        typeAndConfirm(dialog, dir->path(), typed);
    }});
    const QString answer = dialogs.openFiles(QStringLiteral("Add File(s)"),
                                             QStringLiteral("Ogg audio (*.ogg *.oga *.opus);;"
                                                            "All files (*)"));
    QVERIFY(answers.allAnswered());
    for (QString& part : expected) {
        part.replace(QLatin1Char('~'), dir->path());
    }
    QCOMPARE(answer, expected.join(QChar(0)));
}

void TestQtDialogs::realFolderDialog_data() {
    QTest::addColumn<QString>("initial");  // "~" is a temporary folder
    QTest::addColumn<QString>("opensAt");  // "<desktop>": the desktop or home folder
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("preselected folder confirmed") << "~/Music"
                                                  << "~/Music"
                                                  << ""
                                                  << "~/Music";
    QTest::newRow("a folder below") << "~/Music"
                                    << "~/Music"
                                    << "deeper"
                                    << "~/Music/deeper";
    QTest::newRow("the root") << "/"
                              << "/"
                              << ""
                              << "/";
    QTest::newRow("deleted meanwhile: desktop") << "~/gone"
                                                << "<desktop>"
                                                << "<cancel>"
                                                << "";
    QTest::newRow("no folder: desktop") << ""
                                        << "<desktop>"
                                        << "<cancel>"
                                        << "";
}

void TestQtDialogs::realFolderDialog() {
    QFETCH(QString, initial);
    QFETCH(QString, opensAt);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    std::unique_ptr<QTemporaryDir> dir(filledFolder());
    const auto place = [&](QString text) {
        return text == QLatin1String("<desktop>") ? DesktopFolder()
                                                  : text.replace(QLatin1Char('~'), dir->path());
    };
    QtDialogs dialogs;
    ModalAnswers answers({[&](QDialog* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        QVERIFY(files);
        QCOMPARE(files->windowTitle(), QStringLiteral("Please select folder:"));
        QCOMPARE(files->fileMode(), QFileDialog::Directory);
        QCOMPARE(files->directory().absolutePath(), place(opensAt));
        typeAndConfirm(dialog, files->directory().absolutePath(), typed);
    }});
    const QString answer =
        dialogs.browseForFolder(QStringLiteral("Please select folder:"), place(initial));
    QVERIFY(answers.allAnswered());
    QCOMPARE(answer, place(expected));
}

void TestQtDialogs::folderResult_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("expected");
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("a folder") << "/home/u/Music"
                              << "/home/u/Music";
    QTest::newRow("trailing separator dropped") << "/home/u/Music/"
                                                << "/home/u/Music";
    QTest::newRow("the root keeps its separator") << "/"
                                                  << "/";
    QTest::newRow("doubled root") << "//"
                                  << "/";
}

void TestQtDialogs::folderResult() {
    QFETCH(QString, chosen);
    QFETCH(QString, expected);
    QCOMPARE(FolderDialogResult(chosen), expected);
}

// The browser opens at the remembered folder while it exists, otherwise at the desktop.
void TestQtDialogs::folderStart() {
    QTemporaryDir dir;
    const QString desktop = dir.filePath("Desktop");
    const QString kept = dir.filePath("kept");
    QVERIFY(QDir().mkpath(kept));
    QFile file(dir.filePath("a file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(FolderDialogStart(kept, desktop), kept);
    QCOMPARE(FolderDialogStart(QString(), desktop), desktop);
    QCOMPARE(FolderDialogStart(dir.filePath("deleted meanwhile"), desktop), desktop);
    QCOMPARE(FolderDialogStart(dir.filePath("a file"), desktop), desktop);
}

void TestQtDialogs::openResult_data() {
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("expected");
    const QChar nul(0);
    QTest::newRow("cancelled") << QStringList{} << "";
    QTest::newRow("one file") << QStringList{"/m/a b.ogg"} << "/m/a b.ogg";
    QTest::newRow("several") << QStringList{"/m/a.ogg", "/m/b.ogg"}
                             << QString("/m") + nul + "a.ogg" + nul + "b.ogg";
    QTest::newRow("several in the root")
        << QStringList{"/a.ogg", "/b.ogg"} << QString("/") + nul + "a.ogg" + nul + "b.ogg";
}

void TestQtDialogs::openResult() {
    QFETCH(QStringList, paths);
    QFETCH(QString, expected);
    QCOMPARE(OpenDialogResult(paths), expected);
}

void TestQtDialogs::displayText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("report") << "Overflow\r\nin X at line 6\r\rPlease"
                            << "Overflow\nin X at line 6\n\nPlease";
    QTest::newRow("plain line feeds kept") << "Done.\n\n1 file"
                                           << "Done.\n\n1 file";
    QTest::newRow("no breaks") << "No files added."
                               << "No files added.";
}

void TestQtDialogs::displayText() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(DisplayText(text), expected);
}

QTEST_MAIN(TestQtDialogs)
#include "test_qtdialogs.moc"
