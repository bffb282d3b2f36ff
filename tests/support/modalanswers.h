#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QQueue>
#include <QTimer>

#include <functional>

namespace lorvane::test {

// Answers the real modal dialogs that the code under test opens: each new dialog that
// becomes the active modal widget goes to the next answer, which inspects it and closes it.
// A fail-safe closes whatever is still open after the time limit and marks the run, so a
// dialog nobody answers fails the test instead of hanging it.
class ModalAnswers : public QObject {
  public:
    using Answer = std::function<void(QDialog*)>;

    explicit ModalAnswers(const QList<Answer>& answers, int limitMs = 5000) {
        for (const Answer& answer : answers) {
            m_answers.enqueue(answer);
        }
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start(10);
        m_failSafe.setSingleShot(true);
        connect(&m_failSafe, &QTimer::timeout, this, [this] { closeEverything(); });
        m_failSafe.start(limitMs);
    }

    int answered() const { return m_answered; }
    bool timedOut() const { return m_timedOut; }
    bool allAnswered() const { return m_answers.isEmpty() && !m_timedOut; }

  private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == m_current) {
            return;
        }
        m_current = dialog;
        if (m_answers.isEmpty()) {
            closeEverything();  // more dialogs than the test expected
            return;
        }
        ++m_answered;
        m_answers.dequeue()(dialog);
    }

    void closeEverything() {
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            if (!dialog->isVisible()) {
                break;
            }
            m_timedOut = true;
            dialog->done(QDialog::Rejected);
            dialog->hide();
        }
        if (m_timedOut) {
            m_failSafe.start(500);  // and again, should another one open
        }
    }

    QQueue<Answer> m_answers;
    QPointer<QDialog> m_current;
    QTimer m_poll;
    QTimer m_failSafe;
    int m_answered = 0;
    bool m_timedOut = false;
};

}  // namespace lorvane::test
