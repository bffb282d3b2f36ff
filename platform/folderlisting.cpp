#include "platform/folderlisting.h"

#include "platform/apperror.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QFile>
#include <QList>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace lorvane {

namespace {

QByteArray encoded(const QString& path) {
    return PathToBytes(path);
}

// The strict existence test on a name inside an open folder. fstatat needs exactly what an
// O_PATH open needs (search permission along the way, nothing on the file itself) and never
// opens the file, so FIFOs and devices cannot block it.
bool existsStrictAt(int dirFd, const char* name) {
    struct stat st {};
    return ::fstatat(dirFd, name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

int FileAttributesOf(const QString& path) {
    const QString examined = WithoutTrailingSeparators(path);
    const QByteArray name = encoded(examined);
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        throw errors::fromErrno(errno, true);
    }
    int attributes = 0;
    if (S_ISLNK(st.st_mode)) {
        attributes |= kAttrReparsePoint;
        struct stat target {};
        if (::stat(name.constData(), &target) == 0) {
            st = target;
        }
    }
    if (S_ISDIR(st.st_mode)) {
        attributes |= kAttrDirectory;
    } else if (S_ISREG(st.st_mode)) {
        attributes |= kAttrArchive;
    }
    const QString base = LastNameOfPath(examined);
    if (base.startsWith(QLatin1Char('.')) && base != QLatin1String(".") &&
        base != QLatin1String("..")) {
        attributes |= kAttrHidden;
    }
    if (::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) {
        attributes |= kAttrReadOnly;
    }
    return attributes;
}

bool FileExistsStrict(const QString& path) {
    if (path.isEmpty()) {
        return false;
    }
    // O_PATH asks for no access to the contents: a file without read permission still counts,
    // and a FIFO or device is never really opened, so nothing can block.
    const int fd = ::open(encoded(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    return regular;
}

bool DecodeFileName(const char* raw, size_t length, QString* out) {
    *out = PathFromBytes(raw, static_cast<qsizetype>(length));
    return true;
}

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

OpenFolder::OpenFolder(const QString& path) {
    m_dir = ::opendir(encoded(path).constData());
    if (m_dir == nullptr) {
        m_error = errno;
    }
}

OpenFolder::~OpenFolder() {
    if (m_dir != nullptr) {
        ::closedir(m_dir);
    }
}

const dirent* OpenFolder::next() {
    errno = 0;
    return ::readdir(m_dir);
}

QStringList ListFileNames(const QString& folder,
                          const std::function<bool(const QString&)>& wanted) {
    const QChar sep = PathStyle::native().separator;
    QString dir = folder;
    if (!dir.endsWith(sep)) {
        dir.append(sep);
    }
    OpenFolder listing(dir);
    QStringList kept;
    if (!listing.isOpen()) {
        return kept;
    }
    kept.reserve(100);
    // A regular file listed in a folder we may search can always be opened the strict way,
    // so only links and entries of unknown type need a look of their own; big folders then
    // cost no more than reading them.
    const bool searchable = ::faccessat(listing.fd(), ".", X_OK, AT_EACCESS) == 0;
    while (const dirent* entry = listing.next()) {
        const unsigned char type = entry->d_type;
        if (IsDotOrDotDot(entry->d_name) || type == DT_DIR) {
            continue;
        }
        if (type != DT_REG && type != DT_LNK && type != DT_UNKNOWN) {
            continue;  // FIFOs, devices, sockets
        }
        QString name;
        if (!DecodeFileName(entry->d_name, std::strlen(entry->d_name), &name) || !wanted(name)) {
            continue;
        }
        const bool exists =
            type == DT_REG ? searchable : existsStrictAt(listing.fd(), entry->d_name);
        if (exists) {
            kept.append(std::move(name));
        }
    }
    return kept;
}

// statfs magic numbers of the kernel's pseudo file systems.
bool PseudoFileSystems::holds(int folderFd, dev_t device) {
    static constexpr unsigned long kPseudo[] = {
        0x9fa0,      // proc
        0x62656572,  // sysfs
        0x1cd1,      // devpts
        0x27e0eb,    // cgroup
        0x63677270,  // cgroup2
        0x64626720,  // debugfs
        0x74726163,  // tracefs
        0x73636673,  // securityfs
        0x6165676c,  // pstore
        0xcafe4a11,  // bpf
        0x62656570,  // configfs
        0x65735543,  // fusectl
        0x19800202,  // mqueue
        0x958458f6,  // hugetlbfs
        0x0187,      // autofs
        0x42494e4d,  // binfmt_misc
        0xde5e81e4,  // efivarfs
        0xf97cff8c,  // selinuxfs
        0x43415d53,  // smackfs
        0x6e736673,  // nsfs
        0x7655821,   // resctrl
        0x9fa2,      // usbfs
        0x67596969,  // rpc_pipefs
        0x6e667364,  // nfsd
    };
    constexpr unsigned long kTmpfs = 0x01021994;
    struct statfs fs {};
    if (::fstatfs(folderFd, &fs) != 0) {
        return false;
    }
    const auto type = static_cast<unsigned long>(fs.f_type) & 0xffffffffUL;
    if (std::find(std::begin(kPseudo), std::end(kPseudo), type) != std::end(kPseudo)) {
        return true;
    }
    if (type != kTmpfs) {
        return false;
    }
    // devtmpfs reports itself as tmpfs: the mount table names it.
    if (!m_devtmpfs) {
        m_devtmpfs.emplace();
        QFile mounts(QStringLiteral("/proc/self/mountinfo"));
        if (mounts.open(QIODevice::ReadOnly)) {
            // "36 35 0:5 / /dev rw,nosuid - devtmpfs udev rw": the device, then the type after
            // the separator.
            for (const QByteArray& line : mounts.readAll().split('\n')) {
                const QList<QByteArray> fields = line.split(' ');
                const qsizetype dash = fields.indexOf(QByteArray("-"));
                if (fields.size() < 3 || dash < 0 || dash + 1 >= fields.size() ||
                    fields.at(dash + 1) != "devtmpfs") {
                    continue;
                }
                const QList<QByteArray> numbers = fields.at(2).split(':');
                if (numbers.size() == 2) {
                    m_devtmpfs->insert(makedev(numbers.at(0).toUInt(), numbers.at(1).toUInt()));
                }
            }
        }
    }
    return m_devtmpfs->count(device) != 0;
}

}  // namespace lorvane
