// Reading results back: WAV headers of every shape a result can take (and the broken ones a
// cut-short or oversized run leaves), what FFmpeg's error output says went wrong, and real
// FFmpeg runs on damaged, chained, short, Opus and failing sources.
#include "convert/commandline.h"
#include "convert/convertsupport.h"
#include "convert/resultcheck.h"
#include "convert/runandwait.h"
#include "convert/wavheader.h"

#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

using namespace lorvane;
using namespace lorvane::test;

namespace {

void put16(QByteArray& b, int v) {
    b.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}
void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) {
        b.append(char((v >> (8 * i)) & 0xff));
    }
}
void put64(QByteArray& b, quint64 v) {
    put32(b, quint32(v & 0xffffffffu));
    put32(b, quint32(v >> 32));
}
QByteArray chunk(const char* id, const QByteArray& body, qint64 declared = -1) {
    QByteArray b(id, 4);
    put32(b, quint32(declared < 0 ? body.size() : declared));
    b += body;
    if (body.size() & 1) {
        b.append('\0');
    }
    return b;
}
QByteArray fmtBody(int tag, int channels, int rate, int bits, bool extensible) {
    QByteArray f;
    const int align = channels * ((bits + 7) / 8);
    put16(f, extensible ? 0xFFFE : tag);
    put16(f, channels);
    put32(f, quint32(rate));
    put32(f, quint32(rate * align));
    put16(f, align);
    put16(f, bits);
    if (extensible) {
        put16(f, 22);
        put16(f, bits);
        put32(f, 3);
        put16(f, tag);  // the sub-format GUID begins with the tag
        f += QByteArray::fromHex("000000001000800000aa00389b71");
    }
    return f;
}

// The layouts FFmpeg writes: RIFF with a JUNK chunk kept free for ds64, the format, a LIST
// of tags and the samples; or, for a result past 4 GiB, RF64 with the sizes in ds64.
struct Layout {
    int tag = 1, channels = 2, rate = 8000, bits = 16;
    bool extensible = false;
    qint64 frames = 100;
    bool rf64 = false;
    qint64 riffDelta = 0;       // added to the true RIFF size
    qint64 dataDelta = 0;       // added to the declared data size
    qint64 cut = 0;             // bytes cut from the end
    bool unknownSizes = false;  // 0xFFFFFFFF in RIFF and data, as past 4 GiB without RF64
    bool noSamples = false;     // no data chunk
    bool absent = false;        // no result at all
    bool folder = false;        // a folder where the result should be
};
QByteArray wavFile(const Layout& l) {
    const int align = l.channels * ((l.bits + 7) / 8);
    const QByteArray samples(int(l.frames * align), '\x11');
    QByteArray body = "WAVE";
    QByteArray ds64;
    if (l.rf64) {
        ds64 = chunk("ds64", QByteArray(28, '\0'));
    } else {
        ds64 = chunk("JUNK", QByteArray(28, '\0'));
    }
    body += ds64;
    body += chunk("fmt ", fmtBody(l.tag, l.channels, l.rate, l.bits, l.extensible));
    body += chunk("LIST", QByteArray("INFOISFT\x0e\0\0\0Lavf59.27.100\0", 26));
    const qint64 dataSize = samples.size() + l.dataDelta;
    if (!l.noSamples) {
        body += chunk("data", samples, l.rf64 || l.unknownSizes ? 0xFFFFFFFF : dataSize);
    }
    QByteArray file = l.rf64 ? "RF64" : "RIFF";
    put32(file, l.rf64 || l.unknownSizes ? 0xFFFFFFFFu : quint32(body.size() + l.riffDelta));
    file += body;
    if (l.rf64) {
        QByteArray sizes;
        put64(sizes, quint64(file.size() - 8 + l.riffDelta));
        put64(sizes, quint64(dataSize));
        put64(sizes, quint64(l.frames));
        put32(sizes, 0);
        file.replace(20, 28, sizes);
    }
    file.chop(int(l.cut));
    return file;
}

