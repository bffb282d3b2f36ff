#include "app/batchreport.h"

#include "platform/pathbytes.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace lorvane {

namespace {

QByteArray jsonText(const QString& text) {
    QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);  // the string without the array's brackets
}

void addPath(QByteArray& line, const char* key, const QString& path) {
    line += QByteArray(",\"") + key + "\":" + jsonText(DisplayPath(path));
    if (HasForeignBytes(path)) {
        line += QByteArray(",\"") + key + "_bytes\":\"" + PathToBytes(path).toBase64() + '"';
    }
}

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

}  // namespace

QString OutcomeName(BatchRecord::Outcome outcome) {
    switch (outcome) {
        case BatchRecord::Converted:
            return QStringLiteral("converted");
        case BatchRecord::UpToDate:
            return QStringLiteral("up to date");
        case BatchRecord::NotConverted:
            break;
    }
    return QStringLiteral("not converted");
}

QByteArray ReportLine(const BatchRecord& record) {
    QByteArray line = "{";
    addPath(line, "source", record.source);
    addPath(line, "result", record.result);
    line += ",\"outcome\":" + jsonText(OutcomeName(record.outcome));
    // A reason may name another source.
    line += ",\"reason\":" + jsonText(DisplayPath(record.reason));
    if (!record.trashedAs.isEmpty()) {
        addPath(line, "trashed", record.trashedAs);
    }
    line += "}\n";
    line.remove(1, 1);  // the comma before the first key
    return line;
}

QString WriteReport(const QString& path, const QVector<BatchRecord>& records) {
    QByteArray text;
    for (const BatchRecord& record : records) {
        text += ReportLine(record);
    }
    const QByteArray target = PathToBytes(path);
    const QByteArray temporary = target + ".part";
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return systemError();
    }
    qsizetype written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.constData() + written, text.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const QString error = systemError();
            ::close(fd);
            ::unlink(temporary.constData());
            return error;
        }
        written += n;
    }
    if (::close(fd) != 0 || ::rename(temporary.constData(), target.constData()) != 0) {
        const QString error = systemError();
        ::unlink(temporary.constData());
        return error;
    }
    return {};
}

}  // namespace lorvane
