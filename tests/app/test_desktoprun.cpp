// What the desktop hears of a run: launcher progress, the machine kept awake, the closing
// notification and a click on it, against stand-in services on a private D-Bus session; and
// that nothing waits or fails where there is no bus or no service.
#include "app/desktoprun.h"
#include "platform/desktopbus.h"
#include "support/fakedesktop.h"

#include <QSignalSpy>
#include <QTest>

using namespace lorvane;
using namespace lorvane::test;

class TestDesktopRun : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY2(m_bus.isRunning(), "dbus-daemon did not start");
        m_services = m_bus.connect(QStringLiteral("services"));
        QVERIFY(m_services.isConnected());
        m_program = m_bus.connect(QStringLiteral("program"));
        QVERIFY(m_program.isConnected());
    }

    void aRunFromStartToEnd() {
        FakeNotifications notifications(m_services);
        FakeLogin login(m_services);
        LauncherListener launcher(m_services);
        // logind is on the system bus; here one bus stands in for both.
        DesktopRun run(m_program, m_program, QStringLiteral("Lorvane"));
        QSignalSpy raise(&run, &DesktopRun::raiseRequested);

        run.busyChanged(true);
        run.progressChanged(50);
        run.busyChanged(true);       // each group asks again: one lock is enough
        run.progressChanged(50.01);  // too small a step to show
        run.progressChanged(100);
        QTRY_COMPARE(login.calls.size(), 1);
        QCOMPARE(login.calls[0], QStringLiteral("sleep:idle | Lorvane | Converting files | block"));
        QTRY_VERIFY(login.held(0));
        run.busyChanged(false);
        run.progressChanged(0);  // the bar's reset after the run
        QTRY_VERIFY(!login.held(0));
        QTRY_COMPARE(launcher.updates, QStringList({"application://lorvane.desktop 0.5 true",
                                                    "application://lorvane.desktop 1 true",
                                                    "application://lorvane.desktop 0 false"}));

        RunOutcome outcome;
        outcome.ran = true;
        outcome.converted = 1;
        outcome.failures = {{"/m/a.ogg", "x"}, {"/m/b.ogg", "y"}};
        run.finished(outcome, false);  // the user is looking: no notification
        run.finished(outcome, true);
        QTRY_COMPARE(notifications.shown.size(), 1);
        const Notification shown = notifications.shown[0];
        QCOMPARE(shown.appName, QStringLiteral("Lorvane"));
        QCOMPARE(shown.summary, QStringLiteral("Conversion finished"));
        QCOMPARE(shown.body, QStringLiteral("1 file converted, 2 files not converted."));
        QVERIFY(shown.actions.contains(QStringLiteral("default")));
        QCOMPARE(shown.hints.value("desktop-entry").toString(), QStringLiteral("lorvane"));

        // A click on another program's notification is not ours.
        notifications.click(7);
        notifications.click(41);
        QTRY_COMPARE(raise.size(), 1);
        // A second run's notification replaces the first.
        run.finished(outcome, true);
        QTRY_COMPARE(notifications.shown.size(), 2);
        QCOMPARE(notifications.shown[1].replacesId, 41u);
    }

    void lockGrantedAfterTheRunIsLetGo() {
        FakeLogin login(m_services);
        DesktopRun run(m_program, m_program, QStringLiteral("Lorvane"));
        run.busyChanged(true);
        run.busyChanged(false);  // before logind has answered
        QTRY_COMPARE(login.calls.size(), 1);
        QTest::qWait(50);
        QVERIFY(!login.held(0));
    }

    void notificationBody_data() {
        QTest::addColumn<int>("converted");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("body");
        QTest::newRow("all") << 12 << 0 << "12 files converted.";
        QTest::newRow("one") << 1 << 0 << "1 file converted.";
        QTest::newRow("none of one") << 0 << 1 << "0 files converted, 1 file not converted.";
        QTest::newRow("some") << 3 << 2 << "3 files converted, 2 files not converted.";
    }

    void notificationBody() {
        QFETCH(int, converted);
        QFETCH(int, failed);
        QFETCH(QString, body);
        RunOutcome outcome;
        outcome.converted = converted;
        outcome.failures.resize(failed);
        QCOMPARE(DesktopRun::body(outcome), body);
    }

    // Every call goes out without waiting for its answer: the services, in this process,
    // cannot answer before the event loop runs again.
    void nothingWaitsForAService() {
        FakeNotifications notifications(m_services);
        FakeLogin login(m_services);
        DesktopRun run(m_program, m_program, QStringLiteral("Lorvane"));
        run.busyChanged(true);
        RunOutcome outcome;
        run.finished(outcome, true);
        run.busyChanged(false);
        QVERIFY(login.calls.isEmpty());
        QVERIFY(notifications.shown.isEmpty());
        QTRY_COMPARE(notifications.shown.size(), 1);
    }

    // No service on the bus, or no bus at all: nothing is shown, held or raised, and
    // nothing fails.
    void withoutServicesOrBus() {
        for (const QDBusConnection& bus : {m_program, NoBus()}) {
            DesktopRun run(bus, bus, QStringLiteral("Lorvane"));
            QSignalSpy raise(&run, &DesktopRun::raiseRequested);
            run.busyChanged(true);
            run.progressChanged(30);
            run.busyChanged(false);
            run.finished(RunOutcome{}, true);
            QTest::qWait(50);
            QCOMPARE(raise.size(), 0);
        }
        QVERIFY(!NoBus().isConnected());
    }

    // Without a session address and without a socket in the runtime folder no bus is
    // started for the program.
    void noSessionBusIsLaunched() {
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", QByteArray("/nonexistent"));
        QVERIFY(!SessionBusIfRunning().isConnected());
    }

  private:
    PrivateBus m_bus;
    QDBusConnection m_services = NoBus();
    QDBusConnection m_program = NoBus();
};

QTEST_GUILESS_MAIN(TestDesktopRun)
#include "test_desktoprun.moc"