// Ogg's page checksum: CRC-32 with polynomial 0x04C11DB7, no reflection, starting at 0.
quint32 oggCrc(const QByteArray& page) {
    quint32 crc = 0;
    for (char c : page) {
        crc ^= quint32(quint8(c)) << 24;
        for (int i = 0; i < 8; ++i) {
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        }
    }
    return crc;
}

// Flips bytes in the middle of the middle page's payload; with `fixCrc` the page still
// passes its checksum, so the decoder meets the damage (and conceals it), otherwise the
// demuxer drops the whole page.
QByteArray damageMiddlePage(QByteArray ogg, int bytes, bool fixCrc) {
    QList<qsizetype> pages;
    for (qsizetype at = ogg.indexOf("OggS"); at >= 0; at = ogg.indexOf("OggS", at + 4)) {
        pages.append(at);
    }
    const qsizetype p = pages.at(pages.size() / 2);
    const int segments = quint8(ogg.at(p + 26));
    int payload = 0;
    for (int i = 0; i < segments; ++i) {
        payload += quint8(ogg.at(p + 27 + i));
    }
    const qsizetype header = 27 + segments;
    for (int i = 0; i < bytes; ++i) {
        ogg[p + header + payload / 2 + i] = char(ogg.at(p + header + payload / 2 + i) ^ 0x5a);
    }
    if (fixCrc) {
        ogg.replace(p + 22, 4, QByteArray(4, '\0'));
        const quint32 crc = oggCrc(ogg.mid(p, header + payload));
        QByteArray le;
        put32(le, crc);
        ogg.replace(p + 22, 4, le);
    }
    return ogg;
}

// Where each page of an Ogg file begins, walked by the pages' own lengths.
QList<qsizetype> pageStarts(const QByteArray& ogg) {
    QList<qsizetype> starts;
    for (qsizetype at = 0; at + 27 <= ogg.size() && ogg.mid(at, 4) == "OggS";) {
        starts.append(at);
        const int segments = quint8(ogg.at(at + 26));
        qsizetype length = 27 + segments;
        for (int i = 0; i < segments; ++i) {
            length += quint8(ogg.at(at + 27 + i));
        }
        at += length;
    }
    return starts;
}

// An Ogg file damaged as a bad sector, a faulty copy or a broken transfer leaves it, every
// page after the damage intact: bytes zeroed across pages, bytes overwritten inside a page,
// a page missing, the last page or the headers hit.
QByteArray damageOgg(QByteArray ogg, const QString& how) {
    const QList<qsizetype> pages = pageStarts(ogg);
    const qsizetype middle = pages.at(pages.size() / 2);
    if (how == "zeroed") {
        ogg.replace(middle - 1000, 2000, QByteArray(2000, '\0'));
    } else if (how == "overwritten") {
        ogg.replace(middle + 200, 10, "0123456789");
    } else if (how == "page missing") {
        ogg.remove(middle, pages.at(pages.size() / 2 + 1) - middle);
    } else if (how == "last page") {
        ogg[pages.last() + 60] = char(ogg.at(pages.last() + 60) ^ 0x5a);
    } else if (how == "headers") {
        ogg[pages.at(1) + 100] = char(ogg.at(pages.at(1) + 100) ^ 0x5a);
    }
    return ogg;
}

// An Ogg file cut as an interrupted download or copy leaves it: part-way through its last
// page, after a whole page, or whole but with the last page's end-of-stream mark cleared.
QByteArray cutOgg(QByteArray ogg, const QString& how) {
    const QList<qsizetype> pages = pageStarts(ogg);
    const qsizetype last = pages.last();
    if (how == "mid-page") {
        return ogg.left(last + (ogg.size() - last) / 2);
    }
    if (how == "whole page") {
        return ogg.left(pages.at(pages.size() - 2));
    }
    ogg[last + 5] = char(ogg.at(last + 5) & ~0x04);
    ogg.replace(last + 22, 4, QByteArray(4, '\0'));
    QByteArray le;
    put32(le, oggCrc(ogg.mid(last)));
    ogg.replace(last + 22, 4, le);
    return ogg;
}

