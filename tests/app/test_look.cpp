// The window's designed look, the skin, and the hand, arrow and busy pointers.
#include "app/mainwindow.h"
#include "app/textprogressbar.h"
#include "app/translations.h"
#include "convert/formattable.h"
#include "support/windowfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTreeView>

#include <cmath>

using namespace lorvane;
using lorvane::test::DialogCall;
using lorvane::test::WindowFixture;

namespace {

QString sourceFile(const QString& name) {
    return QStringLiteral(LORVANE_SOURCE_DIR "/resources/") + name;
}

void putFile(const QString& path, const QByteArray& contents) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

// A tracking-only pointer move (no button held) over a widget, delivered the way the window
// system delivers it: controls without mouse tracking swallow it, others may pass it on.
void moveOver(QWidget* widget, QPoint at = QPoint(-1, -1)) {
    if (at == QPoint(-1, -1)) {
        at = widget->rect().center();
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// The colour the widget paints in a corner clear of its text and frame lines.
QColor backgroundOf(QWidget* widget) {
    return widget->grab().toImage().pixelColor(widget->width() - 2, 1);
}

// Every sampled pixel inside the frame's lines, below its caption and clear of its controls,
// shows the colour; the first one that does not is named.
QString insideOfFrame(QGroupBox* frame, const QColor& colour) {
    const QImage shown = frame->grab().toImage();
    const int top = QFontMetrics(frame->font()).height() + 8;
    for (int y = top; y < frame->height() - 4; y += 3) {
        for (int x = 4; x < frame->width() - 4; x += 5) {
            if (frame->childAt(x, y) == nullptr && shown.pixelColor(x, y) != colour) {
                return QStringLiteral("%1 at %2,%3: %4")
                    .arg(frame->objectName())
                    .arg(x)
                    .arg(y)
                    .arg(shown.pixelColor(x, y).name());
            }
        }
    }
    return QString();
}

// The width a control leaves its caption, measured the way the style lays the caption out.
int captionRoom(QWidget* widget) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (qobject_cast<QRadioButton*>(widget) != nullptr) {
            const QRect contents =
                widget->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, widget);
            return widget->width() - contents.left();
        }
        return widget->style()
                   ->subElementRect(QStyle::SE_PushButtonContents, &option, widget)
                   .width() -
               2;
    }
    return widget->width() - 8;  // a frame's caption, between its corners
}

// Relative luminance and contrast ratio as the web's accessibility guidelines define them.
double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The strongest contrast any pixel of the area shows against the given background: the
// cores of a caption's letters, which anti-aliasing leaves untouched.
double captionContrast(const QImage& shown, const QRect& area, const QColor& background) {
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = qMax(best, contrast(shown.pixelColor(x, y), background));
        }
    }
    return best;
}

// Where a frame or an option button draws its caption.
QRect captionArea(QWidget* widget) {
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.textAlignment = frame->alignment();
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }
    auto* button = static_cast<QAbstractButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents =
        widget->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, widget);
    return contents.intersected(widget->rect());
}

// A dark desktop theme: light text on dark surfaces.
QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(127, 127, 127));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(127, 127, 127));
    return dark;
}

// The palette of qt6ct's "darker" colour scheme, as its file lists it.
QPalette qt6ctDarkerPalette() {
    QPalette darker;
    const QList<std::pair<QPalette::ColorRole, QRgb>> roles = {
        {QPalette::WindowText, 0xffffff},   {QPalette::Button, 0x424245},
        {QPalette::Light, 0x979797},        {QPalette::Midlight, 0x5e5c5b},
        {QPalette::Dark, 0x302f2e},         {QPalette::Mid, 0x4a4947},
        {QPalette::Text, 0xffffff},         {QPalette::BrightText, 0xffffff},
        {QPalette::ButtonText, 0xffffff},   {QPalette::Base, 0x3d3d3d},
        {QPalette::Window, 0x222020},       {QPalette::Shadow, 0xe7e4e0},
        {QPalette::Highlight, 0x12608a},    {QPalette::HighlightedText, 0xf9f9f9},
        {QPalette::AlternateBase, 0x5c5b5a}};
    for (const auto& [role, rgb] : roles) {
        darker.setColor(role, QColor(rgb));
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        darker.setColor(QPalette::Disabled, role, QColor(0x808080));
    }
    return darker;
}

}  // namespace

class TestLook : public QObject {
    Q_OBJECT

