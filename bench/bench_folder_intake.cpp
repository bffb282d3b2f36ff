// Folder intake speed: a tree of 20,000 files in 2,000 folders, taken in with "*.ogg", compared
// with `find TREE -iname '*.ogg'` on the same tree. Target: at most 3 times find's time.
#include "app/mainwindow.h"
#include "filelist/addfolder.h"
#include "filelist/filelistmodel.h"
#include "platform/paths.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
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

    lorvane::test::ScriptedDialogs dialogs;
    int added = 0;
    const double coreMs = timeIt(kRounds, [&] {
        lorvane::FileListModel list;
        lorvane::FolderWalk walk(dialogs, lorvane::YieldToEvents);
        lorvane::QuietSteps steps;
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
    return added == expected && windowAdded == expected ? 0 : 1;
}
