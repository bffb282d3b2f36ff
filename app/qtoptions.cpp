#include "app/qtoptions.h"

#include <QCoreApplication>

namespace lorvane {

namespace {

// What QGuiApplication, QApplication and the X11 plugin take from the command line, as Qt 6
// reads them: with one dash or two, the value in the next argument.
const QStringList kWithValue = {
    QStringLiteral("platform"),
    QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),
    QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"),
    QStringLiteral("geometry"),
    QStringLiteral("qwindowicon"),
    QStringLiteral("icon"),
    QStringLiteral("qwindowtitle"),
    QStringLiteral("title"),
    QStringLiteral("session"),
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("display"),
    QStringLiteral("name"),
    QStringLiteral("visual"),
};
const QStringList kFlags = {
    QStringLiteral("reverse"), QStringLiteral("testability"), QStringLiteral("widgetcount"),
    QStringLiteral("nograb"),  QStringLiteral("dograb"),
};
// Qt also takes these with the value after "=".
const QStringList kWithEquals = {
    QStringLiteral("style"),
    QStringLiteral("stylesheet"),
    QStringLiteral("qmljsdebugger"),
};

// The option's name without its dashes; empty for what is no option of Qt's.
QString bareName(const QString& argument) {
    if (!argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
        return {};
    }
    return argument.mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
}

}  // namespace

QtOptionSplit SplitQtOptions(const QStringList& arguments) {
    QtOptionSplit split;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (i > 0 && argument == QLatin1String("--")) {
            split.ours.append(arguments.mid(i));
            break;
        }
        const QString name = i == 0 ? QString() : bareName(argument);
        if (kWithValue.contains(name)) {
            if (i + 1 >= arguments.size()) {
                //: %1 is one of Qt's own options, such as -style, given last.
                split.problem =
                    QCoreApplication::translate("StartOptions", "missing value after '%1'")
                        .arg(argument);
                return split;
            }
            split.qt << argument << arguments[i + 1];
            ++i;
        } else if (kFlags.contains(name) ||
                   (name.contains(QLatin1Char('=')) &&
                    kWithEquals.contains(name.section(QLatin1Char('='), 0, 0)))) {
            split.qt << argument;
        } else {
            split.ours << argument;
        }
    }
    return split;
}

QString QtOptionValue(const QStringList& qtOptions, const QString& name) {
    QString value;
    for (int i = 0; i < qtOptions.size(); ++i) {
        const QString option = bareName(qtOptions[i]);
        if (kWithValue.contains(option) && i + 1 < qtOptions.size()) {
            ++i;
            if (option == name) {
                value = qtOptions[i];  // the last one given wins, as in Qt
            }
        }
    }
    return value;
}

}  // namespace lorvane