// What the source declares: its streams' frames, rates and slack, or nothing (not Vorbis).
using Declared = std::optional<VorbisLength>;
Declared declares(std::initializer_list<VorbisLength::Link> links) {
    VorbisLength length;
    for (const VorbisLength::Link& link : links) {
        length.links.append(link);
    }
    return length;
}
Declared declares(qint64 frames, long rate = 8000, qint64 slack = 0) {
    return declares({{frames, rate, slack}});
}

const char* const kSource = "/m/a.ogg";

// One crafted result: what its header says (the problem found, or its frames and format
// tag), and the verdict on it for the chosen codec and a source that declares `declared`.
// `state` says more of the source: "cut" (it ends early), "unknown" (an Ogg Vorbis stream
// of no known length) or "damaged".
void addResult(const char* name, const Layout& layout, const QString& problem, const char* codec,
               const Declared& declared, const QString& verdict,
               const QByteArray& errorTail = QByteArray(), const QString& state = QString()) {
    QTest::newRow(name) << layout << problem << layout.frames << layout.tag << QString(codec)
                        << declared << errorTail << state << verdict;
}

}  // namespace

Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(Declared)

class ResultCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void wavHeaders_data();
    void wavHeaders();
    void failureReasons_data();
    void failureReasons();
    void sourcesNeverBlock();
    void realRuns_data();
    void realRuns();

  private:
    QTemporaryDir m_dir;
    int m_crafted = 0;
};

