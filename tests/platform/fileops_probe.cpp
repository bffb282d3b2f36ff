// Runs DeleteFileQuietly on each argument, as whatever user it is started as; exits 1 if a
// failure escapes.
#include "platform/apperror.h"
#include "platform/paths.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        for (int i = 1; i < argc; ++i) {
            lorvane::DeleteFileQuietly(QString::fromLocal8Bit(argv[i]));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "escaped: %s\n", e.what());
        return 1;
    }
    return 0;
}
