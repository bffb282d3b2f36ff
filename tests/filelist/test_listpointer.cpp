// Reordering the file list by dragging its entries with the mouse.
#include "app/mainwindow.h"
#include "filelist/filelistmodel.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QFile>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

using namespace lorvane;
using lorvane::test::WindowFixture;

namespace {

QStringList numbered(int count) {
    QStringList out;
    for (int i = 1; i <= count; ++i) {
        out.append(QStringLiteral("/music/%1.ogg").arg(i, 2, 10, QLatin1Char('0')));
    }
    return out;
}

}  // namespace

class TestListPointer : public QObject {
    Q_OBJECT

    WindowFixture* m_fixture = nullptr;
    std::unique_ptr<MainWindow> m_window;
    QTreeView* m_list = nullptr;
    int m_screenY = 330;  // between the scroll lines: no scrolling unless a test asks

    QWidget* surface() const { return m_list->viewport(); }
    FileListModel& entries() { return m_window->fileList(); }

    void open(const QStringList& paths, bool withDragPointer = true) {
        m_fixture = new WindowFixture;
        if (withDragPointer) {
            QVERIFY(QFile::copy(QStringLiteral(LORVANE_SOURCE_DIR "/resources/drag.ico"),
                                m_fixture->programFolder + QStringLiteral("/drag.ico")));
        }
        m_window = m_fixture->loadedWindow();
        m_window->setScreenPointerSource([this] { return QPoint(600, m_screenY); });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_list = m_window->findChild<QTreeView*>(QStringLiteral("ListView1"));
        QVERIFY(m_list);
        entries().addEntries(paths);
    }

