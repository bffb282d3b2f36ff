#pragma once

#include "app/dialogs.h"
#include "app/errorreport.h"
#include "app/settingsstore.h"
#include "convert/runfrontend.h"

#include <QDBusConnection>
#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QMimeData;
class QPushButton;
class QRadioButton;

namespace lorvane {

class DesktopRun;
class FileListModel;
class FileListView;
class TextProgressBar;

// What the window needs from outside; tests hand in doubles for each.
struct WindowServices {
    Dialogs* dialogs = nullptr;              // not owned
    SettingsStore* settings = nullptr;       // not owned
    QString programFolder;                   // where the side files (Samples, pointers, skin) lie
    std::function<int()> drawRandom;         // a whole number from 1 to 100
    std::function<QString()> desktopFolder;  // empty when neither desktop nor home is found
    std::function<void()> exitProgram;       // ends the program at once
    QString siteAddress;                     // opened now and then at start-up; empty: never
    // Where the desktop's notification, launcher and logind services answer; none unless
    // given, so a window under test tells no real desktop of its runs.
    QDBusConnection sessionBus = QDBusConnection(QString());
    QDBusConnection systemBus = QDBusConnection(QString());
    // The part of the screen the window may cover, in logical pixels; none given: the
    // available area of the window's screen.
    std::function<QRect()> availableArea;

    // The real program's services: the folder of the executable, a time-seeded draw, the
    // desktop folder (or the home folder when there is none), an immediate process exit and
    // the session's buses where they run.
    static WindowServices forProgram(Dialogs& dialogs, SettingsStore& settings);
};

// Pointer kinds of the window; kBusy doubles as the program's busy mark.
enum PointerKind { kPointerDefault = 0, kPointerBusy = 11, kPointerCustom = 99 };

// The program's one window. Its controls carry their historical names (ListView1,
// PushButton2, ...) as object names, and its handlers the names of the events they answer.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(WindowServices services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Program start: Form_Load, then shown centred with the focus on the off-screen holder.
    void start();
    void Form_Load();

    QString appTitle() const { return m_appTitle; }
    // A message box; without a title of its own it shows the application title.
    int msgBox(const QString& text, int style = Dialogs::OkOnly, const QString& title = {},
               const QString& details = {});

    Dialogs& dialogs() { return *m_services.dialogs; }
    // Failures of the window's guarded operations: an "Application Error" box each.
    FailureReporter& reporter() { return m_reporter; }
    SettingsStore& settings() { return *m_services.settings; }
    const QString& programFolder() const { return m_services.programFolder; }
    FileListModel& fileList() { return *m_fileList; }

    int pointerKind() const { return m_pointerKind; }
    void setPointerKind(int kind);
    bool isBusy() const { return m_pointerKind == kPointerBusy; }

    // Output location and format handlers.
    void Option1_Click();
    void Option2_Click();
    void Text1_Change();
    void Combo1_Click();

    // --- conversion ---
    void PushButton2_Click();
    void PushButton7_Click();
    // True from the start of a conversion run to its end; a second start is ignored meanwhile.
    bool isConverting() const { return m_isConverting; }
    // A signal asking the program to end (SIGINT, SIGTERM, SIGHUP): as closing the window the
    // first time; a second one while a run finishes ends its converters now.
    void stopRequested(int count);
    // How often the progress bar's wait note counts while the converter runs (100 ms; tests
    // shorten it).
    void setWaitTick(int milliseconds) { m_waitTickMs = milliseconds; }

    // --- filling and emptying the queue ---
    void PushButton1_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    // List events: the key code follows Qt (Qt::Key_Delete is the Delete key).
    void ListView1_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void ListView1_DblClick();
    // Refuses a drag that carries no local file; takes in what a drop carries.
    void ListView1_OLEDragOver(QDragMoveEvent* event);
    void ListView1_OLEDragDrop(QDropEvent* event);
    // The adding part of a drop, run once the drop itself has ended.
    void addDroppedItems(const QStringList& paths);
    // Files and folders from a command line (this start's, or a later start's handed over):
    // queued by the drop rules as soon as the window is free for it, under the hourglass,
    // each batch whole and in the order the batches came.
    void queueStartItems(const QStringList& paths);

