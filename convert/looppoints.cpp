#include "convert/looppoints.h"

#include <QCoreApplication>

namespace lorvane {

namespace {

enum Tag { kStart, kLength, kEnd, kTagCount };
const char* const kTagNames[kTagCount] = {"LOOPSTART", "LOOPLENGTH", "LOOPEND"};

// A position as the tags write it: decimal digits and nothing else (blanks around them
// aside). Anything an engine could read two ways is refused rather than guessed at.
struct Number {
    enum Kind { Whole, Negative, NotWhole };
    Kind kind = NotWhole;
    qint64 value = 0;
};

// Stands for every number past 18 digits: beyond the end of any file, and small enough that
// two of them add up without overflowing.
constexpr qint64 kFarPastAnyEnd = 1000000000000000000;

Number parseNumber(const QByteArray& text) {
    QByteArray digits = text.trimmed();
    Number number;
    bool negative = false;
    if (digits.startsWith('-')) {
        negative = true;
        digits.remove(0, 1);
    }
    if (digits.isEmpty()) {
        return number;
    }
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return number;
        }
    }
    if (negative) {
        number.kind = Number::Negative;
        return number;
    }
    while (digits.size() > 1 && digits.startsWith('0')) {
        digits.remove(0, 1);
    }
    number.kind = Number::Whole;
    number.value = digits.size() > 18 ? kFarPastAnyEnd : digits.toLongLong();
    return number;
}

}  // namespace

SourceLoop ReadLoop(const QList<QByteArray>& comments, long rate, qint64 frames) {
    std::optional<QByteArray> values[kTagCount];
    SourceLoop loop;
    for (const QByteArray& comment : comments) {
        const qsizetype equals = comment.indexOf('=');
        if (equals < 0) {
            continue;
        }
        const QByteArray key = comment.left(equals);
        for (int tag = 0; tag < kTagCount; ++tag) {
            if (key.compare(kTagNames[tag], Qt::CaseInsensitive) != 0) {
                continue;
            }
            const QByteArray value = comment.mid(equals + 1);
            if (values[tag] && *values[tag] != value) {
                loop.problem = QCoreApplication::translate("LoopPoints", "%1 is given twice")
                                   .arg(QLatin1String(kTagNames[tag]));
                return loop;
            }
            values[tag] = value;
        }
    }
    if (!values[kStart] && !values[kLength] && !values[kEnd]) {
        return loop;  // no loop marked: nothing to say
    }
    if (!values[kStart]) {
        loop.problem = QCoreApplication::translate("LoopPoints", "%1 without LOOPSTART")
                           .arg(QLatin1String(kTagNames[values[kLength] ? kLength : kEnd]));
        return loop;
    }
    if (!values[kLength] && !values[kEnd]) {
        loop.problem =
            QCoreApplication::translate("LoopPoints", "LOOPSTART without LOOPLENGTH or LOOPEND");
        return loop;
    }
    qint64 numbers[kTagCount] = {};
    for (int tag = 0; tag < kTagCount; ++tag) {
        if (!values[tag]) {
            continue;
        }
        const Number number = parseNumber(*values[tag]);
        const QString name = QLatin1String(kTagNames[tag]);
        if (number.kind == Number::Negative) {
            loop.problem = QCoreApplication::translate("LoopPoints", "%1 is negative").arg(name);
            return loop;
        }
        if (number.kind == Number::NotWhole) {
            loop.problem =
                QCoreApplication::translate("LoopPoints", "%1 is not a whole number").arg(name);
            return loop;
        }
        numbers[tag] = number.value;
    }
    const qint64 start = numbers[kStart];
    qint64 after = start + numbers[kLength];  // the first frame after the loop
    if (values[kLength] && numbers[kLength] == 0) {
        loop.problem = QCoreApplication::translate("LoopPoints", "LOOPLENGTH is 0");
        return loop;
    }
    if (values[kEnd]) {
        if (numbers[kEnd] <= start) {
            loop.problem =
                QCoreApplication::translate("LoopPoints", "LOOPEND is not after LOOPSTART");
            return loop;
        }
        if (values[kLength] && numbers[kEnd] != after) {
            loop.problem =
                QCoreApplication::translate("LoopPoints", "LOOPLENGTH and LOOPEND disagree");
            return loop;
        }
        after = numbers[kEnd];
    }
    if (after > frames) {
        loop.problem = QCoreApplication::translate("LoopPoints", "the loop runs past the end");
        return loop;
    }
    loop.points = LoopPoints{start, after - 1, rate};
    return loop;
}

std::optional<LoopPoints> LoopAtRate(const LoopPoints& loop, long rate) {
    if (rate == loop.rate) {
        return loop;
    }
    if (rate <= 0 || loop.rate <= 0) {
        return std::nullopt;
    }
    // Rounded to the nearest frame, in whole numbers throughout: no position drifts.
    const auto scaled = [&](qint64 position, qint64* out) {
        qint64 product = 0;
        if (__builtin_mul_overflow(position, static_cast<qint64>(rate), &product) ||
            __builtin_add_overflow(product, static_cast<qint64>(loop.rate / 2), &product)) {
            return false;
        }
        *out = product / loop.rate;
        return true;
    };
    qint64 start = 0;
    qint64 after = 0;
    if (!scaled(loop.start, &start) || !scaled(loop.end + 1, &after) || after <= start) {
        return std::nullopt;
    }
    return LoopPoints{start, after - 1, rate};
}

}  // namespace lorvane
