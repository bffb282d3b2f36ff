// The window's look: skin, fonts, colours, the pointer rules, and reordering the file list
// with the mouse.
#include "app/mainwindow.h"

#include "app/designedstyle.h"
#include "app/pointerrules.h"
#include "filelist/filelistmodel.h"
#include "filelist/filelistview.h"
#include "filelist/listreorder.h"
#include "platform/apperror.h"
#include "platform/filecontents.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintDevice>
#include <QPainter>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QtMath>

#include <algorithm>
#include <functional>
#include <optional>

namespace lorvane {

namespace {

constexpr int kInvalidPicture = 481;

QFont designedFont(const QString& family, qreal points) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

// Arial as designed, else its metric twin, else what the platform shows for Arial (often
// a wider face); only the last may need a smaller size to keep the captions whole.
QString designedFamily() {
    for (const QString& family : {QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}) {
        if (QFontDatabase::hasFamily(family)) {
            return family;
        }
    }
    return QFontInfo(designedFont(QStringLiteral("Arial"), 9)).family();
}

// The width a control leaves for its caption, and the caption.
struct CaptionRoom {
    QString caption;
    int room = 0;
};

CaptionRoom captionRoom(const QWidget* widget) {
    QStyle* style = widget->style();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton*>(widget) != nullptr;
        const QRect contents = style->subElementRect(
            radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option,
            widget);
        // A push button centres its caption in its contents; a letter touching the edge
        // already looks cut.
        return {button->text(), radio ? widget->width() - contents.left() : contents.width() - 4};
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return {frame->title(), frame->width() - 16};
    }
    return {};
}

bool captionsFit(const QList<QWidget*>& widgets) {
    for (const QWidget* widget : widgets) {
        const CaptionRoom room = captionRoom(widget);
        if (QFontMetrics(widget->font()).horizontalAdvance(room.caption) > room.room) {
            return false;
        }
    }
    return true;
}

// Gives the controls the designed font, or the largest smaller size at which every one of
// their captions fits.
void applyFittingFont(const QList<QWidget*>& widgets, const QString& family, qreal points) {
    constexpr qreal kSmallest = 6.0;
    for (qreal size = points;; size -= 0.25) {
        for (QWidget* widget : widgets) {
            widget->setFont(designedFont(family, size));
        }
        if (size <= kSmallest || captionsFit(widgets)) {
            return;
        }
    }
}

// The platform's default font, marked as the widget's own so the window's font does not
// reach it.
QFont platformFont() {
    const QFont base = QApplication::font();
    QFont font(base.family());
    font.setPointSizeF(base.pointSizeF());
    font.setWeight(base.weight());
    font.setItalic(base.italic());
    return font;
}

// Option buttons paint their background in the button role, frames and the window in the
// window role. A fixed background takes its foreground with it, or a dark desktop theme
// writes light captions on it; a disabled caption stays greyed.
void paintBackground(QWidget* widget, const QColor& colour, const QColor& foreground,
                     const QColor& disabled) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(widget->backgroundRole(), colour);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, foreground);
    }
    palette.setColor(QPalette::Disabled, QPalette::WindowText, disabled);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The list's header draws the room right of its column in the window role, which the list
// inherits from the window: a white strip beside a dark header in a dark theme. It takes the
// colour of the header's own sections instead.
void matchHeaderEdgeToEdge(QHeaderView* header) {
    const QPalette theme = QApplication::palette(header);
    QPalette palette = header->palette();
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, theme.color(group, QPalette::Button));
    }
    header->setPalette(palette);
}

// Tells when the desktop's palette changes while the window is open: a switch between light
// and dark. Only the application hears of that; as a filter on it this sees every event of
// the program, and passes each on at once.
class PaletteWatcher : public QObject {
  public:
    PaletteWatcher(QObject* parent, std::function<void()> changed)
        : QObject(parent), m_changed(std::move(changed)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
            m_changed();
        }
        return false;
    }

  private:
    std::function<void()> m_changed;
};

