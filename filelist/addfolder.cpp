#include "filelist/addfolder.h"

#include "filelist/filelistmodel.h"
#include "platform/apperror.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"
#include "platform/stepguard.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <deque>
#include <iterator>
#include <vector>

namespace lorvane {

namespace {

const QChar kSep = PathStyle::native().separator;

// A long walk lets the window repaint this often; more often only costs time.
constexpr qint64 kYieldIntervalMs = 25;

QByteArray encoded(const QString& path) {
    return PathToBytes(path);
}

// The name as the program shows and joins it. Every byte string is a name: bytes that are not
// UTF-8 (an old archive, a stick mounted with another code page) are carried along, so a path
// built from the name still reaches the file.
bool decodeName(const char* raw, size_t length, QString* out) {
    for (size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(raw[i]) >= 0x80) {
            *out = PathFromBytes(raw, static_cast<qsizetype>(length));
            return true;
        }
    }
    *out = QString::fromLatin1(raw, static_cast<qsizetype>(length));
    return true;
}

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The last name of a path, ignoring trailing separators.
QString lastName(const QString& path) {
    qsizetype end = path.size();
    while (end > 0 && path[end - 1] == kSep) {
        --end;
    }
    const qsizetype start = path.lastIndexOf(kSep, end - 1) + 1;
    return path.mid(start, end - start);
}

// The path without trailing separators, so a link is examined itself and not its target;
// the root stays the root.
QString withoutTrailingSeparators(const QString& path) {
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == kSep) {
        --end;
    }
    return path.left(end);
}

// An open folder, listed with readdir; closes itself.
class OpenFolder {
  public:
    explicit OpenFolder(const QString& path) {
        m_dir = ::opendir(encoded(path).constData());
        if (m_dir == nullptr) {
            m_error = errno;
        }
    }
    ~OpenFolder() {
        if (m_dir != nullptr) {
            ::closedir(m_dir);
        }
    }
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    int error() const { return m_error; }
    int fd() const { return ::dirfd(m_dir); }
    // The next entry, or nullptr at the end (errno tells an end from a failure).
    const dirent* next() {
        errno = 0;
        return ::readdir(m_dir);
    }

  private:
    DIR* m_dir = nullptr;
    int m_error = 0;
};

