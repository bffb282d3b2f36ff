#include "app/conversionjobs.h"

#include <QThread>
#include <QtGlobal>

#include <algorithm>

namespace lorvane {

int JobsFromEnvironment() {
    bool ok = false;
    const int named = qEnvironmentVariableIntValue("LORVANE_JOBS", &ok);
    if (ok && named >= 1) {
        return std::min(named, kMaxJobs);
    }
    return std::clamp(QThread::idealThreadCount(), 1, kMaxJobs);
}

}  // namespace lorvane