// The drag pointer is optional and read afresh at every entry click; a missing or
// unreadable file leaves the list with its arrow.
std::optional<QCursor> dragPointerFrom(const QString& path) {
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const AppError&) {
        return std::nullopt;
    }
    QPixmap image;
    if (!image.loadFromData(bytes)) {
        return std::nullopt;
    }
    return QCursor(image);
}

}  // namespace

// The look's own state and its watcher of mouse moves over the window's areas.
class MainWindow::LookState : public QObject {
  public:
    explicit LookState(MainWindow* window) : QObject(window), m_window(window) {}

    std::optional<QCursor> handPointer;
    std::optional<QCursor> dragPointer;
    int listPointerKind = kListPointerDefault;
    bool buttonDown = false;
    // Follows its entry through insertions and removals above it, and turns invalid once
    // the entry has left the list.
    QPersistentModelIndex draggedEntry;
    std::function<QPoint()> screenPointer = [] { return QCursor::pos(); };
    QList<QWidget*> hoverAreas;
    QList<QWidget*> resetAreas;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainWindow* m_window;
};

bool MainWindow::LookState::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove || !watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    auto* move = static_cast<QMouseEvent*>(event);

    QWidget* listSurface = m_window->ListView1->viewport();
    if (widget == listSurface) {
        if (move->buttons() == Qt::NoButton) {
            return false;
        }
        // While a button is held the list's own drag-selection would move the selection
        // under the pointer and scroll at the edges; reordering alone decides both, so the
        // list sees such a move as plain hovering.
        QMouseEvent plain(QEvent::MouseMove, move->position(), move->scenePosition(),
                          move->globalPosition(), Qt::NoButton, Qt::NoButton, move->modifiers(),
                          move->pointingDevice());
        QCoreApplication::sendEvent(listSurface, &plain);
        return true;
    }

    // A move that a control passed on to its container is not a move over the container.
    if (widget->childAt(move->position().toPoint()) != nullptr) {
        return false;
    }
    if (hoverAreas.contains(widget)) {
        m_window->PushButton_MouseMove();
    } else if (resetAreas.contains(widget)) {
        m_window->Form_MouseMove();
    }
    return false;
}

MainWindow::LookState& MainWindow::look() {
    if (m_look == nullptr) {
        m_look = new LookState(this);
    }
    return *m_look;
}

void MainWindow::connectLookHandlers() {
    LookState& state = look();
    const QList<QWidget*> buttons = {PushButton1, PushButton2, PushButton3,
                                     PushButton4, PushButton5, PushButton7};
    const QList<QWidget*> backgrounds = {this, Frame2, Frame3, Frame4, Text1};
    for (QWidget* widget : buttons) {
        state.hoverAreas.append(widget);
    }
    for (QWidget* widget : backgrounds) {
        state.resetAreas.append(widget);
    }
    for (QWidget* widget : buttons + backgrounds) {
        widget->setMouseTracking(true);
        widget->installEventFilter(&state);
    }
    ListView1->viewport()->setMouseTracking(true);
    ListView1->viewport()->installEventFilter(&state);
    new PaletteWatcher(this, [this] { applyDesignedColours(); });

    connect(ListView1, &FileListView::mousePressed, this, [this] { ListView1_MouseDown(); });
    // Emitted once the press has made the entry current and selected.
    connect(ListView1, &QAbstractItemView::pressed, this, [this] { ListView1_ItemClick(); });
    connect(ListView1, &FileListView::mouseMoved, this,
            [this](QMouseEvent* event) { ListView1_MouseMove(event->position().toPoint()); });
    connect(ListView1, &FileListView::mouseReleased, this, [this] { ListView1_MouseUp(); });

    refreshPointers();
}

