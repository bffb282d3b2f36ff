#include "app/mainwindow.h"

#include "app/constants.h"
#include "app/desktoprun.h"
#include "app/errorreport.h"
#include "app/storedchoices.h"
#include "app/textprogressbar.h"
#include "app/windowfocus.h"
#include "convert/formattable.h"
#include "filelist/filelistmodel.h"
#include "filelist/filelistview.h"
#include "platform/desktopbus.h"
#include "platform/paths.h"
#include "platform/userdirs.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalBlocker>
#include <QTime>
#include <QtMath>

#include <unistd.h>

namespace lorvane {

namespace {

// The window was laid out in twips; 15 twips make one logical pixel at the designed size.
constexpr int kClientWidthTwips = 8040;
constexpr int kClientHeightTwips = 7575;
// Below this the captions would be too small to read; a screen smaller still shows the
// window from its top-left corner.
constexpr qreal kSmallestScale = 0.5;

}  // namespace

WindowServices WindowServices::forProgram(Dialogs& dialogs, SettingsStore& settings) {
    WindowServices s;
    s.dialogs = &dialogs;
    s.settings = &settings;
    s.programFolder = QCoreApplication::applicationDirPath();
    s.drawRandom = [] {
        QRandomGenerator generator(
            static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
        return static_cast<int>(generator.bounded(1, 101));
    };
    // Not QStandardPaths: it names $HOME/Desktop even where no such folder exists, and the
    // first "Start Converting" would then refuse the default.
    s.desktopFolder = [] { return DesktopFolder(); };
    // Every setting is on disk the moment it changes, so nothing is lost by leaving at once;
    // a converter already started runs on by itself.
    s.exitProgram = [] { ::_exit(0); };
    s.siteAddress = lorvane::siteAddress();
    s.sessionBus = SessionBusIfRunning();
    s.systemBus = SystemBusIfRunning();
    return s;
}

MainWindow::MainWindow(WindowServices services, QWidget* parent)
    : QWidget(parent),
      m_services(std::move(services)),
      m_reporter(*m_services.dialogs),
      m_appTitle(productName()) {
    setObjectName(QStringLiteral("Form1"));
    m_fileList = new FileListModel(this);
    m_desktopRun = new DesktopRun(m_services.sessionBus, m_services.systemBus,
                                  ApplicationTitle(productName()), this);
    buildControls();
    applyDesignedLook();
    connectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto place = [this](QWidget* control, QRect twips) {
        m_designedPlaces.append({control, twips});
    };
    auto button = [&place](QPushButton*& target, const char* name, const QString& caption,
                           QWidget* container, QRect twips) {
        target = new QPushButton(caption, container);
        target->setObjectName(QLatin1String(name));
        place(target, twips);
        target->setAutoDefault(false);
    };
    auto frame = [&place](QGroupBox*& target, const char* name, const QString& caption,
                          QWidget* container, QRect twips) {
        target = new QGroupBox(caption, container);
        target->setObjectName(QLatin1String(name));
        place(target, twips);
    };

    // Lies left of the visible client area so the focus rests on no visible control.
    Command1 = new FocusHolder(QStringLiteral("Command1"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    place(Command1, QRect(-720, 2640, 615, 495));
    Command1->setAutoDefault(false);
    // It takes the focus at start only; a Tab or a click never lands on it again.
    Command1->setFocusPolicy(Qt::NoFocus);

    ListView1 = new FileListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    place(ListView1, QRect(120, 120, 7800, 2535));
    ListView1->setModel(m_fileList);
    //: The file list's tooltip; "| line" is the edge of the list's one column, which the
    //: mouse drags to widen it.
    ListView1->setToolTip(QCoreApplication::translate(
        "MainWindow",
        "Drag and drop files here. Double-click item to remove it. Move | line to right and "
        "out of window to reveal full names."));

    ProgressBar1 = new TextProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    place(ProgressBar1, QRect(120, 7060, 7800, 405));
    //: What the progress bar at the foot of the window says while no file is converted.
    ProgressBar1->setCaption(QCoreApplication::translate("MainWindow", "Progress Bar"));

    // Every caption is in place before the designed look is applied: the fonts shrink until
    // the longest caption, in whatever language, fits its control.
    //: Button: opens a file dialog to add Ogg files to the list.
    button(PushButton1, "PushButton1", QCoreApplication::translate("MainWindow", "Add OGG File(s)"),
           this, QRect(120, 2750, 3840, 405));
    //: Button: asks for file endings and a folder, and adds the matching files in that folder
    //: and the folders in it.
    button(PushButton3, "PushButton3",
           QCoreApplication::translate("MainWindow", "Add All OGG File(s) In Folder"), this,
           QRect(4080, 2750, 3840, 405));
    button(PushButton2, "PushButton2",
           QCoreApplication::translate("MainWindow", "Start Converting"), this,
           QRect(120, 6540, 7800, 405));
    //: Button: empties the file list.
    button(PushButton4, "PushButton4", QCoreApplication::translate("MainWindow", "Clear List"),
           this, QRect(120, 3260, 3840, 405));
    button(PushButton5, "PushButton5",
           QCoreApplication::translate("MainWindow", "Load Sample/Example Files"), this,
           QRect(4080, 3260, 3840, 405));

    //: Caption of the frame around the drop-down of WAV formats.
    frame(Frame2, "Frame2", QCoreApplication::translate("MainWindow", "Output WAV Format"), this,
          QRect(120, 3720, 7800, 825));
    Combo1 = new QComboBox(Frame2);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    place(Combo1, QRect(240, 300, 7335, 345));

    //: Caption of the frame around the choice of where the WAV files are saved.
    frame(Frame3, "Frame3", QCoreApplication::translate("MainWindow", "Save Option"), this,
          QRect(120, 4600, 7800, 1815));
    frame(Frame4, "Frame4", QString(), Frame3, QRect(480, 510, 6840, 810));
    Text1 = new QLineEdit(Frame4);
    Text1->setObjectName(QStringLiteral("Text1"));
    place(Text1, QRect(240, 300, 5670, 345));
    button(PushButton7, "PushButton7", QStringLiteral("..."), Frame4, QRect(6000, 300, 600, 345));

    //: Option; the folder field follows it.
    Option1 = new QRadioButton(
        QCoreApplication::translate("MainWindow", "Save results to this folder:"), Frame3);
    Option1->setObjectName(QStringLiteral("Option1"));
    place(Option1, QRect(240, 300, 3615, 255));
    Option1->setChecked(true);
    Option2 = new QRadioButton(
        QCoreApplication::translate("MainWindow", "Save results in folder of original file"),
        Frame3);
    Option2->setObjectName(QStringLiteral("Option2"));
    place(Option2, QRect(240, 1410, 3615, 255));

    placeControls();

    // Tab goes the way the eye reads the window: row by row from the top, the folder field
    // between the two options it sits between, and "Start Converting" last.
    const QList<QWidget*> tabOrder = {Command1,    ListView1,   PushButton1, PushButton3,
                                      PushButton4, PushButton5, Combo1,      Option1,
                                      Text1,       PushButton7, Option2,     PushButton2};
    for (int i = 0; i + 1 < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i], tabOrder[i + 1]);
    }
}

int MainWindow::scaled(int twips) const {
    return qRound(twips * m_layoutScale / 15.0);
}

void MainWindow::placeControls() {
    // Rounded down, so the scaled window never grows past the room it was scaled for.
    setFixedSize(qFloor(kClientWidthTwips * m_layoutScale / 15.0),
                 qFloor(kClientHeightTwips * m_layoutScale / 15.0));
    for (const auto& [control, twips] : std::as_const(m_designedPlaces)) {
        control->setGeometry(scaled(twips.left()), scaled(twips.top()), scaled(twips.width()),
                             scaled(twips.height()));
    }
    if (ListView1->model()->columnCount() > 0) {
        ListView1->setColumnWidth(0, scaled(7000));
    }
}

QRect MainWindow::availableArea() const {
    if (m_services.availableArea) {
        return m_services.availableArea();
    }
    const QScreen* shownOn = screen();
    return shownOn != nullptr ? shownOn->availableGeometry() : QRect();
}

void MainWindow::fitToScreen() {
    const QRect area = availableArea();
    if (area.isEmpty()) {
        return;
    }
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const int frameWidth = outer.width() - inner.width();
    const int frameHeight = outer.height() - inner.height();
    const qreal wide = (area.width() - frameWidth) * 15.0 / kClientWidthTwips;
    const qreal high = (area.height() - frameHeight) * 15.0 / kClientHeightTwips;
    const qreal scale = qBound(kSmallestScale, qMin(wide, high), 1.0);
    if (qFuzzyCompare(scale, m_layoutScale)) {
        return;
    }
    m_layoutScale = scale;
    placeControls();
    applyDesignedFonts();
}

void MainWindow::connectHandlers() {
    connect(Option1, &QRadioButton::toggled, this,
            [this](bool checked) { onOptionToggled(Option1, checked); });
    connect(Option2, &QRadioButton::toggled, this,
            [this](bool checked) { onOptionToggled(Option2, checked); });
    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    connect(Combo1, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { Combo1_Click(); });

    connect(PushButton1, &QPushButton::clicked, this, [this] { PushButton1_Click(); });
    connect(PushButton2, &QPushButton::clicked, this, [this] { PushButton2_Click(); });
    connect(PushButton3, &QPushButton::clicked, this, [this] { PushButton3_Click(); });
    connect(PushButton4, &QPushButton::clicked, this, [this] { PushButton4_Click(); });
    connect(PushButton5, &QPushButton::clicked, this, [this] { PushButton5_Click(); });
    connect(PushButton7, &QPushButton::clicked, this, [this] { PushButton7_Click(); });

    connectConversionHandlers();
    connectQueueHandlers();
    connectLookHandlers();
    connectAccessHandlers();
}

void MainWindow::start() {
    // Boxes that start-up shows centre over their owner, so the window takes its place
    // first; until it is shown that place leaves the frame out.
    fitToScreen();
    placeCentred();
    Form_Load();
    m_centreWhenFramed = true;
    show();
    activateWindow();
    Command1->setFocus(Qt::OtherFocusReason);
}

void MainWindow::placeCentred() {
    const QRect area = availableArea();
    if (area.isEmpty()) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    // Too big even at the smallest scale: the title bar stays on the screen, where the
    // window can be moved by it.
    frame.moveLeft(qMax(frame.left(), area.left()));
    frame.moveTop(qMax(frame.top(), area.top()));
    move(frame.topLeft());
}

bool MainWindow::event(QEvent* event) {
    // Some platforms draw the frame themselves and know its size from the moment the window
    // is shown (Wayland's title bars): the fit takes it in before the window appears.
    if (event->type() == QEvent::Show) {
        fitToScreen();
    }
    // The window manager frames the window only once it is shown; its first move with a
    // frame is the moment to fit and centre the frame too. Where the platform does not let
    // windows place themselves (Wayland), this move changes nothing.
    if (event->type() == QEvent::Move && m_centreWhenFramed && frameGeometry().size() != size()) {
        m_centreWhenFramed = false;
        fitToScreen();
        placeCentred();
    }
    return QWidget::event(event);
}

void MainWindow::Form_Load() {
    StepGuard guard(reporter(), location::formLoad());

    guard.step(100, [this] { applySkin(); });
    guard.step(102, [this] {
        setWindowTitle(productName());
        setWindowIcon(QIcon(QStringLiteral(":/lorvane/lorvane.png")));
        m_appTitle = ApplicationTitle(productName());
        // The name the desktop lists the program under. Not the display name: that one the
        // desktop appends to every window's title, and the boxes' titles must stay exact.
        QCoreApplication::setApplicationName(m_appTitle);
    });
    const QString handPointer = programFolder() + QStringLiteral("/HAND-M.CUR");
    if (guard.test(104, [&] { return PathExists(handPointer); })) {
        guard.step(106, [&] { loadHandPointer(handPointer); });
    }
    guard.step(108, [this] {
        // A build without a site of its own opens none; the draw is made all the same.
        if (m_services.drawRandom() == 7 && !m_services.siteAddress.isEmpty()) {
            dialogs().openWebPage(m_services.siteAddress);
        }
    });
    const auto snapshotMissing = [this] {
        return settings().ReadSetting(settingkeys::snapshot(), QString()).isEmpty();
    };
    guard.step(110, [&] {
        if (snapshotMissing()) {
            takeSampleSnapshot();
        }
    });
    guard.step(130, [&] {
        if (snapshotMissing()) {
            takeSampleSnapshot();
        }
    });
    guard.step(132, [this] {
        //: Header of the file list's one column.
        m_fileList->setColumnHeader(QCoreApplication::translate("MainWindow", "OGG File(s)"));
    });
    guard.step(134, [this] { ListView1->setColumnWidth(0, scaled(7000)); });

    int stepNumber = 136;
    for (const OutputFormat& format : OutputFormats()) {
        guard.step(stepNumber, [&] {
            // A combo box selects its first entry by itself; the stored choice is what
            // selects one here, and its selection handler must run only for that.
            const QSignalBlocker blocker(Combo1);
            Combo1->addItem(format.label);
            // Three labels do not say what the file holds; the list says it on each entry.
            const int item = Combo1->count() - 1;
            const QString described = format.described();
            Combo1->setItemData(item, described, Qt::ToolTipRole);
            Combo1->setItemData(item, described, Qt::AccessibleDescriptionRole);
            Combo1->setCurrentIndex(-1);
        });
        stepNumber += 2;
    }
    // The controls' change handlers run for the restore too; what they store then is not a
    // choice the user made here.
    m_restoringChoices = true;
    guard.step(148, [this] {
        const int index = StoredFormatIndex(settings());
        if (index >= Combo1->count()) {
            throw errors::invalidPropertyValue();
        }
        Combo1->setCurrentIndex(index);
    });
    guard.step(150, [this] {
        const QString desktop = m_services.desktopFolder ? m_services.desktopFolder() : QString();
        Text1->setText(StoredOutputFolder(settings(), desktop));
    });
    guard.step(152, [this] { setOptionValue(Option1, StoredSaveToFolder(settings())); });
    guard.step(154, [this] { setOptionValue(Option2, StoredSaveBesideSource(settings())); });
    m_restoringChoices = false;
    if (guard.test(156, [this] { return Option1->isChecked(); })) {
        guard.step(158, [this] { Frame4->setEnabled(true); });
    } else {
        guard.step(160, [this] { Frame4->setEnabled(false); });
    }
}

void MainWindow::setOptionValue(QRadioButton* option, bool value) {
    if (value) {
        option->setChecked(true);  // runs the click handler only if it was not selected
        return;
    }
    if (option->isChecked()) {
        // A group of option buttons refuses to clear its selected member by itself.
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void MainWindow::onOptionToggled(QRadioButton* option, bool checked) {
    if (!checked) {
        return;
    }
    if (option == Option1) {
        Option1_Click();
    } else {
        Option2_Click();
    }
}

void MainWindow::Option1_Click() {
    settings().WriteSetting(settingkeys::saveToFolder(), TruthText(Option1->isChecked()));
    settings().WriteSetting(settingkeys::saveBesideSource(), TruthText(Option2->isChecked()));
    Frame4->setEnabled(Option1->isChecked());
}

void MainWindow::Option2_Click() {
    Option1_Click();
}

void MainWindow::Text1_Change() {
    settings().WriteSetting(settingkeys::outputFolder(), Text1->text());
    if (!m_restoringChoices) {
        settings().WriteSetting(settingkeys::folderChosen(), TruthText(true));
    }
}

void MainWindow::Combo1_Click() {
    settings().WriteSetting(settingkeys::formatIndex(), QString::number(Combo1->currentIndex()));
    settings().WriteSetting(settingkeys::formatLabel(), Combo1->currentText());
    if (!m_restoringChoices) {
        settings().WriteSetting(settingkeys::formatChosen(), TruthText(true));
    }
}

int MainWindow::msgBox(const QString& text, int style, const QString& title,
                       const QString& details) {
    const QString shown = title.isEmpty() ? m_appTitle : title;
    if (!details.isEmpty()) {
        return dialogs().messageBoxWithDetails(text, style, shown, details);
    }
    return dialogs().messageBox(text, style, shown);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_activeRun != nullptr) {
        event->ignore();
        closeDuringRun();
        return;
    }
    // Form_Unload: the program ends here and now; nothing is written and no step of a walk in
    // progress runs after this.
    if (m_services.exitProgram) {
        m_services.exitProgram();
    }
    event->accept();
}

}  // namespace lorvane
