#include "convert/runprogress.h"

#include "convert/runfrontend.h"

#include <cmath>

namespace lorvane {

void RunProgress::setText(const QString& text) {
    m_caption = text;
    m_events.progressChanged(m_value, m_caption);
}

void RunProgress::setValue(double value) {
    m_value = value;
    m_events.progressChanged(m_value, m_caption);
}

int RunProgress::baseValue() const {
    return static_cast<int>(std::nearbyint(m_value));
}

}  // namespace lorvane