void ResultCheckTest::wavHeaders_data() {
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<qint64>("frames");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<Declared>("declared");
    QTest::addColumn<QByteArray>("errorTail");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("verdict");
    const QString whole;
    const QString runsPast = "a chunk runs past the end of the file";
    const Layout plain;
    addResult("16-bit as FFmpeg writes it", plain, whole, "pcm_s16le", declares(100), whole);
    Layout odd = plain;
    odd.channels = 1;
    odd.bits = 8;
    odd.frames = 101;  // an odd data size ends in a pad byte outside the chunk
    addResult("odd data size, padded", odd, whole, "pcm_u8", declares(101), whole);
    Layout f64 = plain;
    f64.tag = 3;
    f64.bits = 64;
    f64.extensible = true;
    addResult("extensible 64-bit float", f64, whole, "pcm_f64le", declares(100), whole);
    Layout mulaw = plain;
    mulaw.tag = 7;
    mulaw.bits = 8;
    addResult("mu-law", mulaw, whole, "pcm_mulaw", declares(100), whole);
    Layout rf64 = plain;
    rf64.rf64 = true;
    addResult("RF64 with its sizes in ds64", rf64, whole, "pcm_s16le", declares(100), whole);
    Layout unknown = plain;
    unknown.unknownSizes = true;
    addResult("sizes of a RIFF past 4 GiB", unknown, runsPast, "pcm_s16le", declares(100),
              reasons::incomplete());
    Layout cut = plain;
    cut.cut = 10;
    addResult("cut short", cut, runsPast, "pcm_s16le", declares(100), reasons::incomplete());
    Layout riffLong = plain;
    riffLong.riffDelta = 4;
    addResult("RIFF size beyond the end", riffLong, runsPast, "pcm_s16le", declares(100),
              reasons::incomplete());
    Layout dataShort = plain;
    dataShort.dataDelta = -40;
    addResult("data size short of the file", dataShort, runsPast, "pcm_s16le", declares(100),
              reasons::incomplete());
    Layout rf64Long = rf64;
    rf64Long.riffDelta = 1 << 20;
    addResult("RF64 claiming more than is there", rf64Long, runsPast, "pcm_s16le", declares(100),
              reasons::incomplete());
    Layout riffShort = plain;
    riffShort.riffDelta = -(8 + 400);  // the data chunk's header and samples
    addResult("RIFF ending before the samples", riffShort, "its sizes do not agree with its length",
              "pcm_s16le", declares(100), reasons::incomplete());
    // The data chunk claims one byte less, which its pad byte makes up: every size agrees, but
    // the samples end inside a frame.
    Layout ragged = plain;
    ragged.dataDelta = -1;
    addResult("samples not a whole frame", ragged, "a format that does not fit its samples",
              "pcm_s16le", declares(100), reasons::incomplete());
    Layout noSamples = plain;
    noSamples.noSamples = true;
    addResult("no data chunk", noSamples, "no format or no samples", "pcm_s16le", declares(100),
              reasons::incomplete());
    Layout noChannels = plain;
    noChannels.channels = 0;
    addResult("no channels", noChannels, "a format that does not fit its samples", "pcm_s16le",
              declares(100), reasons::incomplete());
    Layout noResult = plain;
    noResult.absent = true;
    addResult("no result", noResult, "missing", "pcm_s16le", declares(100), reasons::noResult());
    Layout folder = plain;
    folder.folder = true;
    addResult("a folder in the result's place", folder, "not a file", "pcm_s16le", declares(100),
              reasons::noResult());

    // The coding must be the chosen one in both its tag and its width.
    addResult("float chosen, integers written", plain, whole, "pcm_f32le", declares(100),
              reasons::wrongCoding());
    addResult("24-bit chosen, 16-bit written", plain, whole, "pcm_s24le", declares(100),
              reasons::wrongCoding());
    Layout eightBit = plain;
    eightBit.bits = 8;
    addResult("mu-law chosen, 8-bit integers written", eightBit, whole, "pcm_mulaw", declares(100),
              reasons::wrongCoding());

    // The length against what the source declares, at the result's rate, exactly; only a
    // source cut short may run past it by its last block, which no end mark trimmed.
    addResult("longer than the source", plain, whole, "pcm_s16le", declares(99),
              reasons::wrongLength());
    addResult("shorter than the source", plain, whole, "pcm_s16le", declares(101),
              reasons::incomplete());
    addResult("shorter, the source's reads failed", plain, whole, "pcm_s16le", declares(101),
              reasons::readCut("Input/output error"),
              QByteArray("file:") + kSource + ": Input/output error\n");
    addResult("a block longer: no slack", plain, whole, "pcm_s16le", declares(90, 8000, 10),
              reasons::wrongLength());
    addResult("a block shorter: no slack", plain, whole, "pcm_s16le", declares(110, 8000, 10),
              reasons::incomplete());
    addResult("cut source, longer by its last block", plain, whole, "pcm_s16le",
              declares(90, 8000, 10), whole, {}, "cut");
    addResult("cut source, one past its last block", plain, whole, "pcm_s16le",
              declares(89, 8000, 10), reasons::wrongLength(), {}, "cut");
    addResult("cut source, one frame short", plain, whole, "pcm_s16le", declares(101, 8000, 10),
              reasons::incomplete(), {}, "cut");
    addResult("source at twice the rate", plain, whole, "pcm_s16le", declares(200, 16000), whole);
    addResult("cut, twice the rate, its block scaled too", plain, whole, "pcm_s16le",
              declares(180, 16000, 20), whole, {}, "cut");
    addResult("chained streams add up", plain, whole, "pcm_s16le",
              declares({{60, 8000, 0}, {80, 16000, 0}}), whole);
    addResult("chained streams, one frame short", plain, whole, "pcm_s16le",
              declares({{60, 8000, 0}, {82, 16000, 0}}), reasons::incomplete());
    addResult("no declared length, not Ogg", plain, whole, "pcm_s16le", std::nullopt, whole);
    addResult("no declared length, the source's reads failed", plain, whole, "pcm_s16le",
              std::nullopt, reasons::readCut("Input/output error"),
              QByteArray("file:") + kSource + ": Input/output error\n");
    // Where nothing tells the length, the result is not taken on trust.
    addResult("no declared length, the converter complained", plain, whole, "pcm_s16le",
              std::nullopt, reasons::damaged("the converter reported: CRC mismatch!"),
              "[ogg @ 0x55d0c0ffee00] CRC mismatch!\n    Last message repeated 3 times\n");
    addResult("an Ogg Vorbis stream of no known length", plain, whole, "pcm_s16le", std::nullopt,
              reasons::lengthUnknown(), {}, "unknown");
    addResult("a damaged source, whatever the result", plain, whole, "pcm_s16le", declares(100),
              reasons::damaged("a page lost"), {}, "damaged");
    addResult("a read error of another file", plain, whole, "pcm_s16le", declares(101),
              reasons::incomplete(), "file:/m/other.ogg: Input/output error\n");
}

