// Loop points: the tags a game's music carries, read as the engines read them or refused with
// the reason, moved between rates, and written as a sampler chunk into real FFmpeg results of
// every shape (RIFF, RF64, odd sizes, one that outgrows 4 GiB), read back by libsndfile.
#include "convert/convertsupport.h"
#include "convert/looppoints.h"
#include "convert/resultcheck.h"
#include "convert/runandwait.h"
#include "convert/samplerchunk.h"
#include "convert/wavheader.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <sndfile.h>

using namespace lorvane;
using namespace lorvane::test;

namespace {

// What libsndfile reads from a WAV file: its frames, and the loop of its instrument data
// (first frame and the frame after the loop, or -1 and -1 for none).
struct SndfileLook {
    qint64 frames = -2;
    QPair<qint64, qint64> loop{-1, -1};
};
SndfileLook sndfileLook(const QString& path) {
    SndfileLook look;
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file == nullptr) {
        return look;
    }
    look.frames = info.frames;
    SF_INSTRUMENT instrument{};
    if (sf_command(file, SFC_GET_INSTRUMENT, &instrument, sizeof instrument) == SF_TRUE &&
        instrument.loop_count == 1 && instrument.loops[0].mode == SF_LOOP_FORWARD) {
        look.loop = {instrument.loops[0].start, instrument.loops[0].end};
    }
    sf_close(file);
    return look;
}

quint32 le32(const QByteArray& b, int at) {
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 |
           quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}

// The sampler chunk at the end of a file, its one loop read by hand: start and end inclusive.
QPair<qint64, qint64> trailingSamplerLoop(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(file.size() - 68)) {
        return {-2, -2};
    }
    const QByteArray chunk = file.read(68);
    if (!chunk.startsWith("smpl") || le32(chunk, 4) != 60 || le32(chunk, 8 + 28) != 1 ||
        le32(chunk, 8 + 36 + 4) != 0) {
        return {-1, -1};
    }
    return {le32(chunk, 8 + 36 + 8), le32(chunk, 8 + 36 + 12)};
}

void put16(QByteArray& b, int v) {
    b.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}
void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) {
        b.append(char((v >> (8 * i)) & 0xff));
    }
}

// A 16-bit mono RIFF header as FFmpeg writes it for a result that may outgrow 4 GiB (a JUNK
// chunk kept for ds64), for `dataSize` bytes of samples left as a hole in a sparse file.
QByteArray bigRiffHeader(quint32 dataSize) {
    QByteArray h = "RIFF";
    put32(h, 4 + 36 + 24 + 8 + dataSize);
    h += "WAVEJUNK";
    put32(h, 28);
    h += QByteArray(28, '\0');
    h += "fmt ";
    put32(h, 16);
    put16(h, 1);
    put16(h, 1);
    put32(h, 8000);
    put32(h, 16000);
    put16(h, 2);
    put16(h, 16);
    h += "data";
    put32(h, dataSize);
    return h;
}

}  // namespace

class LoopPointsTest : public QObject {
    Q_OBJECT
  private slots:
    void loopTags_data();
    void loopTags();
    void samplerChunkInResults_data();
    void samplerChunkInResults();

  private:
    QTemporaryDir m_dir;
};

