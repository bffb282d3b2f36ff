#include "convert/runreport.h"

#include "convert/reasons.h"
#include "platform/pathbytes.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

namespace lorvane {

namespace {

constexpr int kNamesListed = 10;

// A heading (a reason or a note) and the files under it: the first ten in the text, all of
// them in the details.
void appendSection(ClosingReport& report, const QString& reason, const QStringList& files) {
    // A reason may name another source ("... made from ..."), shown as the list shows it.
    const QString shown = DisplayPath(reason);
    const QString heading =
        QStringLiteral("\n\n") + shown.left(1).toUpper() + shown.mid(1) + QLatin1Char(':');
    report.text += heading;
    report.details += (report.details.isEmpty() ? heading.mid(2) : heading);
    for (qsizetype i = 0; i < files.size(); ++i) {
        if (i < kNamesListed) {
            report.text += QLatin1Char('\n') + DisplayPath(files[i]);
        }
        report.details += QLatin1Char('\n') + DisplayPath(files[i]);
    }
    if (files.size() > kNamesListed) {
        const int more = static_cast<int>(files.size() - kNamesListed);
        //: Under a heading, after the first ten files it lists.
        report.text += QLatin1Char('\n') +
                       QCoreApplication::translate("RunReport", "and %n more", nullptr, more);
    }
}

// Nothing of the user's is moved aside without a word: each file is named with where it went.
void appendTrashed(ClosingReport& report, const QVector<TrashedFile>& trashed) {
    if (trashed.isEmpty()) {
        return;
    }
    QStringList lines;
    for (const TrashedFile& file : trashed) {
        lines.append(TrashedLine(file));
    }
    appendSection(report, TrashedHeading(), lines);
}

}  // namespace

QString TrashedHeading() {
    return QCoreApplication::translate(
        "RunReport",
        "moved to the trash to make way for the results (\"Restore\" in the file manager "
        "puts them back)");
}

QString TrashedLine(const TrashedFile& file) {
    //: A file moved to the trash: its old name, then its name in the trash.
    return QCoreApplication::translate("RunReport", "%1, now %2").arg(file.path, file.trashedAs);
}

ClosingReport ClosingMessage(const QVector<FileFailure>& failures, const QStringList& endedEarly,
                             const QVector<TrashedFile>& trashed) {
    //: The run's last word, on the progress bar and atop the closing message.
    ClosingReport report{QCoreApplication::translate("RunReport", "Done."), QString()};
    if (failures.isEmpty()) {
        if (!endedEarly.isEmpty()) {
            appendSection(report, reasons::endsEarly(), endedEarly);
        }
        appendTrashed(report, trashed);
        return report;
    }
    QStringList reasonOrder;
    QHash<QString, QStringList> sources;
    for (const FileFailure& failure : failures) {
        if (!sources.contains(failure.reason)) {
            reasonOrder.append(failure.reason);
        }
        sources[failure.reason].append(failure.source);
    }
    const int count = static_cast<int>(failures.size());
    report.text +=
        QStringLiteral("\n\n") +
        (count == 1 ? QCoreApplication::translate("RunReport", "1 file could not be converted.")
                    : QCoreApplication::translate("RunReport", "%n files could not be converted.",
                                                  nullptr, count));
    for (const QString& reason : reasonOrder) {
        appendSection(report, reason, sources[reason]);
    }
    if (!endedEarly.isEmpty()) {
        appendSection(report, reasons::endsEarly(), endedEarly);
    }
    appendTrashed(report, trashed);
    return report;
}

}  // namespace lorvane