void ResultCheckTest::wavHeaders() {
    QFETCH(Layout, layout);
    QFETCH(QString, problem);
    QFETCH(qint64, frames);
    QFETCH(int, tag);
    QFETCH(QString, codec);
    QFETCH(Declared, declared);
    QFETCH(QByteArray, errorTail);
    QFETCH(QString, state);
    QFETCH(QString, verdict);
    const QString path = m_dir.filePath(QStringLiteral("crafted-%1.wav").arg(++m_crafted));
    if (layout.folder) {
        QVERIFY(QDir().mkpath(path));
    } else if (!layout.absent) {
        QVERIFY(writeFile(path, wavFile(layout)));
    }
    const WavLook wav = LookAtWav(path);
    QCOMPARE(wav.problem, problem);
    if (wav.wellFormed()) {
        QCOMPARE(wav.frames, frames);
        QCOMPARE(wav.formatTag, tag);
        QCOMPARE(wav.bitsPerSample, layout.bits);
        QCOMPARE(wav.channels, layout.channels);
        QCOMPARE(wav.sampleRate, qint64(layout.rate));
        QCOMPARE(wav.rf64, layout.rf64);
    }
    SourceLook source;
    source.kind = SourceLook::RegularFile;
    source.vorbis = declared;
    source.endsEarly = state == "cut";
    source.lengthUnknown = state == "unknown";
    source.damage = state == "damaged" ? QStringLiteral("a page lost") : QString();
    QCOMPARE(CheckResult(source, kSource, path, codec, errorTail), verdict);
}

void ResultCheckTest::failureReasons_data() {
    QTest::addColumn<QByteArray>("errorOutput");
    QTest::addColumn<QString>("reason");
    const QByteArray src = "file:/m/a.ogg";
    const QByteArray out = "file:/o/a.wav";
    QTest::newRow("not audio") << src + ": Invalid data found when processing input\n"
                               << reasons::notAudio();
    QTest::newRow("empty or junk") << src + ": End of file\n" << reasons::notAudio();
    QTest::newRow("nothing said") << QByteArray() << reasons::notAudio();
    // FFmpeg without -y (a converter command of the user's own) names no system error.
    QTest::newRow("refuses to overwrite") << "File '" + out + "' already exists. Exiting.\n"
                                          << reasons::converterWouldNotReplace();
    QTest::newRow("told not to overwrite")
        << QByteArray("Not overwriting - exiting\n") << reasons::converterWouldNotReplace();
    QTest::newRow("source unreadable") << src + ": Permission denied\n"
                                       << reasons::unreadable("Permission denied");
    QTest::newRow("output folder read-only") << out + ": Permission denied\n"
                                             << reasons::notWritten("Permission denied");
    QTest::newRow("disk full") << "av_interleaved_write_frame(): No space left on device\n"
                                  "Error writing trailer of " +
                                      out + ": No space left on device\n"
                               << reasons::notWritten("No space left on device");
    QTest::newRow("disk full, the result not named")
        << QByteArray("av_interleaved_write_frame(): No space left on device\n")
        << reasons::notWritten("No space left on device");
    QTest::newRow("read-only file system") << out + ": Read-only file system\n"
                                           << reasons::notWritten("Read-only file system");
    QTest::newRow("a write error wins over the read errors before it")
        << src + ": Input/output error\nError closing file " + out + ": Disk quota exceeded\n"
        << reasons::notWritten("Disk quota exceeded");
}

void ResultCheckTest::failureReasons() {
    QFETCH(QByteArray, errorOutput);
    QFETCH(QString, reason);
    QCOMPARE(ReasonForFailure("/m/a.ogg", "/o/a.wav", errorOutput), reason);
}