void LoopPointsTest::loopTags_data() {
    QTest::addColumn<QByteArrayList>("comments");
    QTest::addColumn<int>("rate");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<int>("resultRate");
    QTest::addColumn<qint64>("start");  // at the result's rate; -1 for no loop
    QTest::addColumn<qint64>("end");    // inclusive
    QTest::addColumn<QString>("problem");
    const auto row = [](const char* name, const QByteArrayList& comments, qint64 start, qint64 end,
                        const QString& problem = {}) {
        QTest::newRow(name) << comments << 44100 << qint64(441000) << 44100 << start << end
                            << problem;
    };
    row("start and length", {"TITLE=x", "LOOPSTART=1000", "LOOPLENGTH=5000"}, 1000, 5999);
    row("start and end (the frame after the loop)", {"LOOPSTART=1000", "LOOPEND=6000"}, 1000, 5999);
    row("keys in any letter case", {"loopstart=7", "LoopLength=3"}, 7, 9);
    row("length and end agreeing", {"LOOPSTART=10", "LOOPLENGTH=5", "LOOPEND=15"}, 10, 14);
    row("blanks around a number", {"LOOPSTART= 10 ", "LOOPLENGTH=0005"}, 10, 14);
    row("a key given twice alike", {"LOOPSTART=10", "LOOPSTART=10", "LOOPEND=11"}, 10, 10);
    row("the whole file", {"LOOPSTART=0", "LOOPLENGTH=441000"}, 0, 440999);
    row("no loop tags", {"TITLE=LOOPSTART=5", "LOOPSTART"}, -1, -1);
    row("one frame past the end", {"LOOPSTART=1", "LOOPLENGTH=441000"}, -1, -1,
        "the loop runs past the end");
    row("LOOPEND past the end", {"LOOPSTART=0", "LOOPEND=441001"}, -1, -1,
        "the loop runs past the end");
    row("more digits than any file has frames", {"LOOPSTART=0", "LOOPEND=99999999999999999999999"},
        -1, -1, "the loop runs past the end");
    row("negative", {"LOOPSTART=-5", "LOOPLENGTH=100"}, -1, -1, "LOOPSTART is negative");
    row("a fraction", {"LOOPSTART=0", "LOOPLENGTH=1.5"}, -1, -1,
        "LOOPLENGTH is not a whole number");
    row("hexadecimal", {"LOOPSTART=0x10", "LOOPLENGTH=5"}, -1, -1,
        "LOOPSTART is not a whole number");
    row("a time, not frames", {"LOOPSTART=00:01.5", "LOOPLENGTH=5"}, -1, -1,
        "LOOPSTART is not a whole number");
    row("empty", {"LOOPSTART=", "LOOPEND=5"}, -1, -1, "LOOPSTART is not a whole number");
    row("a plus sign", {"LOOPSTART=+5", "LOOPEND=9"}, -1, -1, "LOOPSTART is not a whole number");
    row("length 0", {"LOOPSTART=5", "LOOPLENGTH=0"}, -1, -1, "LOOPLENGTH is 0");
    row("end before start", {"LOOPSTART=5000", "LOOPEND=1000"}, -1, -1,
        "LOOPEND is not after LOOPSTART");
    row("end at start", {"LOOPSTART=5000", "LOOPEND=5000"}, -1, -1,
        "LOOPEND is not after LOOPSTART");
    row("length and end disagreeing", {"LOOPSTART=10", "LOOPLENGTH=5", "LOOPEND=16"}, -1, -1,
        "LOOPLENGTH and LOOPEND disagree");
    row("a key given twice, differently", {"LOOPSTART=10", "loopstart=11", "LOOPEND=20"}, -1, -1,
        "LOOPSTART is given twice");
    row("start alone", {"LOOPSTART=10"}, -1, -1, "LOOPSTART without LOOPLENGTH or LOOPEND");
    row("end alone", {"LOOPEND=10"}, -1, -1, "LOOPEND without LOOPSTART");

    // Opus counts at 48 kHz: moved exactly to a result at another rate, to the nearest frame,
    // the frame after the loop moved alike so its length in time stays.
    QTest::newRow("48 kHz into 44.1 kHz")
        << QByteArrayList{"LOOPSTART=48000", "LOOPLENGTH=96000"} << 48000 << qint64(480000) << 44100
        << qint64(44100) << qint64(132299) << QString();
    QTest::newRow("48 kHz into 44.1 kHz, rounded")
        << QByteArrayList{"LOOPSTART=1", "LOOPEND=160"} << 48000 << qint64(480000) << 44100
        << qint64(1) << qint64(146) << QString();
    QTest::newRow("48 kHz into 8 kHz, shorter than a frame")
        << QByteArrayList{"LOOPSTART=0", "LOOPLENGTH=1"} << 48000 << qint64(480000) << 8000
        << qint64(-1) << qint64(-1) << QString();
    QTest::newRow("22.05 kHz into 48 kHz")
        << QByteArrayList{"LOOPSTART=22050", "LOOPLENGTH=1"} << 22050 << qint64(44100) << 48000
        << qint64(48000) << qint64(48001) << QString();
}

void LoopPointsTest::loopTags() {
    QFETCH(QByteArrayList, comments);
    QFETCH(int, rate);
    QFETCH(qint64, frames);
    QFETCH(int, resultRate);
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QFETCH(QString, problem);
    const SourceLoop loop = ReadLoop(comments, rate, frames);
    QCOMPARE(loop.problem, problem);
    QVERIFY(!(loop.points && !problem.isEmpty()));
    const std::optional<LoopPoints> moved =
        loop.points ? LoopAtRate(*loop.points, resultRate) : std::nullopt;
    const LoopPoints expected{start, end, resultRate};
    QCOMPARE(moved.value_or(LoopPoints{-1, -1, resultRate}), expected);
}

