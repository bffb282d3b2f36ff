#include "app/uptodate.h"

#include "convert/pendingresult.h"
#include "convert/resultcheck.h"
#include "convert/sourcelook.h"
#include "platform/pathbytes.h"

#include <sys/stat.h>

namespace lorvane {

namespace {

bool newer(const struct stat& a, const struct stat& b) {
    // Strictly newer: on a file system that keeps whole seconds, a source written in the same
    // second as its result may be the later one.
    return a.st_mtim.tv_sec != b.st_mtim.tv_sec ? a.st_mtim.tv_sec > b.st_mtim.tv_sec
                                                : a.st_mtim.tv_nsec > b.st_mtim.tv_nsec;
}

}  // namespace

bool IsUpToDate(const QString& source, const QString& result, const QString& codec) {
    struct stat sourceStat {};
    struct stat resultStat {};
    if (::stat(PathToBytes(source).constData(), &sourceStat) != 0 || !S_ISREG(sourceStat.st_mode) ||
        ::lstat(PathToBytes(result).constData(), &resultStat) != 0 ||
        !S_ISREG(resultStat.st_mode) || !newer(resultStat, sourceStat)) {
        return false;
    }
    const QByteArray mark = ResultMarkOf(result);
    if (mark.isEmpty() || mark != ResultMarkFor(source)) {
        return false;
    }
    const SourceLook look = LookAtSource(source);
    return look.isFile() && CheckResult(look, source, result, codec, {}).isEmpty();
}

}  // namespace lorvane
