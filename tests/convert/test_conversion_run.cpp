// "Start Converting" on the window: its messages and their order, where results go, what the
// bar shows, what the user can and cannot do while it waits, and the refusal without a
// usable converter. The converter is a stand-in that forwards to the real FFmpeg and can be
// held until the test has looked at the window.
#include "app/textprogressbar.h"
#include "app/translations.h"
#include "convert/convertsupport.h"
#include "filelist/filelistmodel.h"
#include "support/fakedesktop.h"
#include "support/windowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

#include <QTimer>
#include <QTreeView>
#include <algorithm>

using namespace lorvane;
using namespace lorvane::test;

namespace {

struct Seen {
    double value = -1;
    QString caption;
    bool busy = false;
    bool converting = false;
};

}  // namespace

class ConversionRunTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void messagesBeforeAnyWork_data();
    void messagesBeforeAnyWork();
    void besideSourceNeedsNoFolder();
    void outputGoesWhereTheOptionsSay_data();
    void outputGoesWhereTheOptionsSay();
    void progressPerFile();
    void aRunSpeaksTheUsersLanguage();
    void waitNoteAndCreepOnTheBar();
    void whileWaiting();
    void entriesRemovedWhileWaitingEndTheRun();
    void reorderedListConvertsInItsNewOrder();
    void runInsideAWalkKeepsItsHourglass();
    void entriesAddedWhileWaitingAreSourcesToo();
    void unbuildableOutputPathTouchesNothing();
    void noUsableConverterTouchesNothing_data();
    void noUsableConverterTouchesNothing();
    void desktopHearsOfARunInTheBackground();
    void browseForOutputFolder_data();
    void browseForOutputFolder();

  private:
    // Clicks "Start Converting" and answers each converter start: once `release` says so for
    // start n, the stand-in goes on converting.
    void run(const std::function<bool(int)>& release);
    QString makeSource(const QString& relative);
    QStringList inputsOf(int start) const;
    // How many files the run has handed to converters, from the bar's share: what is changed
    // now reaches only the files after them (one at a time, the first; with several jobs,
    // the whole first wave).
    int announcedSoFar() {
        return qRound(bar()->preciseValue() * m_window->fileList().count() / 100.0);
    }
    // The converter starts ordered by where their first input stands in `order`: converters
    // started together count their starts in whichever order they got going.
    QList<int> startsInOrder(const QStringList& order) const {
        QList<int> starts;
        for (int n = 1; n <= m_fake->calls(); ++n) {
            starts.append(n);
        }
        std::sort(starts.begin(), starts.end(), [&](int x, int y) {
            return order.indexOf(inputsOf(x).value(0)) < order.indexOf(inputsOf(y).value(0));
        });
        return starts;
    }
    // Every input over all converter starts, in that order.
    QStringList allInputs(const QStringList& order) const {
        QStringList inputs;
        for (int n : startsInOrder(order)) {
            inputs += inputsOf(n);
        }
        return inputs;
    }
    template <typename T>
    T* control(const char* name) {
        return m_window->findChild<T*>(QLatin1String(name));
    }
    TextProgressBar* bar() { return control<TextProgressBar>("ProgressBar1"); }

    std::unique_ptr<WindowFixture> m_fx;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<FakeTool> m_fake;
    std::unique_ptr<EnvChange> m_toolVariable;
    QString m_sample;  // a short OGG made once
};

void ConversionRunTest::init() {
    m_fx = std::make_unique<WindowFixture>();
    m_window = m_fx->loadedWindow();
    m_fake = std::make_unique<FakeTool>(m_fx->dir.filePath("tool"));
    m_toolVariable = std::make_unique<EnvChange>("LORVANE_FFMPEG", m_fake->path().toUtf8());
    m_sample = m_fx->dir.filePath("sample.ogg");
    QVERIFY(makeOgg(m_sample, 8000, 1, 0.2));
}

void ConversionRunTest::cleanup() {
    m_toolVariable.reset();
    m_window.reset();
    m_fake.reset();
    m_fx.reset();
}

QString ConversionRunTest::makeSource(const QString& relative) {
    const QString path = m_fx->dir.filePath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile::copy(m_sample, path);
    return path;
}

