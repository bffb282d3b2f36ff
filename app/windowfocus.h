#pragma once

#include <QFocusFrame>
#include <QPushButton>

namespace lorvane {

// The button that holds the keyboard focus at start, out of sight, so the focus rests on no
// visible control. A class of its own so assistive technology can be told to pass it by.
class FocusHolder : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;
};

// A plain ring in the palette's highlight colour around the control that has the keyboard
// focus, the same for every kind of control and whatever the style draws (or leaves out) of
// its own. Being a focus frame, it is no control of its own to assistive technology.
class FocusRing : public QFocusFrame {
    Q_OBJECT
  public:
    // Follows the focus among the controls inside `window`.
    explicit FocusRing(QWidget* window);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void follow(QWidget* focused);
    QWidget* m_window;
};

}  // namespace lorvane
