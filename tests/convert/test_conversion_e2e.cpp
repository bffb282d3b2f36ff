// From OGG to WAV with the real FFmpeg, for every output format, read back with libsndfile;
// every sample of a corpus of short and long, chained and cut sources against libvorbisfile's
// own decode; and the loops that game music marks in its comments, in the results' sampler
// chunks.
#include "convert/convertsupport.h"
#include "convert/formattable.h"
#include "filelist/filelistmodel.h"
#include "support/windowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <ogg/ogg.h>
#include <sndfile.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
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

// What libvorbisfile decodes from a file: each link's rate, channels and samples.
struct Decoded {
    long rate = 0;
    int channels = 0;
    std::vector<float> samples;  // interleaved
    sf_count_t frames() const { return static_cast<sf_count_t>(samples.size()) / channels; }
};
std::vector<Decoded> decodeVorbis(const QString& path) {
    std::vector<Decoded> links;
    OggVorbis_File file;
    if (ov_fopen(QFile::encodeName(path).constData(), &file) != 0) {
        return links;
    }
    float** pcm = nullptr;
    int link = -1;
    long n = 0;
    while ((n = ov_read_float(&file, &pcm, 4096, &link)) > 0) {
        const vorbis_info* info = ov_info(&file, link);
        if (links.size() <= static_cast<size_t>(link)) {
            links.resize(static_cast<size_t>(link) + 1);
            links.back().rate = info->rate;
            links.back().channels = info->channels;
        }
        for (long i = 0; i < n; ++i) {
            for (int c = 0; c < info->channels; ++c) {
                links[static_cast<size_t>(link)].samples.push_back(pcm[c][i]);
            }
        }
    }
    ov_clear(&file);
    return links;
}

std::vector<float> readSamples(const QString& path, SF_INFO* info) {
    *info = SF_INFO{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, info);
    if (file == nullptr) {
        return {};
    }
    std::vector<float> samples(static_cast<size_t>(info->frames * info->channels));
    sf_read_float(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
    return samples;
}

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A sound as game and app developers have them, made by FFmpeg's libvorbis or by oggenc.
bool makeSound(const QString& path, const QString& encoder, const QString& signal, double seconds,
               int rate, int channels) {
    const QString d = QString::number(seconds);
    const QString r = QString::number(rate);
    const QString source =
        signal == "sine"    ? "sine=frequency=440:sample_rate=" + r + ":duration=" + d
        : signal == "pluck" ? "aevalsrc=exprs=sin(2*PI*330*t)*exp(-8*t):s=" + r + ":d=" + d
                            : "anoisesrc=c=pink:a=0.4:r=" + r + ":d=" + d;
    const QStringList head{"-nostdin", "-v", "error", "-y",  "-f",
                           "lavfi",    "-i", source,  "-ac", QString::number(channels)};
    if (encoder == "ffmpeg") {
        return run(realFfmpeg(), head + QStringList{"-c:a", "libvorbis", "file:" + path});
    }
    const QString wav = path + ".wav";
    return run(realFfmpeg(), head + QStringList{"-c:a", "pcm_s16le", "file:" + wav}) &&
           run(QStandardPaths::findExecutable("oggenc"), {"-Q", "-o", path, wav}) &&
           QFile::remove(wav);
}

// The pages of an Ogg file from `first` on (its two header pages kept), renumbered and with
// the end marked: a stream cut from a longer one, whose granule positions start past 0.
// `shift` moves every audio page's granule position back by that many samples, as for a
// stream whose first page decodes to more than its position says.
QByteArray repage(const QByteArray& ogg, int first, qint64 shift) {
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    char* buffer = ogg_sync_buffer(&sync, ogg.size());
    std::memcpy(buffer, ogg.constData(), static_cast<size_t>(ogg.size()));
    ogg_sync_wrote(&sync, ogg.size());
    QVector<QByteArray> pages;
    ogg_page page;
    while (ogg_sync_pageout(&sync, &page) == 1) {
        pages.append(QByteArray(reinterpret_cast<const char*>(page.header), page.header_len) +
                     QByteArray(reinterpret_cast<const char*>(page.body), page.body_len));
    }
    ogg_sync_clear(&sync);
    QByteArray out;
    long number = 0;
    for (int k = 0; k < pages.size(); ++k) {
        if (k >= 2 && k < first) {
            continue;
        }
        QByteArray bytes = pages[k];
        ogg_page p{reinterpret_cast<unsigned char*>(bytes.data()), 27 + quint8(bytes[26]), nullptr,
                   0};
        p.body = p.header + p.header_len;
        p.body_len = bytes.size() - p.header_len;
        qint64 granule = ogg_page_granulepos(&p);
        if (k >= 2 && granule > 0) {
            granule -= shift;
        }
        for (int i = 0; i < 8; ++i) {
            p.header[6 + i] = static_cast<unsigned char>(granule >> (8 * i));
        }
        for (int i = 0; i < 4; ++i) {
            p.header[18 + i] = static_cast<unsigned char>(number >> (8 * i));
        }
        if (k == pages.size() - 1) {
            p.header[5] |= 0x04;
        }
        ogg_page_checksum_set(&p);
        ++number;
        out += bytes;
    }
    return out;
}

}  // namespace

class ConversionEndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void everyFormat_data();
    void everyFormat();
    void everySampleOfTheSource_data();
    void everySampleOfTheSource();
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
        // Every frame libvorbisfile decodes from the source, and not one more.
        const QString source = m_sources.filePath(QString(s.name) + ".ogg");
        QCOMPARE(facts->frames, decodeVorbis(source).front().frames());
        const auto stated = readWav(source);
        QVERIFY(stated.has_value());
        // The sine's level, against the source's own (FFmpeg's sine has amplitude 1/8; the
        // stereo source was spread from mono at -3 dB).
        QVERIFY(stated->rms > 0.05 && stated->rms < 0.1);
        QVERIFY2(std::abs(facts->rms - stated->rms) <= stated->rms * tolerance,
                 qPrintable(QStringLiteral("%1 against %2").arg(facts->rms).arg(stated->rms)));
    }
}

// The corpus: what each file is made of, by which encoder, and how it is then put together.
struct Sound {
    const char* name;
    const char* encoder;
    const char* signal;
    double seconds;
    int rate;
    int channels;
};
const Sound kCorpus[] = {
    {"ff-sine-10ms", "ffmpeg", "sine", 0.01, 44100, 2},
    {"oe-sine-20ms", "oggenc", "sine", 0.02, 44100, 2},
    {"oe-pluck-50ms", "oggenc", "pluck", 0.05, 44100, 2},
    {"ff-pluck-50ms", "ffmpeg", "pluck", 0.05, 44100, 2},
    {"oe-noise-300ms-mono", "oggenc", "noise", 0.3, 44100, 1},
    {"oe-pluck-22k-mono", "oggenc", "pluck", 0.5, 22050, 1},
    {"ff-noise-22k", "ffmpeg", "noise", 0.5, 22050, 2},
    {"oe-sine-8k-mono", "oggenc", "sine", 0.7, 8000, 1},
    {"ff-pluck-8k", "ffmpeg", "pluck", 0.7, 8000, 2},
    {"oe-noise-48k", "oggenc", "noise", 0.2, 48000, 2},
    {"ff-sine-48k-mono", "ffmpeg", "sine", 0.2, 48000, 1},
    {"ff-pluck-1s", "ffmpeg", "pluck", 1.0, 44100, 2},
    {"oe-pluck-1.45s", "oggenc", "pluck", 1.45, 44100, 2},
    {"ff-noise-3s-48k", "ffmpeg", "noise", 3.0, 48000, 2},
    {"oe-sine-3s-mono", "oggenc", "sine", 3.0, 44100, 1},
    // Long enough for FFmpeg's own trimming, which is kept there.
    {"oe-noise-10s", "oggenc", "noise", 10.0, 44100, 2},
    {"ff-noise-10s", "ffmpeg", "noise", 10.0, 22050, 1},
};
// Put together from the files above: the first two chained, a stream cut from a longer one,
// one whose first page says to drop samples from its start.
struct Derived {
    const char* name;
    const char* from;
    const char* second;  // chained after it, or none
    int firstPage;       // the first audio page kept
    qint64 shift;
};
const Derived kDerived[] = {
    {"chained", "oe-pluck-50ms", "ff-pluck-1s", 2, 0},
    {"chained-rates", "ff-noise-3s-48k", "oe-pluck-22k-mono", 2, 0},
    {"past-granule-0", "ff-noise-3s-48k", nullptr, 4, 0},
    {"trimmed-start", "oe-sine-3s-mono", nullptr, 2, 500},
    {"long-past-granule-0", "oe-noise-10s", nullptr, 5, 0},
};

void ConversionEndToEndTest::everySampleOfTheSource_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("tolerance");  // of a sample, full scale 1.0
    QTest::newRow("16-bit PCM") << 1 << 1.01 / 32768;
    QTest::newRow("32-bit PCM (float)") << 4 << 1e-6;
}