void LoopPointsTest::samplerChunkInResults_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("end");
    QTest::addColumn<bool>("rf64");    // afterwards
    QTest::addColumn<QString>("why");  // the loop left out
    QTest::newRow("16-bit") << "riff"
                            << "pcm_s16le" << qint64(100) << qint64(4099) << false << QString();
    QTest::newRow("64-bit") << "riff"
                            << "pcm_f64le" << qint64(0) << qint64(7999) << false << QString();
    // 8-bit mono, an odd number of frames: the samples end in a pad byte.
    QTest::newRow("odd data size") << "odd"
                                   << "pcm_u8" << qint64(1) << qint64(2) << false << QString();
    QTest::newRow("RF64 (made small)")
        << "rf64"
        << "pcm_s24le" << qint64(5) << qint64(7000) << true << QString();
    QTest::newRow("RIFF outgrowing 4 GiB becomes RF64")
        << "huge"
        << "pcm_s16le" << qint64(1000) << qint64(2147483605) << true << QString();
    QTest::newRow("past the result's end") << "riff"
                                           << "pcm_s16le" << qint64(0) << qint64(8000) << false
                                           << "the loop runs past the end of the result";
    QTest::newRow("a result cut short")
        << "cut"
        << "pcm_s16le" << qint64(0) << qint64(10) << false << "the result is no whole WAV file";
}

void LoopPointsTest::samplerChunkInResults() {
    QFETCH(QString, kind);
    QFETCH(QString, codec);
    QFETCH(qint64, start);
    QFETCH(qint64, end);
    QFETCH(bool, rf64);
    QFETCH(QString, why);
    const QString source = m_dir.filePath("second.ogg");
    if (!QFileInfo::exists(source)) {
        QVERIFY(makeOgg(source, 8000, 2, 1.0));
    }
    const QString path = m_dir.filePath(QString(QTest::currentDataTag()) + ".wav");
    if (kind == "huge") {
        QVERIFY(writeFile(path, bigRiffHeader(4294967212u)));
        QVERIFY(QFile::resize(path, 8 + 4 + 36 + 24 + 8 + 4294967212ll));
    } else {
        QStringList args = ToolArguments(source, codec, path);
        if (kind == "rf64") {
            args[args.indexOf("-rf64") + 1] = "always";
        } else if (kind == "odd") {
            const qsizetype at = args.indexOf("-acodec");
            args.insert(at, "-ac");
            args.insert(at + 1, "1");
            args.insert(at + 2, "-af");
            args.insert(at + 3, "atrim=end_sample=5");
        }
        QCOMPARE(RunAndWait(realFfmpeg(), args, nullptr, {}, 0, 1), 0);
        if (kind == "cut") {
            QVERIFY(QFile::resize(path, QFileInfo(path).size() - 10));
        }
    }
    const WavLook before = LookAtWav(path);
    QCOMPARE(before.rf64, kind == "rf64");
    const QByteArray bytesBefore = kind == "huge" ? QByteArray() : readFile(path);

    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(fd >= 0);
    const QString left = AddSamplerLoop(fd, {start, end, static_cast<long>(before.sampleRate)});
    ::close(fd);
    QCOMPARE(left, why);
    if (!why.isEmpty()) {
        QCOMPARE(readFile(path), bytesBefore);  // as it was
        return;
    }
    const WavLook after = LookAtWav(path);
    QVERIFY2(after.wellFormed(), qPrintable(after.problem));
    QCOMPARE(after.rf64, rf64);
    QCOMPARE(after.frames, before.frames);
    QCOMPARE(after.length, before.length + 68);
    SourceLook look;
    look.kind = SourceLook::RegularFile;
    QCOMPARE(CheckResult(look, source, path, codec, {}), QString());
    QCOMPARE(trailingSamplerLoop(path), qMakePair(start, end));
    // Another reader agrees: libsndfile reads the frames, and the loop (with the frame after
    // it, as its instrument data counts) where it reads instrument data at all: libsndfile
    // 1.2 has none for RF64.
    const SndfileLook sndfile = sndfileLook(path);
    QCOMPARE(sndfile.frames, after.frames);
    QCOMPARE(sndfile.loop, rf64 ? qMakePair(qint64(-1), qint64(-1)) : qMakePair(start, end + 1));
    if (kind != "huge") {
        const int samples = int(before.length - before.dataOffset - 8);
        QCOMPARE(readFile(path).mid(int(after.dataOffset) + 8, samples),
                 bytesBefore.mid(int(before.dataOffset) + 8, samples));
    }
}

QTEST_GUILESS_MAIN(LoopPointsTest)
#include "test_looppoints.moc"
