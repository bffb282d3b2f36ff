#pragma once

// What a folder holds, read straight from the system: its entries, the file tests the intake
// relies on, and the file systems whose folders are no real folders. The name rules that
// choose among the entries live above, with the intake.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <dirent.h>
#include <sys/types.h>

#include <functional>
#include <optional>
#include <set>

namespace lorvane {

// File attribute bits as the intake's rules know them. On Linux: hidden = the name begins
// with "."; archive = any regular file; reparse point = a symbolic link; read-only = the user
// may not write to it; system is never set.
enum FileAttributeBit {
    kAttrReadOnly = 1,
    kAttrHidden = 2,
    kAttrSystem = 4,
    kAttrDirectory = 16,
    kAttrArchive = 32,
    kAttrReparsePoint = 1024,
};

// The attribute value of a file or folder; fails (AppError) when it cannot be read.
int FileAttributesOf(const QString& path);

// True only for an existing regular file that can be opened without reading it and without
// ever blocking; folders, FIFOs, devices, missing paths and any failure give false.
bool FileExistsStrict(const QString& path);

// The name as the program shows and joins it. Every byte string is a name: bytes that are not
// UTF-8 (an old archive, a stick mounted with another code page) are carried along, so a path
// built from the name still reaches the file. Always true.
bool DecodeFileName(const char* raw, size_t length, QString* out);

bool IsDotOrDotDot(const char* name);

// An open folder, listed with readdir; closes itself.
class OpenFolder {
  public:
    explicit OpenFolder(const QString& path);
    ~OpenFolder();
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;

    bool isOpen() const { return m_dir != nullptr; }
    int error() const { return m_error; }
    int fd() const { return ::dirfd(m_dir); }
    // The next entry, or nullptr at the end (errno tells an end from a failure).
    const dirent* next();

  private:
    DIR* m_dir = nullptr;
    int m_error = 0;
};

// Bare names of the folder's files (hidden ones included, folders excluded, FileExistsStrict
// true) whose name `wanted` accepts, in the order the folder gives them. `wanted` is asked
// before the file is examined, so a folder of many other files costs no more than reading
// it. A missing or unreadable folder gives no names; this never fails.
QStringList ListFileNames(const QString& folder, const std::function<bool(const QString&)>& wanted);

// The kernel's pseudo file systems (proc, sysfs, devtmpfs, cgroup and the like): their files
// are windows into the kernel, some without end, never music.
class PseudoFileSystems {
  public:
    // True when the open folder, on the given device, lies on one of them.
    bool holds(int folderFd, dev_t device);

  private:
    // The devices of devtmpfs mounts, which statfs cannot tell from tmpfs; read when needed.
    std::optional<std::set<dev_t>> m_devtmpfs;
};

}  // namespace lorvane