void MainWindow::applyDesignedLook() {
    applyDesignedFonts();
    Command1->setFont(platformFont());

    // A style of its own does not pass to the controls inside the frames.
    // Over the style the program runs with, which `-style` may have chosen.
    auto* style = NewDesignedStyle(QApplication::style()->name());
    style->setParent(this);
    for (QWidget* widget : QList<QWidget*>{Frame2, Frame3, Frame4, Option1, Option2}) {
        widget->setStyle(style);
    }
    applyDesignedColours();
}

void MainWindow::applyDesignedFonts() {
    const QString family = designedFamily();
    widenOptionsToFit(designedFont(family, 9 * m_layoutScale));
    applyFittingFont({this, Frame2, Frame3, Frame4, Option1, Option2, Text1, Combo1, ListView1},
                     family, 9 * m_layoutScale);
    applyFittingFont({PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton7},
                     family, 11.25 * m_layoutScale);
}

// The options were drawn for their English captions; a longer one, in another language,
// takes the empty room to the right of it up to the frame's edge before its letters get
// smaller. An option that fits keeps its designed place, so a click beside it selects nothing.
void MainWindow::widenOptionsToFit(const QFont& font) {
    constexpr int kDesignedWidth = 3615;
    constexpr int kFrameInnerRight = 7800 - 240;  // Frame3's width, less the options' margin
    for (auto& [control, twips] : m_designedPlaces) {
        auto* option = qobject_cast<QRadioButton*>(control);
        if (option == nullptr) {
            continue;
        }
        QStyleOptionButton look;
        look.initFrom(option);
        const int indicator =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &look, option).left();
        const int needed = indicator + QFontMetrics(font).horizontalAdvance(option->text()) + 2;
        const int neededTwips = qCeil(needed * 15.0 / m_layoutScale);
        twips.setWidth(std::clamp(neededTwips, kDesignedWidth, kFrameInnerRight - twips.left()));
        option->setGeometry(scaled(twips.left()), scaled(twips.top()), scaled(twips.width()),
                            scaled(twips.height()));
    }
}

void MainWindow::applyDesignedColours() {
    const QPalette theme = QApplication::palette();
    QColor background = Qt::white;
    QColor foreground = Qt::black;
    QColor disabled = Qt::darkGray;
    if (m_skinned) {
        // The skinned window trades the designed white for the platform's button face.
        background = theme.color(QPalette::Button);
        foreground = theme.color(QPalette::ButtonText);
    } else if (isDarkPalette(theme)) {
        // White is the design on a light desktop; on a dark one the window would be a white
        // sheet around dark controls, so it takes the desktop's own colours.
        background = theme.color(QPalette::Window);
        foreground = theme.color(QPalette::WindowText);
        disabled = theme.color(QPalette::Disabled, QPalette::WindowText);
    }
    for (QWidget* widget : QList<QWidget*>{this, Frame2, Frame3, Frame4, Option1, Option2}) {
        paintBackground(widget, background, foreground, disabled);
    }
    matchHeaderEdgeToEdge(ListView1->header());
}

void MainWindow::applySkin() {
    const QString skinPath = programFolder() + QStringLiteral("/x/o.cjs");
    if (!QFileInfo(skinPath).isFile()) {
        return;
    }
    m_skinned = true;
    applyDesignedColours();
    setStyleSheet(QString::fromUtf8(ReadWholeFile(skinPath)));
}

void MainWindow::loadHandPointer(const QString& path) {
    const QByteArray bytes = ReadWholeFile(path);
    QPixmap image;
    if (!image.loadFromData(bytes)) {
        //: The failure shown when the hand pointer file beside the program is no picture.
        throw AppError(kInvalidPicture,
                       QCoreApplication::translate("MainWindow", "Invalid picture"));
    }
    const QPoint hotSpot = CursorHotSpot(bytes).value_or(QPoint(-1, -1));
    look().handPointer = QCursor(image, hotSpot.x(), hotSpot.y());
    refreshPointers();
}