    template <typename T>
    static T* control(MainWindow& window, const char* name) {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (found == nullptr && window.objectName() == QLatin1String(name)) {
            found = qobject_cast<T*>(&window);
        }
        return found;
    }

  private slots:
    void designedFonts() {
        WindowFixture f;
        auto window = f.loadedWindow();
        for (const char* name : {"Frame2", "Frame3", "Frame4", "Option1", "Option2", "Text1",
                                 "Combo1", "ListView1", "ProgressBar1"}) {
            QWidget* widget = control<QWidget>(*window, name);
            QVERIFY2(widget, name);
            const QFontInfo shown(widget->font());
            QVERIFY2(shown.family() == QLatin1String("Arial") ||
                         shown.family() == QLatin1String("Liberation Sans"),
                     qPrintable(QString::fromLatin1(name) + QLatin1String(": ") + shown.family()));
            QCOMPARE(widget->font().pointSizeF(), 9.0);
            QVERIFY2(widget->font().bold(), name);
        }
        for (const char* name : {"PushButton1", "PushButton2", "PushButton3", "PushButton4",
                                 "PushButton5", "PushButton7"}) {
            QWidget* button = control<QWidget>(*window, name);
            QCOMPARE(button->font().pointSizeF(), 11.25);
            QVERIFY(button->font().bold());
            const QString family = QFontInfo(button->font()).family();
            QVERIFY(family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans"));
        }
        // The hidden focus holder keeps the platform's font, not the window's.
        QWidget* holder = control<QWidget>(*window, "Command1");
        QCOMPARE(holder->font().pointSizeF(), QApplication::font().pointSizeF());
        QCOMPARE(holder->font().bold(), QApplication::font().bold());
        QCOMPARE(holder->font().family(), QApplication::font().family());
    }

    // Also run on a font set without Arial and Liberation Sans (see CMakeLists.txt): the
    // captions then still fit, in a smaller size of the face the platform offers for Arial.
    // Every language the program ships, and the accented pseudo-language whose texts are 40 %
    // longer than the English: a new caption too long for its control fails here first.
    void captionsFitTheirControls_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QStringLiteral("en");
        for (const QString& language : AvailableLanguages()) {
            QTest::newRow(qPrintable(language)) << language;
        }
        QTest::newRow("en_XA") << QStringLiteral("en_XA");
    }

