#include "app/errorreport.h"

#include "app/constants.h"

#include <QCoreApplication>

namespace lorvane {

QString ScreenshotRequest(const QString& supportAddress) {
    // A build without an address of its own must not send users to somebody else's.
    if (supportAddress.isEmpty()) {
        return QCoreApplication::translate(
            "ErrorReport",
            "Please send a screenshot of this message to whoever provided this program.");
    }
    //: The last line of an error report; %1 is the e-mail address of the program's support.
    return QCoreApplication::translate("ErrorReport",
                                       "Please email screenshot of this message to %1")
        .arg(supportAddress);
}

QString ComposeErrorReport(const QString& description, const QString& location, int step) {
    // The places end in the blank that once parted them from "at line"; the sentence that
    // names the line brings its own, where its language wants one.
    const QString place = location.endsWith(QLatin1Char(' ')) ? location.chopped(1) : location;
    //: The second line of an error report: where the failure happened. %1 is the place, in
    //: words of the program's own that stay as they are ("in Tessaly2021/08/31.Form1.Form_Load"),
    //: %2 the number of the step that failed.
    const QString where = QCoreApplication::translate("ErrorReport", "%1 at line %2")
                              .arg(place, QString::number(step));
    return description + QStringLiteral("\r\n") + where + QStringLiteral("\r\r") +
           ScreenshotRequest(supportEmail());
}

void ReportFailure(Dialogs& dialogs, const QString& description, const QString& location,
                   int step) {
    //: Title of the box that reports a failure of the window.
    dialogs.messageBox(ComposeErrorReport(description, location, step), Dialogs::Exclamation,
                       QCoreApplication::translate("ErrorReport", "Application Error"));
}

}  // namespace lorvane