// What is not a regular file is told apart without opening it for reading: a FIFO without a
// writer would hold the look for ever.
void ResultCheckTest::sourcesNeverBlock() {
    const QString fifo = m_dir.filePath("fifo.ogg");
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QCOMPARE(LookAtSource(fifo).kind, SourceLook::NotAFile);
    QCOMPARE(LookAtSource(m_dir.path()).kind, SourceLook::NotAFile);
    QCOMPARE(LookAtSource("/dev/null").kind, SourceLook::NotAFile);
    QCOMPARE(LookAtSource(m_dir.filePath("gone.ogg")).kind, SourceLook::Missing);
    QCOMPARE(LookAtSource(m_dir.filePath("gone/a.ogg")).kind, SourceLook::Missing);
    const QString text = m_dir.filePath("text.ogg");
    QVERIFY(writeFile(text, "not audio"));
    QCOMPARE(LookAtSource(text + "/a.ogg").kind, SourceLook::Missing);  // a file on the way
    const QString loop = m_dir.filePath("loop.ogg");
    QCOMPARE(::symlink("loop.ogg", QFile::encodeName(loop).constData()), 0);
    const SourceLook looped = LookAtSource(loop);
    QCOMPARE(looped.kind, SourceLook::Unreadable);
    QCOMPARE(looped.error, QString::fromLocal8Bit(std::strerror(ELOOP)));
    const SourceLook look = LookAtSource(text);
    QVERIFY(look.isFile());
    QVERIFY(!look.vorbis);
}

void ResultCheckTest::realRuns_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QString>("reason");
    QTest::newRow("whole, 16-bit") << "whole"
                                   << "pcm_s16le" << QString();
    QTest::newRow("whole, 64-bit") << "whole"
                                   << "pcm_f64le" << QString();
    // FFmpeg's trimming of a file whose audio fits one page is off by up to a block.
    QTest::newRow("a twentieth of a second") << "tiny"
                                             << "pcm_s16le" << QString();
    QTest::newRow("one byte damaged: concealed") << "concealed"
                                                 << "pcm_s16le" << QString();
    // Damage anywhere is named, however much of the result FFmpeg would make (the reason
    // begins so).
    QTest::newRow("a page lost to its checksum") << "lost page"
                                                 << "pcm_s16le" << reasons::damaged("");
    QTest::newRow("bytes zeroed across pages") << "damaged zeroed"
                                               << "pcm_s16le" << reasons::damaged("");
    QTest::newRow("bytes overwritten inside a page") << "damaged overwritten"
                                                     << "pcm_f32le" << reasons::damaged("");
    QTest::newRow("a page missing") << "damaged page missing"
                                    << "pcm_s16le" << reasons::damaged("");
    QTest::newRow("the last page damaged") << "damaged last page"
                                           << "pcm_s16le" << reasons::damaged("");
    QTest::newRow("the headers damaged")
        << "damaged headers"
        << "pcm_s16le" << reasons::damaged("its headers are damaged");
    QTest::newRow("chained, same rate") << "chained"
                                        << "pcm_u8" << QString();
    QTest::newRow("chained, rates differ") << "chained rates"
                                           << "pcm_u8" << QString();
    // FFmpeg takes off an Opus stream's pre-skip and end trim exactly as libopusfile does.
    QTest::newRow("Opus, whole") << "opus"
                                 << "pcm_s24le" << QString();
    QTest::newRow("Opus, a page lost to its checksum") << "opus lost page"
                                                       << "pcm_s16le" << reasons::damaged("");
    QTest::newRow("reads failing part-way")
        << "read error"
        << "pcm_s16le" << reasons::readCut("Input/output error");
    // A cut source: FFmpeg and libvorbisfile both stop at its last whole page without a
    // word, so the result is whole for what there is, and only the look tells it was cut.
    QTest::newRow("cut part-way through its last page") << "cut mid-page"
                                                        << "pcm_s16le" << QString();
    QTest::newRow("cut after a whole page") << "cut whole page"
                                            << "pcm_s24le" << QString();
    QTest::newRow("cut: the last page unmarked") << "cut unmarked"
                                                 << "pcm_s16le" << QString();
    QTest::newRow("cut at the start of the next link") << "cut chained"
                                                       << "pcm_s16le" << QString();
    QTest::newRow("bytes after the end mark are no cut") << "trailing bytes"
                                                         << "pcm_s16le" << QString();
}