void ConversionRunTest::run(const std::function<bool(int)>& release) {
    m_fake->hold();
    int current = 1;
    QTimer poll;
    poll.setInterval(2);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (m_fake->started(current) && release(current)) {
            m_fake->release(current);
            ++current;
        }
    });
    poll.start();
    m_window->PushButton2_Click();
    poll.stop();
}

void ConversionRunTest::messagesBeforeAnyWork_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("format");  // the drop-down's index; -1 chooses none
    QTest::addColumn<QString>("message");
    const QString noFolder = QStringLiteral("Folder does not exist. Please select another folder.");
    const QString noFormat =
        QStringLiteral("No output format is chosen. Please select an output format.");
    QTest::newRow("empty list, list tested first")
        << 0 << "/no/such/folder/" << -1 << "No files added.";
    QTest::newRow("missing folder") << 1 << "/no/such/folder/" << 1 << noFolder;
    QTest::newRow("folder text names a file") << 1 << "<file>" << 1 << noFolder;
    QTest::newRow("empty folder text") << 1 << "" << 1 << noFolder;
    QTest::newRow("no format, folder tested first") << 1 << "" << -1 << noFolder;
    // A stored format that no longer exists leaves the drop-down without a choice: every file
    // would fail as unreadable, and its older result would already be gone.
    QTest::newRow("no format chosen") << 2 << "<out>" << -1 << noFormat;
}

void ConversionRunTest::messagesBeforeAnyWork() {
    QFETCH(int, entries);
    QFETCH(QString, folder);
    QFETCH(int, format);
    QFETCH(QString, message);
    for (int i = 0; i < entries; ++i) {
        m_window->fileList().AddListEntry(makeSource(QStringLiteral("in/%1.ogg").arg(i)));
    }
    const QString out = m_fx->dir.filePath("out");
    QDir().mkpath(out);
    QVERIFY(writeFile(out + "/0.wav", "an older result"));
    control<QComboBox>("Combo1")->setCurrentIndex(format);
    control<QLineEdit>("Text1")->setText(folder == "<file>"  ? m_sample
                                         : folder == "<out>" ? out + "/"
                                                             : folder);
    m_window->PushButton2_Click();
    const auto calls = m_fx->dialogs.callsOf("message");
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].text, message);
    QCOMPARE(calls[0].style, 0);
    QCOMPARE(calls[0].title, m_window->appTitle());
    QCOMPARE(m_fake->calls(), 0);
    QCOMPARE(readFile(out + "/0.wav"), QByteArray("an older result"));
    QCOMPARE(m_window->pointerKind(), 0);
    QVERIFY(!m_window->isConverting());
    QCOMPARE(bar()->caption(), QStringLiteral("Progress Bar"));
}

void ConversionRunTest::besideSourceNeedsNoFolder() {
    const QString source = makeSource("in/song.ogg");
    m_window->fileList().AddListEntry(source);
    control<QRadioButton>("Option2")->setChecked(true);
    control<QLineEdit>("Text1")->setText(QString());
    m_window->PushButton2_Click();
    QCOMPARE(m_fx->dialogs.messages(), QStringList{"Done."});
    QVERIFY(QFileInfo(m_fx->dir.filePath("in/song.wav")).size() > 44);
    QCOMPARE(readFile(source), readFile(m_sample));
}

void ConversionRunTest::outputGoesWhereTheOptionsSay_data() {
    QTest::addColumn<int>("option");  // 1, 2, or 0 for neither
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("inTheWay");  // a file of the user's holds the result's name
    QTest::newRow("to folder, with separator") << 1 << "out/"
                                               << "out/song.wav" << false;
    // It goes to the trash, and the closing message says where.
    QTest::newRow("to folder, a file of the user's in the way") << 1 << "out/"
                                                                << "out/song.wav" << true;
    QTest::newRow("beside source, a file of the user's in the way") << 2 << "out/"
                                                                    << "in/song.wav" << true;
    QTest::newRow("to folder, without") << 1 << "out"
                                        << "out/song.wav" << false;
    // One pass of the collapse: three separators become two, which POSIX reads as one.
    QTest::newRow("to folder, doubled") << 1 << "out//"
                                        << "out//song.wav" << false;
    QTest::newRow("beside source") << 2 << "out/"
                                   << "in/song.wav" << false;
    QTest::newRow("neither: the folder itself") << 0 << "out/"
                                                << "out/" << false;
}