void MainWindow::setPointerKind(int kind) {
    // Every file of a run asks for the hourglass again; on X11 each change of a widget's
    // pointer is a round trip to the server, so an unchanged kind changes nothing.
    if (kind == m_pointerKind) {
        return;
    }
    m_pointerKind = kind;
    refreshPointers();
}

int MainWindow::listPointerKind() const {
    return m_look == nullptr ? kListPointerDefault : m_look->listPointerKind;
}

void MainWindow::setScreenPointerSource(std::function<QPoint()> source) {
    look().screenPointer = std::move(source);
}

void MainWindow::refreshPointers() {
    const LookState& state = look();
    QCursor windowPointer(Qt::ArrowCursor);
    if (m_pointerKind == kPointerBusy) {
        windowPointer = QCursor(Qt::WaitCursor);
    } else if (m_pointerKind == kPointerCustom && state.handPointer) {
        windowPointer = *state.handPointer;
    }
    setCursor(windowPointer);

    // The folder field and the list show pointers of their own; the window's busy and hand
    // pointers still cover them.
    Text1->setCursor(m_pointerKind == kPointerDefault ? QCursor(Qt::IBeamCursor) : windowPointer);
    QCursor listPointer = windowPointer;
    if (m_pointerKind != kPointerBusy) {
        if (state.listPointerKind == kListPointerCustom) {
            listPointer = state.dragPointer.value_or(QCursor(Qt::ArrowCursor));
        } else if (state.listPointerKind == kListPointerArrow) {
            listPointer = QCursor(Qt::ArrowCursor);
        }
    }
    ListView1->viewport()->setCursor(listPointer);
}

void MainWindow::PushButton_MouseMove() {
    setPointerKind(PointerKindAfterHover(m_pointerKind));
}

void MainWindow::Form_MouseMove() {
    setPointerKind(PointerKindAfterReset(m_pointerKind));
}

void MainWindow::ListView1_MouseDown() {
    look().buttonDown = true;
}

void MainWindow::ListView1_ItemClick() {
    LookState& state = look();
    state.listPointerKind = kListPointerCustom;
    state.dragPointer = dragPointerFrom(programFolder() + QStringLiteral("/drag.ico"));
    // Entries are never dragged out of the list to other programs.
    ListView1->setDragEnabled(false);
    const QModelIndexList selected = ListView1->selectionModel()->selectedRows();
    state.draggedEntry =
        selected.isEmpty() ? QPersistentModelIndex() : QPersistentModelIndex(selected.first());
    refreshPointers();
}

void MainWindow::ListView1_MouseMove(const QPoint& position) {
    Form_MouseMove();
    LookState& state = look();
    if (!state.buttonDown) {
        return;
    }
    // With the button held the list keeps receiving moves after the pointer has left it;
    // out there no entry is under the pointer.
    QModelIndex hovered;
    if (ListView1->viewport()->rect().contains(position)) {
        hovered = ListView1->indexAt(position);
    }
    const QModelIndex dragged = state.draggedEntry;
    if (!dragged.isValid() || !hovered.isValid()) {
        return;
    }
    const int draggedPosition = dragged.row() + 1;
    const int hoveredPosition = hovered.row() + 1;
    if (!ExchangeEntryTexts(*m_fileList, draggedPosition, hoveredPosition)) {
        return;
    }
    const QModelIndex landed = m_fileList->index(hoveredPosition - 1);
    ListView1->selectionModel()->setCurrentIndex(
        landed, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    state.draggedEntry = landed;

    const int target =
        ScrollTargetAfterExchange(state.screenPointer().y(), hoveredPosition, m_fileList->count());
    if (target > 0) {
        ListView1->scrollTo(m_fileList->index(target - 1), QAbstractItemView::EnsureVisible);
    }
}

void MainWindow::ListView1_MouseUp() {
    LookState& state = look();
    state.buttonDown = false;
    state.listPointerKind = kListPointerArrow;
    refreshPointers();
}

}  // namespace lorvane
