#include "app/textprogressbar.h"

#include <algorithm>
#include <cmath>

namespace lorvane {

TextProgressBar::TextProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
    setFormat(QString());  // the caption, empty until one is set
}

void TextProgressBar::setCaption(const QString& caption) {
    if (caption == m_caption) {
        return;
    }
    m_caption = caption;
    // The format understands %p, %v and %m; a file name may hold a "%" of its own.
    QString format = caption;
    format.replace(QLatin1Char('%'), QLatin1String("%%"));
    setFormat(format);
    emit captionChanged(m_caption);
}

void TextProgressBar::setPreciseValue(double value) {
    m_value = value;
    const double shown = std::clamp(std::round(value), 0.0, 100.0);
    setValue(static_cast<int>(shown));
}

}  // namespace lorvane
