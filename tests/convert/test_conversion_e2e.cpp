// From OGG to WAV with the real FFmpeg, for every output format, read back with libsndfile;
// and the loops that game music marks in its comments, in the results' sampler chunks.
#include "convert/convertsupport.h"
#include "convert/formattable.h"
#include "filelist/filelistmodel.h"
#include "support/windowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <sndfile.h>

#include <cmath>
#include <vector>

using namespace lorvane;
using namespace lorvane::test;

namespace {

struct Source {
    const char* name;
    int rate;
    int channels;
};
// Lengths of whole 1024-sample blocks.
const Source kSources[] = {{"mono8k", 8000, 1}, {"stereo44k", 44100, 2}};
constexpr double kSeconds = 0.5;

struct WavFacts {
    int subtype = 0;
    int channels = 0;
    int rate = 0;
    sf_count_t frames = 0;
    double rms = 0;  // over every sample, full scale 1.0
};

std::optional<WavFacts> readWav(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file == nullptr) {
        return std::nullopt;
    }
    std::vector<double> samples(static_cast<size_t>(info.frames * info.channels));
    const sf_count_t read = sf_read_double(file, samples.data(), info.frames * info.channels);
    sf_close(file);
    double sum = 0;
    for (sf_count_t i = 0; i < read; ++i) {
        sum += samples[static_cast<size_t>(i)] * samples[static_cast<size_t>(i)];
    }
    WavFacts facts;
    facts.subtype = info.format & SF_FORMAT_SUBMASK;
    facts.channels = info.channels;
    facts.rate = info.samplerate;
    facts.frames = info.frames;
    facts.rms = read > 0 ? std::sqrt(sum / static_cast<double>(read)) : 0;
    return facts;
}

// The frames FFmpeg itself decodes from a file, counted as 16-bit samples on a pipe.
sf_count_t ffmpegFrames(const QString& path, int channels) {
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(realFfmpeg(), {"-nostdin", "-v", "error", "-i", "file:" + path, "-f", "s16le", "-"});
    p.waitForFinished(60000);
    return p.readAllStandardOutput().size() / 2 / channels;
}

}  // namespace

class ConversionEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void everyFormat_data();
    void everyFormat();
    void loopPointsReachTheResults_data();
    void loopPointsReachTheResults();

  private:
    // Chooses the format at `index` in the drop-down and a new folder "out" for the results,
    // and gives that folder.
    static QString chooseFormatAndFolder(WindowFixture& fx, MainWindow& window, int index) {
        const QString out = fx.dir.filePath("out");
        QDir().mkpath(out);
        window.findChild<QComboBox*>("Combo1")->setCurrentIndex(index);
        window.findChild<QLineEdit*>("Text1")->setText(out);
        return out;
    }

    QTemporaryDir m_sources;
    std::unique_ptr<EnvChange> m_tool;
};

void ConversionEndToEndTest::initTestCase() {
    m_tool = std::make_unique<EnvChange>("LORVANE_FFMPEG", std::nullopt);
    for (const Source& s : kSources) {
        QVERIFY(
            makeOgg(m_sources.filePath(QString(s.name) + ".ogg"), s.rate, s.channels, kSeconds));
    }
}

void ConversionEndToEndTest::everyFormat_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("subtype");
    QTest::addColumn<double>("tolerance");  // of the level, relative
    const int subtypes[] = {SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16, SF_FORMAT_ULAW,
                            SF_FORMAT_PCM_24, SF_FORMAT_FLOAT,  SF_FORMAT_DOUBLE};
    const double tolerances[] = {0.1, 0.05, 0.08, 0.05, 0.05, 0.05};
    for (int i = 0; i < 6; ++i) {
        QTest::newRow(OutputFormats()[static_cast<size_t>(i)].label.toUtf8().constData())
            << i << subtypes[i] << tolerances[i];
    }
}

