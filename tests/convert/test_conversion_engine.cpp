// The conversion engine on its own, as both front ends drive it: a scripted choice callback, a
// front end that records every event, the stand-in converter over the real FFmpeg. Every case
// runs with one job (one file after the other) and with two (several converters at once,
// short files grouped), since the parallel engine is what users run.
#include "convert/conversionrun.h"
#include "convert/convertsupport.h"
#include "convert/parallelrun.h"
#include "convert/wavheader.h"
#include "filelist/filelistmodel.h"
#include "support/recordingreporter.h"

#include <QTest>
#include <QTimer>

#include <algorithm>

using namespace lorvane;
using namespace lorvane::test;

namespace {

// Every event, as a line: "busy 1", "started 2/3 b.ogg", "refused ...", "finished ...".
// Progress is kept apart: only its captions.
struct Recorder : ConversionEvents {
    QStringList events;
    QStringList captions;
    std::function<void(int)> onStart;  // runs as file n (1-based) starts
    void busyChanged(bool busy) override {
        if (events.isEmpty() || events.back() != QStringLiteral("busy %1").arg(busy)) {
            events << QStringLiteral("busy %1").arg(busy);
        }
    }
    void fileStarted(int position, int total, const QString& source) override {
        events << QStringLiteral("started %1/%2 %3")
                      .arg(position)
                      .arg(total)
                      .arg(QFileInfo(source).fileName());
        if (onStart) {
            onStart(position);
        }
    }
    void progressChanged(double, const QString& caption) override {
        if (captions.isEmpty() || captions.back() != caption) {
            captions << caption;
        }
    }
    void refused(const QString& message) override { events << "refused " + message; }
    void finished(const RunOutcome& outcome, const ClosingReport&) override {
        QStringList failed;
        for (const FileFailure& f : outcome.failures) {
            failed << QFileInfo(f.source).fileName() + ": " + f.reason;
        }
        events << QStringLiteral("finished %1 converted").arg(outcome.converted) +
                      (failed.isEmpty() ? QString() : "; " + failed.join("; "));
    }
};

}  // namespace

class ConversionEngineTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void init();
    void refusalsTouchNothing_data();
    void refusalsTouchNothing();
    void everyFileIsAnnouncedOnceInListOrder_data();
    void everyFileIsAnnouncedOnceInListOrder();
    void failuresAreReportedInListOrder_data();
    void failuresAreReportedInListOrder();
    void aFailedGroupIsConvertedFileByFile_data();
    void aFailedGroupIsConvertedFileByFile();
    void aGroupHoldsAtMostItsAudio();
    void groupsShareTheListOut_data();
    void groupsShareTheListOut();
    void choicesAreReadWhenFilesStart_data();
    void choicesAreReadWhenFilesStart();
    void aStopFinishesWhatRuns_data();
    void aStopFinishesWhatRuns();
    void aStopWhileAGroupFormsStartsNoMore();

  private:
    void addJobRows();
    QString source(const QString& name, double seconds = 0.2);
    RunOutcome run(int jobs);

    QTemporaryDir m_dir;
    QString m_short;
    std::unique_ptr<FakeTool> m_fake;
    std::unique_ptr<EnvChange> m_tool;
    FileListModel m_list;
    ConversionChoices m_choices;
    Recorder m_events;
    RecordingReporter m_reporter;
};

void ConversionEngineTest::initTestCase() {
    m_short = m_dir.filePath("short.ogg");
    QVERIFY(makeOgg(m_short, 8000, 1, 0.2));
}

void ConversionEngineTest::init() {
    static int round = 0;
    const QString folder = m_dir.filePath(QStringLiteral("round%1").arg(++round));
    QDir().mkpath(folder + "/out");
    m_fake = std::make_unique<FakeTool>(folder + "/tool");
    m_tool.reset();  // the old value back first, so the new one is not undone
    m_tool = std::make_unique<EnvChange>("LORVANE_FFMPEG", m_fake->path().toUtf8());
    m_list.clear();
    m_choices = ConversionChoices();
    m_choices.formatLabel = QStringLiteral("16-bit PCM");
    m_choices.folderText = folder + "/out/";
    m_choices.saveToFolder = true;
    m_events = Recorder();
    m_reporter.reports.clear();
}

void ConversionEngineTest::addJobRows() {
    QTest::newRow("one job") << 1;
    QTest::newRow("two jobs") << 2;
}

