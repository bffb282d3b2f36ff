#include "filelist/addfolder.h"

#include "app/errorreport.h"
#include "filelist/filelistmodel.h"
#include "platform/apperror.h"
#include "platform/paths.h"

#include <QFile>
#include <QStringDecoder>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace lorvane {

namespace {

const QChar kSep = PathStyle::native().separator;

// A long walk lets the window repaint this often; more often only costs time.
constexpr qint64 kYieldIntervalMs = 25;

QByteArray encoded(const QString& path) {
    return QFile::encodeName(path);
}

// The name as the program shows and joins it; false when the bytes are not valid in the
// file system's encoding (UTF-8), so that no path built from the name would reach the file.
bool decodeName(const char* raw, size_t length, QString* out) {
    bool ascii = true;
    for (size_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(raw[i]) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        *out = QString::fromLatin1(raw, static_cast<qsizetype>(length));
        return true;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(QByteArrayView(raw, static_cast<qsizetype>(length)));
    if (decoder.hasError()) {
        return false;
    }
    *out = std::move(text);
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
    const bool searchable = ::faccessat(AT_FDCWD, encoded(dir).constData(), X_OK, AT_EACCESS) == 0;
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

void GuardedSteps::step(int number, const std::function<void()>& action) {
    m_guard.step(number, action);
}

bool GuardedSteps::test(int number, const std::function<bool()>& condition) {
    return m_guard.test(number, condition);
}

void QuietSteps::step(int, const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception&) {
        // Nobody guards this operation: the failed step is skipped and the next one runs.
    }
}

bool QuietSteps::test(int, const std::function<bool()>& condition) {
    try {
        return condition();
    } catch (const std::exception&) {
        return true;
    }
}

FolderWalk::FolderWalk(Dialogs& dialogs, std::function<void()> yield)
    : m_dialogs(dialogs), m_yield(std::move(yield)) {}

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

struct Subfolder {
    QByteArray raw;
    QString name;
    std::pair<dev_t, ino_t> id;
};

// The subfolders of an open folder (links to folders included), in listing order. Fails
// (AppError) when the folder cannot be read or a subfolder cannot be examined.
std::vector<Subfolder> listSubfolders(const QString& folder) {
    OpenFolder listing(folder);
    if (!listing.isOpen()) {
        throw errors::fromErrno(listing.error(), true);
    }
    std::vector<Subfolder> found;
    while (const dirent* entry = listing.next()) {
        if (isDotOrDotDot(entry->d_name)) {
            continue;
        }
        const unsigned char type = entry->d_type;
        if (type != DT_DIR && type != DT_LNK && type != DT_UNKNOWN) {
            continue;
        }
        struct stat st {};
        if (::fstatat(listing.fd(), entry->d_name, &st, 0) != 0) {
            if (type == DT_DIR) {
                throw errors::fromErrno(errno, true);
            }
            continue;  // a dangling link is no folder
        }
        if (!S_ISDIR(st.st_mode)) {
            continue;
        }
        Subfolder sub;
        sub.raw = QByteArray(entry->d_name);
        if (!decodeName(entry->d_name, static_cast<size_t>(sub.raw.size()), &sub.name)) {
            sub.name = QFile::decodeName(sub.raw);
        }
        sub.id = {st.st_dev, st.st_ino};
        found.push_back(std::move(sub));
    }
    if (errno != 0) {
        throw errors::fromErrno(errno, true);
    }
    std::sort(found.begin(), found.end(), [](const Subfolder& a, const Subfolder& b) {
        return ListingOrderLess(a.name, b.name);
    });
    return found;
}

// A folder is not walked when its attributes are exactly hidden + system + directory (with or
// without the reparse bit). Linux has no system bit, so no folder there ever qualifies and its
// attributes need not be read at all.
constexpr bool kFileSystemHasSystemBit = false;

bool isSkippedFolder(const QString& folder) {
    if (!kFileSystemHasSystemBit) {
        return false;
    }
    const int attributes = FileAttributesOf(folder);
    return attributes == kSkippedFolderHiddenSystem || attributes == kSkippedFolderHiddenSystemLink;
}

// Too long to walk: the platform cannot name anything inside it.
bool isOverLongFolderPath(const QString& folder) {
    return encoded(folder).size() >= PATH_MAX;
}

bool isOverLongName(const QByteArray& raw) {
    return raw.size() > NAME_MAX;
}

}  // namespace

void FolderWalk::GetSubDirectories2016(QStringList& folders, bool recurse) {
    StepGuard guard(m_dialogs, location::getSubDirectories());
    QStringList subfolders;
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
        if (test(108, [&] {
                return ::stat(encoded(folder).constData(), &identity) != 0 ||
                       !S_ISDIR(identity.st_mode);
            })) {
            continue;
        }
        if (test(110, [&] { return isOverLongFolderPath(folder); })) {
            continue;
        }
        step(112, [&] { markVisited({identity.st_dev, identity.st_ino}); });
        step(114, [&] { yieldNow(); });
        if (test(116, [&] { return !IsRootFolder(folder) && isSkippedFolder(folder); })) {
            continue;
        }
        listingGuard = true;
        std::vector<Subfolder> found;
        step(118, [&] { found = listSubfolders(folder); });
        for (const Subfolder& sub : found) {
            step(120, [&] { yieldNow(); });
            if (abandoned) {
                break;
            }
            // steps 122 to 134
            if (isOverLongName(sub.raw) || HasUnsafeChars(sub.raw) ||
                sub.name == QLatin1String(".") || sub.name == QLatin1String("..")) {
                continue;
            }
            // A folder reached a second time (a link back up the tree, two links to one
            // folder) is walked only once.
            if (!markVisited(sub.id)) {
                continue;
            }
            subfolders.append(folder + sub.name + kSep);
        }
    }

    guard.step(150, [&] {
        if (recurse && !subfolders.isEmpty()) {
            GetSubDirectories2016(subfolders, true);
        }
    });
    listingGuard = false;

    for (const QString& sub : std::as_const(subfolders)) {  // step 152
        if (!guard.test(154, [&] { return IsExistingFolder(sub).value_or(false); })) {
            continue;
        }
        guard.step(156, [&] { yieldNow(); });
        if (guard.test(158, [&] { return IsRootFolder(sub) || !isSkippedFolder(sub); })) {
            guard.step(160, [&] { folders.append(sub); });
        }
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
                    FolderWalk& walk, Steps& steps) {
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
