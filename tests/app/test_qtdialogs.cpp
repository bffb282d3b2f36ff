// What the real dialogs hand back and show, without opening one: the folder browser's path
// form, the open dialog's single result text, and message line breaks.
#include "app/qtdialogs.h"

#include <QtTest>

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
};

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