void ConversionRunTest::outputGoesWhereTheOptionsSay() {
    QFETCH(int, option);
    QFETCH(QString, folder);
    QFETCH(QString, output);
    QFETCH(bool, inTheWay);
    const QString root = m_fx->dir.path() + "/";
    QDir().mkpath(root + "out");
    const QString source = makeSource("in/song.ogg");
    if (inTheWay) {
        QVERIFY(writeFile(root + output, "the user's own song.wav"));
    }
    m_window->fileList().AddListEntry(source);
    control<QLineEdit>("Text1")->setText(root + folder);
    if (option == 2) {
        control<QRadioButton>("Option2")->setChecked(true);
    } else if (option == 0) {
        for (const char* name : {"Option1", "Option2"}) {
            auto* button = control<QRadioButton>(name);
            button->setAutoExclusive(false);
            button->setChecked(false);
        }
    }
    m_window->PushButton2_Click();
    if (option == 0) {
        // A folder is no result path: the file is reported, the folder stays.
        QCOMPARE(m_fake->calls(), 0);
        QCOMPARE(m_fx->dialogs.messages(),
                 QStringList{notConverted({{source, reasons::notWritten("Is a directory")}})});
        QVERIFY(QFileInfo(root + "out").isDir());
    } else {
        QCOMPARE(m_fake->calls(), 1);
        // The converter reads and writes descriptors the run opened: the source itself and
        // the result's temporary file beside the output.
        const QStringList args = m_fake->arguments(1);
        QVERIFY2(args.at(args.indexOf("-i") + 1).startsWith("file:/dev/fd/"),
                 qPrintable(args.join(' ')));
        QVERIFY(args.back().startsWith("file:/dev/fd/"));
        QVERIFY(QFileInfo(root + output).size() > 44);
        if (!inTheWay) {
            QCOMPARE(m_fx->dialogs.messages(), QStringList{"Done."});
            return;
        }
        const QStringList messages = m_fx->dialogs.messages();
        QCOMPARE(messages.size(), 1);
        const QString told = "Done.\n\n" + TrashedHeading().left(1).toUpper() +
                             TrashedHeading().mid(1) + ":\n" + root + output + ", now ";
        QVERIFY2(messages[0].startsWith(told), qPrintable(messages[0]));
        QCOMPARE(readFile(messages[0].mid(told.size())), QByteArray("the user's own song.wav"));
    }
}

// The sources a converter start was given, in its order.
QStringList ConversionRunTest::inputsOf(int start) const {
    const QStringList args = m_fake->resolvedArguments(start);
    QStringList inputs;
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == "-i") {
            inputs.append(args[i + 1].mid(QStringLiteral("file:").size()));
        }
    }
    return inputs;
}

