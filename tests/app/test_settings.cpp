#include "app/settingsstore.h"
#include "platform/apperror.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace lorvane;

class TestSettings : public QObject {
    Q_OBJECT
  private slots:
    void missingKeyGivesDefaultButEmptyIsAValue();
    void everyWriteIsOnDiskAtOnce();
    void storedUnderOrganizationApplicationAndGroup();
    void truthFromText_data();
    void truthFromText();
    void wholeNumberFromText_data();
    void wholeNumberFromText();
};

void TestSettings::missingKeyGivesDefaultButEmptyIsAValue() {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath("s.conf"));
    QCOMPARE(store.ReadSetting("Extension", "ogg"), QStringLiteral("ogg"));
    store.WriteSetting("Output Folder", QString());
    QCOMPARE(store.ReadSetting("Output Folder", "/desktop/"), QString());
    QVERIFY(!store.ReadSetting("Output Folder", "x").isNull() ||
            store.ReadSetting("Output Folder", "x").isEmpty());
    store.WriteSetting("Extension", "*");
    store.WriteSetting("Extension", "txt");
    QCOMPARE(store.ReadSetting("Extension", "ogg"), QStringLiteral("txt"));
    // Texts that look like other types stay text.
    for (const QString& v :
         {QStringLiteral("True"), QStringLiteral("1, 2"), QStringLiteral("@x"),
          QStringLiteral("a=b;c"), QString::fromUtf16(u"16-bit PCM \u00B5-law")}) {
        store.WriteSetting("kbps", v);
        QCOMPARE(store.ReadSetting("kbps", QString()), v);
    }
}

void TestSettings::everyWriteIsOnDiskAtOnce() {
    QTemporaryDir dir;
    const QString path = dir.filePath("s.conf");
    SettingsStore writer(path);
    writer.WriteSetting("Combo1", "3");
    // A second reader of the file (another program run) sees the value without any help
    // from the writer.
    SettingsStore reader(path);
    QCOMPARE(reader.ReadSetting("Combo1", "0"), QStringLiteral("3"));
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::ReadOnly));
    QVERIFY(raw.readAll().contains("Combo1=3"));
}

void TestSettings::storedUnderOrganizationApplicationAndGroup() {
    // The test's HOME and XDG_CONFIG_HOME point into the build tree.
    SettingsStore store;
    QVERIFY2(store.fileName().endsWith("/Merrowind/Lorvane.conf"), qPrintable(store.fileName()));
    QVERIFY(store.fileName().startsWith(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))));
    store.WriteSetting("LastFolder", "/music");
    QSettings raw(store.fileName(), QSettings::IniFormat);
    QCOMPARE(raw.value("Lorvane/LastFolder").toString(), QStringLiteral("/music"));
}

void TestSettings::truthFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");  // 1 true, 0 false, -1 fails
    QTest::newRow("True") << "True" << 1;
    QTest::newRow("False") << "False" << 0;
    QTest::newRow("lower true") << "true" << 1;
    QTest::newRow("one") << "1" << 1;
    QTest::newRow("minus one") << "-1" << 1;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("fraction") << "0.5" << 1;
    QTest::newRow("word") << "yes" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestSettings::truthFromText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    if (expected < 0) {
        try {
            TruthFromText(text);
            QFAIL("converted");
        } catch (const AppError& e) {
            QCOMPARE(e.number(), 13);
        }
        return;
    }
    QCOMPARE(TruthFromText(text), expected == 1);
}

void TestSettings::wholeNumberFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("failure");
    QTest::newRow("three") << "3" << 3 << 0;
    QTest::newRow("minus one") << "-1" << -1 << 0;
    QTest::newRow("blanks") << " 5 " << 5 << 0;
    QTest::newRow("half to even down") << "2.5" << 2 << 0;
    QTest::newRow("half to even up") << "3.5" << 4 << 0;
    QTest::newRow("not a number") << "abc" << 0 << 13;
    QTest::newRow("empty") << "" << 0 << 13;
    QTest::newRow("too big") << "40000" << 0 << 6;
}

void TestSettings::wholeNumberFromText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(int, failure);
    try {
        QCOMPARE(WholeNumberFromText(text), expected);
        QCOMPARE(failure, 0);
    } catch (const AppError& e) {
        QCOMPARE(e.number(), failure);
    }
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
