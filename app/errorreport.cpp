#include "app/errorreport.h"

#include "app/constants.h"

namespace lorvane {

QString ComposeErrorReport(const QString& description, const QString& location, int step) {
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ") +
           QString::number(step) + QStringLiteral("\r\r") +
           QStringLiteral("Please email screenshot of this message to ") + supportEmail();
}

void ReportFailure(Dialogs& dialogs, const QString& description, const QString& location,
                   int step) {
    dialogs.messageBox(ComposeErrorReport(description, location, step), Dialogs::Exclamation,
                       QStringLiteral("Application Error"));
}

}  // namespace lorvane
