#include <QtTest>
class TestSamples : public QObject {
    Q_OBJECT
};
QTEST_MAIN(TestSamples)
#include "test_samples.moc"
