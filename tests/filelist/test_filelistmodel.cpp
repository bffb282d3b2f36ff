#include "filelist/filelistmodel.h"
#include "platform/apperror.h"
#include "platform/pathbytes.h"

#include <QSignalSpy>
#include <QtTest>

using namespace lorvane;

class TestFileListModel : public QObject {
    Q_OBJECT
  private slots:
    void entriesKeepTheirTextAndOrder();
    void listContains();
    void removeAndClear();
    void setTextKeepsCountAndNotifies();
    void positionsOutsideTheListFail();
    void namesThatAreNotTextShownReadably_data();
    void namesThatAreNotTextShownReadably();
};

void TestFileListModel::entriesKeepTheirTextAndOrder() {
    FileListModel list;
    QCOMPARE(list.count(), 0);
    for (const QString& p : {QStringLiteral("/m/b.ogg"), QStringLiteral("/m/a.ogg"), QString(),
                             QStringLiteral("/m/b.ogg"), QStringLiteral("rel//x.txt ")}) {
        list.AddListEntry(p);
    }
    list.addEntries({"/z.ogg", "/y.ogg"});
    QCOMPARE(list.entries(), QStringList({"/m/b.ogg", "/m/a.ogg", "", "/m/b.ogg", "rel//x.txt ",
                                          "/z.ogg", "/y.ogg"}));
    QCOMPARE(list.entryText(2), QStringLiteral("/m/a.ogg"));
    QCOMPARE(list.rowCount(), 7);
    QCOMPARE(list.data(list.index(4), Qt::DisplayRole).toString(), QStringLiteral("rel//x.txt "));
}

void TestFileListModel::listContains() {
    FileListModel list;
    QVERIFY(!list.ListContains("/m/a.ogg"));
    QVERIFY(!list.ListContains(QString()));
    list.AddListEntry("/m/a.ogg");
    list.AddListEntry("/m/b.ogg");
    QVERIFY(list.ListContains("/m/a.ogg"));
    QVERIFY(list.ListContains("/m/b.ogg"));
    QVERIFY(!list.ListContains("/m/A.ogg"));
    QVERIFY(!list.ListContains("/m/a.ogg "));
    QVERIFY(!list.ListContains("/m/a"));
}

void TestFileListModel::removeAndClear() {
    FileListModel list;
    list.addEntries({"1", "2", "3"});
    list.removeEntry(2);
    QCOMPARE(list.entries(), QStringList({"1", "3"}));
    QCOMPARE(list.entryText(2), QStringLiteral("3"));
    list.clear();
    QCOMPARE(list.count(), 0);
    list.clear();  // an empty list clears without complaint
    QCOMPARE(list.count(), 0);
}

void TestFileListModel::setTextKeepsCountAndNotifies() {
    FileListModel list;
    list.addEntries({"a", "b", "c"});
    QSignalSpy changed(&list, &QAbstractItemModel::dataChanged);
    list.setEntryText(3, "a");
    QCOMPARE(list.entries(), QStringList({"a", "b", "a"}));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].value<QModelIndex>().row(), 2);
}

void TestFileListModel::positionsOutsideTheListFail() {
    FileListModel list;
    list.AddListEntry("a");
    for (int position : {0, 2, -1}) {
        try {
            list.entryText(position);
            QFAIL("read outside the list");
        } catch (const AppError& e) {
            QCOMPARE(e.number(), 9);
        }
        QVERIFY_THROWS_EXCEPTION(AppError, list.removeEntry(position));
        QVERIFY_THROWS_EXCEPTION(AppError, list.setEntryText(position, "x"));
    }
    QCOMPARE(list.entries(), QStringList({"a"}));
}

// The list shows the bytes that are not UTF-8 as \xHH; the entry keeps them, so the file can
// still be reached.
void TestFileListModel::namesThatAreNotTextShownReadably_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("UTF-8") << QByteArray("/m/caf\xC3\xA9.ogg") << QStringLiteral("/m/café.ogg");
    QTest::newRow("Latin-1 name") << QByteArray("/m/caf\xE9.ogg") << "/m/caf\\xE9.ogg";
    QTest::newRow("Latin-1 folder, UTF-8 name")
        << QByteArray("/m\xFCsik/caf\xC3\xA9.ogg") << QStringLiteral("/m\\xFCsik/café.ogg");
}

void TestFileListModel::namesThatAreNotTextShownReadably() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    FileListModel list;
    list.AddListEntry(PathFromBytes(bytes));
    QCOMPARE(list.data(list.index(0), Qt::DisplayRole).toString(), shown);
    QCOMPARE(list.data(list.index(0), Qt::ToolTipRole).toString(), shown);
    QCOMPARE(PathToBytes(list.entryText(1)), bytes);
}

QTEST_GUILESS_MAIN(TestFileListModel)
#include "test_filelistmodel.moc"
