#pragma once

#include <QString>

namespace lorvane {

// The reasons a file is not converted, in the words the closing message uses.
namespace reasons {
QString notAFile();
QString notFound();
QString unreadable(const QString& error);
QString notAudio();
QString replacesSource();
QString replacesResult(const QString& otherSource);
QString incomplete();
QString readCut(const QString& error);
QString wrongLength();
// `detail` says how far its audio goes, or what the converter said of it.
QString damaged(const QString& detail);
QString lengthUnknown();
QString wrongCoding();
QString notWritten(const QString& error);
QString noResult();
QString converterStopped();
QString converterNotStarted();
QString noOutputPath();
QString oldResultStays(const QString& error);
QString converterWouldNotReplace();
// Not a failure: the note on a result made from a source that was cut short.
QString endsEarly();
}  // namespace reasons

}  // namespace lorvane