// Each file moves the bar to its share and names itself as it starts, however many files a
// converter takes at once; every converter start leaves the bar at the last file it was given
// and names the first, which the converter is on from its start.
void ConversionRunTest::progressPerFile() {
    QStringList sources;
    for (int i = 1; i <= 4; ++i) {
        sources.append(makeSource(QStringLiteral("in/%1.ogg").arg(i)));
    }
    m_window->fileList().addEntries(sources);
    control<QRadioButton>("Option2")->setChecked(true);
    QList<QPair<double, QString>> shown;
    connect(bar(), &TextProgressBar::captionChanged, this, [&](const QString& caption) {
        const QPair<double, QString> now{bar()->preciseValue(), caption};
        if (!caption.contains("Please wait") && (shown.isEmpty() || shown.back() != now)) {
            shown.append(now);
        }
    });
    QList<Seen> seen;
    run([&](int) {
        seen.append({bar()->preciseValue(), bar()->caption(), m_window->isBusy(),
                     m_window->isConverting()});
        return true;
    });
    QList<QPair<double, QString>> expected;
    for (int i = 1; i <= 4; ++i) {
        expected.append({25.0 * i, QStringLiteral("Processing: %1.ogg").arg(i)});
    }
    expected.append({0.0, QStringLiteral("Progress Bar")});
    // What each share showed first: a group's start names its first file again later.
    QList<QPair<double, QString>> firsts;
    for (const auto& now : shown) {
        if (std::none_of(firsts.begin(), firsts.end(),
                         [&](const auto& first) { return first.first == now.first; })) {
            firsts.append(now);
        }
    }
    QCOMPARE(firsts, expected);

    QCOMPARE(seen.size(), m_fake->calls());
    QStringList converted;
    const QList<int> order = startsInOrder(sources);
    for (int n : order) {
        converted += inputsOf(n);
        // Converters started together leave the bar at the last file of the last of them.
        const int last = sources.indexOf(converted.back()) + 1;
        QVERIFY(seen[n - 1].value >= 25.0 * last);
        // It names the first file of this converter or of one started together with it.
        QStringList firstFiles;
        for (qsizetype k = order.indexOf(n); k < order.size(); ++k) {
            firstFiles.append("Processing: " + QFileInfo(inputsOf(order[k]).front()).fileName());
        }
        QVERIFY2(firstFiles.contains(seen[n - 1].caption), qPrintable(seen[n - 1].caption));
        QVERIFY(seen[n - 1].busy);
        QVERIFY(seen[n - 1].converting);
    }
    QCOMPARE(converted, sources);
    QCOMPARE(bar()->preciseValue(), 0.0);
    QCOMPARE(bar()->caption(), QStringLiteral("Progress Bar"));
    QCOMPARE(m_window->pointerKind(), 0);
    QVERIFY(!m_window->isConverting());
    QCOMPARE(m_fx->dialogs.messages(), QStringList{"Done."});
}

// While the first converter runs, the bar counts and creeps from the share of the file it
// names: for 4 files by 2 at ticks 50, 200, 350.
// In the accented pseudo-language every word a run shows is bracketed and accented: none of
// the bar's captions nor of the closing message, with a failure's reason, skipped translation.
void ConversionRunTest::aRunSpeaksTheUsersLanguage() {
    UseLanguage(QStringLiteral("en_XA"));
    const auto english = qScopeGuard([] { UseLanguage(QStringLiteral("en")); });
    m_window = m_fx->loadedWindow();
    const QStringList sources = {makeSource("in/1.ogg"), makeSource("in/2.ogg")};
    const QString bad = m_fx->dir.filePath("in/not audio.ogg");
    QVERIFY(writeFile(bad, "not audio"));
    m_window->fileList().addEntries(sources + QStringList{bad});
    control<QRadioButton>("Option2")->setChecked(true);
    QStringList shown;
    connect(bar(), &TextProgressBar::captionChanged, this,
            [&](const QString& caption) { shown.append(caption); });
    run([](int) { return true; });
    QCOMPARE(m_fx->dialogs.messages().size(), 1);
    shown += m_fx->dialogs.messages();
    QVERIFY(shown.size() > 3);
    for (const QString& text : std::as_const(shown)) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            QVERIFY2(line.isEmpty() || line.startsWith(QLatin1Char('/')) ||
                         line.contains(QLatin1Char('~')),
                     qPrintable(line));
        }
    }
}

