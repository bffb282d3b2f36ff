#pragma once

// What the batch mode did with each queued source, for scripts: one JSON object a line.

#include <QByteArray>
#include <QString>
#include <QVector>

namespace lorvane {

struct BatchRecord {
    enum Outcome { Converted, UpToDate, NotConverted };
    QString source;
    QString result;  // where its result is or would have gone; empty when no path was made
    Outcome outcome = NotConverted;
    QString reason;  // why it was not converted
    // Where the file that held the result's name went in the trash, or empty.
    QString trashedAs;
};

// The outcome as the record names it: "converted", "up to date", "not converted".
QString OutcomeName(BatchRecord::Outcome outcome);

// One record as a line of JSON: {"source":..,"result":..,"outcome":..,"reason":..}, and
// "trashed": where the file that held the result's name went, when one was moved aside. A name
// that is not UTF-8 is given as it is shown (each foreign byte as "\xE9"), and its exact
// bytes in base64 under "source_bytes" or "result_bytes", so a script can still reach it.
QByteArray ReportLine(const BatchRecord& record);

// Writes every record to the file: under a temporary name beside it, renamed into place when
// complete, so a reader never sees half a report. Returns the system's reason or empty.
QString WriteReport(const QString& path, const QVector<BatchRecord>& records);

}  // namespace lorvane