    void captionsFitTheirControls() {
        QFETCH(QString, language);
        const bool withoutArial = qEnvironmentVariableIsSet("LORVANE_FONTS_WITHOUT_ARIAL");
        if (withoutArial) {
            QVERIFY(!QFontDatabase::hasFamily(QStringLiteral("Arial")));
            QVERIFY(!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")));
        }
        UseLanguage(language);
        const auto english = qScopeGuard([] { UseLanguage(QStringLiteral("en")); });
        WindowFixture f;
        auto window = f.loadedWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QStringList clipped;
        const auto fits = [&](const QString& name, const QString& caption, const QFont& font,
                              int room) {
            const int needed = QFontMetrics(font).horizontalAdvance(caption);
            if (needed > room) {
                clipped.append(QStringLiteral("%1 in %2: \"%3\" needs %4 of %5 px in %6 %7 pt")
                                   .arg(name, language, caption)
                                   .arg(needed)
                                   .arg(room)
                                   .arg(QFontInfo(font).family())
                                   .arg(font.pointSizeF()));
            }
        };
        for (const char* name :
             {"PushButton1", "PushButton2", "PushButton3", "PushButton4", "PushButton5",
              "PushButton7", "Option1", "Option2", "Frame2", "Frame3"}) {
            QWidget* widget = control<QWidget>(*window, name);
            const QString caption = qobject_cast<QGroupBox*>(widget)
                                        ? qobject_cast<QGroupBox*>(widget)->title()
                                        : qobject_cast<QAbstractButton*>(widget)->text();
            fits(QLatin1String(name), caption, widget->font(), captionRoom(widget));
            QVERIFY(widget->font().bold());
        }
        // The drop-down's formats, the list's heading and the progress bar's caption.
        auto* combo = control<QComboBox>(*window, "Combo1");
        QStyleOptionComboBox box;
        box.initFrom(combo);
        const int field =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &box, QStyle::SC_ComboBoxEditField, combo)
                .width();
        for (int i = 0; i < combo->count(); ++i) {
            fits(QStringLiteral("Combo1"), combo->itemText(i), combo->font(), field);
        }
        auto* list = control<QAbstractItemView>(*window, "ListView1");
        if (auto* tree = qobject_cast<QTreeView*>(list)) {
            QHeaderView* header = tree->header();
            fits(QStringLiteral("ListView1"),
                 header->model()->headerData(0, Qt::Horizontal).toString(), header->font(),
                 header->width() - 8);
        }
        auto* bar = control<TextProgressBar>(*window, "ProgressBar1");
        fits(QStringLiteral("ProgressBar1"), bar->caption(), bar->font(), bar->width() - 8);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));

        // Each group of controls keeps one size, the designed one at most.
        const qreal text = control<QWidget>(*window, "Option2")->font().pointSizeF();
        const qreal buttons = control<QWidget>(*window, "PushButton1")->font().pointSizeF();
        QVERIFY(text <= 9.0 && buttons <= 11.25);
        for (const char* name :
             {"Frame2", "Frame3", "Frame4", "Option1", "Text1", "Combo1", "ListView1"}) {
            QCOMPARE(control<QWidget>(*window, name)->font().pointSizeF(), text);
        }
        for (const char* name :
             {"PushButton2", "PushButton3", "PushButton4", "PushButton5", "PushButton7"}) {
            QCOMPARE(control<QWidget>(*window, name)->font().pointSizeF(), buttons);
        }
        if (withoutArial) {
            const QString shown = QFontInfo(control<QWidget>(*window, "Option2")->font()).family();
            QVERIFY2(shown != QLatin1String("Arial") && shown != QLatin1String("Liberation Sans"),
                     qPrintable(shown));
        }
    }

    // In the pseudo-language every text the program wrote is accented and in brackets: one that
    // is not never went through translation. The format labels, the product's name and the
    // "..." of the folder button are the same in every language.
    void everyTextGoesThroughTranslation() {
        UseLanguage(QStringLiteral("en_XA"));
        const auto english = qScopeGuard([] { UseLanguage(QStringLiteral("en")); });
        WindowFixture f;
        auto window = f.loadedWindow();
        QStringList kept = {QStringLiteral("Lorvane"), QStringLiteral("...")};
        for (const OutputFormat& format : OutputFormats()) {
            kept.append(format.label);
        }
        QStringList untranslated;
        const auto check = [&](const QString& where, const QString& text) {
            if (!text.isEmpty() && !kept.contains(text) && !text.contains(QLatin1Char('~')) &&
                !text.contains(f.programFolder) && !QDir::isAbsolutePath(text)) {
                untranslated.append(where + QStringLiteral(": \"") + text + QLatin1Char('"'));
            }
        };
        check(QStringLiteral("window title"), window->windowTitle());
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            // The focus holder sits off the window, hidden from screen readers too.
            if (name == QLatin1String("Command1")) {
                continue;
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                check(name, button->text());
            } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
                check(name, frame->title());
            } else if (auto* bar = qobject_cast<TextProgressBar*>(widget)) {
                check(name, bar->caption());
            } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                for (int i = 0; i < combo->count(); ++i) {
                    check(name, combo->itemText(i));
                    check(name, combo->itemData(i, Qt::ToolTipRole).toString());
                    check(name, combo->itemData(i, Qt::AccessibleDescriptionRole).toString());
                }
            } else if (auto* tree = qobject_cast<QTreeView*>(widget)) {
                check(name, tree->header()->model()->headerData(0, Qt::Horizontal).toString());
            }
            check(name + QStringLiteral(" tooltip"), widget->toolTip());
            check(name + QStringLiteral(" accessible name"), widget->accessibleName());
            check(name + QStringLiteral(" accessible description"),
                  widget->accessibleDescription());
        }
        // What the buttons ask and say: the open dialog, the folder intake's questions, and a
        // run with nothing queued.
        for (const char* name : {"PushButton1", "PushButton3", "PushButton7", "PushButton2"}) {
            QTest::mouseClick(control<QPushButton>(*window, name), Qt::LeftButton);
        }
        QVERIFY(!f.dialogs.calls.isEmpty());
        for (const DialogCall& call : f.dialogs.calls) {
            check(call.kind, call.text);
            check(call.kind + QStringLiteral(" title"), call.title);
            check(call.kind + QStringLiteral(" details"), call.details);
        }
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }

    void skinAbsentKeepsWhiteDesign() {
        WindowFixture f;
        // A folder of the skin's name is no skin.
        QDir().mkpath(f.programFolder + QStringLiteral("/x/o.cjs"));
        auto window = f.loadedWindow();
        for (const char* name : {"Form1", "Frame2", "Frame3", "Frame4", "Option1", "Option2"}) {
            QWidget* widget = control<QWidget>(*window, name);
            QCOMPARE(backgroundOf(widget), QColor(Qt::white));
            QVERIFY(widget->autoFillBackground());
        }
        QVERIFY(window->styleSheet().isEmpty());
        QVERIFY(f.dialogs.messages().isEmpty());
        // Inside the frames too: no tint of the style around the option captions.
        for (const char* name : {"Frame2", "Frame3", "Frame4"}) {
            const QString stray = insideOfFrame(control<QGroupBox>(*window, name), Qt::white);
            QVERIFY2(stray.isEmpty(), qPrintable(stray));
        }
    }

    void skinPresentTakesButtonFaceAndStyleSheet() {
        WindowFixture f;
        const QByteArray sheet = "QPushButton { color: rgb(10, 20, 30); }\n";
        putFile(f.programFolder + QStringLiteral("/x/o.cjs"), sheet);
        auto window = f.loadedWindow();
        const QColor face = QApplication::palette().color(QPalette::Button);
        QVERIFY(face != QColor(Qt::white));
        for (const char* name : {"Form1", "Frame2", "Frame3", "Frame4", "Option1", "Option2"}) {
            QCOMPARE(backgroundOf(control<QWidget>(*window, name)), face);
        }
        for (const char* name : {"Frame2", "Frame3", "Frame4"}) {
            const QString stray = insideOfFrame(control<QGroupBox>(*window, name), face);
            QVERIFY2(stray.isEmpty(), qPrintable(stray));
        }
        QCOMPARE(window->styleSheet(), QString::fromUtf8(sheet));
        QVERIFY(f.dialogs.messages().isEmpty());
        // Start-up went on after the skin.
        QCOMPARE(window->windowTitle(), QStringLiteral("Lorvane"));
    }

    void unreadableSkinIsReportedAsStep100() {
        // Root reads every file, so the part that must fail runs as an unprivileged user.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString program = dir.filePath(QStringLiteral("program"));
        putFile(program + QStringLiteral("/x/o.cjs"), "QWidget { color: red; }");
        QFile::setPermissions(program + QStringLiteral("/x/o.cjs"), QFileDevice::Permissions());
        const auto reachable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                               QFileDevice::ExeOwner | QFileDevice::ReadOther |
                               QFileDevice::ExeOther;
        for (const QString& folder : {dir.path(), program, program + QStringLiteral("/x")}) {
            QFile::setPermissions(folder, reachable);
        }
        QProcess probe;
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe.start(
            QStringLiteral("setpriv"),
            {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
             QStringLiteral("--clear-groups"),
             qEnvironmentVariable("LORVANE_TEST_BIN") + QStringLiteral("/skin_probe"), program});
        QVERIFY(probe.waitForFinished(60000));
        QCOMPARE(probe.exitCode(), 0);
        const QString out = QString::fromUtf8(probe.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("Application Error")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Permission denied")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("Form_Load at line 100")), qPrintable(out));
        // The colour change came before the failed read and stays; no style sheet.
        const QString face = QApplication::palette().color(QPalette::Button).name();
        QVERIFY2(out.contains(QStringLiteral("frame ") + face), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("sheet empty")), qPrintable(out));
        QVERIFY2(out.contains(QStringLiteral("title Lorvane")), qPrintable(out));
    }

    void pointerRules_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");

        const QStringList hover = {"PushButton1", "PushButton2", "PushButton3",
                                   "PushButton4", "PushButton5", "PushButton7"};
        const QStringList reset = {"Form1", "Frame2", "Frame3", "Frame4", "Text1", "ListView1"};
        const QStringList none = {"Combo1", "Option1", "Option2", "ProgressBar1"};
        for (const QString& area : hover) {
            QTest::newRow(qPrintable(area + QLatin1String(" from arrow"))) << area << 0 << 99;
            QTest::newRow(qPrintable(area + QLatin1String(" keeps busy"))) << area << 11 << 11;
        }
        for (const QString& area : reset) {
            QTest::newRow(qPrintable(area + QLatin1String(" from hand"))) << area << 99 << 0;
            QTest::newRow(qPrintable(area + QLatin1String(" keeps busy"))) << area << 11 << 11;
        }
        for (const QString& area : none) {
            QTest::newRow(qPrintable(area + QLatin1String(" keeps hand"))) << area << 99 << 99;
            QTest::newRow(qPrintable(area + QLatin1String(" keeps arrow"))) << area << 0 << 0;
        }
    }

    void pointerRules() {
        QFETCH(QString, area);
        QFETCH(int, before);
        QFETCH(int, after);
        WindowFixture f;
        auto window = f.loadedWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->setPointerKind(before);

        QWidget* widget = control<QWidget>(*window, qPrintable(area));
        QVERIFY(widget);
        QPoint at = widget->rect().center();
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            at = QPoint(frame->width() - 4, frame->height() - 4);  // clear of its controls
        } else if (widget == window.get()) {
            at = QPoint(2, 2);
        } else if (auto* list = qobject_cast<QAbstractItemView*>(widget)) {
            widget = list->viewport();
            at = widget->rect().center();
        }
        QCOMPARE(widget->childAt(at), nullptr);
        moveOver(widget, at);
        QCOMPARE(window->pointerKind(), after);
    }

    void handStaysFromButtonOverDropDownUntilTheFrame() {
        WindowFixture f;
        auto window = f.loadedWindow();
        moveOver(control<QWidget>(*window, "PushButton7"));
        QCOMPARE(window->pointerKind(), 99);
        // The small button sits inside Frame4 inside Frame3; the move it passes on to them
        // is still a move over the button.
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);  // no hand image beside it
        moveOver(control<QWidget>(*window, "Combo1"));
        QCOMPARE(window->pointerKind(), 99);
        QGroupBox* frame = control<QGroupBox>(*window, "Frame2");
        moveOver(frame, QPoint(frame->width() - 4, frame->height() - 4));
        QCOMPARE(window->pointerKind(), 0);
    }

    void handPointerImage() {
        WindowFixture f;
        QVERIFY(QFile::copy(sourceFile(QStringLiteral("HAND-M.CUR")),
                            f.programFolder + QStringLiteral("/HAND-M.CUR")));
        auto window = f.loadedWindow();
        QVERIFY(f.dialogs.messages().isEmpty());
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        moveOver(control<QWidget>(*window, "PushButton1"));
        QCOMPARE(window->pointerKind(), 99);
        const QCursor hand = window->cursor();
        QCOMPARE(hand.shape(), Qt::BitmapCursor);
        QCOMPARE(hand.pixmap().size(), QSize(32, 32));
        QCOMPARE(hand.hotSpot(), QPoint(8, 1));  // the fingertip, as the file records it
        // The hand covers the controls that have pointers of their own.
        QCOMPARE(control<QWidget>(*window, "Text1")->cursor().shape(), Qt::BitmapCursor);

        moveOver(window.get(), QPoint(2, 2));
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(control<QWidget>(*window, "Text1")->cursor().shape(), Qt::IBeamCursor);
    }

    void brokenHandPointerIsReportedAsStep106() {
        WindowFixture f;
        putFile(f.programFolder + QStringLiteral("/HAND-M.CUR"), "not a picture");
        auto window = f.loadedWindow();
        const QStringList messages = f.dialogs.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].startsWith(QStringLiteral("Invalid picture\r\n")),
                 qPrintable(messages[0]));
        QVERIFY(messages[0].contains(QStringLiteral("Form_Load at line 106")));
        moveOver(control<QWidget>(*window, "PushButton2"));
        QCOMPARE(window->pointerKind(), 99);
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
    }

    void busyPointerCoversEveryControl() {
        WindowFixture f;
        QVERIFY(QFile::copy(sourceFile(QStringLiteral("HAND-M.CUR")),
                            f.programFolder + QStringLiteral("/HAND-M.CUR")));
        auto window = f.loadedWindow();
        window->setPointerKind(11);
        QVERIFY(window->isBusy());
        auto* list = control<QAbstractItemView>(*window, "ListView1");
        for (QWidget* widget :
             {static_cast<QWidget*>(window.get()), control<QWidget>(*window, "Text1"),
              list->viewport(), control<QWidget>(*window, "PushButton3"),
              control<QWidget>(*window, "Combo1")}) {
            QCOMPARE(widget->cursor().shape(), Qt::WaitCursor);
        }
        // A move over the list during the run leaves the hourglass too.
        moveOver(list->viewport());
        QCOMPARE(window->pointerKind(), 11);
        window->setPointerKind(0);
        QCOMPARE(list->viewport()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(control<QWidget>(*window, "Text1")->cursor().shape(), Qt::IBeamCursor);
    }

    // The designed white on a light desktop; a dark desktop's own colours on a dark one, also
    // when the desktop turns dark while the window is open. Either way the captions stand
    // out from their background, the list's header is the theme's header edge to edge, and
    // a selected option button is told from one that is not at a glance.
    void paletteLook_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<bool>("switchedWhileOpen");
        QTest::addColumn<QColor>("background");
        const QPalette dark = darkPalette();
        const QPalette darker = qt6ctDarkerPalette();
        QTest::newRow("light") << QApplication::palette() << false << QColor(Qt::white);
        QTest::newRow("dark") << dark << false << dark.color(QPalette::Window);
        QTest::newRow("qt6ct darker") << darker << false << darker.color(QPalette::Window);
        QTest::newRow("dark, switched while open")
            << darker << true << darker.color(QPalette::Window);
    }

    void paletteLook() {
        QFETCH(QPalette, palette);
        QFETCH(bool, switchedWhileOpen);
        QFETCH(QColor, background);
        const QPalette original = QApplication::palette();
        if (!switchedWhileOpen) {
            QApplication::setPalette(palette);
        }
        WindowFixture f;
        f.settings->WriteSetting(QStringLiteral("Option1"), QStringLiteral("False"));
        f.settings->WriteSetting(QStringLiteral("Option2"), QStringLiteral("True"));
        auto window = f.loadedWindow();
        if (switchedWhileOpen) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
            QApplication::setPalette(palette);
        }
        const auto restore = qScopeGuard([&] { QApplication::setPalette(original); });
        window->resize(window->size());

        for (const char* name : {"Form1", "Frame2", "Frame3", "Frame4", "Option1", "Option2"}) {
            QCOMPARE(backgroundOf(control<QWidget>(*window, name)), background);
        }
        for (const char* name : {"Frame2", "Frame3", "Frame4"}) {
            const QString stray = insideOfFrame(control<QGroupBox>(*window, name), background);
            QVERIFY2(stray.isEmpty(), qPrintable(stray));
        }
        for (const char* name : {"Frame2", "Frame3", "Option1", "Option2"}) {
            QWidget* widget = control<QWidget>(*window, name);
            const QImage shown = widget->grab().toImage();
            const double ratio = captionContrast(shown, captionArea(widget), background);
            QVERIFY2(ratio >= 7.0, qPrintable(QStringLiteral("%1: %2").arg(name).arg(ratio)));
        }

        // The middle of the indicator: the mark of the selected one against the empty inside
        // of the other, and the other's ring against the window around it.
        auto* selected = control<QRadioButton>(*window, "Option2");
        auto* other = control<QRadioButton>(*window, "Option1");
        QVERIFY(selected->isChecked() && !other->isChecked());
        QStyleOptionButton option;
        option.initFrom(other);
        const QRect indicator =
            other->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, other);
        const QImage on = selected->grab().toImage();
        const QImage off = other->grab().toImage();
        const QPoint middle = indicator.center();
        const double mark = contrast(on.pixelColor(middle), off.pixelColor(middle));
        QVERIFY2(mark >= 7.0,
                 qPrintable(QStringLiteral("mark %1 against %2: %3")
                                .arg(on.pixelColor(middle).name(), off.pixelColor(middle).name())
                                .arg(mark)));
        // At least as plain as the light style's own grey ring on white.
        const double ring = captionContrast(off, indicator, background);
        QVERIFY2(ring >= 2.0, qPrintable(QStringLiteral("ring: %1").arg(ring)));

        auto* list = control<QTreeView>(*window, "ListView1");
        QHeaderView* header = list->header();
        const QImage head = header->grab().toImage();
        QVERIFY(header->sectionSize(0) + 4 < header->width() - 2);
        const QColor strip = head.pixelColor(header->width() - 3, header->height() / 2);
        const QColor face = palette.color(QPalette::Button);
        QVERIFY2(contrast(strip, face) < 1.2, qPrintable(strip.name() + " beside " + face.name()));
        const QPalette text = control<QLineEdit>(*window, "Text1")->palette();
        const QColor typed = text.color(QPalette::Active, QPalette::Text);
        const QColor field = text.color(QPalette::Active, QPalette::Base);
        QVERIFY2(contrast(typed, field) >= 7.0, qPrintable(typed.name() + " on " + field.name()));
    }

    void programIconIsBuiltIn() {
        WindowFixture f;
        auto window = f.loadedWindow();
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(256, 256)));
    }
};

QTEST_MAIN(TestLook)
#include "test_look.moc"
