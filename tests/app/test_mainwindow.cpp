#include "app/constants.h"
#include "app/errorreport.h"
#include "app/mainwindow.h"
#include "app/qtdialogs.h"
#include "app/textprogressbar.h"
#include "convert/formattable.h"
#include "filelist/filelistmodel.h"
#include "support/modalanswers.h"
#include "support/windowfixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFocusFrame>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QThread>
#include <QToolTip>
#include <QTreeView>
#include <QtTest>

using namespace lorvane;
using lorvane::test::WindowFixture;

class TestMainWindow : public QObject {
    Q_OBJECT
  private slots:
    void controls_data();
    void controls();
    void windowFrame();
    void firstStartStoresExactlyTheDefaults();
    void restartRestoresChoices();
    void storedEmptyOutputFolderStaysEmpty();
    void bothOptionsOffLeavesNoneSelected();
    void badStoredValuesAreReported_data();
    void badStoredValuesAreReported();
    void missingDesktopIsReportedAtStep150();
    void siteOpensOnlyOnSeven();
    void optionClicksWriteBothKeys();
    void folderFieldWritesEveryKeystroke();
    void formatSelectionWritesIndexAndLabel();
    void closingEndsTheProgram();
    void startShowsCentredWithHiddenFocus_data();
    void startShowsCentredWithHiddenFocus();
    void tabFollowsTheVisualOrder_data();
    void tabFollowsTheVisualOrder();
    void startUpBoxIsCentredOverTheWindow();
    void programDefaultFolder_data();
    void programDefaultFolder();
    void startsOnWaylandAndX11_data();
    void startsOnWaylandAndX11();
    void accessibleDescriptionsAndValues();
    void enterPressesTheFocusedButton_data();
    void enterPressesTheFocusedButton();
    void focusRingAroundTheFocusedControl();
    void longPathsElideInTheMiddle();
};

static QRect twips(int l, int t, int w, int h) {
    auto px = [](int v) { return qRound(v / 15.0); };
    return QRect(px(l), px(t), px(w), px(h));
}

void TestMainWindow::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("accessibleName");  // what a screen reader announces
    QTest::newRow("Command1") << "Command1"
                              << "Form1"
                              << "Command1" << twips(-720, 2640, 615, 495) << "";
    QTest::newRow("ListView1") << "ListView1"
                               << "Form1"
                               << "" << twips(120, 120, 7800, 2535) << "Files to convert";
    QTest::newRow("ProgressBar1") << "ProgressBar1"
                                  << "Form1"
                                  << "Progress Bar" << twips(120, 7060, 7800, 405)
                                  << "Progress Bar";
    QTest::newRow("PushButton1") << "PushButton1"
                                 << "Form1"
                                 << "Add OGG File(s)" << twips(120, 2750, 3840, 405)
                                 << "Add OGG File(s)";
    QTest::newRow("PushButton3") << "PushButton3"
                                 << "Form1"
                                 << "Add All OGG File(s) In Folder" << twips(4080, 2750, 3840, 405)
                                 << "Add All OGG File(s) In Folder";
    QTest::newRow("PushButton2") << "PushButton2"
                                 << "Form1"
                                 << "Start Converting" << twips(120, 6540, 7800, 405)
                                 << "Start Converting";
    QTest::newRow("PushButton4") << "PushButton4"
                                 << "Form1"
                                 << "Clear List" << twips(120, 3260, 3840, 405) << "Clear List";
    QTest::newRow("PushButton5") << "PushButton5"
                                 << "Form1"
                                 << "Load Sample/Example Files" << twips(4080, 3260, 3840, 405)
                                 << "Load Sample/Example Files";
    QTest::newRow("Frame2") << "Frame2"
                            << "Form1"
                            << "Output WAV Format" << twips(120, 3720, 7800, 825)
                            << "Output WAV Format";
    QTest::newRow("Combo1") << "Combo1"
                            << "Frame2"
                            << "" << twips(240, 300, 7335, 345) << "8-bit PCM";
    QTest::newRow("Frame3") << "Frame3"
                            << "Form1"
                            << "Save Option" << twips(120, 4600, 7800, 1815) << "Save Option";
    QTest::newRow("Frame4") << "Frame4"
                            << "Frame3"
                            << "" << twips(480, 510, 6840, 810) << "Save Option";
    QTest::newRow("Text1") << "Text1"
                           << "Frame4"
                           << "" << twips(240, 300, 5670, 345) << "Output folder";
    QTest::newRow("PushButton7") << "PushButton7"
                                 << "Frame4"
                                 << "..." << twips(6000, 300, 600, 345) << "Choose output folder";
    QTest::newRow("Option1") << "Option1"
                             << "Frame3"
                             << "Save results to this folder:" << twips(240, 300, 3615, 255)
                             << "Save results to this folder:";
    QTest::newRow("Option2") << "Option2"
                             << "Frame3"
                             << "Save results in folder of original file"
                             << twips(240, 1410, 3615, 255)
                             << "Save results in folder of original file";
}