// Each result holds exactly what libvorbisfile decodes, sample for sample within the
// format's rounding, whatever the length, rate, channels, encoder, chaining or first granule
// position; the whole corpus in one run, so that short files share converters.
void ConversionEndToEndTest::everySampleOfTheSource() {
    QFETCH(int, index);
    QFETCH(double, tolerance);
    const QDir corpus(m_sources.filePath("corpus"));
    QStringList names;
    if (!corpus.exists()) {
        QVERIFY(QDir().mkpath(corpus.path()));
        for (const Sound& s : kCorpus) {
            QVERIFY2(makeSound(corpus.filePath(QString(s.name) + ".ogg"), s.encoder, s.signal,
                               s.seconds, s.rate, s.channels),
                     s.name);
        }
        for (const Derived& d : kDerived) {
            const QByteArray first = readFile(corpus.filePath(QString(d.from) + ".ogg"));
            QVERIFY(writeFile(corpus.filePath(QString(d.name) + ".ogg"),
                              d.second
                                  ? first + readFile(corpus.filePath(QString(d.second) + ".ogg"))
                                  : repage(first, d.firstPage, d.shift)));
        }
    }
    for (const Sound& s : kCorpus) {
        names << s.name;
    }
    for (const Derived& d : kDerived) {
        names << d.name;
    }
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString out = chooseFormatAndFolder(fx, *window, index);
    for (const QString& name : names) {
        window->fileList().AddListEntry(corpus.filePath(name + ".ogg"));
    }
    window->PushButton2_Click();
    QCOMPARE(fx.dialogs.messages(), QStringList{"Done."});
    for (const QString& name : names) {
        // Each link as libvorbisfile gives it: a chained file's links decoded each from its
        // own bytes, as libvorbisfile decoding the whole chain gives nothing of a first link
        // that fits in one page (while its length counts it).
        std::vector<Decoded> links = decodeVorbis(corpus.filePath(name + ".ogg"));
        for (const Derived& d : kDerived) {
            if (d.second && name == d.name) {
                links = decodeVorbis(corpus.filePath(QString(d.from) + ".ogg"));
                links.push_back(decodeVorbis(corpus.filePath(QString(d.second) + ".ogg")).front());
            }
        }
        QVERIFY2(!links.empty(), qPrintable(name));
        SF_INFO info;
        const std::vector<float> result = readSamples(out + "/" + name + ".wav", &info);
        const Decoded& first = links.front();
        QVERIFY2(info.samplerate == first.rate && info.channels == first.channels,
                 qPrintable(name));
        // Links at another rate are resampled to the first one's: their length is compared.
        sf_count_t expected = 0;
        std::vector<float> reference;
        for (const Decoded& link : links) {
            expected += (link.frames() * first.rate + link.rate / 2) / link.rate;
            if (link.rate == first.rate && link.channels == first.channels &&
                reference.size() ==
                    static_cast<size_t>(expected - link.frames()) * first.channels) {
                reference.insert(reference.end(), link.samples.begin(), link.samples.end());
            }
        }
        QVERIFY2(
            info.frames == expected,
            qPrintable(
                QStringLiteral("%1: %2 frames, not %3").arg(name).arg(info.frames).arg(expected)));
        for (size_t i = 0; i < reference.size(); ++i) {
            const float want =
                index == 4 ? reference[i] : std::clamp(reference[i], -1.0f, 32767 / 32768.0f);
            if (std::abs(result[i] - want) > tolerance) {
                QFAIL(qPrintable(QStringLiteral("%1: sample %2 is %3, libvorbisfile gives %4")
                                     .arg(name)
                                     .arg(i)
                                     .arg(result[i])
                                     .arg(want)));
            }
        }
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
        // A short sound's whole-file loop, the most common a game sound has, ends on its
        // last sample.
        {"whole-50ms", "libvorbis", 44100, {"LOOPSTART=0", "LOOPLENGTH=2205"}, 0, 2205},
    };
    WindowFixture fx;
    auto window = fx.loadedWindow();
    const QString out = chooseFormatAndFolder(fx, *window, index);
    for (const auto& source : sources) {
        const QString path = m_sources.filePath(QStringLiteral("loop-%1.ogg").arg(source.name));
        if (!QFileInfo::exists(path)) {
            const double seconds = QByteArray(source.name).startsWith("whole") ? 0.05 : 1.5;
            QVERIFY(makeOgg(path, source.rate, 2, seconds, 440, source.comments, source.codec));
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
