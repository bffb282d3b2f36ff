#pragma once

#include <functional>

class QEventLoop;

namespace lorvane {

// Lets pending events run once: what a long walk calls now and then, so the window repaints
// and stays usable.
void YieldToEvents();

// The one way the program waits for something (a converter, its answers) while the window
// goes on answering: events run until a condition holds. Whatever changes what the condition
// looks at calls wake(), so the condition is looked at again at once.
class EventWait {
  public:
    EventWait() = default;
    EventWait(const EventWait&) = delete;
    EventWait& operator=(const EventWait&) = delete;

    // Runs events until `done()` holds or `timeoutMs` has passed (negative: no limit).
    // Returns whether `done()` holds. An application that is shutting down ends the wait
    // early, with false.
    bool until(const std::function<bool()>& done, int timeoutMs = -1);
    void wake();

  private:
    QEventLoop* m_loop = nullptr;
    bool m_woken = false;
};

}  // namespace lorvane