static QString captionOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        return b->text();
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        return g->title();
    }
    if (auto* p = qobject_cast<TextProgressBar*>(w)) {
        return p->caption();
    }
    return QString();
}

void TestMainWindow::controls() {
    QFETCH(QString, name);
    QFETCH(QString, parentName);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, accessibleName);
    WindowFixture fx;
    auto window = fx.loadedWindow();
    auto* w = window->findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), parentName);
    QCOMPARE(captionOf(w), caption);
    QCOMPARE(w->geometry(), geometry);

    // Every visible control is in the accessible tree under its container, named; the focus
    // holder is left out of it.
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(w);
    QVERIFY(shown);
    QCOMPARE(shown->text(QAccessible::Name), accessibleName);
    QAccessibleInterface* container = QAccessible::queryAccessibleInterface(w->parentWidget());
    const bool holder = name == QLatin1String("Command1");
    QCOMPARE(container->indexOfChild(shown) >= 0, !holder);
    for (int i = 0; i < container->childCount(); ++i) {
        QVERIFY(container->child(i)->object() != window->findChild<QWidget*>("Command1"));
    }
    if (holder) {
        QVERIFY(shown->state().invisible);
        QVERIFY(!shown->state().focusable);
    }
}

void TestMainWindow::windowFrame() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    QCOMPARE(window->objectName(), QStringLiteral("Form1"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Lorvane"));
    QCOMPARE(window->appTitle(), QStringLiteral("Lorvane"));
    // A display name of its own would be appended by the desktop to every window's title
    // ("Application Error — Lorvane"); the boxes must show their titles exactly.
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QCOMPARE(window->size(), QSize(536, 505));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));

    auto* list = window->findChild<QTreeView*>("ListView1");
    QCOMPARE(list->model()->columnCount(), 1);
    QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(),
             QStringLiteral("OGG File(s)"));
    QCOMPARE(list->columnWidth(0), 467);
    QCOMPARE(list->toolTip(),
             QStringLiteral("Drag and drop files here. Double-click item to remove it. Move | line "
                            "to right and out of window to reveal full names."));
    auto* combo = window->findChild<QComboBox*>("Combo1");
    QVERIFY(!combo->isEditable());
    QStringList labels;
    for (int i = 0; i < combo->count(); ++i) {
        labels << combo->itemText(i);
    }
    QCOMPARE(labels,
             QStringList({"8-bit PCM", "16-bit PCM", QString::fromUtf16(u"16-bit PCM \u00B5-law"),
                          "24-bit PCM", "32-bit PCM", "64-bit PCM"}));
    // Each entry, and the closed drop-down for its choice, says what the file holds, to the
    // pointer and to a screen reader.
    for (int i = 0; i < combo->count(); ++i) {
        const QString holds = OutputFormats()[static_cast<size_t>(i)].description;
        QCOMPARE(combo->itemData(i, Qt::ToolTipRole).toString(), holds);
        QCOMPARE(combo->itemData(i, Qt::AccessibleDescriptionRole).toString(), holds);
        combo->setCurrentIndex(i);
        QCOMPARE(combo->toolTip(), holds);
        QCOMPARE(combo->accessibleDescription(), holds);
    }
    auto* bar = window->findChild<TextProgressBar*>("ProgressBar1");
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->text(), QStringLiteral("Progress Bar"));
}

void TestMainWindow::firstStartStoresExactlyTheDefaults() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    QVERIFY2(fx.dialogs.calls.isEmpty(), qPrintable(fx.dialogs.messages().join("|")));
    QCOMPARE(window->findChild<QComboBox*>("Combo1")->currentText(), QStringLiteral("8-bit PCM"));
    QCOMPARE(window->findChild<QLineEdit*>("Text1")->text(), fx.desktop + "/");
    QVERIFY(window->findChild<QRadioButton*>("Option1")->isChecked());
    QVERIFY(!window->findChild<QRadioButton*>("Option2")->isChecked());
    QVERIFY(window->findChild<QGroupBox*>("Frame4")->isEnabled());

    QSettings raw(fx.settingsPath, QSettings::IniFormat);
    raw.beginGroup("Lorvane");
    QStringList keys = raw.childKeys();
    keys.removeAll("Snapshot");  // the sample snapshot belongs to the sample files
    keys.sort();
    QCOMPARE(keys, QStringList({"Combo1", "Output Folder", "kbps"}));
    QCOMPARE(raw.value("Combo1").toString(), QStringLiteral("0"));
    QCOMPARE(raw.value("kbps").toString(), QStringLiteral("8-bit PCM"));
    QCOMPARE(raw.value("Output Folder").toString(), fx.desktop + "/");
}