void ConversionRunTest::waitNoteAndCreepOnTheBar() {
    for (int i = 1; i <= 4; ++i) {
        m_window->fileList().AddListEntry(makeSource(QStringLiteral("in/%1.ogg").arg(i)));
    }
    control<QRadioButton>("Option2")->setChecked(true);
    m_window->setWaitTick(1);
    double base = -1;
    QString named;
    QList<double> values;  // the value at each caption the wait shows, each value once
    QString plainCaption;  // the last caption without a note, and the value it came with
    double plainValue = -1;
    connect(bar(), &TextProgressBar::captionChanged, this, [&](const QString& caption) {
        const double value = bar()->preciseValue();
        if (!caption.contains(", Please wait.. ")) {
            plainCaption = caption;
            plainValue = value;
            return;
        }
        if (named.isEmpty()) {
            // The first note names the file the bar named when the converter started.
            named = plainCaption;
            base = plainValue;
        }
        if (caption.startsWith(named + ", Please wait.. ") &&
            (values.isEmpty() || values.back() != value)) {
            values.append(value);
        }
    });
    QString noteSeen;
    run([&](int n) {
        if (n > 1) {
            return true;
        }
        const QString caption = bar()->caption();
        // Past the third creep (tick 350) the first converter may go.
        const qsizetype at = caption.lastIndexOf(QLatin1String(".. "));
        if (at < 0 || caption.mid(at + 3).toInt() < 301) {
            return false;
        }
        noteSeen = caption;
        return true;
    });
    QVERIFY2(named.startsWith("Processing: "), qPrintable(named));
    QVERIFY2(noteSeen.startsWith(named + ", Please wait.. "), qPrintable(noteSeen));
    QVERIFY(values.size() >= 3);
    QCOMPARE(values.mid(0, 3), (QList<double>{base, base + 2, base + 4}));
    QCOMPARE(bar()->preciseValue(), 0.0);
    QCOMPARE(bar()->caption(), QStringLiteral("Progress Bar"));
}

void ConversionRunTest::whileWaiting() {
    const QString a = makeSource("in/a.ogg");
    const QString b = makeSource("in/b.ogg");
    m_window->fileList().addEntries({a, b});
    control<QRadioButton>("Option2")->setChecked(true);
    bool quietSecondStart = false;
    bool busy = false;
    int countAfterClear = -1;
    int announcedBefore = 0;
    run([&](int n) {
        if (n == 1) {
            announcedBefore = announcedSoFar();
            // A second start is ignored, silently.
            m_window->PushButton2_Click();
            quietSecondStart = m_fx->dialogs.calls.isEmpty() && m_window->isConverting();
            // Clear List (and Delete) look at the busy pointer and leave the list alone.
            busy = m_window->isBusy();
            m_window->PushButton4_Click();
            auto* list = control<QTreeView>("ListView1");
            list->setCurrentIndex(list->model()->index(0, 0));
            QTest::keyClick(list, Qt::Key_Delete);
            m_window->ListView1_DblClick();
            countAfterClear = m_window->fileList().count();
            // A format chosen now applies to the files started from now on.
            control<QComboBox>("Combo1")->setCurrentIndex(5);
            // Entries added now lie beyond this run.
            m_window->fileList().AddListEntry(makeSource("in/late.ogg"));
        }
        return true;
    });
    QVERIFY(quietSecondStart);
    QVERIFY(busy);
    QCOMPARE(countAfterClear, 2);
    const auto codecOf = [](const QStringList& args) {
        return args.at(args.indexOf("-acodec") + 1);
    };
    QStringList converted;
    for (int n : startsInOrder({a, b})) {
        converted += inputsOf(n);
        QCOMPARE(codecOf(m_fake->arguments(n)), converted.size() <= announcedBefore
                                                    ? QStringLiteral("pcm_u8")
                                                    : QStringLiteral("pcm_f64le"));
    }
    QCOMPARE(converted, (QStringList{a, b}));
    QCOMPARE(m_fx->dialogs.messages(), QStringList{"Done."});
    QVERIFY(!QFileInfo::exists(m_fx->dir.filePath("in/late.wav")));
}

void ConversionRunTest::entriesRemovedWhileWaitingEndTheRun() {
    for (int i = 1; i <= 3; ++i) {
        m_window->fileList().AddListEntry(makeSource(QStringLiteral("in/%1.ogg").arg(i)));
    }
    control<QRadioButton>("Option2")->setChecked(true);
    int announcedBefore = 0;
    run([&](int n) {
        if (n == 1) {
            announcedBefore = announcedSoFar();
            // Possible when something else has set the pointer back meanwhile.
            m_window->fileList().removeEntry(3);
            m_window->fileList().removeEntry(2);
        }
        return true;
    });
    QCOMPARE(allInputs({}).size(), announcedBefore);
    QCOMPARE(m_fx->dialogs.messages(), QStringList{"Done."});
}