void ResultCheckTest::realRuns() {
    QFETCH(QString, kind);
    QFETCH(QString, codec);
    QFETCH(QString, reason);
    const QString source = m_dir.filePath(kind + ".ogg");
    const QString output = m_dir.filePath(kind + "-" + codec + ".wav");
    const QString whole = m_dir.filePath("whole-source.ogg");
    if (!QFileInfo::exists(whole)) {
        QVERIFY(makeOgg(whole, 44100, 2, 20.0));
    }
    std::optional<EnvChange> preload;
    std::optional<EnvChange> target;
    std::optional<EnvChange> limit;
    if (kind == "whole" || kind == "read error") {
        QVERIFY(QFile::copy(whole, source) || QFileInfo::exists(source));
    } else if (kind == "tiny") {
        QVERIFY(makeOgg(source, 44100, 2, 0.05));
    } else if (kind == "concealed" || kind == "lost page") {
        QVERIFY(writeFile(source, damageMiddlePage(readFile(whole), kind == "concealed" ? 1 : 40,
                                                   kind == "concealed")));
    } else if (kind.startsWith("chained")) {
        const QString second = m_dir.filePath(kind + "-2.ogg");
        QVERIFY(makeOgg(second, kind == "chained" ? 44100 : 22050, kind == "chained" ? 2 : 1, 1.3));
        QVERIFY(writeFile(source, readFile(whole) + readFile(second)));
    } else if (kind.startsWith("opus")) {
        QVERIFY(makeOgg(source, 44100, 2, 20.0, 440, {}, "libopus"));
        if (kind == "opus lost page") {
            QVERIFY(writeFile(source, damageMiddlePage(readFile(source), 40, false)));
        }
    } else if (kind == "cut chained") {
        const QString second = m_dir.filePath(kind + "-2.ogg");
        QVERIFY(makeOgg(second, 44100, 2, 1.0));
        QVERIFY(writeFile(source, readFile(whole) + readFile(second).left(40)));
    } else if (kind.startsWith("cut ")) {
        QVERIFY(writeFile(source, cutOgg(readFile(whole), kind.mid(4))));
    } else if (kind.startsWith("damaged ")) {
        QVERIFY(writeFile(source, damageOgg(readFile(whole), kind.mid(8))));
    } else if (kind == "trailing bytes") {
        QVERIFY(writeFile(source, readFile(whole) + "TAG" + QByteArray(125, 'x')));
    }
    if (kind == "read error") {
        // The source's reads fail half-way through, as when a stick is pulled.
        preload.emplace("LD_PRELOAD", qgetenv("LORVANE_TEST_BIN") + "/libreadfail.so");
        target.emplace("READFAIL_PATH", QFile::encodeName(source));
        limit.emplace("READFAIL_AFTER", QByteArray::number(QFileInfo(source).size() / 2));
    }
    const SourceLook look = LookAtSource(source);
    QVERIFY(look.isFile());
    const bool damaged = reason.startsWith(reasons::damaged("").chopped(1));
    QCOMPARE(!look.damage.isEmpty(), damaged);
    if (!damaged) {
        QCOMPARE(bool(look.vorbis), !kind.startsWith("opus"));
        QVERIFY(look.declared());
    }
    QCOMPARE(look.endsEarly, kind.startsWith("cut"));
    QByteArray errorTail;
    const int status = RunAndWait(realFfmpeg(), ToolArguments(source, codec, output, look.exact()),
                                  nullptr, {}, 0, 1, kWaitTickMs, &errorTail);
    if (kind != "damaged headers") {
        QCOMPARE(status, 0);  // FFmpeg calls these a success
    }
    const QString verdict = CheckResult(look, source, output, codec, errorTail);
    if (damaged) {
        QVERIFY2(verdict.startsWith(reason.chopped(1)), qPrintable(verdict));
    } else {
        QCOMPARE(verdict, reason);
    }
}

QTEST_GUILESS_MAIN(ResultCheckTest)
#include "test_resultcheck.moc"