void TestMainWindow::restartRestoresChoices() {
    WindowFixture fx;
    fx.settings->WriteSetting("Combo1", "3");
    fx.settings->WriteSetting("Option1", "False");
    fx.settings->WriteSetting("Option2", "True");
    fx.settings->WriteSetting("Output Folder", "/srv/out/");
    auto window = fx.loadedWindow();
    QVERIFY(fx.dialogs.calls.isEmpty());
    QCOMPARE(window->findChild<QComboBox*>("Combo1")->currentText(), QStringLiteral("24-bit PCM"));
    QCOMPARE(fx.setting("kbps"), QStringLiteral("24-bit PCM"));
    QCOMPARE(window->findChild<QLineEdit*>("Text1")->text(), QStringLiteral("/srv/out/"));
    // Restoring is not choosing: the batch mode tells the user's choices from these records.
    QCOMPARE(fx.setting("FormatChosen"), QStringLiteral("<missing>"));
    QCOMPARE(fx.setting("FolderChosen"), QStringLiteral("<missing>"));
    QVERIFY(!window->findChild<QRadioButton*>("Option1")->isChecked());
    QVERIFY(window->findChild<QRadioButton*>("Option2")->isChecked());
    QVERIFY(!window->findChild<QGroupBox*>("Frame4")->isEnabled());
    QVERIFY(!window->findChild<QLineEdit*>("Text1")->isEnabled());
    QCOMPARE(fx.setting("Option1"), QStringLiteral("False"));
    QCOMPARE(fx.setting("Option2"), QStringLiteral("True"));

    // Numbers stand for truth values too.
    WindowFixture fx2;
    fx2.settings->WriteSetting("Option1", "0");
    fx2.settings->WriteSetting("Option2", "-1");
    auto window2 = fx2.loadedWindow();
    QVERIFY(window2->findChild<QRadioButton*>("Option2")->isChecked());
    QVERIFY(!window2->findChild<QGroupBox*>("Frame4")->isEnabled());
}

void TestMainWindow::storedEmptyOutputFolderStaysEmpty() {
    WindowFixture fx;
    fx.settings->WriteSetting("Output Folder", QString());
    auto window = fx.loadedWindow();
    QCOMPARE(window->findChild<QLineEdit*>("Text1")->text(), QString());
    QCOMPARE(fx.setting("Output Folder"), QString());
}

void TestMainWindow::bothOptionsOffLeavesNoneSelected() {
    WindowFixture fx;
    fx.settings->WriteSetting("Option1", "False");
    fx.settings->WriteSetting("Option2", "False");
    auto window = fx.loadedWindow();
    auto* o1 = window->findChild<QRadioButton*>("Option1");
    auto* o2 = window->findChild<QRadioButton*>("Option2");
    QVERIFY(!o1->isChecked() && !o2->isChecked());
    QVERIFY(!window->findChild<QGroupBox*>("Frame4")->isEnabled());
    // The group still works as a group afterwards.
    o2->click();
    QVERIFY(o2->isChecked() && !o1->isChecked());
    o1->click();
    QVERIFY(o1->isChecked() && !o2->isChecked());
}

void TestMainWindow::badStoredValuesAreReported_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("comboIndex");
    QTest::newRow("combo not a number") << "Combo1"
                                        << "abc" << 148 << "Type mismatch" << -1;
    QTest::newRow("combo too large") << "Combo1"
                                     << "6" << 148 << "Invalid property value" << -1;
    QTest::newRow("combo overflow") << "Combo1"
                                    << "99999" << 148 << "Overflow" << -1;
    QTest::newRow("option1 word") << "Option1"
                                  << "maybe" << 152 << "Type mismatch" << 0;
    QTest::newRow("option2 word") << "Option2"
                                  << "" << 154 << "Type mismatch" << 0;
}

