#include "filelist/folderwalk.h"

#include "filelist/namerules.h"
#include "platform/apperror.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <deque>
#include <vector>

namespace lorvane {

namespace {

const QChar kSep = PathStyle::native().separator;

// A long walk lets the window repaint this often; more often only costs time.
constexpr qint64 kYieldIntervalMs = 25;

QByteArray encoded(const QString& path) {
    return PathToBytes(path);
}

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
        if (IsDotOrDotDot(entry->d_name) ||
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
        // A name that is not UTF-8 still sorts among the others; HasUnsafeChars skips it.
        sub.name = PathFromBytes(entry.name);
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

bool FolderWalk::isSkippedFolder(const QString& folder, const FolderId& id) const {
    return IsSystemFolderName(LastNameOfPath(folder)) || m_trash.count(id) != 0;
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
        QString path = WithoutTrailingSeparators(folder);
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
                folder, [this](int fd, dev_t device) { return m_pseudo.holds(fd, device); },
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

}  // namespace lorvane
