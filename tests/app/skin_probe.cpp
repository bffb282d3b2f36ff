// Starts a window whose program folder is the first argument and prints what start-up
// reported, the frames' background and whether a style sheet was applied. The skin test
// runs it as an unprivileged user so that reading the skin can fail.
#include "app/mainwindow.h"
#include "support/windowfixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    lorvane::test::WindowFixture f;
    f.programFolder = QString::fromLocal8Bit(argv[1]);
    auto window = f.loadedWindow();
    QTextStream out(stdout);
    for (const auto& call : f.dialogs.calls) {
        out << call.title << ": " << call.text << "\n";
    }
    const auto* frame = window->findChild<QGroupBox*>(QStringLiteral("Frame2"));
    out << "frame " << frame->palette().color(QPalette::Window).name() << "\n";
    out << "sheet " << (window->styleSheet().isEmpty() ? "empty" : "set") << "\n";
    out << "title " << window->windowTitle() << "\n";
    return 0;
}