void TestMainWindow::badStoredValuesAreReported() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, step);
    QFETCH(QString, description);
    QFETCH(int, comboIndex);
    WindowFixture fx;
    fx.settings->WriteSetting(key, value);
    auto window = fx.loadedWindow();
    QCOMPARE(fx.dialogs.messages().size(), 1);
    QCOMPARE(fx.dialogs.calls[0].title, QStringLiteral("Application Error"));
    QCOMPARE(fx.dialogs.calls[0].style, 48);
    QCOMPARE(fx.dialogs.messages()[0],
             description + "\r\nin Tessaly2021/08/31.Form1.Form_Load at line " +
                 QString::number(step) + "\r\r" + ScreenshotRequest(supportEmail()));
    QCOMPARE(window->findChild<QComboBox*>("Combo1")->currentIndex(), comboIndex);
    // Start-up went on: the later steps still ran, and Option1 kept its state.
    QVERIFY(window->findChild<QRadioButton*>("Option1")->isChecked());
    QVERIFY(window->findChild<QGroupBox*>("Frame4")->isEnabled());
    QCOMPARE(window->findChild<QLineEdit*>("Text1")->text(), fx.desktop + "/");

    WindowFixture quiet;
    quiet.settings->WriteSetting("Combo1", "-1");
    auto noSelection = quiet.loadedWindow();
    QVERIFY(quiet.dialogs.calls.isEmpty());
    QCOMPARE(noSelection->findChild<QComboBox*>("Combo1")->currentIndex(), -1);
    QCOMPARE(quiet.setting("Combo1"), QStringLiteral("-1"));
}

void TestMainWindow::missingDesktopIsReportedAtStep150() {
    WindowFixture fx;
    fx.desktop.clear();
    fx.settings->WriteSetting("Output Folder", "/srv/out/");
    auto window = fx.loadedWindow();
    QCOMPARE(fx.dialogs.messages().size(), 1);
    QVERIFY(fx.dialogs.messages()[0].contains("Form_Load at line 150\r\r"));
    QCOMPARE(window->findChild<QLineEdit*>("Text1")->text(), QString());
}

void TestMainWindow::siteOpensOnlyOnSeven() {
    // A build without a site address (the default) draws but never opens a browser.
    for (const QString& site : {QStringLiteral("https://lorvane.test/"), QString()}) {
        for (int draw : {1, 6, 7, 8, 100}) {
            WindowFixture fx;
            int draws = 0;
            WindowServices services = fx.services();
            services.siteAddress = site;
            services.drawRandom = [&] {
                ++draws;
                return draw;
            };
            MainWindow window(services);
            window.Form_Load();
            QCOMPARE(draws, 1);
            const auto web = fx.dialogs.callsOf("web");
            QCOMPARE(web.size(), draw == 7 && !site.isEmpty() ? 1 : 0);
            if (!web.isEmpty()) {
                QCOMPARE(web[0].text, site);
            }
        }
    }
    QVERIFY(!siteAddress().contains("example.com"));
}

void TestMainWindow::optionClicksWriteBothKeys() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    window->show();
    auto* o1 = window->findChild<QRadioButton*>("Option1");
    auto* o2 = window->findChild<QRadioButton*>("Option2");
    QTest::mouseClick(o2, Qt::LeftButton, {}, QPoint(5, o2->height() / 2));
    QVERIFY(o2->isChecked());
    QCOMPARE(fx.setting("Option1"), QStringLiteral("False"));
    QCOMPARE(fx.setting("Option2"), QStringLiteral("True"));
    QVERIFY(!window->findChild<QPushButton*>("PushButton7")->isEnabled());
    QTest::mouseClick(o1, Qt::LeftButton, {}, QPoint(5, o1->height() / 2));
    QCOMPARE(fx.setting("Option1"), QStringLiteral("True"));
    QCOMPARE(fx.setting("Option2"), QStringLiteral("False"));
    QVERIFY(window->findChild<QPushButton*>("PushButton7")->isEnabled());
}

void TestMainWindow::folderFieldWritesEveryKeystroke() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    window->show();
    auto* text = window->findChild<QLineEdit*>("Text1");
    text->clear();
    QCOMPARE(fx.setting("Output Folder"), QString());
    QStringList seen;
    for (const char* key : {"/", "o", "u"}) {
        QTest::keyClicks(text, key);
        seen << fx.setting("Output Folder");
    }
    QCOMPARE(seen, QStringList({"/", "/o", "/ou"}));
    QCOMPARE(fx.setting("FolderChosen"), QStringLiteral("True"));
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(fx.setting("Output Folder"), QStringLiteral("/o"));
}

void TestMainWindow::formatSelectionWritesIndexAndLabel() {
    WindowFixture fx;
    {
        auto window = fx.loadedWindow();
        QCOMPARE(fx.setting("FormatChosen"), QStringLiteral("<missing>"));
        window->findChild<QComboBox*>("Combo1")->setCurrentIndex(5);
        QCOMPARE(fx.setting("Combo1"), QStringLiteral("5"));
        QCOMPARE(fx.setting("kbps"), QStringLiteral("64-bit PCM"));
        QCOMPARE(fx.setting("FormatChosen"), QStringLiteral("True"));
        window->findChild<QComboBox*>("Combo1")->setCurrentIndex(2);
        QCOMPARE(fx.setting("kbps"), QString::fromUtf16(u"16-bit PCM \u00B5-law"));
        window->findChild<QComboBox*>("Combo1")->setCurrentIndex(5);
    }
    fx.openSettings();
    auto restarted = fx.loadedWindow();
    QCOMPARE(restarted->findChild<QComboBox*>("Combo1")->currentText(),
             QStringLiteral("64-bit PCM"));
}