    QPoint centreOf(int position) const {
        return m_list->visualRect(m_list->model()->index(position - 1, 0)).center();
    }
    QPoint belowLastEntry() const {
        const QRect last =
            m_list->visualRect(m_list->model()->index(m_list->model()->rowCount() - 1, 0));
        const QPoint below(last.center().x(), last.bottom() + 20);
        return below;
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(surface()->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(surface(), &event);
    }
    void press(QPoint at) { send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
    void dragTo(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
    void release(QPoint at) { send(QEvent::MouseButtonRelease, at, Qt::LeftButton, {}); }
    void hover(QPoint at) { send(QEvent::MouseMove, at, Qt::NoButton, {}); }

    int selectedPosition() const {
        const QModelIndexList rows = m_list->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.first().row() + 1 : (rows.isEmpty() ? 0 : -1);
    }
    bool fullyVisible(int position) const {
        const QRect rect = m_list->visualRect(m_list->model()->index(position - 1, 0));
        return rect.isValid() && surface()->rect().contains(rect);
    }

  private slots:
    void cleanup() {
        m_window.reset();
        delete m_fixture;
        m_fixture = nullptr;
        m_screenY = 330;
    }

    void dragCarriesTheEntryAlongAndTheSelectionFollows() {
        open(numbered(7));
        press(centreOf(2));
        QCOMPARE(m_window->listPointerKind(), 99);
        QCOMPARE(surface()->cursor().shape(), Qt::BitmapCursor);  // the drag pointer
        for (int position = 3; position <= 6; ++position) {
            dragTo(centreOf(position));
            QCOMPARE(selectedPosition(), position);
        }
        release(centreOf(6));
        QCOMPARE(entries().entries(),
                 QStringList({"/music/01.ogg", "/music/03.ogg", "/music/04.ogg", "/music/05.ogg",
                              "/music/06.ogg", "/music/02.ogg", "/music/07.ogg"}));
        QCOMPARE(selectedPosition(), 6);
        QCOMPARE(m_window->listPointerKind(), 1);
        QCOMPARE(surface()->cursor().shape(), Qt::ArrowCursor);

        // Without the button the pointer's moves leave the order alone.
        hover(centreOf(1));
        QCOMPARE(entries().entryText(1), QStringLiteral("/music/01.ogg"));
        QCOMPARE(entries().entryText(6), QStringLiteral("/music/02.ogg"));
    }

    void skippedEntriesAreNotTouched() {
        open(numbered(6));
        press(centreOf(2));
        dragTo(centreOf(5));  // the report came only over the fifth entry
        release(centreOf(5));
        QCOMPARE(entries().entries(),
                 QStringList({"/music/01.ogg", "/music/05.ogg", "/music/03.ogg", "/music/04.ogg",
                              "/music/02.ogg", "/music/06.ogg"}));
        QCOMPARE(selectedPosition(), 5);
    }

    void nothingIsExchanged_data() {
        QTest::addColumn<QString>("situation");
        QTest::newRow("over the dragged entry itself") << QStringLiteral("self");
        QTest::newRow("over an entry with the same text") << QStringLiteral("same text");
        QTest::newRow("press and move below the last entry") << QStringLiteral("empty space");
        QTest::newRow("no entry clicked yet") << QStringLiteral("never clicked");
        QTest::newRow("dragged entry removed since") << QStringLiteral("removed");
        QTest::newRow("list cleared and refilled since") << QStringLiteral("cleared");
        QTest::newRow("pointer outside the list") << QStringLiteral("outside");
    }

    void nothingIsExchanged() {
        QFETCH(QString, situation);
        // Long enough for entries to lie hidden below the list's lower edge.
        QStringList paths = numbered(situation == QLatin1String("outside") ? 40 : 4);
        if (situation == QLatin1String("same text")) {
            paths[2] = paths[1];  // the same file queued twice
        }
        open(paths);
        int selectedBefore = 0;
        if (situation == QLatin1String("self")) {
            press(centreOf(2));
            dragTo(centreOf(2) + QPoint(5, 1));
            selectedBefore = 2;
        } else if (situation == QLatin1String("same text")) {
            press(centreOf(2));
            dragTo(centreOf(3));
            selectedBefore = 2;
        } else if (situation == QLatin1String("empty space")) {
            press(belowLastEntry());
            dragTo(belowLastEntry() + QPoint(0, 5));
        } else if (situation == QLatin1String("never clicked")) {
            press(belowLastEntry());
            dragTo(centreOf(4));
            dragTo(centreOf(1));
        } else if (situation == QLatin1String("removed")) {
            press(centreOf(2));
            release(centreOf(2));
            entries().removeEntry(2);
            paths.removeAt(1);
            press(belowLastEntry());
            selectedBefore = selectedPosition();  // the list moves the selection on by itself
            dragTo(centreOf(1));
            dragTo(centreOf(3));
        } else if (situation == QLatin1String("cleared")) {
            press(centreOf(3));
            release(centreOf(3));
            entries().clear();
            entries().addEntries(paths);
            press(belowLastEntry());
            selectedBefore = selectedPosition();
            dragTo(centreOf(1));
        } else if (situation == QLatin1String("outside")) {
            press(centreOf(4));
            dragTo(QPoint(centreOf(1).x(), -30));  // above the list, over the window
            dragTo(QPoint(surface()->width() + 40, centreOf(2).y()));
            dragTo(QPoint(centreOf(1).x(), surface()->height() + 8));
            selectedBefore = 4;
        }
        QCOMPARE(entries().entries(), paths);
        QCOMPARE(selectedPosition(), selectedBefore);
        release(centreOf(1));
        QCOMPARE(entries().entries(), paths);
        QCOMPARE(m_window->listPointerKind(), 1);
    }

    void pressOnEmptySpaceDragsTheEntryClickedBefore() {
        open(numbered(4));
        press(centreOf(1));
        release(centreOf(1));
        press(belowLastEntry());
        dragTo(centreOf(3));
        release(centreOf(3));
        QCOMPARE(entries().entries(),
                 QStringList({"/music/03.ogg", "/music/02.ogg", "/music/01.ogg", "/music/04.ogg"}));
        QCOMPARE(selectedPosition(), 3);
    }

    void scrollsOneEntryAtTheScreenLines_data() {
        QTest::addColumn<QString>("hovered");  // "top": the first fully shown entry, "bottom"
        QTest::addColumn<int>("screenY");
        QTest::addColumn<int>("scroll");  // -1 up one entry, +1 down one, 0 none

        QTest::newRow("304 over the top entry scrolls up") << "top" << 304 << -1;
        QTest::newRow("305 over the top entry stays") << "top" << 305 << 0;
        QTest::newRow("364 over the bottom entry stays") << "bottom" << 364 << 0;
        QTest::newRow("365 over the bottom entry scrolls down") << "bottom" << 365 << 1;
        QTest::newRow("304 over the bottom entry: it is in view") << "bottom" << 304 << 0;
        QTest::newRow("365 over the top entry: it is in view") << "top" << 365 << 0;
        QTest::newRow("304 over the first entry: none above") << "first" << 304 << 0;
        QTest::newRow("365 over the last entry: none below") << "last" << 365 << 0;
    }

    void scrollsOneEntryAtTheScreenLines() {
        QFETCH(QString, hovered);
        QFETCH(int, screenY);
        QFETCH(int, scroll);
        const int count = 40;
        open(numbered(count));
        m_screenY = screenY;

        QScrollBar* bar = m_list->verticalScrollBar();
        if (hovered == QLatin1String("last")) {
            m_list->scrollToBottom();
        } else if (hovered != QLatin1String("first")) {
            m_list->scrollTo(m_list->model()->index(15, 0), QAbstractItemView::PositionAtTop);
        }
        // The first and the last entry wholly in view.
        int top = 0;
        int bottom = 0;
        for (int position = 1; position <= count; ++position) {
            if (fullyVisible(position)) {
                top = top == 0 ? position : top;
                bottom = position;
            }
        }
        QVERIFY(top > 0 && bottom > top + 1);
        const int target =
            (hovered == QLatin1String("top") || hovered == QLatin1String("first")) ? top : bottom;
        const int from = target == top ? top + 1 : bottom - 1;
        if (hovered == QLatin1String("first")) {
            QCOMPARE(target, 1);
        }
        if (hovered == QLatin1String("last")) {
            QCOMPARE(target, count);
        }

        const int before = bar->value();
        press(centreOf(from));
        dragTo(centreOf(target));
        release(centreOf(target));
        QCOMPARE(entries().entryText(target), numbered(count)[from - 1]);
        QCOMPARE(selectedPosition(), target);
        if (scroll == 0) {
            QCOMPARE(bar->value(), before);
        } else {
            QVERIFY(bar->value() != before);
            QVERIFY(scroll < 0 ? bar->value() < before : bar->value() > before);
            QVERIFY(fullyVisible(target + scroll));
        }
    }

    void missingDragPointerKeepsTheArrowAndStillDrags() {
        open(numbered(3), false);
        press(centreOf(1));
        QCOMPARE(m_window->listPointerKind(), 99);
        QCOMPARE(surface()->cursor().shape(), Qt::ArrowCursor);
        dragTo(centreOf(2));
        release(centreOf(2));
        QCOMPARE(entries().entryText(2), QStringLiteral("/music/01.ogg"));
        QCOMPARE(selectedPosition(), 2);
    }

    void dragPointerIsReadAtEveryEntryClick() {
        open(numbered(3));
        press(centreOf(1));
        release(centreOf(1));
        QCOMPARE(surface()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(QFile::remove(m_fixture->programFolder + QStringLiteral("/drag.ico")));
        press(centreOf(2));
        QCOMPARE(surface()->cursor().shape(), Qt::ArrowCursor);
        release(centreOf(2));
        QVERIFY(QFile::copy(QStringLiteral(LORVANE_SOURCE_DIR "/resources/drag.ico"),
                            m_fixture->programFolder + QStringLiteral("/drag.ico")));
        press(centreOf(3));
        QCOMPARE(surface()->cursor().shape(), Qt::BitmapCursor);
        release(centreOf(3));
    }

    void movesOverTheListResetTheWindowPointerButNotTheBusyOne() {
        open(numbered(3));
        m_window->setPointerKind(99);
        hover(centreOf(1));
        QCOMPARE(m_window->pointerKind(), 0);
        m_window->setPointerKind(11);
        press(centreOf(1));
        dragTo(centreOf(2));
        QCOMPARE(m_window->pointerKind(), 11);
        QCOMPARE(surface()->cursor().shape(), Qt::WaitCursor);
        release(centreOf(2));
        QCOMPARE(surface()->cursor().shape(), Qt::WaitCursor);
        m_window->setPointerKind(0);
        QCOMPARE(surface()->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestListPointer)
#include "test_listpointer.moc"
