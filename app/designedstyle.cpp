#include "app/designedstyle.h"

#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

namespace lorvane {

// Light text on dark surfaces: a desktop's dark theme.
bool isDarkPalette(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

namespace {

// The frames and the option buttons as designed, on whatever the desktop's style draws.
//
// Fusion fills the inside of every frame with a faint grey; the designed frames are plain
// lines around the window's own colour. The frame is drawn as the style draws it, and then
// every pixel of that fill is taken out again.
//
// On a dark palette Fusion draws an option button as a dark ring on a dark window, and its
// selection mark in a half-transparent grey: selected and not selected look nearly alike.
// There the ring takes a colour between the window and its text, and the mark the text's own.
class DesignedStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    // Styles take a frame's caption colour from the text role, the one meant for entry
    // fields; the caption stands on the frame's own background, in the foreground set with it.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_GroupBox_TextLabelColor && widget != nullptr) {
            const QPalette::ColorGroup group =
                widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
            return static_cast<int>(widget->palette().color(group, QPalette::WindowText).rgba());
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_IndicatorRadioButton && isDarkPalette(option->palette)) {
            drawReadableRadio(option, painter);
            return;
        }
        if (element != PE_FrameGroupBox || option->rect.isEmpty()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const qreal scale = painter->device()->devicePixelRatioF();
        QImage drawn(option->rect.size() * scale, QImage::Format_ARGB32_Premultiplied);
        drawn.setDevicePixelRatio(scale);
        drawn.fill(Qt::transparent);
        {
            QPainter inner(&drawn);
            QStyleOption moved(*option);
            moved.rect.moveTopLeft(QPoint(0, 0));
            if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option)) {
                QStyleOptionFrame movedFrame(*frame);
                movedFrame.rect = moved.rect;
                QProxyStyle::drawPrimitive(element, &movedFrame, &inner, widget);
            } else {
                QProxyStyle::drawPrimitive(element, &moved, &inner, widget);
            }
        }
        // The lines are the outermost pixels the style drew; the fill is what it left near
        // the bottom-right of the inside, clear of a title that some styles draw at the top.
        int top = drawn.height();
        int bottom = -1;
        int left = drawn.width();
        int right = -1;
        for (int y = 0; y < drawn.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            for (int x = 0; x < drawn.width(); ++x) {
                if (qAlpha(line[x]) != 0) {
                    top = qMin(top, y);
                    bottom = y;
                    left = qMin(left, x);
                    right = qMax(right, x);
                }
            }
        }
        if (right - left > 16 && bottom - top > 16) {
            const QRgb fill = drawn.pixel(right - 8, bottom - 8);
            for (int y = top + 1; qAlpha(fill) != 0 && y < bottom; ++y) {
                auto* line = reinterpret_cast<QRgb*>(drawn.scanLine(y));
                for (int x = left + 1; x < right; ++x) {
                    if (line[x] == fill) {
                        line[x] = 0;
                    }
                }
            }
        }
        painter->drawImage(option->rect.topLeft(), drawn);
    }

  private:
    static void drawReadableRadio(const QStyleOption* option, QPainter* painter) {
        const QPalette& palette = option->palette;
        const bool enabled = (option->state & State_Enabled) != 0;
        const QColor window = palette.color(QPalette::Window);
        const QColor text =
            palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        QColor ring = text;
        ring.setRedF(window.redF() * 0.4 + text.redF() * 0.6);
        ring.setGreenF(window.greenF() * 0.4 + text.greenF() * 0.6);
        ring.setBlueF(window.blueF() * 0.4 + text.blueF() * 0.6);

        const QRectF box = QRectF(option->rect).adjusted(1, 1, -1, -1);
        const qreal side = qMin(box.width(), box.height());
        const QRectF circle(box.center() - QPointF(side, side) / 2, QSizeF(side, side));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(QPen(ring, 1.5));
        painter->setBrush((option->state & State_Sunken) != 0 ? ring.darker(200)
                                                              : palette.color(QPalette::Base));
        painter->drawEllipse(circle.adjusted(0.75, 0.75, -0.75, -0.75));
        if ((option->state & State_On) != 0) {
            const qreal inset = side * 0.28;
            painter->setPen(Qt::NoPen);
            painter->setBrush(text);
            painter->drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
        }
        painter->restore();
    }
};

}  // namespace

QStyle* NewDesignedStyle(const QString& base) {
    return new DesignedStyle(base);
}

}  // namespace lorvane