// The strict existence test on a name inside an open folder. fstatat needs exactly what an
// O_PATH open needs (search permission along the way, nothing on the file itself) and never
// opens the file, so FIFOs and devices cannot block it.
bool existsStrictAt(int dirFd, const char* name) {
    struct stat st {};
    return ::fstatat(dirFd, name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

int FileAttributesOf(const QString& path) {
    const QString examined = withoutTrailingSeparators(path);
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
    const QString base = lastName(examined);
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

bool HasUnsafeChars(const QString& name) {
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        if (code < 32 || (code >= 127 && code <= 159)) {
            return true;
        }
    }
    return false;
}

bool HasUnsafeChars(const QByteArray& rawName) {
    QString name;
    if (!decodeName(rawName.constData(), static_cast<size_t>(rawName.size()), &name)) {
        return true;
    }
    return HasUnsafeChars(name);
}

namespace {

char16_t folded(QChar c) {
    return static_cast<char16_t>(QChar::toCaseFolded(c.unicode()));
}

bool wildcardMatch(QStringView name, QStringView pattern) {
    qsizetype n = 0;
    qsizetype p = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') || folded(pattern[p]) == folded(name[n]))) {
            ++n;
            ++p;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

bool MatchesPattern(const QString& name, const QString& pattern) {
    if (wildcardMatch(name, pattern)) {
        return true;
    }
    // "name.*" stands for the name with any extension or none, as on Windows.
    return pattern.endsWith(QLatin1String(".*")) &&
           wildcardMatch(name, QStringView(pattern).chopped(2));
}

bool ListingOrderLess(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char32_t ua = QChar::toUpper(a[i].unicode());
        const char32_t ub = QChar::toUpper(b[i].unicode());
        if (ua != ub) {
            return ua < ub;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

bool IsRootFolder(const QString& path) {
    return !path.isEmpty() && path.count(kSep) == path.size();
}

QStringList ListFolderFiles(const QString& folder, const QString& pattern) {
    QString dir = folder;
    if (!dir.endsWith(kSep)) {
        dir.append(kSep);
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
        if (isDotOrDotDot(entry->d_name) || type == DT_DIR) {
            continue;
        }
        if (type != DT_REG && type != DT_LNK && type != DT_UNKNOWN) {
            continue;  // FIFOs, devices, sockets
        }
        QString name;
        if (!decodeName(entry->d_name, std::strlen(entry->d_name), &name) ||
            !MatchesPattern(name, pattern)) {
            continue;
        }
        const bool exists =
            type == DT_REG ? searchable : existsStrictAt(listing.fd(), entry->d_name);
        if (exists) {
            kept.append(std::move(name));
        }
    }
    std::sort(kept.begin(), kept.end(), ListingOrderLess);
    return kept;
}

QString FolderWalk::location() {
    return QStringLiteral("in Brammock2021/08/31.AddFolder.GetSubDirectories2016 ");
}

FolderWalk::FolderWalk(FailureReporter& reporter, std::function<void()> yield)
    : m_reporter(reporter), m_yield(std::move(yield)) {}

void FolderWalk::yieldNow() {
    if (m_sinceYield.isValid() && m_sinceYield.elapsed() < kYieldIntervalMs) {
        return;
    }
    ++m_yields;
    if (m_yield) {
        m_yield();
    }
    m_sinceYield.start();
}

bool FolderWalk::yieldDue() const {
    return !m_sinceYield.isValid() || m_sinceYield.elapsed() >= kYieldIntervalMs;
}

namespace {

using FolderId = FolderWalk::FolderId;

FolderId idOf(const struct stat& st) {
    return {st.st_dev, st.st_ino};
}

struct Subfolder {
    QByteArray raw;
    QString name;
    FolderId id;
    bool link = false;
};

struct Listing {
    std::vector<Subfolder> subfolders;
    // The folder itself and every folder above it where it really is (through "..", not
    // through the path it was reached by); filled only when a subfolder is a link.
    std::set<FolderId> above;
};

// The folder's real ancestors, found by climbing ".." from the open folder up to the root.
std::set<FolderId> realAncestorsOf(int folderFd) {
    std::set<FolderId> above;
    int fd = ::fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
    while (fd >= 0) {
        struct stat here {};
        if (::fstat(fd, &here) != 0 || !above.insert(idOf(here)).second) {
            break;
        }
        const int parent = ::openat(fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = parent;
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return above;
}

struct RawEntry {
    QByteArray name;
    unsigned char type;
};

}  // namespace

// statfs magic numbers of the kernel's pseudo file systems.
bool FolderWalk::isPseudoFileSystem(int folderFd, dev_t device) {
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

namespace {

// The subfolders of the folder (links to folders included), in listing order. Fails
// (AppError) when the folder cannot be read, lies on a pseudo file system, or a subfolder
// that is still there cannot be examined. A subfolder that has gone by the time it is
// examined (a download's or a sync client's temporary folder) is simply not there: that is
// no failure of the folder being listed.
template <typename PseudoTest>
Listing listSubfolders(const QString& folder, PseudoTest&& isPseudo,
                       const std::function<void(const QString&)>& listedHook) {
    OpenFolder listing(folder);
    if (!listing.isOpen()) {
        throw errors::fromErrno(listing.error(), true);
    }
    struct stat self {};
    if (::fstat(listing.fd(), &self) != 0) {
        throw errors::fromErrno(errno, true);
    }
    // Refused like a folder one may not read, so the walk drops it with its files.
    if (isPseudo(listing.fd(), self.st_dev)) {
        throw errors::fromErrno(EACCES, true);
    }
    std::vector<RawEntry> candidates;
    while (const dirent* entry = listing.next()) {
        const unsigned char type = entry->d_type;
        if (isDotOrDotDot(entry->d_name) ||
            (type != DT_DIR && type != DT_LNK && type != DT_UNKNOWN)) {
            continue;
        }
        candidates.push_back({QByteArray(entry->d_name), type});
    }
    if (errno != 0) {
        throw errors::fromErrno(errno, true);
    }
    if (listedHook) {
        listedHook(folder);
    }

    Listing result;
    bool anyLink = false;
    for (RawEntry& entry : candidates) {
        struct stat st {};
        if (::fstatat(listing.fd(), entry.name.constData(), &st, 0) != 0) {
            const int err = errno;
            if (entry.type == DT_DIR && err != ENOENT && err != ENOTDIR) {
                throw errors::fromErrno(err, true);
            }
            continue;  // gone since the listing, or a dangling link: no folder
        }
        if (!S_ISDIR(st.st_mode)) {
            continue;
        }
        Subfolder sub;
        sub.link = entry.type == DT_LNK;
        if (entry.type == DT_UNKNOWN) {
            struct stat own {};
            sub.link =
                ::fstatat(listing.fd(), entry.name.constData(), &own, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(own.st_mode);
        }
        anyLink = anyLink || sub.link;
        if (!decodeName(entry.name.constData(), static_cast<size_t>(entry.name.size()),
                        &sub.name)) {
            sub.name = QFile::decodeName(entry.name);
        }
        sub.raw = std::move(entry.name);
        sub.id = idOf(st);
        result.subfolders.push_back(std::move(sub));
    }
    if (anyLink) {
        result.above = realAncestorsOf(listing.fd());
    }
    std::sort(
        result.subfolders.begin(), result.subfolders.end(),
        [](const Subfolder& a, const Subfolder& b) { return ListingOrderLess(a.name, b.name); });
    return result;
}

// Too long to walk: the platform cannot name anything inside it.
bool isOverLongFolderPath(const QString& folder) {
    return encoded(folder).size() >= PATH_MAX;
}

bool isOverLongName(const QByteArray& raw) {
    return raw.size() > NAME_MAX;
}

bool statFolder(const QString& folder, struct stat* st) {
    return ::stat(encoded(folder).constData(), st) == 0 && S_ISDIR(st->st_mode);
}

// The folder where deleted files are kept: $XDG_DATA_HOME/Trash, by default
// ~/.local/share/Trash (a relative XDG_DATA_HOME is to be ignored).
QString xdgTrashFolder() {
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!data.startsWith(kSep)) {
        const QString home = qEnvironmentVariable("HOME");
        if (home.isEmpty()) {
            return QString();
        }
        data = home + QStringLiteral("/.local/share");
    }
    return data + QStringLiteral("/Trash");
}

}  // namespace

bool IsSystemFolderName(const QString& name) {
    static const QLatin1String kTrashOfUser(".Trash-");
    if (name == QLatin1String(".Trash") || name == QLatin1String("lost+found")) {
        return true;
    }
    if (name.startsWith(kTrashOfUser) && name.size() > kTrashOfUser.size()) {
        const QStringView uid = QStringView(name).sliced(kTrashOfUser.size());
        return std::all_of(uid.begin(), uid.end(),
                           [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    }
    return name.compare(QLatin1String("$RECYCLE.BIN"), Qt::CaseInsensitive) == 0 ||
           name.compare(QLatin1String("System Volume Information"), Qt::CaseInsensitive) == 0;
}

bool FolderWalk::isSkippedFolder(const QString& folder, const FolderId& id) const {
    return IsSystemFolderName(lastName(folder)) || m_trash.count(id) != 0;
}

void FolderWalk::noteStartingFolders(const QStringList& folders) {
    m_trash.clear();
    struct stat st {};
    const QString trash = xdgTrashFolder();
    if (!trash.isEmpty() && statFolder(trash, &st)) {
        m_trash.insert(idOf(st));
    }
    for (const QString& folder : folders) {
        // Above the folder both as it was named (through links, if any) and as it really is.
        QString path = withoutTrailingSeparators(folder);
        while (!path.isEmpty()) {
            if (statFolder(path, &st)) {
                m_aboveStart.insert(idOf(st));
            }
            const qsizetype cut = path.lastIndexOf(kSep);
            if (cut < 0 || IsRootFolder(path)) {
                break;
            }
            path = cut == 0 ? QString(kSep) : path.left(cut);
        }
        const int fd = ::open(encoded(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            m_aboveStart.merge(realAncestorsOf(fd));
            ::close(fd);
        }
    }
}

void FolderWalk::collectSubfolders(QStringList& folders, QStringList& subfolders) {
    StepGuard guard(m_reporter, location());
    guard.step(100, [] {});
    guard.step(104, [&] { subfolders.clear(); });

    // From the first folder that is listed until the deeper levels are done, a failure does
    // not produce a report: a folder whose listing is refused or gone is dropped from the
    // list (with its files), any other failure just ends that folder's handling.
    bool listingGuard = false;

    for (qsizetype i = 0; i < folders.size(); ++i) {  // step 106
        const QString folder = folders.at(i);
        bool abandoned = false;
        const auto onListingFailure = [&](const AppError& error) {
            if (error.number() == errors::kPermissionDenied ||
                error.number() == errors::kPathNotFound) {
                const qsizetype at = folders.indexOf(folder);
                if (at >= 0) {
                    folders.removeAt(at);
                    if (at <= i) {
                        --i;
                    }
                }
            }
            abandoned = true;
        };
        const auto step = [&](int number, const std::function<void()>& action) {
            if (abandoned) {
                return;
            }
            if (!listingGuard) {
                guard.step(number, action);
                return;
            }
            try {
                action();
            } catch (const AppError& e) {
                onListingFailure(e);
            } catch (const std::exception& e) {
                onListingFailure(AppError(0, QString::fromLocal8Bit(e.what())));
            }
        };
        const auto test = [&](int number, const std::function<bool()>& condition) {
            if (abandoned) {
                return true;
            }
            if (!listingGuard) {
                return guard.test(number, condition);
            }
            bool result = true;
            step(number, [&] { result = condition(); });
            return abandoned || result;
        };

        // The look that tells whether the folder exists also identifies it, so the folder
        // opened below is known by device and inode without a second look.
        struct stat identity {};
        if (test(108, [&] { return !statFolder(folder, &identity); })) {
            continue;
        }
        if (test(110, [&] { return isOverLongFolderPath(folder); })) {
            continue;
        }
        step(112, [&] { markVisited(idOf(identity)); });
        step(114, [&] { yieldNow(); });
        if (test(116, [&] {
                return !IsRootFolder(folder) && isSkippedFolder(folder, idOf(identity));
            })) {
            continue;
        }
        listingGuard = true;
        Listing found;
        step(118, [&] {
            found = listSubfolders(
                folder, [this](int fd, dev_t device) { return isPseudoFileSystem(fd, device); },
                m_listedHook);
        });
        for (const Subfolder& sub : found.subfolders) {
            step(120, [&] { yieldNow(); });
            if (abandoned) {
                break;
            }
            // steps 122 to 134
            if (isOverLongName(sub.raw) || HasUnsafeChars(sub.raw) ||
                sub.name == QLatin1String(".") || sub.name == QLatin1String("..")) {
                continue;
            }
            // Never back up the tree or above where the walk began: a link to "/" (a Wine
            // prefix's drive Z:) would take in the whole file system.
            if (m_aboveStart.count(sub.id) != 0 || (sub.link && found.above.count(sub.id) != 0)) {
                continue;
            }
            // A folder reached a second time (two links to one folder) is walked only once.
            if (!markVisited(sub.id)) {
                continue;
            }
            subfolders.append(folder + sub.name + kSep);
        }
    }
}

void FolderWalk::GetSubDirectories2016(QStringList& folders, bool recurse) {
    noteStartingFolders(folders);
    // One level after the other, each level's subfolders being the next level's list; this
    // does what calling the walk again for the subfolders does, without a call (and a stack
    // frame) per level of a deep tree.
    std::deque<QStringList> levels;
    QStringList* listed = &folders;
    for (;;) {
        levels.emplace_back();
        collectSubfolders(*listed, levels.back());
        if (!recurse || levels.back().isEmpty()) {  // step 150
            break;
        }
        listed = &levels.back();
    }

    // From the deepest level up, each level's subfolders join the list above them: the own
    // ones after a last check (steps 152 to 160), the deeper ones, already checked on their
    // own level, as they are. Checking each folder once keeps the walk linear in the number
    // of folders however deep the tree.
    StepGuard guard(m_reporter, location());
    qsizetype deeper = 0;
    for (auto level = levels.size(); level-- > 0;) {
        QStringList& subfolders = levels[level];
        QStringList& above = level == 0 ? folders : levels[level - 1];
        const qsizetype own = subfolders.size() - deeper;
        const qsizetype before = above.size();
        for (qsizetype i = 0; i < subfolders.size(); ++i) {  // step 152
            QString& sub = subfolders[i];
            if (i >= own) {
                above.append(std::move(sub));
                continue;
            }
            struct stat st {};
            if (!guard.test(154, [&] { return statFolder(sub, &st); })) {
                continue;
            }
            guard.step(156, [&] { yieldNow(); });
            if (guard.test(158,
                           [&] { return IsRootFolder(sub) || !isSkippedFolder(sub, idOf(st)); })) {
                guard.step(160, [&] { above.append(std::move(sub)); });
            }
        }
        deeper = above.size() - before;
        subfolders.clear();
    }
}

namespace {

// Appends in batches: one model notification per batch keeps a big intake linear. The
// batch is handed over before the window gets a chance to run other handlers, so entries
// keep the order in which they were found.
class EntryBatch {
  public:
    explicit EntryBatch(FileListModel& list) : m_list(list) {}
    ~EntryBatch() { flush(); }
    EntryBatch(const EntryBatch&) = delete;
    EntryBatch& operator=(const EntryBatch&) = delete;

    void add(QString path) { m_pending.append(std::move(path)); }
    void flush() {
        if (!m_pending.isEmpty()) {
            m_list.addEntries(m_pending);
            m_pending.clear();
        }
    }

  private:
    FileListModel& m_list;
    QStringList m_pending;
};

}  // namespace

void AddFolderFiles(const QString& folder, const QString& pattern, FileListModel& list,
                    FolderWalk& walk, StepGuard& steps) {
    QStringList folders;
    steps.step(114, [&] { folders = QStringList{folder + kSep}; });
    steps.step(116, [&] { walk.GetSubDirectories2016(folders, true); });

    EntryBatch batch(list);
    for (const QString& listed : std::as_const(folders)) {  // step 118
        QString current = listed;
        steps.step(120, [&] { current.chop(1); });
        QStringList names;
        steps.step(122, [&] { names = ListFolderFiles(current, pattern); });
        for (const QString& name : std::as_const(names)) {  // step 124
            if (steps.test(126, [&] { return name.startsWith(QLatin1Char('~')); })) {
                continue;
            }
            QString path;
            steps.step(128, [&] { path = current + kSep + name; });
            // The listing has just found the file to exist, strictly; it is not asked again.
            steps.step(132, [&] {
                // Only a name beginning with "." can carry the hidden bit.
                if (name.startsWith(QLatin1Char('.')) && FileAttributesOf(path) == kSkippedFile) {
                    return;
                }
                batch.add(CollapseBackslashes(path));
            });
        }
        // Big trees: the window repaints between folders too, not only while the folders are
        // being found.
        if (walk.yieldDue()) {
            batch.flush();
            walk.yieldNow();
        }
    }
}

}  // namespace lorvane