// Dragging the first entry down to the last place with the mouse; the run then works through
// the list as it now stands.
void ConversionRunTest::reorderedListConvertsInItsNewOrder() {
    const QStringList sources = {makeSource("in/a.ogg"), makeSource("in/b.ogg"),
                                 makeSource("in/c.ogg")};
    m_window->fileList().addEntries(sources);
    control<QRadioButton>("Option2")->setChecked(true);
    m_window->setScreenPointerSource([] { return QPoint(0, 330); });  // between the scroll lines
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    auto* list = control<QTreeView>("ListView1");
    QWidget* surface = list->viewport();
    const auto rowCentre = [&](int row) {
        return list->visualRect(list->model()->index(row, 0)).center();
    };
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(surface->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(surface, &event);
    };
    send(QEvent::MouseButtonPress, rowCentre(0), Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, rowCentre(1), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseMove, rowCentre(2), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, rowCentre(2), Qt::LeftButton, {});
    QCOMPARE(m_window->fileList().entries(), QStringList({sources[1], sources[2], sources[0]}));

    run([](int) { return true; });
    const QStringList reordered = {sources[1], sources[2], sources[0]};
    QCOMPARE(allInputs(reordered), reordered);
    QCOMPARE(m_fx->dialogs.messages(), QStringList{"Done."});
}

// Files queued while the run waits are sources like the others: a later result must not
// replace one, and one moved into the run's range must not be replaced by its own result.
void ConversionRunTest::entriesAddedWhileWaitingAreSourcesToo() {
    const QStringList sources = {makeSource("in/a.ogg"), makeSource("in/b.ogg"),
                                 makeSource("in/c.ogg")};
    const QString bWav = m_fx->dir.filePath("in/b.wav");
    const QString lateWav = m_fx->dir.filePath("in/late.wav");
    QVERIFY(writeFile(bWav, "RIFF queued while the run waited"));
    QVERIFY(writeFile(lateWav, "RIFF queued and moved up"));
    m_window->fileList().addEntries(sources);
    control<QRadioButton>("Option2")->setChecked(true);
    int announcedBefore = 0;
    run([&](int n) {
        if (n == 1) {
            announcedBefore = announcedSoFar();
            FileListModel& list = m_window->fileList();
            list.addEntries({bWav, lateWav});
            // Dragged up: the texts of the third and fifth entries exchange places.
            list.setEntryText(3, lateWav);
            list.setEntryText(5, sources[2]);
        }
        return true;
    });
    QCOMPARE(readFile(bWav), QByteArray("RIFF queued while the run waited"));
    QCOMPARE(readFile(lateWav), QByteArray("RIFF queued and moved up"));
    QCOMPARE(allInputs(sources), sources.mid(0, announcedBefore));
    // One file at a time reads the third entry after the exchange, so late.wav is refused
    // too; with several at once it was read (as c.ogg) before.
    const QString bRefused = notConverted({{sources[1], reasons::replacesSource()}});
    const QString bothRefused = notConverted(
        {{sources[1], reasons::replacesSource()}, {lateWav, reasons::replacesSource()}});
    const QString message = m_fx->dialogs.messages().value(0);
    QVERIFY2(
        m_fx->dialogs.messages().size() == 1 && (message == bothRefused || message == bRefused),
        qPrintable(message));
}

