#include "platform/pathbytes.h"

#include <QStringDecoder>

namespace lorvane {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // + the byte (0x80 to 0xFF)

// The unit at i stands for a byte only when it is a lone surrogate: the same units are also
// the second half of real characters past U+FFFF (U+1F480 to U+1F4FF among them).
bool isEscapedAt(QStringView path, qsizetype i) {
    const char16_t unit = path[i].unicode();
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF &&
           (i == 0 || !QChar::isHighSurrogate(path[i - 1].unicode()));
}

// The length of the valid UTF-8 sequence starting at p (at most `left` bytes), or 0.
int validSequence(const unsigned char* p, qsizetype left) {
    const unsigned char c = p[0];
    int length = 0;
    char32_t code = 0;
    if (c < 0x80) {
        return 1;
    } else if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
        code = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        code = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        code = c & 0x07;
    } else {
        return 0;
    }
    if (left < length) {
        return 0;
    }
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and code points past Unicode are not valid UTF-8.
    if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return 0;
    }
    return length;
}

}  // namespace

QString PathFromBytes(const char* bytes, qsizetype length) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    QString out;
    out.reserve(length);
    qsizetype i = 0;
    while (i < length) {
        qsizetype run = i;
        int step = 0;
        while (run < length && (step = validSequence(p + run, length - run)) > 0) {
            run += step;
        }
        if (run > i) {
            // A name may begin with U+FEFF: it is part of the name, not a byte order mark.
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                          QStringDecoder::Flag::ConvertInitialBom);
            out += utf8.decode(QByteArrayView(bytes + i, run - i));
            i = run;
        }
        if (i < length) {
            out += QChar(static_cast<char16_t>(kEscapeBase + p[i]));
            ++i;
        }
    }
    return out;
}

QString PathFromBytes(const QByteArray& bytes) {
    return PathFromBytes(bytes.constData(), bytes.size());
}

QByteArray PathToBytes(const QString& path) {
    if (!HasForeignBytes(path)) {
        return path.toUtf8();
    }
    QByteArray out;
    out.reserve(path.size());
    qsizetype start = 0;
    const qsizetype n = path.size();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i == n || isEscapedAt(path, i)) {
            out += QStringView(path).mid(start, i - start).toUtf8();
            if (i < n) {
                out += static_cast<char>(path.at(i).unicode() - kEscapeBase);
            }
            start = i + 1;
        }
    }
    return out;
}

bool HasForeignBytes(const QString& path) {
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapedAt(path, i)) {
            return true;
        }
    }
    return false;
}

QString DisplayPath(const QString& path) {
    if (!HasForeignBytes(path)) {
        return path;
    }
    QString out;
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path.at(i);
        if (isEscapedAt(path, i)) {
            const unsigned byte = c.unicode() - kEscapeBase;
            out += QStringLiteral("\\x") + QString::number(byte, 16).toUpper();
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace lorvane
