#include "convert/formattable.h"

#include <QCoreApplication>

namespace lorvane {

const std::array<OutputFormat, 6>& OutputFormats() {
    // The micro sign is U+00B5, not the Greek mu; labels compare as decoded characters.
    static const std::array<OutputFormat, 6> formats = {{
        {QStringLiteral("8-bit PCM"), QStringLiteral("pcm_u8"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("FormatTable", "8-bit integer, unsigned"))},
        {QStringLiteral("16-bit PCM"), QStringLiteral("pcm_s16le"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("FormatTable", "16-bit integer, signed"))},
        // The label has always said 16 bits; the file holds 8-bit companded samples.
        {QString::fromUtf16(u"16-bit PCM \u00B5-law"), QStringLiteral("pcm_mulaw"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("FormatTable", "8-bit µ-law, companded"))},
        {QStringLiteral("24-bit PCM"), QStringLiteral("pcm_s24le"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("FormatTable", "24-bit integer, signed"))},
        // The two widest "PCM" labels have always written floating-point samples.
        {QStringLiteral("32-bit PCM"), QStringLiteral("pcm_f32le"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("FormatTable", "32-bit floating point"))},
        {QStringLiteral("64-bit PCM"), QStringLiteral("pcm_f64le"),
         QString::fromUtf8(QT_TRANSLATE_NOOP("FormatTable", "64-bit floating point"))},
    }};
    return formats;
}

QString OutputFormat::described() const {
    //: A WAV format's description beside its name, in the drop-down's tooltip and in --help.
    return QCoreApplication::translate("FormatTable", description.toUtf8().constData());
}

QString getWAVFormat(const QString& label) {
    for (const OutputFormat& format : OutputFormats()) {
        if (format.label == label) {
            return format.codec;
        }
    }
    return QString();
}

}  // namespace lorvane