QString ConversionEngineTest::source(const QString& name, double seconds) {
    const QString path = m_fake->file("../" + name);
    if (seconds == 0.2) {
        QFile::copy(m_short, path);
    } else {
        makeOgg(path, 8000, 1, seconds);
    }
    return QDir::cleanPath(path);
}

RunOutcome ConversionEngineTest::run(int jobs) {
    ConversionRun engine(m_list, [this] { return m_choices; }, m_events, m_reporter,
                         {jobs, kWaitTickMs});
    return engine.run();
}

void ConversionEngineTest::refusalsTouchNothing_data() {
    QTest::addColumn<int>("jobs");
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("refusal");
    for (int jobs : {1, 2}) {
        QTest::addRow("no files, %d", jobs) << jobs << "empty"
                                            << "No files added.";
        QTest::addRow("no folder, %d", jobs)
            << jobs << "folder"
            << "Folder does not exist. Please select another folder.";
        QTest::addRow("no converter, %d", jobs) << jobs << "tool"
                                                << "was not found";
    }
}

void ConversionEngineTest::refusalsTouchNothing() {
    QFETCH(int, jobs);
    QFETCH(QString, situation);
    QFETCH(QString, refusal);
    if (situation != "empty") {
        m_list.AddListEntry(source("a.ogg"));
    }
    if (situation == "folder") {
        m_choices.folderText = m_dir.filePath("nowhere/");
    }
    std::optional<EnvChange> tool;
    if (situation == "tool") {
        tool.emplace("LORVANE_FFMPEG", m_dir.filePath("no-such-ffmpeg").toUtf8());
    }
    const RunOutcome outcome = run(jobs);
    QVERIFY(!outcome.ran);
    QCOMPARE(m_fake->calls(), 0);
    const QStringList refused = m_events.events.filter("refused ");
    QCOMPARE(refused.size(), 1);
    QVERIFY2(refused[0].contains(refusal), qPrintable(refused[0]));
    QVERIFY(m_events.events.filter("started ").isEmpty());
    QVERIFY(m_events.events.filter("finished").isEmpty());
    QVERIFY(!m_events.events.contains("busy 1") || m_events.events.back() == refused[0]);
    QVERIFY(m_reporter.reports.isEmpty());
}

void ConversionEngineTest::everyFileIsAnnouncedOnceInListOrder_data() {
    QTest::addColumn<int>("jobs");
    addJobRows();
}

// However files are grouped, each is announced once, in list order, with its place of the
// whole, and the caption names it; the run then comes to rest.
void ConversionEngineTest::everyFileIsAnnouncedOnceInListOrder() {
    QFETCH(int, jobs);
    QStringList expected;
    for (int i = 1; i <= 12; ++i) {
        m_list.AddListEntry(source(QStringLiteral("%1.ogg").arg(i)));
        expected << QStringLiteral("started %1/12 %1.ogg").arg(i);
    }
    const RunOutcome outcome = run(jobs);
    QCOMPARE(outcome.converted, 12);
    QCOMPARE(m_events.events.filter("started "), expected);
    QCOMPARE(m_events.events.front(), QStringLiteral("busy 1"));
    QCOMPARE(m_events.events.mid(m_events.events.size() - 2),
             (QStringList{"busy 0", "finished 12 converted"}));
    for (int i = 1; i <= 12; ++i) {
        QVERIFY(m_events.captions.contains(QStringLiteral("Processing: %1.ogg").arg(i)));
    }
    QCOMPARE(m_events.captions.back(), QStringLiteral("Progress Bar"));
    // Two jobs share the list: one converter each.
    QCOMPARE(m_fake->calls(), jobs == 1 ? 12 : 2);
}

void ConversionEngineTest::failuresAreReportedInListOrder_data() {
    QTest::addColumn<int>("jobs");
    addJobRows();
}

// Files that cannot be converted are reported in list order, however the converters
// finished, each with its reason; the others are converted.
void ConversionEngineTest::failuresAreReportedInListOrder() {
    QFETCH(int, jobs);
    const QString corrupt = m_fake->file("../corrupt.ogg");
    QVERIFY(writeFile(corrupt, QByteArray(4000, 'x')));
    const QString folder = m_fake->file("../folder.ogg");
    QDir().mkpath(folder);
    m_list.addEntries({source("a.ogg"), corrupt, source("b.ogg"), m_fake->file("../gone.ogg"),
                       source("c.ogg"), folder, source("long.ogg", 3.0)});
    const RunOutcome outcome = run(jobs);
    QCOMPARE(outcome.converted, 4);
    QCOMPARE(m_events.events.back(), "finished 4 converted; corrupt.ogg: " + reasons::notAudio() +
                                         "; gone.ogg: " + reasons::notFound() +
                                         "; folder.ogg: " + reasons::notAFile());
    QCOMPARE(QDir(m_choices.folderText).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"a.wav", "b.wav", "c.wav", "long.wav"}));
}

