// Folder intake speed: a tree of 20,000 files in 2,000 folders, taken in with "*.ogg", compared
// with `find TREE -iname '*.ogg'` on the same tree. Target: at most 3 times find's time.
// Then chains of folders 500, 1,000 and 2,000 deep (one file in each), against find on the
// same chains: each level is checked once, so the walk grows with the number of folders.
// Last, a drag of 50,000 files over the list: entering and moving, against building the
// drag's path list once.
#include "app/mainwindow.h"
#include "filelist/filedrop.h"
#include "filelist/filelistmodel.h"
#include "filelist/filelistview.h"
#include "filelist/folderintake.h"
#include "filelist/folderwalk.h"
#include "platform/eventwait.h"
#include "platform/paths.h"
#include "platform/stepguard.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QDir>
#include <QDragMoveEvent>
#include <QElapsedTimer>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

extern char** environ;

namespace {

constexpr int kTopFolders = 40;
constexpr int kSubFoldersEach = 49;  // 40 + 40 * 49 = 2,000 folders
constexpr int kFilesEach = 10;       // 20,000 files

int buildTree(const QString& root) {
    const char* kinds[kFilesEach] = {".ogg", ".ogg", ".ogg", ".ogg", ".ogg",
                                     ".ogg", ".ogg", ".OGG", ".txt", ".jpg"};
    int oggFiles = 0;
    auto fill = [&](const QString& folder) {
        QDir().mkpath(folder);
        for (int f = 0; f < kFilesEach; ++f) {
            QFile file(folder + QStringLiteral("/track %1").arg(f, 2, 10, QLatin1Char('0')) +
                       QLatin1String(kinds[f]));
            file.open(QIODevice::WriteOnly);
            if (QLatin1String(kinds[f]).compare(QLatin1String(".ogg"), Qt::CaseInsensitive) == 0) {
                ++oggFiles;
            }
        }
    };
    for (int t = 0; t < kTopFolders; ++t) {
        const QString top = root + QStringLiteral("/Artist %1").arg(t);
        fill(top);
        for (int s = 0; s < kSubFoldersEach; ++s) {
            fill(top + QStringLiteral("/Album %1").arg(s));
        }
    }
    return oggFiles;
}

// A chain of folders "d/d/d/...", each holding one .ogg file; made relative to the level above,
// as the full paths get long.
void buildChain(const QString& root, int depth) {
    QDir().mkpath(root);
    int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
    for (int level = 0; level < depth && fd >= 0; ++level) {
        ::mkdirat(fd, "d", 0755);
        const int inner = ::openat(fd, "d", O_RDONLY | O_DIRECTORY);
        ::close(::openat(inner, "f.ogg", O_CREAT | O_WRONLY, 0644));
        ::close(fd);
        fd = inner;
    }
    ::close(fd);
}

double runProcess(std::vector<const char*> argv) {
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv.data()), environ) !=
        0) {
        std::perror("posix_spawnp");
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    posix_spawn_file_actions_destroy(&actions);
    return ms;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double timeIt(int rounds, const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString tree = dir.filePath(QStringLiteral("tree"));
    const int expected = buildTree(tree);
    const QByteArray treeBytes = QFile::encodeName(tree);
    constexpr int kRounds = 7;

    // Warm the caches once, for everyone.
    runProcess({"find", treeBytes.constData(), "-iname", "*.ogg"});

    const double findMs = timeIt(kRounds, [&] {
        runProcess({"find", treeBytes.constData(), "-iname", "*.ogg"});
    });
    const double startMs = timeIt(kRounds, [&] { runProcess({"true"}); });

    lorvane::QuietReporter quiet;
    int added = 0;
    const double coreMs = timeIt(kRounds, [&] {
        lorvane::FileListModel list;
        lorvane::FolderWalk walk(quiet, lorvane::YieldToEvents);
        lorvane::StepGuard steps(quiet, QString());
        lorvane::AddFolderFiles(tree, QStringLiteral("*.ogg"), list, walk, steps);
        added = list.count();
    });

    // The same through the window's "Add All" button, list view and all.
    lorvane::test::WindowFixture fixture;
    auto window = fixture.loadedWindow();
    window->show();
    int windowAdded = 0;
    const double windowMs = timeIt(kRounds, [&] {
        window->fileList().clear();
        fixture.dialogs.inputAnswers.enqueue(QStringLiteral("ogg"));
        fixture.dialogs.folderAnswers.enqueue(tree);
        window->PushButton3_Click();
        windowAdded = window->fileList().count();
    });

    const double findWork = std::max(findMs - startMs, 0.001);
    std::printf("folder intake: %d folders, %d files, %d matching \"*.ogg\"\n",
                kTopFolders * (1 + kSubFoldersEach),
                kTopFolders * (1 + kSubFoldersEach) * kFilesEach, expected);
    std::printf("  find -iname '*.ogg'         %8.1f ms (of which %.1f ms starting a process)\n",
                findMs, startMs);
    std::printf(
        "  intake into the list        %8.1f ms  %5.2fx find, %5.2fx find's own work (%d added)\n",
        coreMs, coreMs / findMs, coreMs / findWork, added);
    std::printf(
        "  \"Add All\" in the window     %8.1f ms  %5.2fx find, %5.2fx find's own work (%d "
        "added)\n",
        windowMs, windowMs / findMs, windowMs / findWork, windowAdded);
    std::printf("  target: at most 3x find\n");

    bool chainsOk = true;
    std::printf("folder chains, one file per level:\n");
    for (const int depth : {500, 1000, 2000}) {
        const QString chain = dir.filePath(QStringLiteral("chain%1").arg(depth));
        buildChain(chain, depth);
        const QByteArray chainBytes = QFile::encodeName(chain);
        runProcess({"find", chainBytes.constData(), "-iname", "*.ogg"});
        const double chainFindMs = timeIt(3, [&] {
            runProcess({"find", chainBytes.constData(), "-iname", "*.ogg"});
        });
        int chainAdded = 0;
        const double chainMs = timeIt(3, [&] {
            lorvane::FileListModel list;
            lorvane::FolderWalk walk(quiet, lorvane::YieldToEvents);
            lorvane::StepGuard steps(quiet, QString());
            lorvane::AddFolderFiles(chain, QStringLiteral("*.ogg"), list, walk, steps);
            chainAdded = list.count();
        });
        chainsOk = chainsOk && chainAdded == depth;
        std::printf(
            "  %4d deep: find %7.1f ms, intake %7.1f ms  %5.2fx find, %6.3f ms a level "
            "(%d added)\n",
            depth, chainFindMs, chainMs, chainMs / chainFindMs, chainMs / depth, chainAdded);
    }

    // A drag of 50,000 files from another program over the list.
    constexpr int kDragged = 50000;
    constexpr int kMoves = 50;
    QList<QUrl> urls;
    for (int i = 0; i < kDragged; ++i) {
        urls.append(QUrl::fromLocalFile(
            QStringLiteral("/home/user/Music/Artist %1/Album/track %1.ogg").arg(i % 997)));
    }
    QMimeData drag;
    drag.setUrls(urls);
    const double listMs = timeIt(kRounds, [&] { lorvane::FileDropList(&drag); });
    QWidget* list =
        window->findChild<lorvane::FileListView*>(QStringLiteral("ListView1"))->viewport();
    const QPoint at(10, 10);
    bool accepted = false;
    const double enterMs = timeIt(kRounds, [&] {
        QDragEnterEvent enter(at, Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &enter);
        accepted = enter.isAccepted();
    });
    const double movesMs = timeIt(kRounds, [&] {
        for (int i = 0; i < kMoves; ++i) {
            QDragMoveEvent move(at, Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(list, &move);
            accepted = accepted && move.isAccepted();
        }
    });
    std::printf("drag of %d files over the list:\n", kDragged);
    std::printf("  building the path list      %8.3f ms\n", listMs);
    std::printf("  drag entering the list      %8.3f ms  %5.2fx the path list\n", enterMs,
                enterMs / listMs);
    std::printf("  each drag move              %8.3f ms  %5.3fx the path list%s\n",
                movesMs / kMoves, movesMs / kMoves / listMs, accepted ? "" : " (REFUSED)");
    return added == expected && windowAdded == expected && chainsOk && accepted ? 0 : 1;
}
