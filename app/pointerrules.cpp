#include "app/pointerrules.h"

#include "platform/apperror.h"

#include <QtEndian>

namespace lorvane {

namespace {
constexpr int kBusy = 11;
constexpr int kDefault = 0;
constexpr int kCustom = 99;
}  // namespace

int PointerKindAfterHover(int current) {
    return current == kBusy ? current : kCustom;
}

int PointerKindAfterReset(int current) {
    return current == kBusy ? current : kDefault;
}

std::optional<QPoint> CursorHotSpot(const QByteArray& fileBytes) {
    // A 6-byte directory header (reserved 0, type 2 for cursors, image count) is followed
    // by 16-byte entries; in a cursor's entry the bytes 4..7 hold the hot spot.
    constexpr int kHeader = 6;
    constexpr int kEntry = 16;
    if (fileBytes.size() < kHeader + kEntry) {
        return std::nullopt;
    }
    const auto* bytes = reinterpret_cast<const uchar*>(fileBytes.constData());
    const quint16 reserved = qFromLittleEndian<quint16>(bytes);
    const quint16 type = qFromLittleEndian<quint16>(bytes + 2);
    const quint16 count = qFromLittleEndian<quint16>(bytes + 4);
    if (reserved != 0 || type != 2 || count == 0) {
        return std::nullopt;
    }
    const int x = qFromLittleEndian<quint16>(bytes + kHeader + 4);
    const int y = qFromLittleEndian<quint16>(bytes + kHeader + 6);
    return QPoint(x, y);
}

}  // namespace lorvane
