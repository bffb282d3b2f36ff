#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace lorvane {

// The one failure type of the program. A guarded operation catches it and shows the
// description; the number drives the few places that treat some failures specially
// (20476 in the open dialog, 70 and 76 in the folder walk).
class AppError : public std::exception {
  public:
    AppError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.constData(); }

  private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

namespace errors {
constexpr int kInvalidCall = 5;
constexpr int kOverflow = 6;
constexpr int kSubscriptOutOfRange = 9;
constexpr int kTypeMismatch = 13;
constexpr int kBadFileName = 52;
constexpr int kFileNotFound = 53;
constexpr int kDeviceIo = 57;
constexpr int kFileExists = 58;
constexpr int kDiskFull = 61;
constexpr int kPermissionDenied = 70;
constexpr int kPathFileAccess = 75;
constexpr int kPathNotFound = 76;
constexpr int kInvalidPropertyValue = 380;
constexpr int kTooManyFiles = 20476;

AppError invalidCall();
AppError overflow();
AppError subscriptOutOfRange();
AppError typeMismatch();
AppError invalidPropertyValue();

// Maps a POSIX error code to the program's failure numbers, keeping the platform's own
// wording (strerror) as the description. A missing folder is "path not found" (76),
// a missing file "file not found" (53).
AppError fromErrno(int err, bool aboutFolder = false);
}  // namespace errors

}  // namespace lorvane