// A name too long for the output path rules fails at step 142 and is reported; the output
// path then still holds the folder field's text, which may name any file of the user's. Each
// failure has its own report, and the run goes on to its end.
void ConversionRunTest::unbuildableOutputPathTouchesNothing() {
    const QString keep = m_fx->dir.filePath("keep.txt");
    QVERIFY(writeFile(keep, "the user's own file"));
    const QString tooLong1 = m_fx->dir.filePath("in/") + QString(40000, 'x') + ".ogg";
    const QString tooLong2 = m_fx->dir.filePath("in/") + QString(40000, 'y') + ".ogg";
    const QString good = makeSource("in/good.ogg");
    m_window->fileList().addEntries({tooLong1, good, tooLong2});
    control<QRadioButton>("Option2")->setChecked(true);
    control<QLineEdit>("Text1")->setText(keep);
    m_window->PushButton2_Click();

    QCOMPARE(readFile(keep), QByteArray("the user's own file"));
    QCOMPARE(m_fake->calls(), 1);
    QVERIFY(QFileInfo(m_fx->dir.filePath("in/good.wav")).size() > 44);
    const auto calls = m_fx->dialogs.callsOf("message");
    QCOMPARE(calls.size(), 3);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(calls[i].title, QStringLiteral("Application Error"));
        QCOMPARE(calls[i].style, 48);
        QVERIFY2(calls[i].text.startsWith(
                     "Overflow\r\nin Tessaly2021/08/31.Form1.PushButton2_Click at line 142\r\r"),
                 qPrintable(calls[i].text.left(100)));
    }
    QCOMPARE(calls[2].text, notConverted({{tooLong1, reasons::noOutputPath()},
                                          {tooLong2, reasons::noOutputPath()}}));
    QVERIFY(!m_window->isConverting());
    QCOMPARE(m_window->pointerKind(), 0);
    QCOMPARE(bar()->caption(), QStringLiteral("Progress Bar"));
}

// A run started while a folder walk is under way (the walk shows the hourglass) must not
// hand Delete and Clear List back to the user when it ends before the walk does.
void ConversionRunTest::runInsideAWalkKeepsItsHourglass() {
    m_window->fileList().AddListEntry(makeSource("in/a.ogg"));
    control<QRadioButton>("Option2")->setChecked(true);
    m_window->setPointerKind(kPointerBusy);
    run([](int) { return true; });
    QCOMPARE(m_fx->dialogs.messages(), QStringList{"Done."});
    QCOMPARE(m_window->pointerKind(), int(kPointerBusy));
    m_window->PushButton4_Click();
    QCOMPARE(m_window->fileList().count(), 1);
}

void ConversionRunTest::noUsableConverterTouchesNothing_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("says");
    QTest::newRow("no FFmpeg anywhere") << "none"
                                        << "FFmpeg, which does the conversion, was not found.";
    QTest::newRow("named converter missing") << "missing"
                                             << "was not found";
    QTest::newRow("named converter lacks an encoder") << "incomplete"
                                                      << "pcm_s24le";
    // ffprobe and ffplay answer every listing as FFmpeg does, but convert nothing.
    QTest::newRow("ffprobe named") << "ffprobe"
                                   << "is ffprobe, not FFmpeg itself";
}

void ConversionRunTest::noUsableConverterTouchesNothing() {
    QFETCH(QString, situation);
    QFETCH(QString, says);
    const QString source = makeSource("in/a.ogg");
    const QString old = m_fx->dir.filePath("in/a.wav");
    QVERIFY(writeFile(old, "an older result"));
    m_window->fileList().AddListEntry(source);
    control<QRadioButton>("Option2")->setChecked(true);

    std::unique_ptr<EnvChange> variable;
    std::unique_ptr<EnvChange> path;
    if (situation == "none") {
        variable = std::make_unique<EnvChange>("LORVANE_FFMPEG", std::nullopt);
        path = std::make_unique<EnvChange>("PATH", m_fx->dir.filePath("in").toUtf8());
    } else if (situation == "missing") {
        variable =
            std::make_unique<EnvChange>("LORVANE_FFMPEG", m_fx->dir.filePath("nothing").toUtf8());
    } else if (situation == "ffprobe") {
        variable = std::make_unique<EnvChange>("LORVANE_FFMPEG", "ffprobe");
    } else {
        m_fake->setListing("encoders", "--\n A pcm_u8 x\n A pcm_s16le x\n A pcm_mulaw x\n");
    }
    m_window->PushButton2_Click();

    const QStringList messages = m_fx->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].contains(says), qPrintable(messages[0]));
    QVERIFY(messages[0].contains("sudo apt install ffmpeg"));
    QVERIFY(!messages[0].startsWith("Done."));
    QCOMPARE(m_fx->dialogs.callsOf("message")[0].title, m_window->appTitle());
    QCOMPARE(readFile(old), QByteArray("an older result"));
    QCOMPARE(m_fake->calls(), 0);
    QCOMPARE(m_window->pointerKind(), 0);
    QCOMPARE(bar()->caption(), QStringLiteral("Progress Bar"));
    QCOMPARE(bar()->preciseValue(), 0.0);
    QVERIFY(!m_window->isConverting());
}

