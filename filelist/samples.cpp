#include "filelist/samples.h"

#include "filelist/folderintake.h"
#include "platform/paths.h"

#include <QByteArray>
#include <QStringDecoder>

namespace lorvane {

namespace {

const QChar kSep = PathStyle::native().separator;
const QLatin1Char kPathSeparator('|');

// Fixed for good: snapshots already stored were scrambled with it.
constexpr char kKey[] = "quillard";
constexpr int kKeyLength = 8;
static_assert(sizeof(kKey) == kKeyLength + 1, "the key is eight letters");

unsigned char shiftAt(qsizetype i) {
    return static_cast<unsigned char>(kKey[i % kKeyLength] + (i * 7));
}

}  // namespace

QString SamplesFolder(const QString& programFolder) {
    return programFolder + kSep + QStringLiteral("Samples") + kSep;
}

QString SampleSnapshotText(const QString& programFolder) {
    const QString folder = SamplesFolder(programFolder);
    QString text;
    for (const QString& name : ListFolderFiles(folder, QStringLiteral("*.*"))) {
        text += folder + name + kPathSeparator;
    }
    if (!text.isEmpty()) {
        text.chop(1);
    }
    return text;
}

QString ScrambleText(const QString& text) {
    QByteArray bytes = text.toUtf8();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) + shiftAt(i));
    }
    return QString::fromLatin1(bytes.toHex());
}

QString UnscrambleText(const QString& scrambled) {
    if (scrambled.size() % 2 != 0) {
        return QString();
    }
    for (const QChar c : scrambled) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
              (c >= QLatin1Char('a') && c <= QLatin1Char('f')))) {
            return QString();
        }
    }
    QByteArray bytes = QByteArray::fromHex(scrambled.toLatin1());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i]) - shiftAt(i));
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        return QString();
    }
    return text;
}

QStringList SamplePaths(const QString& storedSnapshot) {
    const QString text = UnscrambleText(storedSnapshot);
    if (text.isEmpty()) {
        return {};
    }
    return text.split(kPathSeparator);
}

}  // namespace lorvane
