#include "convert/reasons.h"

#include <QCoreApplication>

namespace lorvane {

namespace reasons {
QString notAFile() {
    return QCoreApplication::translate("Reasons", "is not a file");
}
QString notFound() {
    return QCoreApplication::translate("Reasons", "was not found");
}
QString unreadable(const QString& error) {
    return QCoreApplication::translate("Reasons", "could not be read (%1)").arg(error);
}
QString notAudio() {
    return QCoreApplication::translate("Reasons", "could not be read as audio");
}
QString replacesSource() {
    return QCoreApplication::translate("Reasons", "its result would have replaced a queued source");
}
QString replacesResult(const QString& otherSource) {
    return QCoreApplication::translate(
               "Reasons", "its result would have replaced the result of %1 (same name)")
        .arg(otherSource);
}
QString incomplete() {
    return QCoreApplication::translate("Reasons", "the result was incomplete");
}
QString readCut(const QString& error) {
    return QCoreApplication::translate("Reasons", "could not be read to its end (%1)").arg(error);
}
QString wrongLength() {
    return QCoreApplication::translate("Reasons", "the result's length did not match the source");
}
QString damaged(const QString& detail) {
    return QCoreApplication::translate("Reasons", "the source is damaged (%1)").arg(detail);
}
QString lengthUnknown() {
    return QCoreApplication::translate(
        "Reasons",
        "the source's length could not be read, so its result could not be "
        "checked");
}
QString wrongCoding() {
    return QCoreApplication::translate("Reasons",
                                       "the result did not hold the chosen sample format");
}
QString notWritten(const QString& error) {
    return QCoreApplication::translate("Reasons", "could not be written (%1)").arg(error);
}
QString noResult() {
    return QCoreApplication::translate("Reasons", "the converter wrote no result");
}
QString converterStopped() {
    return QCoreApplication::translate("Reasons", "the converter stopped before it finished");
}
QString converterNotStarted() {
    return QCoreApplication::translate("Reasons", "the converter could not be started");
}
QString noOutputPath() {
    return QCoreApplication::translate("Reasons", "no result path could be made for it");
}
QString oldResultStays(const QString& error) {
    return QCoreApplication::translate(
               "Reasons", "an older file of its result's name could not be moved to the trash (%1)")
        .arg(error);
}
QString converterWouldNotReplace() {
    return QCoreApplication::translate(
        "Reasons", "the converter refused to replace a file of its result's name");
}
QString endsEarly() {
    return QCoreApplication::translate(
        "Reasons", "the source ends early (incomplete file); its result holds what it had");
}
}  // namespace reasons

}  // namespace lorvane