    // --- look and pointers ---
    // Hover rule (the six push buttons) and reset rule (the window background, the frames
    // and the folder field), run on mouse moves.
    void PushButton_MouseMove();
    void Form_MouseMove();
    // Reordering the file list with the mouse.
    void ListView1_MouseDown();
    void ListView1_ItemClick();
    void ListView1_MouseMove(const QPoint& position);  // in the list viewport's coordinates
    void ListView1_MouseUp();
    int listPointerKind() const;
    // The pointer's position on the screen in logical pixels: the real one unless a test
    // hands in its own.
    void setScreenPointerSource(std::function<QPoint()> source);

  protected:
    void closeEvent(QCloseEvent* event) override;  // Form_Unload
    bool event(QEvent* event) override;

  private:
    void buildControls();
    void connectHandlers();
    // Each part of the window wires its own handlers and look.
    void connectConversionHandlers();
    void connectQueueHandlers();
    void connectLookHandlers();
    void connectAccessHandlers();  // keyboard and assistive technology
    void keepTabOnSelectedOption();
    void applyDesignedLook();   // fonts and colours as designed, before any skin
    void applyDesignedFonts();  // the designed sizes, times the layout's scale
    void widenOptionsToFit(const QFont& font);
    void applyDesignedColours();  // white as designed, the skin's, or a dark desktop's own
    void placeCentred();          // the frame, as far as it is known, centred on the screen
    QRect availableArea() const;
    // The whole layout and its fonts shrink by one factor where the designed window and its
    // frame, as far as it is known, would not fit the screen.
    void fitToScreen();
    void placeControls();  // every control at its designed place, times the scale
    int scaled(int twips) const;
    // Selecting an option from code runs its click handler only when it becomes selected;
    // clearing one leaves the group with none selected, as the stored values may ask.
    void setOptionValue(QRadioButton* option, bool value);
    void onOptionToggled(QRadioButton* option, bool checked);

    // Start-up steps whose work belongs to other parts of the window.
    void applySkin();                           // step 100
    void loadHandPointer(const QString& path);  // step 106
    void takeSampleSnapshot();                  // steps 110, 130

    WindowServices m_services;
    BoxReporter m_reporter;
    QString m_appTitle;
    int m_pointerKind = kPointerDefault;
    bool m_centreWhenFramed = false;
    bool m_skinned = false;
    qreal m_layoutScale = 1.0;
    QList<QPair<QWidget*, QRect>> m_designedPlaces;  // in twips
    bool m_restoringChoices = false;  // start-up puts the stored choices into the controls

    FileListModel* m_fileList = nullptr;

    QPushButton* Command1 = nullptr;
    FileListView* ListView1 = nullptr;
    TextProgressBar* ProgressBar1 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* PushButton3 = nullptr;
    QPushButton* PushButton4 = nullptr;
    QPushButton* PushButton5 = nullptr;
    QPushButton* PushButton7 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;

    // --- conversion state ---
    friend class WindowConversionEvents;
    // The choices a conversion run reads, from the controls as they are now.
    ConversionChoices conversionChoices() const;
    bool m_isConverting = false;
    class ConversionRun* m_activeRun = nullptr;
    bool m_exitAfterRun = false;  // closed while a run converted: it ends when the run does
    void closeDuringRun();
    int m_waitTickMs = 100;
    DesktopRun* m_desktopRun = nullptr;  // a child object of the window

    // --- queue state ---
    void removeSelectedEntry();
    QString m_lastFolder;  // the folder last chosen for "Add All"
    // Whether the drag over the list offers local files, found once when it entered: the
    // answer cannot change during one drag, and a drag of many thousands of files moves.
    const QMimeData* m_dragData = nullptr;
    bool m_dragOffersFiles = false;
    void takeStartItems();
    QList<QStringList> m_startItems;  // batches not yet taken in
    bool m_takingStartItems = false;

    // --- look and pointer state ---
    class LookState;
    LookState& look();
    void refreshPointers();
    LookState* m_look = nullptr;  // a child object of the window
};

}  // namespace lorvane
