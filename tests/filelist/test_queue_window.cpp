#include <QtTest>
class TestQueueWindow : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TestQueueWindow)
#include "test_queue_window.moc"