void TestMainWindow::closingEndsTheProgram() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    window->show();
    const QByteArray before = [&] {
        QFile f(fx.settingsPath);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    window->close();
    QCOMPARE(fx.exitCalls, 1);
    QFile after(fx.settingsPath);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);  // nothing written at exit
}

// The window opens centred inside the room the screen leaves it, frame included; where the
// designed window does not fit (200 % on a 1000-pixel-high screen leaves 500 pixels), the
// whole layout and its fonts shrink by one factor and every caption still fits.
void TestMainWindow::startShowsCentredWithHiddenFocus_data() {
    QTest::addColumn<QRect>("area");  // none: the screen's own
    QTest::addColumn<QSize>("client");
    QTest::newRow("the screen's own") << QRect() << QSize(536, 505);
    QTest::newRow("room to spare") << QRect(0, 0, 1600, 1000) << QSize(536, 505);
    QTest::newRow("200 % on 1000 pixels") << QRect(0, 0, 800, 500) << QSize();
    QTest::newRow("a panel on top") << QRect(0, 32, 960, 508) << QSize();
    QTest::newRow("narrow") << QRect(100, 0, 400, 900) << QSize();
    QTest::newRow("exactly the frame") << QRect(0, 0, 540, 509) << QSize(536, 505);
}

void TestMainWindow::startShowsCentredWithHiddenFocus() {
    QFETCH(QRect, area);
    QFETCH(QSize, client);
    WindowFixture fx;
    WindowServices services = fx.services();
    if (!area.isNull()) {
        services.availableArea = [area] { return area; };
    }
    MainWindow window(services);
    window.start();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget*>("Command1"));
    const QRect screen = area.isNull() ? window.screen()->availableGeometry() : area;
    const QRect frame = window.frameGeometry();
    QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                                                    .arg(frame.x())
                                                    .arg(frame.y())
                                                    .arg(frame.width())
                                                    .arg(frame.height())));
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 2);
    QCOMPARE(window.minimumSize(), window.maximumSize());
    if (client.isValid()) {
        QCOMPARE(window.size(), client);
        QCOMPARE(window.findChild<QWidget*>("Option2")->font().pointSizeF(), 9.0);
        return;
    }
    // Shrunk to fit, no further than it has to: one side meets the room, frame included.
    QVERIFY(window.width() < 536 && window.height() < 505);
    QVERIFY(frame.width() >= screen.width() - 2 || frame.height() >= screen.height() - 2);
    const qreal scale = window.height() / 505.0;
    QVERIFY(qAbs(window.width() / 536.0 - scale) < 0.01);
    // Every control keeps its place and size in proportion.
    const QRect start = window.findChild<QWidget*>("PushButton2")->geometry();
    const QRect designed = twips(120, 6540, 7800, 405);
    QVERIFY(qAbs(start.top() - designed.top() * scale) <= 1);
    QVERIFY(qAbs(start.width() - designed.width() * scale) <= 1);
    QVERIFY(start.bottom() < window.findChild<QWidget*>("ProgressBar1")->geometry().top());
    QVERIFY(window.findChild<QWidget*>("ProgressBar1")->geometry().bottom() < window.height());
    QVERIFY(qAbs(window.findChild<QTreeView*>("ListView1")->columnWidth(0) - 467 * scale) <= 1);
    for (const char* name : {"PushButton3", "PushButton5", "Option2", "Frame2", "Frame3"}) {
        auto* control = window.findChild<QWidget*>(name);
        QVERIFY2(control->font().pointSizeF() < (qobject_cast<QPushButton*>(control) ? 11.25 : 9.0),
                 name);
        const QString caption = captionOf(control);
        const int room = qobject_cast<QGroupBox*>(control)      ? control->width() - 16
                         : qobject_cast<QRadioButton*>(control) ? control->width() - 20
                                                                : control->width() - 8;
        QVERIFY2(QFontMetrics(control->font()).horizontalAdvance(caption) <= room,
                 qPrintable(caption));
    }
}

