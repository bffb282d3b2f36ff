// The window for keyboard users and assistive technology: Enter on push buttons, a visible
// focus ring, the names and descriptions screen readers announce, and the off-screen focus
// holder kept out of their way.
#include "app/mainwindow.h"
#include "app/textprogressbar.h"
#include "app/windowfocus.h"
#include "filelist/filelistview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace lorvane {

namespace {

// On the platform this window comes from a focused button takes Enter as well as Space.
class EnterPressesButton : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            others != Qt::NoModifier) {
            return false;
        }
        auto* button = static_cast<QPushButton*>(watched);
        if (button->isEnabled() && !key->isAutoRepeat()) {
            button->animateClick();
        }
        return true;
    }
};

bool isFocusHolder(const QObject* object) {
    return qobject_cast<const FocusHolder*>(object) != nullptr;
}

// The window as assistive technology sees it: every control but the focus holder, which
// exists only so that the focus rests on nothing visible at start.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> children = shown();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(shown().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

  private:
    QList<QAccessibleInterface*> shown() const {
        QList<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child != nullptr && !isFocusHolder(child->object())) {
                children.append(child);
            }
        }
        return children;
    }
};

// The focus holder, for a screen reader that asks anyway (its focus at start): nothing to
// announce and nothing shown.
class FocusHolderAccessible : public QAccessibleWidget {
  public:
    explicit FocusHolderAccessible(QWidget* holder)
        : QAccessibleWidget(holder, QAccessible::NoRole) {}

    QString text(QAccessible::Text) const override { return QString(); }
    QAccessible::State state() const override {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        hidden.offscreen = true;
        hidden.focusable = false;
        return hidden;
    }
    QStringList actionNames() const override { return {}; }
};

QAccessibleInterface* accessibleFor(const QString&, QObject* object) {
    if (auto* holder = qobject_cast<FocusHolder*>(object)) {
        return new FocusHolderAccessible(holder);
    }
    if (auto* window = qobject_cast<MainWindow*>(object)) {
        return new WindowAccessible(window);
    }
    return nullptr;
}

}  // namespace

void MainWindow::connectAccessHandlers() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);

    auto* enter = new EnterPressesButton(this);
    for (QPushButton* button :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton7}) {
        button->installEventFilter(enter);
        //: What a screen reader calls the "..." button beside the output folder field.
        button->setAccessibleName(button == PushButton7 ? QCoreApplication::translate(
                                                              "MainWindow", "Choose output folder")
                                                        : button->text());
    }
    new FocusRing(this);
    for (QRadioButton* option : {Option1, Option2}) {
        connect(option, &QRadioButton::toggled, this, [this] { keepTabOnSelectedOption(); });
    }
    keepTabOnSelectedOption();

    //: What a screen reader calls the file list.
    ListView1->setAccessibleName(QCoreApplication::translate("MainWindow", "Files to convert"));
    ListView1->setAccessibleDescription(ListView1->toolTip());
    //: What a screen reader calls the field of the folder the WAV files are saved in.
    Text1->setAccessibleName(QCoreApplication::translate("MainWindow", "Output folder"));
    // On Linux, Qt gives a drop-down its current value as its name, as Orca expects, and
    // labels it by its frame's caption; other platforms take this name.
    //: What a screen reader calls the drop-down of WAV formats.
    Combo1->setAccessibleName(QCoreApplication::translate("MainWindow", "Output WAV format"));
    // The closed drop-down says what its choice writes, as each entry of its list does: three
    // of the labels do not.
    const auto describeChoice = [combo = Combo1] {
        const QString written = combo->currentData(Qt::AccessibleDescriptionRole).toString();
        combo->setToolTip(written);
        combo->setAccessibleDescription(
            written.isEmpty() ? QCoreApplication::translate("MainWindow", "Output WAV format")
                              : written);
    };
    connect(Combo1, qOverload<int>(&QComboBox::currentIndexChanged), Combo1, describeChoice);
    describeChoice();
    Option1->setAccessibleName(Option1->text());
    Option2->setAccessibleName(Option2->text());
    // The bar's line of text is its name, so a screen reader reads the file in hand; the
    // value is the bar's own.
    ProgressBar1->setAccessibleName(ProgressBar1->caption());
    connect(ProgressBar1, &TextProgressBar::captionChanged, ProgressBar1,
            [bar = ProgressBar1](const QString& caption) { bar->setAccessibleName(caption); });
}

// The two options are one Tab stop, the selected one, as on every desktop; the arrow keys
// move between them. Left to itself Qt stops at both until one has had the focus, and from
// then on at whichever had it last, selected or not.
void MainWindow::keepTabOnSelectedOption() {
    QRadioButton* stop = Option2->isChecked() ? Option2 : Option1;
    for (QRadioButton* option : {Option1, Option2}) {
        option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

}  // namespace lorvane
