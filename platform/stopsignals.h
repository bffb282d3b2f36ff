#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace lorvane {

// SIGINT, SIGTERM and SIGHUP (Ctrl+C, a shutdown or logout, a closed terminal) as events of
// the program's own: while one of these objects lives, the signals no longer end the program
// at once but are counted and told, so a run can finish what it has begun. Only one may live
// at a time.
class StopSignals : public QObject {
    Q_OBJECT
  public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // The first signal that came, or 0.
    int firstSignal() const { return m_first; }
    int count() const { return m_count; }

  signals:
    // `count` is 1 for the first signal, 2 for the second ...
    void received(int signal, int count);

  private:
    void drain();
    QSocketNotifier* m_notifier = nullptr;
    int m_first = 0;
    int m_count = 0;
};

// "SIGINT", "SIGTERM", "SIGHUP" ...
QString SignalName(int signal);

}  // namespace lorvane
