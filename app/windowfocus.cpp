#include "app/windowfocus.h"

#include <QApplication>
#include <QPainter>

namespace lorvane {

FocusRing::FocusRing(QWidget* window) : QFocusFrame(window), m_window(window) {
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* focused) { follow(focused); });
}

void FocusRing::follow(QWidget* focused) {
    if (focused == nullptr || focused == m_window || !m_window->isAncestorOf(focused)) {
        setWidget(nullptr);
        hide();
        return;
    }
    setWidget(focused);
    show();
}

void FocusRing::paintEvent(QPaintEvent*) {
    // The frame lies around the control, in the margin the style gives focus frames.
    QPainter painter(this);
    const QColor ring = palette().color(QPalette::Active, QPalette::Highlight);
    painter.setPen(QPen(ring, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace lorvane
