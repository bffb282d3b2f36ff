#include "app/errorreport.h"

#include "app/constants.h"

namespace lorvane {

QString ScreenshotRequest(const QString& supportAddress) {
    // A build without an address of its own must not send users to somebody else's.
    if (supportAddress.isEmpty()) {
        return QStringLiteral(
            "Please send a screenshot of this message to whoever provided this program.");
    }
    return QStringLiteral("Please email screenshot of this message to ") + supportAddress;
}

QString ComposeErrorReport(const QString& description, const QString& location, int step) {
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") +
           QString::number(step) + QStringLiteral("\r\r") + ScreenshotRequest(supportEmail());
}

void ReportFailure(Dialogs& dialogs, const QString& description, const QString& location,
                   int step) {
    dialogs.messageBox(ComposeErrorReport(description, location, step), Dialogs::Exclamation,
                       QStringLiteral("Application Error"));
}

}  // namespace lorvane
