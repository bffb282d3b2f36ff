#pragma once

#include "app/dialogs.h"
#include "convert/conversionrun.h"
#include "platform/stepguard.h"

#include <QString>

namespace lorvane {

// The fixed location texts of the guarded operations.
namespace location {
inline QString formLoad() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.Form_Load ");
}
inline QString pushButton7() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton7_Click ");
}
inline QString pushButton1() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton1_Click ");
}
inline QString pushButton3() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton3_Click ");
}
inline QString pushButton4() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton4_Click ");
}
inline QString pushButton5() {
    return QStringLiteral("in Tessaly2021/08/31.Form1.PushButton5_Click ");
}
inline QString pushButton2() {
    return ConversionRun::location();
}
}  // namespace location

// The report's last line: the request for a screenshot, to the support address when the build
// has one.
QString ScreenshotRequest(const QString& supportAddress);

// The text of the "Application Error" box.
QString ComposeErrorReport(const QString& description, const QString& location, int step);

// Shows the "Application Error" box (style 48) for one failure.
void ReportFailure(Dialogs& dialogs, const QString& description, const QString& location, int step);

// The window's reporter: every failure gets its own "Application Error" box.
class BoxReporter : public FailureReporter {
  public:
    explicit BoxReporter(Dialogs& dialogs) : m_dialogs(dialogs) {}
    void reportFailure(const QString& description, const QString& location, int step) override {
        ReportFailure(m_dialogs, description, location, step);
    }

  private:
    Dialogs& m_dialogs;
};

}  // namespace lorvane
