#include "convert/checkcache.h"

#include "platform/pathbytes.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cctype>

#include <sys/stat.h>

namespace lorvane {

namespace {

// The first line, naming the file's layout. Any other first line is a file of another
// program or of another version of this one, and is read as holding nothing; the next
// usable verdict writes it over.
const QByteArray kFirstLine = QByteArrayLiteral("lorvane converter-check 1");

// A file larger than this was not written by us. Verdicts for programs no longer in use
// drop out once this many others have been kept after them.
constexpr qint64 kMaxFileBytes = 64 * 1024;
constexpr qsizetype kMaxRecords = 16;

// One line of the file: "<path> <device> <inode> <size> <seconds>.<nanoseconds> <asking>",
// the path percent-encoded (a file name may hold spaces, line breaks, any byte), the asking
// as the SHA-1 of its text.
struct Record {
    QByteArray path;
    QByteArray stamp;
    QByteArray asking;
};

QByteArray encodedPath(const QString& program) {
    return PathToBytes(program).toPercentEncoding("/");
}

QByteArray askingHash(const QString& asking) {
    return QCryptographicHash::hash(asking.toUtf8(), QCryptographicHash::Sha1).toHex();
}

bool isCount(const QByteArray& field) {
    bool ok = false;
    field.toULongLong(&ok);
    return ok;
}

bool isTime(const QByteArray& field) {
    const QList<QByteArray> parts = field.split('.');
    bool ok = false;
    if (parts.size() == 2 && parts[1].size() == 9 && isCount(parts[1])) {
        parts[0].toLongLong(&ok);
    }
    return ok;
}

bool isHash(const QByteArray& field) {
    return field.size() == 40 &&
           std::all_of(field.begin(), field.end(), [](char c) { return isxdigit(c) != 0; });
}

// The file's records; none at all when it is missing, unreadable, cut short or not ours: a
// file that is wrong in one place is trusted in none.
QList<Record> readRecords(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray text = in.read(kMaxFileBytes + 1);
    if (text.size() > kMaxFileBytes || !text.endsWith('\n')) {
        return {};
    }
    QList<QByteArray> lines = text.split('\n');
    lines.removeLast();  // the empty text after the last line break
    if (lines.isEmpty() || lines.first() != kFirstLine) {
        return {};
    }
    QList<Record> records;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split(' ');
        if (fields.size() != 6 || fields[0].isEmpty() || !isCount(fields[1]) ||
            !isCount(fields[2]) || !isCount(fields[3]) || !isTime(fields[4]) ||
            !isHash(fields[5])) {
            return {};
        }
        records.append({fields[0], fields.mid(1, 4).join(' '), fields[5]});
    }
    return records;
}

}  // namespace

QByteArray ProgramFileStamp(const QString& program) {
    struct stat st {};
    if (program.isEmpty() || ::stat(PathToBytes(program).constData(), &st) != 0) {
        return {};
    }
    return QByteArray::number(quint64(st.st_dev)) + ' ' + QByteArray::number(quint64(st.st_ino)) +
           ' ' + QByteArray::number(qint64(st.st_size)) + ' ' +
           QByteArray::number(qint64(st.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qint64(st.st_mtim.tv_nsec)).rightJustified(9, '0');
}

QString CheckCacheFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/lorvane/converter-check");
}

bool CacheSaysUsable(const QString& program, const QByteArray& stamp, const QString& asking) {
    const QString file = CheckCacheFile();
    if (file.isEmpty() || stamp.isEmpty()) {
        return false;
    }
    const QByteArray path = encodedPath(program);
    const QByteArray hash = askingHash(asking);
    const QList<Record> records = readRecords(file);
    return std::any_of(records.begin(), records.end(), [&](const Record& record) {
        return record.path == path && record.stamp == stamp && record.asking == hash;
    });
}

void CacheUsable(const QString& program, const QByteArray& stamp, const QString& asking) {
    const QString file = CheckCacheFile();
    if (file.isEmpty() || stamp.isEmpty()) {
        return;
    }
    const Record fresh{encodedPath(program), stamp, askingHash(asking)};
    QList<Record> records = readRecords(file);
    records.removeIf([&](const Record& record) { return record.path == fresh.path; });
    records.prepend(fresh);
    if (records.size() > kMaxRecords) {
        records.resize(kMaxRecords);
    }
    QByteArray text = kFirstLine + '\n';
    for (const Record& record : records) {
        text += record.path + ' ' + record.stamp + ' ' + record.asking + '\n';
    }
    // Written whole beside the old file and renamed over it: a reader, another start of the
    // program among them, sees the old file or the new one, never half of one.
    if (!QDir().mkpath(QFileInfo(file).path())) {
        return;
    }
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && out.write(text) == text.size()) {
        out.commit();
    }
}

}  // namespace lorvane
