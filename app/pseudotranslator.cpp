#include "app/pseudotranslator.h"

#include <cmath>

namespace lorvane {

namespace {

QChar accented(QChar letter) {
    static const QString plain = QStringLiteral("aceinosuyzACEINOSUYZ");
    static const QString marked = QString::fromUtf8("áçéîñöšüýžÅÇÉÎÑØŠÛÝŽ");
    const qsizetype at = plain.indexOf(letter);
    return at < 0 ? letter : marked.at(at);
}

// How many characters at `at` belong to a placeholder or markup a translation must keep:
// %1, %L1, %n, an HTML tag or entity. Zero for an ordinary character.
qsizetype keptRun(const QString& text, qsizetype at) {
    const QChar c = text.at(at);
    if (c == QLatin1Char('%') && at + 1 < text.size()) {
        qsizetype end = at + 1;
        if (text.at(end) == QLatin1Char('L')) {
            ++end;
        }
        if (end < text.size() && text.at(end) == QLatin1Char('n')) {
            return end + 1 - at;
        }
        while (end < text.size() && text.at(end).isDigit()) {
            ++end;
        }
        return end > at + 1 && text.at(end - 1).isDigit() ? end - at : 0;
    }
    if (c == QLatin1Char('<') || c == QLatin1Char('&')) {
        const QChar close = c == QLatin1Char('<') ? QLatin1Char('>') : QLatin1Char(';');
        const qsizetype end = text.indexOf(close, at);
        if (end > at && end - at < 40 &&
            !text.mid(at + 1, end - at - 1).contains(QLatin1Char(' '))) {
            return end + 1 - at;
        }
    }
    return 0;
}

QString pseudoLine(const QString& line) {
    QString out;
    for (qsizetype i = 0; i < line.size();) {
        const qsizetype kept = keptRun(line, i);
        if (kept > 0) {
            out += line.mid(i, kept);
            i += kept;
        } else if (line.at(i) == QLatin1Char('&') && i + 1 < line.size()) {
            // A mnemonic keeps its letter, so the shortcut stays the same key.
            out += line.mid(i, 2);
            i += 2;
        } else {
            out += accented(line.at(i));
            ++i;
        }
    }
    if (line.trimmed().isEmpty()) {
        return out;
    }
    // Two of the added characters are the brackets that show where a text ends.
    const qsizetype longer = static_cast<qsizetype>(std::ceil(line.size() * 1.4));
    const qsizetype padding = std::max<qsizetype>(1, longer - line.size() - 2);
    return QLatin1Char('[') + out + QString(padding, QLatin1Char('~')) + QLatin1Char(']');
}

}  // namespace

QString PseudoText(const QString& english) {
    QStringList lines = english.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line = pseudoLine(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString PseudoTranslator::translate(const char* context, const char* sourceText,
                                    const char* disambiguation, int n) const {
    Q_UNUSED(disambiguation)
    Q_UNUSED(n)
    // Qt's own texts keep their English: only the program's are tried for length.
    if (context == nullptr || sourceText == nullptr || *sourceText == '\0' ||
        (context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z')) {
        return {};
    }
    return PseudoText(QString::fromUtf8(sourceText));
}

}  // namespace lorvane
