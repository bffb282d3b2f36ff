#pragma once

#include "convert/runandwait.h"

#include <QCoreApplication>
#include <QString>

namespace lorvane {

class ConversionEvents;

// The run's progress, as the bar shows it: a value and a caption, each change passed on to
// the front end. Waits animate it as they would a bar.
class RunProgress : public ProgressIndicator {
  public:
    explicit RunProgress(ConversionEvents& events) : m_events(events) {}
    void setText(const QString& text) override;
    void setValue(double value) override;
    double value() const { return m_value; }
    const QString& caption() const { return m_caption; }
    // The value as a whole number, rounded half to even: what a wait starts from.
    int baseValue() const;

  private:
    ConversionEvents& m_events;
    double m_value = 0;
    QString m_caption = QCoreApplication::translate("ConversionRun", "Progress Bar");
};

}  // namespace lorvane