// Tab goes the way the window reads, top to bottom and left to right, never stops on
// anything unseen (the focus holder, the progress bar, a frame), and passes the folder field
// while it is off; Shift+Tab goes the same way back. The two options are one stop, the
// selected one, as on every desktop; the arrow keys select the other.
void TestMainWindow::tabFollowsTheVisualOrder_data() {
    QTest::addColumn<QString>("option1");
    QTest::addColumn<QString>("option2");
    QTest::addColumn<QStringList>("order");
    const QStringList head = {"ListView1",   "PushButton1", "PushButton3",
                              "PushButton4", "PushButton5", "Combo1"};
    QTest::newRow("saving to a folder")
        << "True"
        << "False" << head + QStringList{"Option1", "Text1", "PushButton7", "PushButton2"};
    QTest::newRow("saving beside the sources")
        << "False"
        << "True" << head + QStringList{"Option2", "PushButton2"};
    QTest::newRow("neither selected") << "False"
                                      << "False" << head + QStringList{"Option1", "PushButton2"};
}

void TestMainWindow::tabFollowsTheVisualOrder() {
    QFETCH(QString, option1);
    QFETCH(QString, option2);
    QFETCH(QStringList, order);
    WindowFixture fx;
    fx.settings->WriteSetting("Option1", option1);
    fx.settings->WriteSetting("Option2", option2);
    MainWindow window(fx.services());
    window.start();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto focused = [] {
        QWidget* widget = QApplication::focusWidget();
        return widget != nullptr ? widget->objectName() : QStringLiteral("<none>");
    };
    QCOMPARE(focused(), QStringLiteral("Command1"));
    auto press = [](Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    };
    QStringList forward;
    for (int i = 0; i <= order.size(); ++i) {
        press(Qt::NoModifier);
        forward << focused();
    }
    QCOMPARE(forward, order + QStringList{order.first()});  // round again, past the holder
    QStringList back;
    for (int i = 0; i < order.size(); ++i) {
        press(Qt::ShiftModifier);
        back.prepend(focused());
    }
    QCOMPARE(back, order);

    // From the selected option the arrow keys select the other one.
    auto* first = window.findChild<QRadioButton*>("Option1");
    auto* second = window.findChild<QRadioButton*>("Option2");
    if (first->isChecked() || second->isChecked()) {
        QRadioButton* from = first->isChecked() ? first : second;
        QRadioButton* to = from == first ? second : first;
        while (QApplication::focusWidget() != from) {
            press(Qt::NoModifier);
        }
        QTest::keyClick(from, from == first ? Qt::Key_Down : Qt::Key_Up);
        QVERIFY(to->isChecked());
        QCOMPARE(QApplication::focusWidget(), to);
        // The newly selected one is the stop now: Tab on and back again lands on it.
        press(Qt::NoModifier);
        press(Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), to);
    }
}

// A box that start-up shows (here for a bad stored value) opens over the window's place on
// the screen, not over the corner where a window sits before it is placed.
void TestMainWindow::startUpBoxIsCentredOverTheWindow() {
    WindowFixture fx;
    fx.settings->WriteSetting("Combo1", "abc");
    QtDialogs realDialogs;
    WindowServices services = fx.services();
    services.dialogs = &realDialogs;
    MainWindow window(services);
    realDialogs.setOwner(&window);
    QRect box;
    QRect windowThen;
    lorvane::test::ModalAnswers answers({[&](QDialog* dialog) {
        box = dialog->frameGeometry();
        windowThen = window.geometry();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Application Error"));
        dialog->accept();
    }});
    window.start();
    QVERIFY(answers.allAnswered());
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    QCOMPARE(windowThen.topLeft(), window.geometry().topLeft());
    // Qt sets a box off by a guessed frame (10 by 40 pixels) when no window is shown yet.
    QVERIFY2(
        qAbs(box.center().x() - screen.center().x()) <= 15 &&
            qAbs(box.center().y() - screen.center().y()) <= 45,
        qPrintable(QStringLiteral("box centre %1,%2").arg(box.center().x()).arg(box.center().y())));
}

// The real program's default output folder: the desktop while it exists, else home.
void TestMainWindow::programDefaultFolder_data() {
    QTest::addColumn<bool>("withDesktop");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Desktop present") << true << "~/Desktop/";
    QTest::newRow("no Desktop") << false << "~/";
}

void TestMainWindow::programDefaultFolder() {
    QFETCH(bool, withDesktop);
    QFETCH(QString, expected);
    QTemporaryDir home;
    if (withDesktop) {
        QVERIFY(QDir(home.path()).mkdir("Desktop"));
    }
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    WindowFixture fx;
    WindowServices services = fx.services();
    services.desktopFolder = WindowServices::forProgram(fx.dialogs, *fx.settings).desktopFolder;
    MainWindow window(services);
    window.Form_Load();
    qputenv("HOME", savedHome);
    qputenv("XDG_CONFIG_HOME", savedConfig);
    QVERIFY(fx.dialogs.calls.isEmpty());
    QCOMPARE(window.findChild<QLineEdit*>("Text1")->text(), expected.replace("~", home.path()));
}

