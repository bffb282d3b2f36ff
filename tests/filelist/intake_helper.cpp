// Runs one folder intake and prints what it added, one path a line, then every failure the walk
// reported, each line starting with "box: ". Tests run it as an unprivileged user, where
// permissions apply.
#include "filelist/filelistmodel.h"
#include "filelist/folderintake.h"
#include "filelist/folderwalk.h"
#include "platform/stepguard.h"
#include "support/recordingreporter.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: intake_helper FOLDER PATTERN\n");
        return 2;
    }
    lorvane::test::RecordingReporter reporter;
    lorvane::FileListModel list;
    lorvane::FolderWalk walk(reporter, [] {});
    lorvane::QuietReporter quiet;
    lorvane::StepGuard steps(quiet, QString());
    lorvane::AddFolderFiles(args.at(1), args.at(2), list, walk, steps);
    for (const QString& entry : list.entries()) {
        std::printf("%s\n", entry.toUtf8().constData());
    }
    for (const QString& message : reporter.reports) {
        std::printf("box: %s\n", message.toUtf8().constData());
    }
    return 0;
}