void ConversionEngineTest::aFailedGroupIsConvertedFileByFile_data() {
    QTest::addColumn<bool>("converterFails");
    QTest::addColumn<int>("calls");
    QTest::newRow("the converter fails") << true << 2 + 6;
    QTest::newRow("one result fails its check") << false << 2 + 2;
}

// A group's converter run that fails, or gives one result that fails its check, does not fail
// its files: each such file is converted again on its own.
void ConversionEngineTest::aFailedGroupIsConvertedFileByFile() {
    QFETCH(bool, converterFails);
    QFETCH(int, calls);
    converterFails ? m_fake->failGroups() : m_fake->damageGroups();
    const QStringList names = {"a", "b", "c", "d", "e", "f"};
    for (const QString& name : names) {
        m_list.AddListEntry(source(name + ".ogg"));
    }
    const RunOutcome outcome = run(2);  // two groups of three, started together
    QCOMPARE(outcome.converted, 6);
    QVERIFY(outcome.failures.isEmpty());
    QCOMPARE(m_fake->calls(), calls);
    QStringList again;
    for (int n = 1; n <= calls; ++n) {
        const QStringList args = m_fake->arguments(n);
        QCOMPARE(args.count("-i"), n <= 2 ? 3 : 1);
        QCOMPARE(args.count("-thread_queue_size"), n <= 2 ? 3 : 0);
        if (n > 2) {
            const QString input = m_fake->resolvedArguments(n).filter(".ogg").value(0);
            again.append(QFileInfo(input).completeBaseName());
        }
    }
    again.sort();
    // The damaged result is each group's last.
    QCOMPARE(again, converterFails ? names : QStringList({"c", "f"}));
    // The files are announced once: the second tries do not move the bar back.
    QCOMPARE(m_events.events.filter("started ").size(), 6);
    QCOMPARE(QDir(m_choices.folderText).entryList(QDir::Files | QDir::Hidden).size(), 6);
    for (const QString& name : names) {
        const WavLook look = LookAtWav(m_choices.folderText + name + ".wav");
        QVERIFY(look.wellFormed() && look.frames > 0);
    }
}

// Two files of more than half a group's audio each never share a converter.
void ConversionEngineTest::aGroupHoldsAtMostItsAudio() {
    const double seconds = kGroupSeconds / 2.0 + 1;
    m_list.addEntries({source("x.ogg", seconds), source("y.ogg", seconds), source("z.ogg")});
    const RunOutcome outcome = run(2);
    QCOMPARE(outcome.converted, 3);
    QCOMPARE(m_fake->calls(), 2);
    // The two converters start at once, in either order.
    QList<int> inputs = {int(m_fake->arguments(1).count("-i")),
                         int(m_fake->arguments(2).count("-i"))};
    std::sort(inputs.begin(), inputs.end());
    QCOMPARE(inputs, (QList<int>{1, 2}));
}

void ConversionEngineTest::groupsShareTheListOut_data() {
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("jobs");
    QTest::addColumn<int>("filesInFlight");
    QTest::addColumn<int>("target");
    QTest::newRow("one group per job") << 100 << 2 << 1000 << 50;
    QTest::newRow("odd share rounds up") << 101 << 2 << 1000 << 51;
    QTest::newRow("more jobs than files") << 3 << 8 << 1000 << 1;
    QTest::newRow("many files: capped") << 10000 << 2 << 100000 << kGroupFiles;
    QTest::newRow("few descriptors") << 10000 << 16 << 320 << 20;
    QTest::newRow("hardly any descriptors") << 100 << 2 << 1 << 1;
    QTest::newRow("empty list") << 0 << 2 << 1000 << 1;
}

// Every job gets a share of the list, but a long list never forms a few huge groups, nor
// more open files than the process may have.
void ConversionEngineTest::groupsShareTheListOut() {
    QFETCH(int, files);
    QFETCH(int, jobs);
    QFETCH(int, filesInFlight);
    QFETCH(int, target);
    QCOMPARE(GroupTarget(files, jobs, filesInFlight), target);
}

