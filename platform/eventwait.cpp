#include "platform/eventwait.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace lorvane {

void YieldToEvents() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents();
    }
}

bool EventWait::until(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline =
        timeoutMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(timeoutMs);
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [this] { wake(); });
    QEventLoop* const outer = m_loop;
    m_loop = &loop;
    bool finished = done();
    while (!finished && !deadline.hasExpired()) {
        if (!deadline.isForever()) {
            limit.start(static_cast<int>(deadline.remainingTime()));
        }
        m_woken = false;
        loop.exec();
        finished = done();
        if (!m_woken) {
            break;  // not woken by us: the application is quitting
        }
    }
    m_loop = outer;
    return finished;
}

void EventWait::wake() {
    m_woken = true;
    if (m_loop != nullptr) {
        m_loop->quit();
    }
}

}  // namespace lorvane