// While the user works in another window: the launcher entry shows the run's progress, the
// machine stays awake until the files are done, and the end is a notification that brings
// the window back when clicked. The closing box still comes.
void ConversionRunTest::desktopHearsOfARunInTheBackground() {
    PrivateBus bus;
    QVERIFY2(bus.isRunning(), "dbus-daemon did not start");
    QDBusConnection services = bus.connect("services");
    FakeNotifications notifications(services);
    FakeLogin login(services);
    LauncherListener launcher(services);
    WindowServices withBus = m_fx->services();
    withBus.sessionBus = bus.connect("window");
    withBus.systemBus = withBus.sessionBus;
    MainWindow window(withBus);
    window.Form_Load();
    window.findChild<QRadioButton*>("Option2")->setChecked(true);
    window.fileList().addEntries(
        {makeSource("in/a.ogg"), makeSource("in/b.ogg"), m_fx->dir.filePath("in/missing.ogg")});
    bool heldWhileConverting = false;
    m_fake->hold();
    QTimer poll;
    poll.setInterval(2);
    connect(&poll, &QTimer::timeout, this, [&] {
        // Converters wait until the lock and the launcher's progress have been seen.
        if (m_fake->started(1) && !m_fake->finished(1)) {
            heldWhileConverting = heldWhileConverting || login.held(0);
        }
        for (int n = 1; heldWhileConverting && !launcher.updates.isEmpty() && n <= 3; ++n) {
            if (m_fake->started(n)) {
                m_fake->release(n);
            }
        }
    });
    poll.start();
    window.PushButton2_Click();
    poll.stop();
    QVERIFY(heldWhileConverting);
    QTRY_VERIFY(!login.held(0));
    QTRY_VERIFY(launcher.updates.last().endsWith(" false"));
    QVERIFY(launcher.updates.first().startsWith("application://lorvane.desktop "));
    QTRY_COMPARE(notifications.shown.size(), 1);
    QCOMPARE(notifications.shown[0].body, "2 files converted, 1 file not converted.");
    QVERIFY(m_fx->dialogs.messages().value(0).startsWith("Done."));
    QVERIFY(!window.isVisible());
    notifications.click(41);
    QTRY_VERIFY(window.isVisible());
}

void ConversionRunTest::browseForOutputFolder_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("field");
    QTest::newRow("a folder") << "/home/u/Music"
                              << "/home/u/Music/";
    QTest::newRow("the root") << "/"
                              << "/";
    QTest::newRow("cancelled") << ""
                               << "<unchanged>";
}

void ConversionRunTest::browseForOutputFolder() {
    QFETCH(QString, chosen);
    QFETCH(QString, field);
    auto* text1 = control<QLineEdit>("Text1");
    text1->setText("/before/");
    m_fx->settings->WriteSetting("LastFolderDot", "/last/pick");
    m_fx->dialogs.folderAnswers.enqueue(chosen);
    m_window->PushButton7_Click();

    const auto calls = m_fx->dialogs.callsOf("folder");
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].title, QStringLiteral("Please select folder:"));
    QCOMPARE(calls[0].preset, QStringLiteral("/last/pick"));
    if (chosen.isEmpty()) {
        QCOMPARE(text1->text(), QStringLiteral("/before/"));
        QCOMPARE(m_fx->setting("LastFolderDot"), QStringLiteral("/last/pick"));
        QCOMPARE(m_fx->setting("Output Folder"), QStringLiteral("/before/"));
    } else {
        QCOMPARE(text1->text(), field);
        QCOMPARE(m_fx->setting("LastFolderDot"), chosen);
        QCOMPARE(m_fx->setting("Output Folder"), field);
    }
    QVERIFY(m_fx->dialogs.callsOf("message").isEmpty());
}

QTEST_MAIN(ConversionRunTest)
#include "test_conversion_run.moc"
