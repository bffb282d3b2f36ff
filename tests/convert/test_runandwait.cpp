// Starting one program and waiting for it: results, input and output handling, the wait's
// note and creep, and events running meanwhile.
#include "convert/convertsupport.h"
#include "convert/runandwait.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lorvane;
using namespace lorvane::test;

namespace {

struct RecordingIndicator : ProgressIndicator {
    QStringList texts;
    QList<double> values;
    std::function<void()> onText;
    void setText(const QString& text) override {
        texts.append(text);
        if (onText) {
            onText();
        }
    }
    void setValue(double value) override { values.append(value); }
};

const QString kSh = QStringLiteral("/bin/sh");

}  // namespace

class RunAndWaitTest : public QObject {
    Q_OBJECT
  private slots:
    void exitStatusIsTheResult_data();
    void exitStatusIsTheResult();
    void launchFailures();
    void crashIsNotSuccess();
    void inputIsEmptyAndOutputNeverBlocks();
    void noteAndCreepFollowTheTicks();
    void emptyBaseTextEndsAsProgressBar();
    void eventsRunWhileWaiting();
};

void RunAndWaitTest::exitStatusIsTheResult_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("expected");
    QTest::newRow("success") << "exit 0" << 0;
    QTest::newRow("failure") << "exit 3" << 3;
    QTest::newRow("high status") << "exit 255" << 255;
}

void RunAndWaitTest::exitStatusIsTheResult() {
    QFETCH(QString, script);
    QFETCH(int, expected);
    RecordingIndicator bar;
    QCOMPARE(RunAndWait(kSh, {"-c", script}, &bar, "Processing: a.ogg", 50, 2), expected);
    // The text is the base text again afterwards.
    QVERIFY(!bar.texts.isEmpty());
    QCOMPARE(bar.texts.last(), QStringLiteral("Processing: a.ogg"));
    QCOMPARE(RunAndWait(kSh, {"-c", script}, nullptr, {}, 0, 1), expected);
}

void RunAndWaitTest::launchFailures() {
    QTemporaryDir dir;
    RecordingIndicator bar;
    QCOMPARE(RunAndWait(dir.filePath("missing"), {}, &bar, "x", 0, 1), -2147221451);
    QCOMPARE(RunAndWait(QStringLiteral("sh"), {}, &bar, "x", 0, 1), -2147221451);  // not a path
    const QString plain = dir.filePath("plain");
    QVERIFY(writeFile(plain, "#!/bin/sh\n"));
    QCOMPARE(RunAndWait(plain, {}, &bar, "x", 0, 1), kLaunchFailureBase + 70);
    QCOMPARE(RunAndWait(dir.path(), {}, &bar, "x", 0, 1), kLaunchFailureBase + 70);
    // Executable, but no program the system can start.
    const QString junk = dir.filePath("junk");
    QVERIFY(writeFile(junk, QByteArray(64, '\x7f')));
    QFile::setPermissions(junk, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QCOMPARE(RunAndWait(junk, {}, &bar, "x", 0, 1), kLaunchFailureBase + 5);
    // A start that failed leaves the bar alone.
    QVERIFY(bar.texts.isEmpty());
    QVERIFY(bar.values.isEmpty());
}

void RunAndWaitTest::crashIsNotSuccess() {
    QCOMPARE(RunAndWait(kSh, {"-c", "kill -SEGV $$"}, nullptr, {}, 0, 1), kProgramCrashed);
    QCOMPARE(RunAndWait(kSh, {"-c", "kill -KILL $$"}, nullptr, {}, 0, 1), kProgramCrashed);
}

void RunAndWaitTest::inputIsEmptyAndOutputNeverBlocks() {
    // A program that reads its input ends at once instead of waiting for an answer.
    QCOMPARE(RunAndWait(kSh, {"-c", "read answer; test -z \"$answer\""}, nullptr, {}, 0, 1), 0);
    // Far more output than any pipe holds, on both channels.
    QCOMPARE(RunAndWait(kSh, {"-c", "head -c 20000000 /dev/zero; head -c 20000000 /dev/zero >&2"},
                        nullptr, {}, 0, 1),
             0);
}

void RunAndWaitTest::noteAndCreepFollowTheTicks() {
    QTemporaryDir dir;
    const QString release = dir.filePath("release");
    RecordingIndicator bar;
    // Let the program go once the note has counted past the third creep (tick 350).
    bar.onText = [&] {
        if (bar.texts.last().endsWith(QLatin1String(".. 305"))) {
            writeFile(release, {});
        }
    };
    const int result = RunAndWait(
        kSh,
        {"-c", QStringLiteral("while [ ! -e '%1' ]; do sleep 0.005; done; exit 7").arg(release)},
        &bar, "Processing: a.ogg", 25, 4, 1);
    QCOMPARE(result, 7);
    QVERIFY(bar.texts.size() >= 257);
    QCOMPARE(bar.texts[0], QStringLiteral("Processing: a.ogg, Please wait.. 0"));
    QCOMPARE(bar.texts[1], QStringLiteral("Processing: a.ogg, Please wait.. 1"));
    QCOMPARE(bar.texts[300], QStringLiteral("Processing: a.ogg, Please wait.. 300"));
    QCOMPARE(bar.texts.last(), QStringLiteral("Processing: a.ogg"));
    // Creeps at ticks 50, 200 and 350: base 25, step 2.
    QCOMPARE(bar.values.mid(0, 3), (QList<double>{25, 27, 29}));
}

void RunAndWaitTest::emptyBaseTextEndsAsProgressBar() {
    QTemporaryDir dir;
    const QString release = dir.filePath("release");
    RecordingIndicator bar;
    bar.onText = [&] { writeFile(release, {}); };
    RunAndWait(kSh,
               {"-c", QStringLiteral("while [ ! -e '%1' ]; do sleep 0.005; done").arg(release)},
               &bar, QString(), 100, 1, 1);
    QCOMPARE(bar.texts.first(), QStringLiteral("Please wait.. 0"));
    QCOMPARE(bar.values.first(), 100.0);
    QCOMPARE(bar.texts.last(), QStringLiteral("Progress Bar"));
}

void RunAndWaitTest::eventsRunWhileWaiting() {
    QTemporaryDir dir;
    const QString release = dir.filePath("release");
    bool ran = false;
    // The program only ends once an event of ours has run.
    QTimer::singleShot(0, [&] {
        ran = true;
        writeFile(release, {});
    });
    QCOMPARE(
        RunAndWait(kSh,
                   {"-c", QStringLiteral("while [ ! -e '%1' ]; do sleep 0.005; done").arg(release)},
                   nullptr, {}, 0, 1),
        0);
    QVERIFY(ran);
}

QTEST_GUILESS_MAIN(RunAndWaitTest)
#include "test_runandwait.moc"