namespace {

// Stops a display server or the program at the end of a test, politely first so that a
// compositor takes its helper clients with it.
struct Stopped {
    QProcess& process;
    ~Stopped() {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(3000)) {
                process.kill();
                process.waitForFinished(3000);
            }
        }
    }
};

// Polls until the check holds, for at most the given time.
bool eventually(const std::function<bool()>& check, int limitMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!check()) {
        if (clock.elapsed() > limitMs) {
            return false;
        }
        QThread::msleep(200);
    }
    return true;
}

int run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env,
        const QString& folder) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// How many pure white pixels the newest screenshot in the folder shows.
int whitePixelsOfNewestShot(const QString& folder) {
    const QFileInfoList shots =
        QDir(folder).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Time);
    if (shots.isEmpty()) {
        return 0;
    }
    const QImage shot(shots.first().filePath());
    int white = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            white += shot.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        }
    }
    return white;
}

}  // namespace

// The real program on a Wayland-only session (a headless weston) and on an X11-only one
// (Xvfb): it keeps running and its window reaches the screen.
void TestMainWindow::startsOnWaylandAndX11_data() {
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("platform");  // QT_QPA_PLATFORM; empty: Qt chooses
    QTest::newRow("Wayland, Qt chooses") << "wayland"
                                         << "";
    QTest::newRow("Wayland asked for") << "wayland"
                                       << "wayland";
    QTest::newRow("X11, Qt chooses") << "x11"
                                     << "";
}

void TestMainWindow::startsOnWaylandAndX11() {
    QFETCH(QString, session);
    QFETCH(QString, platform);
    QTemporaryDir dir;  // 0700, as a runtime folder must be
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        env.remove(QLatin1String(name));
    }
    env.insert("HOME", dir.filePath("home"));
    env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
    env.insert("XDG_RUNTIME_DIR", dir.path());
    QDir().mkpath(dir.filePath("home"));

    QProcess server;
    Stopped stopServer{server};
    server.setProcessEnvironment(env);
    server.setWorkingDirectory(dir.path());
    server.setProcessChannelMode(QProcess::MergedChannels);
    if (session == QLatin1String("wayland")) {
        const QString socket = QStringLiteral("lorvane-%1").arg(QCoreApplication::applicationPid());
        // Rendering with pixman and --debug make its screenshots possible.
        server.start("weston",
                     {"--backend=headless-backend.so", "--use-pixman", "--debug", "--width=800",
                      "--height=600", "--idle-time=0", "--socket=" + socket});
        if (!server.waitForStarted(5000) ||
            !eventually([&] { return QFile::exists(dir.filePath(socket)); }, 5000)) {
            QSKIP("weston cannot start here");
        }
        env.insert("WAYLAND_DISPLAY", socket);
    } else {
        int display = 300 + static_cast<int>(QCoreApplication::applicationPid() % 300);
        while (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(display))) {
            ++display;
        }
        server.start("Xvfb", {QStringLiteral(":%1").arg(display), "-nolisten", "tcp", "-screen",
                              "0", "800x600x24"});
        const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
        if (!server.waitForStarted(5000) ||
            !eventually([&] { return QFile::exists(socket); }, 5000)) {
            QSKIP("Xvfb cannot start here");
        }
        env.insert("DISPLAY", QStringLiteral(":%1").arg(display));
    }
    if (!platform.isEmpty()) {
        env.insert("QT_QPA_PLATFORM", platform);
    }

    QProcess program;
    Stopped stopProgram{program};
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.start(qEnvironmentVariable("LORVANE_PROGRAM"), {});
    QVERIFY(program.waitForStarted(5000));
    bool shown = false;
    if (session == QLatin1String("wayland")) {
        // The compositor's screenshot shows the window's white once it is on the screen.
        shown = eventually([&] {
            run("weston-screenshooter", {}, env, dir.path());
            return whitePixelsOfNewestShot(dir.path()) > 100000;
        });
    } else {
        shown = eventually([&] {
            return run("xdotool", {"search", "--onlyvisible", "--name", "^Lorvane$"}, env,
                       dir.path()) == 0;
        });
    }
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    QVERIFY2(program.state() == QProcess::Running, qPrintable(errors));
    QVERIFY2(shown, qPrintable(errors + QString::fromLocal8Bit(server.readAll())));
    QVERIFY2(!errors.contains("platform plugin"), qPrintable(errors));
}

