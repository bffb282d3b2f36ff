#pragma once

#include <QProgressBar>

namespace lorvane {

// A progress bar that shows a line of text of our choosing over a value from 0 to 100.
// Values above 100 show as a full bar; the text is shown literally.
class TextProgressBar : public QProgressBar {
    Q_OBJECT
  public:
    explicit TextProgressBar(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    // The value as the run set it (it may exceed what the bar can show).
    double preciseValue() const { return m_value; }
    void setPreciseValue(double value);

  signals:
    void captionChanged(const QString& caption);

  private:
    QString m_caption;
    double m_value = 0.0;
};

}  // namespace lorvane
