#include "convert/reasons.h"

namespace lorvane {

namespace reasons {
QString notAFile() {
    return QStringLiteral("is not a file");
}
QString notFound() {
    return QStringLiteral("was not found");
}
QString unreadable(const QString& error) {
    return QStringLiteral("could not be read (%1)").arg(error);
}
QString notAudio() {
    return QStringLiteral("could not be read as audio");
}
QString replacesSource() {
    return QStringLiteral("its result would have replaced a queued source");
}
QString replacesResult(const QString& otherSource) {
    return QStringLiteral("its result would have replaced the result of %1 (same name)")
        .arg(otherSource);
}
QString incomplete() {
    return QStringLiteral("the result was incomplete");
}
QString readCut(const QString& error) {
    return QStringLiteral("could not be read to its end (%1)").arg(error);
}
QString wrongLength() {
    return QStringLiteral("the result's length did not match the source");
}
QString damaged(const QString& detail) {
    return QStringLiteral("the source is damaged (%1)").arg(detail);
}
QString lengthUnknown() {
    return QStringLiteral(
        "the source's length could not be read, so its result could not be "
        "checked");
}
QString wrongCoding() {
    return QStringLiteral("the result did not hold the chosen sample format");
}
QString notWritten(const QString& error) {
    return QStringLiteral("could not be written (%1)").arg(error);
}
QString noResult() {
    return QStringLiteral("the converter wrote no result");
}
QString converterStopped() {
    return QStringLiteral("the converter stopped before it finished");
}
QString converterNotStarted() {
    return QStringLiteral("the converter could not be started");
}
QString noOutputPath() {
    return QStringLiteral("no result path could be made for it");
}
QString oldResultStays(const QString& error) {
    return QStringLiteral("an older file of its result's name could not be moved to the trash (%1)")
        .arg(error);
}
QString converterWouldNotReplace() {
    return QStringLiteral("the converter refused to replace a file of its result's name");
}
QString endsEarly() {
    return QStringLiteral("the source ends early (incomplete file); its result holds what it had");
}
}  // namespace reasons

}  // namespace lorvane