void TestMainWindow::accessibleDescriptionsAndValues() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    auto* list = window->findChild<QWidget*>("ListView1");
    QCOMPARE(QAccessible::queryAccessibleInterface(list)->text(QAccessible::Description),
             list->toolTip());
    QVERIFY(!list->toolTip().isEmpty());
    // The bar's line of text and its value follow the run.
    auto* bar = window->findChild<TextProgressBar*>("ProgressBar1");
    bar->setCaption("Processing: song.ogg");
    bar->setPreciseValue(40);
    QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(bar);
    QCOMPARE(shown->text(QAccessible::Name), QStringLiteral("Processing: song.ogg"));
    QVERIFY(shown->valueInterface());
    QCOMPARE(shown->valueInterface()->currentValue().toInt(), 40);
    // On Linux the drop-down's name is its value, as Orca expects; its label is its frame.
    auto* combo = window->findChild<QComboBox*>("Combo1");
    QCOMPARE(combo->accessibleName(), QStringLiteral("Output WAV format"));
    const auto labels = QAccessible::queryAccessibleInterface(combo)->relations(QAccessible::Label);
    QVERIFY(!labels.isEmpty());
    QCOMPARE(labels[0].first->text(QAccessible::Name), QStringLiteral("Output WAV Format"));
    // The window itself is the tree's top, named by its caption.
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window.get());
    QCOMPARE(top->role(), QAccessible::Window);
    QCOMPARE(top->text(QAccessible::Name), QStringLiteral("Lorvane"));
}

void TestMainWindow::enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("pressed");
    for (const char* name : {"PushButton1", "PushButton3", "PushButton2", "PushButton4",
                             "PushButton5", "PushButton7"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 Enter").arg(name)))
            << name << int(Qt::Key_Return) << int(Qt::NoModifier) << true;
        QTest::newRow(qPrintable(QStringLiteral("%1 keypad Enter").arg(name)))
            << name << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true;
    }
    QTest::newRow("Ctrl+Enter is not a press")
        << "PushButton4" << int(Qt::Key_Return) << int(Qt::ControlModifier) << false;
    QTest::newRow("focus holder has no action")
        << "Command1" << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
}

void TestMainWindow::enterPressesTheFocusedButton() {
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, pressed);
    WindowFixture fx;
    auto window = fx.loadedWindow();
    window->show();
    auto* button = window->findChild<QPushButton*>(name);
    button->setFocus();
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::keyClick(button, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (pressed) {
        QTRY_COMPARE(clicks.size(), 1);
    } else {
        QTest::qWait(300);
        QCOMPARE(clicks.size(), 0);
    }
}

void TestMainWindow::focusRingAroundTheFocusedControl() {
    WindowFixture fx;
    MainWindow window(fx.services());
    window.start();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* ring = window.findChild<QFocusFrame*>();
    QVERIFY(ring);
    // At start the focus rests on the off-screen holder: no ring in sight.
    QVERIFY(!ring->isVisible() || !window.rect().intersects(ring->geometry()));
    for (const char* name : {"ListView1", "PushButton4", "Combo1", "Text1", "Option2"}) {
        auto* control = window.findChild<QWidget*>(name);
        control->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), control);
        QTRY_VERIFY(ring->isVisible());
        QCOMPARE(ring->parentWidget(), control->parentWidget());
        QVERIFY(ring->geometry().contains(control->geometry()));
        QVERIFY(ring->geometry() != control->geometry());
        // The ring shows in the window: the highlight colour just outside the control.
        const QImage shown = window.grab().toImage();
        const QPoint edge = control->mapTo(&window, QPoint(0, control->height() / 2));
        const QColor highlight = ring->palette().color(QPalette::Active, QPalette::Highlight);
        QCOMPARE(shown.pixelColor(edge.x() - 2, edge.y()), highlight);
    }
}

void TestMainWindow::longPathsElideInTheMiddle() {
    WindowFixture fx;
    auto window = fx.loadedWindow();
    auto* list = window->findChild<QTreeView*>("ListView1");
    const QString folder =
        "/home/u/Music/Artists/The Long Band Name Orchestra/2019 - A Rather "
        "Long Album Title That Goes On/";
    window->fileList().AddListEntry(folder + "01 - First.ogg");
    window->fileList().AddListEntry(folder + "02 - Second.ogg");
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(list->textElideMode(), Qt::ElideMiddle);
    // What the row shows keeps the file's name; the whole path is the row's tooltip.
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < 2; ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        const QString path = window->fileList().entryText(row + 1);
        QCOMPARE(index.data(Qt::ToolTipRole).toString(), path);
        QVERIFY(metrics.horizontalAdvance(path) > list->columnWidth(0));
        const QString shown =
            metrics.elidedText(path, list->textElideMode(), list->visualRect(index).width());
        QVERIFY2(shown.endsWith(QFileInfo(path).fileName()), qPrintable(shown));
    }
    const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
    QHelpEvent tip(QEvent::ToolTip, second, list->viewport()->mapToGlobal(second));
    QApplication::sendEvent(list->viewport(), &tip);
    QTRY_COMPARE(QToolTip::text(), window->fileList().entryText(2));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
