#pragma once

#include "platform/stepguard.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lorvane::test {

// Records every failure a guarded operation reports, as "description | location | step".
class RecordingReporter : public FailureReporter {
  public:
    QStringList reports;
    void reportFailure(const QString& description, const QString& location, int step) override {
        reports.append(QStringLiteral("%1 | %2 | %3").arg(description, location).arg(step));
    }
};

}  // namespace lorvane::test
