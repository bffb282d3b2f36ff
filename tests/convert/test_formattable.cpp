#include "convert/formattable.h"

#include <QtTest>

using namespace lorvane;

class TestFormatTable : public QObject {
    Q_OBJECT
  private slots:
    void labelToCodec_data();
    void labelToCodec();
    void tableOrder();
};

void TestFormatTable::labelToCodec_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("codec");
    QTest::newRow("8-bit") << "8-bit PCM"
                           << "pcm_u8";
    QTest::newRow("16-bit") << "16-bit PCM"
                            << "pcm_s16le";
    QTest::newRow("mu-law with micro sign")
        << QString::fromUtf16(u"16-bit PCM \u00B5-law") << "pcm_mulaw";
    QTest::newRow("mu-law from UTF-8 bytes")
        << QString::fromUtf8("16-bit PCM \xC2\xB5-law") << "pcm_mulaw";
    QTest::newRow("mu-law with greek mu") << QString::fromUtf16(u"16-bit PCM \u03BC-law") << "";
    QTest::newRow("mu-law as latin-1 byte read as UTF-8")
        << QString::fromUtf8("16-bit PCM \xB5-law") << "";
    QTest::newRow("24-bit") << "24-bit PCM"
                            << "pcm_s24le";
    QTest::newRow("32-bit is float") << "32-bit PCM"
                                     << "pcm_f32le";
    QTest::newRow("64-bit is float") << "64-bit PCM"
                                     << "pcm_f64le";
    QTest::newRow("lower case") << "16-bit pcm"
                                << "";
    QTest::newRow("leading space") << " 16-bit PCM"
                                   << "";
    QTest::newRow("prefix") << "16-bit"
                            << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFormatTable::labelToCodec() {
    QFETCH(QString, label);
    QFETCH(QString, codec);
    QCOMPARE(getWAVFormat(label), codec);
}

void TestFormatTable::tableOrder() {
    QStringList codecs;
    for (const OutputFormat& f : OutputFormats()) {
        codecs << f.codec;
    }
    QCOMPARE(codecs, QStringList({"pcm_u8", "pcm_s16le", "pcm_mulaw", "pcm_s24le", "pcm_f32le",
                                  "pcm_f64le"}));
    QCOMPARE(OutputFormats()[2].label.at(11).unicode(), char16_t(0x00B5));

    // Each description says what its codec writes, whatever the label says: the bits,
    // integer or floating point, and mu-law's 8 bits.
    for (const OutputFormat& f : OutputFormats()) {
        const QRegularExpressionMatch pcm =
            QRegularExpression("^pcm_([usf])(\\d+)(le)?$").match(f.codec);
        QString written;
        if (f.codec == "pcm_mulaw") {
            written = QString::fromUtf16(u"8-bit \u00B5-law, companded");
        } else if (pcm.captured(1) == "f") {
            written = pcm.captured(2) + "-bit floating point";
        } else {
            written = pcm.captured(2) + "-bit integer, " +
                      (pcm.captured(1) == "u" ? "unsigned" : "signed");
        }
        QCOMPARE(f.description, written);
    }
}

QTEST_GUILESS_MAIN(TestFormatTable)
#include "test_formattable.moc"
