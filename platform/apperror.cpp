#include "platform/apperror.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

namespace lorvane {

AppError::AppError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(m_description.toUtf8()) {}

namespace errors {

AppError invalidCall() {
    return AppError(kInvalidCall,
                    QCoreApplication::translate("AppError", "Invalid procedure call or argument"));
}
AppError overflow() {
    return AppError(kOverflow, QCoreApplication::translate("AppError", "Overflow"));
}
AppError subscriptOutOfRange() {
    return AppError(kSubscriptOutOfRange,
                    QCoreApplication::translate("AppError", "Subscript out of range"));
}
AppError typeMismatch() {
    return AppError(kTypeMismatch, QCoreApplication::translate("AppError", "Type mismatch"));
}
AppError invalidPropertyValue() {
    return AppError(kInvalidPropertyValue,
                    QCoreApplication::translate("AppError", "Invalid property value"));
}

AppError fromErrno(int err, bool aboutFolder) {
    int number = kPathFileAccess;
    switch (err) {
        case ENOENT:
            number = aboutFolder ? kPathNotFound : kFileNotFound;
            break;
        case ENOTDIR:
            number = kPathNotFound;
            break;
        case EACCES:
        case EPERM:
        case EROFS:
            number = kPermissionDenied;
            break;
        case EEXIST:
            number = kFileExists;
            break;
        case ENOSPC:
        case EDQUOT:
            number = kDiskFull;
            break;
        case EIO:
            number = kDeviceIo;
            break;
        case ENAMETOOLONG:
            number = kBadFileName;
            break;
        default:
            break;
    }
    return AppError(number, QString::fromLocal8Bit(std::strerror(err)));
}

}  // namespace errors
}  // namespace lorvane