void ConversionEngineTest::choicesAreReadWhenFilesStart_data() {
    QTest::addColumn<int>("jobs");
    addJobRows();
}

// A format or place chosen while the run waits applies to the files started from then on.
void ConversionEngineTest::choicesAreReadWhenFilesStart() {
    QFETCH(int, jobs);
    const double seconds = kGroupSeconds / 2.0 + 1;  // one file per converter
    m_list.addEntries(
        {source("a.ogg", seconds), source("b.ogg", seconds), source("c.ogg", seconds)});
    const QString out = m_choices.folderText;
    const QString beside = QDir::cleanPath(m_fake->file("..")) + "/";
    m_fake->hold();
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (m_fake->started(jobs) && m_choices.saveToFolder) {
            // Every job is busy: what is chosen now reaches only the files still to start.
            m_choices.formatLabel = QStringLiteral("64-bit PCM");
            m_choices.saveToFolder = false;
            m_choices.saveBesideSource = true;
        }
        for (int n = 1; n <= 3; ++n) {
            if (m_fake->started(n) && !m_choices.saveToFolder) {
                m_fake->release(n);
            }
        }
    });
    poll.start(5);
    const RunOutcome outcome = run(jobs);
    QCOMPARE(outcome.converted, 3);
    QCOMPARE(m_fake->calls(), 3);
    for (int n = 1; n <= 3; ++n) {
        const QString input = m_fake->resolvedArguments(n).filter("file:" + beside).value(0);
        const QString name = QFileInfo(input).completeBaseName() + ".wav";
        const bool later = n > jobs;
        QCOMPARE(LookAtWav((later ? beside : out) + name).bitsPerSample, later ? 64 : 16);
        QVERIFY(!QFileInfo::exists((later ? out : beside) + name));
    }
}

void ConversionEngineTest::aStopFinishesWhatRuns_data() {
    QTest::addColumn<int>("jobs");
    addJobRows();
}

// Asked to stop while the first converter runs, the run starts nothing more, puts what ran
// in place and says how many files it did not start: neither those done nor those failed.
void ConversionEngineTest::aStopFinishesWhatRuns() {
    QFETCH(int, jobs);
    const double seconds = kGroupSeconds / 2.0 + 1;
    m_list.addEntries({m_fake->file("../gone.ogg"), source("a.ogg", seconds),
                       source("b.ogg", seconds), source("c.ogg", seconds),
                       source("d.ogg", seconds)});
    m_fake->hold();
    ConversionRun engine(m_list, [this] { return m_choices; }, m_events, m_reporter,
                         {jobs, kWaitTickMs});
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (m_fake->started(jobs)) {
            engine.requestStop();
            for (int n = 1; n <= jobs; ++n) {
                m_fake->release(n);
            }
        }
    });
    poll.start(5);
    const RunOutcome outcome = engine.run();
    QVERIFY(outcome.stopped);
    QCOMPARE(outcome.converted, jobs);
    QCOMPARE(outcome.failures.size(), 1);
    QCOMPARE(outcome.notStarted, 4 - jobs);
    QCOMPARE(m_fake->calls(), jobs);
    QCOMPARE(QDir(m_choices.folderText).entryList(QDir::Files | QDir::Hidden).size(), jobs);
}

// A group of many is made up while events run: a stop asked for then keeps the files not yet
// taken from starting, as it does between converters.
void ConversionEngineTest::aStopWhileAGroupFormsStartsNoMore() {
    for (const char* name : {"a.ogg", "b.ogg", "c.ogg", "d.ogg", "e.ogg", "f.ogg"}) {
        m_list.AddListEntry(source(name));
    }
    ConversionRun engine(m_list, [this] { return m_choices; }, m_events, m_reporter,
                         {2, kWaitTickMs});
    m_events.onStart = [&](int position) {
        if (position == 2) {
            engine.requestStop();
        }
    };
    const RunOutcome outcome = engine.run();
    QVERIFY(outcome.stopped);
    QCOMPARE(outcome.converted, 2);
    QCOMPARE(outcome.notStarted, 4);
    QCOMPARE(m_fake->calls(), 1);
    QCOMPARE(m_fake->arguments(1).count("-i"), 2);
}

QTEST_GUILESS_MAIN(ConversionEngineTest)
#include "test_conversion_engine.moc"