void ConversionEndToEndTest::everyFormat() {
    QFETCH(int, index);
    QFETCH(int, subtype);
    QFETCH(double, tolerance);
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString out = chooseFormatAndFolder(fx, *window, index);
    for (const Source& s : kSources) {
        window->fileList().AddListEntry(m_sources.filePath(QString(s.name) + ".ogg"));
    }
    window->PushButton2_Click();
    QCOMPARE(fx.dialogs.messages(), QStringList{"Done."});

    for (const Source& s : kSources) {
        const auto facts = readWav(out + "/" + s.name + ".wav");
        QVERIFY2(facts.has_value(), s.name);
        QCOMPARE(facts->subtype, subtype);
        QCOMPARE(facts->channels, s.channels);
        QCOMPARE(facts->rate, s.rate);
        // Every frame FFmpeg decodes from the source is in the result. (FFmpeg's Vorbis
        // decoder drops up to one short block of the stream's start, so the count may lie a
        // little below the length the stream itself states, as libsndfile reads it.)
        const QString source = m_sources.filePath(QString(s.name) + ".ogg");
        QCOMPARE(facts->frames, ffmpegFrames(source, s.channels));
        const auto stated = readWav(source);
        QVERIFY(stated.has_value());
        QVERIFY2(std::abs(facts->frames - stated->frames) <= 256,
                 qPrintable(QStringLiteral("%1 of %2").arg(facts->frames).arg(stated->frames)));
        // The sine's level, against the source's own (FFmpeg's sine has amplitude 1/8; the
        // stereo source was spread from mono at -3 dB).
        QVERIFY(stated->rms > 0.05 && stated->rms < 0.1);
        QVERIFY2(std::abs(facts->rms - stated->rms) <= stated->rms * tolerance,
                 qPrintable(QStringLiteral("%1 against %2").arg(facts->rms).arg(stated->rms)));
    }
}

void ConversionEndToEndTest::loopPointsReachTheResults_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("16-bit PCM") << 1;
    QTest::newRow("64-bit PCM") << 5;
}

// Sources that mark loops as game music does, converted together (short files share one
// converter): libsndfile's instrument data reads each loop back exactly, as its first frame
// and the frame after it.
void ConversionEndToEndTest::loopPointsReachTheResults() {
    QFETCH(int, index);
    const struct {
        const char* name;
        const char* codec;
        int rate;
        QStringList comments;
        sf_count_t start;
        sf_count_t after;  // -1: no loop
    } sources[] = {
        {"length", "libvorbis", 44100, {"LOOPSTART=22050", "LOOPLENGTH=44100"}, 22050, 66150},
        {"end", "libvorbis", 8000, {"loopstart=100", "LoopEnd=7000"}, 100, 7000},
        // Opus counts at 48 kHz, whatever rate it was made from, and decodes at 48 kHz.
        {"opus", "libopus", 24000, {"LOOPSTART=4800", "LOOPLENGTH=48000"}, 4800, 52800},
        {"broken", "libvorbis", 8000, {"LOOPSTART=-1", "LOOPLENGTH=10"}, -1, -1},
        {"plain", "libvorbis", 8000, {}, -1, -1},
    };
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString out = chooseFormatAndFolder(fx, *window, index);
    for (const auto& source : sources) {
        const QString path = m_sources.filePath(QStringLiteral("loop-%1.ogg").arg(source.name));
        if (!QFileInfo::exists(path)) {
            QVERIFY(makeOgg(path, source.rate, 2, 1.5, 440, source.comments, source.codec));
        }
        window->fileList().AddListEntry(path);
    }
    window->PushButton2_Click();
    QCOMPARE(fx.dialogs.messages(), QStringList{"Done."});
    for (const auto& source : sources) {
        const QString path = out + "/loop-" + source.name + ".wav";
        SF_INFO info{};
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY2(file != nullptr, source.name);
        SF_INSTRUMENT instrument{};
        const bool hasLoop =
            sf_command(file, SFC_GET_INSTRUMENT, &instrument, sizeof instrument) == SF_TRUE &&
            instrument.loop_count > 0;
        sf_close(file);
        QCOMPARE(hasLoop, source.after >= 0);
        if (hasLoop) {
            QCOMPARE(instrument.loop_count, 1);
            QCOMPARE(instrument.loops[0].mode, int(SF_LOOP_FORWARD));
            QCOMPARE(sf_count_t(instrument.loops[0].start), source.start);
            QCOMPARE(sf_count_t(instrument.loops[0].end), source.after);
        }
    }
}

QTEST_MAIN(ConversionEndToEndTest)
#include "test_conversion_e2e.moc"
