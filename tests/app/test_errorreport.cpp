#include "app/constants.h"
#include "app/errorreport.h"
#include "filelist/folderwalk.h"
#include "support/scripteddialogs.h"

#include <QtTest>

using namespace lorvane;
using lorvane::test::ScriptedDialogs;

class TestErrorReport : public QObject {
    Q_OBJECT
  private slots:
    void reportText();
    void descriptionWithLineBreaksIsKept();
    void goesOnWithTheNextStep();
    void failedTestTakesTheYesBranch();
    void failureBeforeFirstStepIsStepZero();
    void interceptorEndsTheOperation();
    void otherExceptionsAreReportedToo();
    void applicationTitle_data();
    void applicationTitle();
};

void TestErrorReport::reportText() {
    const QString text = ComposeErrorReport("Permission denied", location::pushButton2(), 104);
    QCOMPARE(text,
             QStringLiteral("Permission denied\r\nin Tessaly2021/08/31.Form1.PushButton2_Click "
                            "at line 104\r\r") +
                 ScreenshotRequest(supportEmail()));
    QCOMPARE(text.count(QStringLiteral("\r\n")), 1);
    QCOMPARE(text.count(QStringLiteral("\r\r")), 1);
    // The address the build was given; a build without one sends nobody to a stranger.
    QVERIFY(!supportEmail().contains("example.com"));
    QCOMPARE(ScreenshotRequest("help@lorvane.test"),
             QStringLiteral("Please email screenshot of this message to help@lorvane.test"));
    QVERIFY(!ScreenshotRequest(QString()).contains('@'));
    QVERIFY(ScreenshotRequest(QString()).startsWith("Please send a screenshot"));

    ScriptedDialogs dialogs;
    ReportFailure(dialogs, "Overflow", FolderWalk::location(), 0);
    QCOMPARE(dialogs.calls.size(), 1);
    QCOMPARE(dialogs.calls[0].style, 48);
    QCOMPARE(dialogs.calls[0].title, QStringLiteral("Application Error"));
    QVERIFY(dialogs.calls[0].text.contains(
        "\r\nin Brammock2021/08/31.AddFolder.GetSubDirectories2016 at line 0\r\r"));
}

void TestErrorReport::descriptionWithLineBreaksIsKept() {
    const QString text = ComposeErrorReport("one\r\ntwo", location::formLoad(), 150);
    QVERIFY(text.startsWith("one\r\ntwo\r\nin Tessaly2021/08/31.Form1.Form_Load at line 150\r\r"));
}

void TestErrorReport::goesOnWithTheNextStep() {
    ScriptedDialogs dialogs;
    BoxReporter reporter(dialogs);
    StepGuard guard(reporter, location::pushButton2());
    QStringList ran;
    int produced = 5;
    guard.step(100, [&] { ran << "100"; });
    guard.step(102, [&] {
        throw errors::fromErrno(EACCES);
        produced = 9;  // never reached: the value keeps what it held
    });
    guard.step(104, [&] { ran << "104"; });
    guard.step(106, [&] { throw errors::overflow(); });
    guard.step(108, [&] { ran << "108"; });
    QCOMPARE(ran, QStringList({"100", "104", "108"}));
    QCOMPARE(produced, 5);
    QCOMPARE(dialogs.calls.size(), 2);
    QVERIFY(dialogs.calls[0].text.startsWith("Permission denied\r\n"));
    QVERIFY(dialogs.calls[0].text.contains("at line 102\r\r"));
    QVERIFY(dialogs.calls[1].text.startsWith("Overflow\r\n"));
    QVERIFY(dialogs.calls[1].text.contains("at line 106\r\r"));
}

void TestErrorReport::failedTestTakesTheYesBranch() {
    ScriptedDialogs dialogs;
    BoxReporter reporter(dialogs);
    StepGuard guard(reporter, location::pushButton2());
    QVERIFY(guard.test(104, []() -> bool { throw errors::typeMismatch(); }));
    QVERIFY(!guard.test(106, [] { return false; }));
    QVERIFY(guard.test(108, [] { return true; }));
    QCOMPARE(dialogs.calls.size(), 1);
    QVERIFY(dialogs.calls[0].text.contains("at line 104"));
}

void TestErrorReport::failureBeforeFirstStepIsStepZero() {
    ScriptedDialogs dialogs;
    BoxReporter reporter(dialogs);
    StepGuard guard(reporter, location::pushButton5());
    QCOMPARE(guard.currentStep(), 0);
    guard.fail(errors::invalidCall());
    QVERIFY(dialogs.calls[0].text.contains("PushButton5_Click at line 0\r\r"));
}

void TestErrorReport::interceptorEndsTheOperation() {
    ScriptedDialogs dialogs;
    BoxReporter reporter(dialogs);
    StepGuard guard(reporter, location::pushButton1());
    guard.setInterceptor([&](const AppError& e) {
        if (e.number() != errors::kTooManyFiles) {
            return false;
        }
        dialogs.messageBox("too many", 0, "Lorvane");
        return true;
    });
    guard.step(110, [] { throw errors::overflow(); });  // ordinary report, goes on
    bool later = false;
    guard.step(112, [] { throw AppError(errors::kTooManyFiles, "buffer too small"); });
    guard.step(114, [&] { later = true; });
    QVERIFY(!guard.test(116, [] { return true; }));
    QVERIFY(!later);
    QVERIFY(guard.aborted());
    QCOMPARE(dialogs.messages().size(), 2);
    QVERIFY(dialogs.messages()[0].startsWith("Overflow"));
    QCOMPARE(dialogs.messages()[1], QStringLiteral("too many"));
}

void TestErrorReport::otherExceptionsAreReportedToo() {
    ScriptedDialogs dialogs;
    BoxReporter reporter(dialogs);
    StepGuard guard(reporter, location::pushButton4());
    guard.step(100, [] { throw std::runtime_error("boom"); });
    QVERIFY(dialogs.messages().value(0).startsWith("boom\r\n"));
}

void TestErrorReport::applicationTitle_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::newRow("one word") << "Lorvane"
                              << "Lorvane";
    QTest::newRow("three words") << "Lorvane Audio Converter"
                                 << "Lorvane Audio";
    QTest::newRow("two words") << "Lorvane Pro"
                               << "Lorvane";
    QTest::newRow("long") << "Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel India"
                          << "Alpha Bravo Charlie Delta Echo Foxtrot";
    QTest::newRow("exactly forty after one cut") << "abcdefghij abcdefghij abcdefghij abcdefg tail"
                                                 << "abcdefghij abcdefghij abcdefghij abcdefg";
}

void TestErrorReport::applicationTitle() {
    QFETCH(QString, name);
    QFETCH(QString, title);
    QCOMPARE(ApplicationTitle(name), title);
    QVERIFY(ApplicationTitle(name).size() <= 40 || !name.contains(' '));
}

QTEST_GUILESS_MAIN(TestErrorReport)
#include "test_errorreport.moc"
