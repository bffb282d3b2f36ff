#include "app/startoptions.h"

#include "app/qtoptions.h"
#include "convert/formattable.h"
#include "filelist/namerules.h"
#include "platform/pathbytes.h"
#include "platform/paths.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <vector>

namespace lorvane {

namespace {

const QString kProgram = QStringLiteral("lorvane");

QString currentFolder() {
    // The folder's own bytes: Qt's current path would turn a name that is not UTF-8 into
    // U+FFFD and lead nowhere.
    std::vector<char> buffer(PATH_MAX);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) {
            return QString();
        }
        buffer.resize(buffer.size() * 2);
    }
    return PathFromBytes(QByteArray(buffer.data()));
}

QString absolute(const QString& path) {
    // Made absolute only: the name otherwise stays as given, links and ".." included.
    if (path.startsWith(QLatin1Char('/'))) {
        return path;
    }
    const QString folder = currentFolder();
    if (folder.isEmpty()) {
        return path;  // no current folder (removed meanwhile): the name is all there is
    }
    return folder.endsWith(QLatin1Char('/')) ? folder + path : folder + QLatin1Char('/') + path;
}

StartOptions usageError(const QString& problem) {
    StartOptions options;
    options.mode = StartOptions::UsageError;
    options.problem = problem;
    return options;
}

QString dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// An unknown option as the user wrote it: "-stylx" stays "-stylx".
QString asTyped(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments) {
        const QString word = argument.section(QLatin1Char('='), 0, 0);
        if (word == QLatin1Char('-') + name || word == QStringLiteral("--") + name) {
            return word;
        }
    }
    return dashed(name);
}

// Qt's parser texts read "Missing value after '--format'."; ours are lines that follow
// "lorvane: ".
QString asProblem(QString text) {
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    if (!text.isEmpty()) {
        text[0] = text[0].toLower();
    }
    return text;
}

QString formatChoices() {
    QStringList choices;
    int index = 0;
    for (const OutputFormat& format : OutputFormats()) {
        choices.append(QStringLiteral("%1 \"%2\"").arg(index++).arg(format.label));
    }
    return choices.join(QStringLiteral(", "));
}

}  // namespace

QString FormatLabelFor(const QString& value) {
    bool isNumber = false;
    const int index = value.toInt(&isNumber);
    const auto& formats = OutputFormats();
    // Digits only: "+1" or " 1" is not how anyone writes an index.
    if (isNumber && !value.isEmpty() && value.front().isDigit() && value.back().isDigit()) {
        return index >= 0 && index < static_cast<int>(formats.size())
                   ? formats[static_cast<size_t>(index)].label
                   : QString();
    }
    for (const OutputFormat& format : formats) {
        if (format.label.compare(value, Qt::CaseInsensitive) == 0) {
            return format.label;
        }
    }
    return {};
}

StartOptions ParseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
    const QCommandLineOption version(QStringLiteral("version"), {});
    const QCommandLineOption convert(QStringLiteral("convert"), {});
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("LABEL|INDEX"));
    const QCommandLineOption outputFolder(QStringLiteral("output-folder"), {},
                                          QStringLiteral("DIR"));
    const QCommandLineOption besideSource(QStringLiteral("beside-source"), {});
    const QCommandLineOption extension(QStringLiteral("extension"), {}, QStringLiteral("EXT"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), {}, QStringLiteral("N"));
    const QCommandLineOption keepTree(QStringLiteral("keep-tree"), {});
    const QCommandLineOption update(QStringLiteral("update"), {});
    const QCommandLineOption quiet(QStringLiteral("quiet"), {});
    const QCommandLineOption report(QStringLiteral("report"), {}, QStringLiteral("FILE"));
    parser.addOptions({help, version, convert, format, outputFolder, besideSource, extension, jobs,
                       keepTree, update, quiet, report});
    // "-stylex" is then one unknown option, not "-s" and four more.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    const QtOptionSplit split =
        SplitQtOptions(arguments.isEmpty() ? QStringList{kProgram} : arguments);
    if (!split.problem.isEmpty()) {
        return usageError(split.problem);
    }
    if (!parser.parse(split.ours)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return usageError(QCoreApplication::translate("StartOptions", "unknown option '%1'")
                                  .arg(asTyped(split.ours, unknown.front())));
        }
        return usageError(asProblem(parser.errorText()));
    }
    StartOptions options;
    if (parser.isSet(help)) {
        options.mode = StartOptions::Help;
        return options;
    }
    if (parser.isSet(version)) {
        options.mode = StartOptions::Version;
        return options;
    }

    for (const QString& item : parser.positionalArguments()) {
        if (item.isEmpty()) {
            return usageError(
                QCoreApplication::translate("StartOptions", "an empty name is no file or folder"));
        }
        options.items.append(absolute(item));
    }

    if (!parser.isSet(convert)) {
        options.qtOptions = split.qt;
        for (const QCommandLineOption* batchOnly :
             {&format, &outputFolder, &besideSource, &extension, &jobs, &keepTree, &update, &quiet,
              &report}) {
            if (parser.isSet(*batchOnly)) {
                //: %1 is an option of the batch mode, such as --format.
                return usageError(
                    QCoreApplication::translate("StartOptions", "%1 is for --convert only")
                        .arg(dashed(batchOnly->names().front())));
            }
        }
        return options;
    }

    options.mode = StartOptions::Batch;
    if (!split.qt.isEmpty()) {
        //: %1 is one of Qt's own options, such as -style.
        return usageError(QCoreApplication::translate("StartOptions", "%1 is for the window only")
                              .arg(split.qt.front()));
    }
    if (parser.isSet(format)) {
        const QString value = parser.value(format);
        options.formatLabel = FormatLabelFor(value);
        if (options.formatLabel->isEmpty()) {
            //: %1 is the value given; %2 lists the formats: 0 "8-bit PCM", 1 "16-bit PCM" ...
            return usageError(QCoreApplication::translate("StartOptions",
                                                          "no output format '%1'; choose one of %2")
                                  .arg(value, formatChoices()));
        }
    }
    if (parser.isSet(outputFolder) && parser.isSet(besideSource)) {
        return usageError(QCoreApplication::translate(
            "StartOptions", "--output-folder and --beside-source exclude each other"));
    }
    if (parser.isSet(outputFolder)) {
        const QString folder = parser.value(outputFolder);
        if (!IsExistingFolder(folder).value_or(false)) {
            return usageError(
                QCoreApplication::translate("StartOptions", "the output folder '%1' does not exist")
                    .arg(folder));
        }
        options.outputFolder = absolute(folder);
    }
    options.besideSource = parser.isSet(besideSource);
    if (parser.isSet(extension)) {
        // "--extension ogg,opus", "--extension 'ogg opus'" and the option twice all say the
        // same.
        QStringList taken;
        for (const QString& value : parser.values(extension)) {
            const QStringList named = TypedExtensions(value);
            if (named.isEmpty() || value.contains(QLatin1Char('/'))) {
                return usageError(
                    QCoreApplication::translate("StartOptions", "'%1' is no file extension")
                        .arg(value));
            }
            taken.append(named);
        }
        options.extension = TypedExtensions(taken.join(QLatin1Char(','))).join(QLatin1Char(','));
    }
    if (parser.isSet(jobs)) {
        const QString value = parser.value(jobs);
        bool ok = false;
        const int n = value.toInt(&ok);
        if (!ok || n < 1 || n > kMaxJobs || !value.front().isDigit()) {
            //: %1 is the most conversions at once; %2 is the value given.
            return usageError(
                QCoreApplication::translate("StartOptions",
                                            "--jobs needs a whole number from 1 to %1, not '%2'")
                    .arg(kMaxJobs)
                    .arg(value));
        }
        options.jobs = n;
    }
    options.keepTree = parser.isSet(keepTree);
    options.update = parser.isSet(update);
    options.quiet = parser.isSet(quiet);
    if (parser.isSet(report)) {
        const QString file = parser.value(report);
        const QString path = absolute(file);
        const QString folder = FolderOfPath(path);
        if (file.isEmpty() || file.endsWith(QLatin1Char('/')) ||
            IsExistingFolder(path).value_or(false) || !IsExistingFolder(folder).value_or(false)) {
            return usageError(QCoreApplication::translate(
                                  "StartOptions",
                                  "the report '%1' cannot be written: no such folder, or a folder")
                                  .arg(file));
        }
        options.reportFile = path;
    }
    if (options.items.isEmpty()) {
        return usageError(
            QCoreApplication::translate("StartOptions", "no files or folders to convert"));
    }
    return options;
}

QString HelpText() {
    // Index, label and what the file holds, in columns.
    qsizetype labelWidth = 0;
    for (const OutputFormat& format : OutputFormats()) {
        labelWidth = std::max(labelWidth, format.label.size());
    }
    QString formats;
    int index = 0;
    for (const OutputFormat& format : OutputFormats()) {
        formats += QStringLiteral("                             %1  %2  %3\n")
                       .arg(index++)
                       .arg(format.label, -static_cast<int>(labelWidth))
                       .arg(format.described());
    }
    //: The first part of the --help text; the table of formats follows it, then the second
    //: part. Keep the option names, the program's name and the command lines as they are,
    //: the descriptions in one column (the format table is indented to that column, the
    //: 30th), and each line shorter than 80 characters.
    const QString top = QCoreApplication::translate(
        "Help",
        "Usage: lorvane [FILE|FOLDER]...\n"
        "  or:  lorvane --convert [OPTION]... FILE|FOLDER...\n"
        "Convert Ogg Vorbis and Opus files into WAV files with FFmpeg.\n"
        "\n"
        "Without --convert, Lorvane opens its window and queues the files as given and\n"
        "every file of each folder and its subfolders. When a Lorvane window of yours\n"
        "is already open, the files and folders are queued there instead. The window\n"
        "takes Qt's standard options (-style Fusion, -platform offscreen, -reverse,\n"
        "-stylesheet FILE, -display DISPLAY ...) and needs a graphical session.\n"
        "\n"
        "With --convert, Lorvane converts without a window and then ends. Each file\n"
        "becomes a .wav file of the same name. Format and location not given here are\n"
        "the ones chosen in the window (its settings, which the batch mode never\n"
        "changes); the summary says where each came from.\n"
        "\n"
        "      --convert              convert without a window\n"
        "      --format=LABEL|INDEX   the WAV format, by its label or its index:\n");
    //: The second part of the --help text, after the table of formats; %1 is the most
    //: conversions at once. Keep the option names, "16-bit PCM", the extensions and the
    //: example as they are, the descriptions in the same column as in the first part, and
    //: each line shorter than 80 characters.
    const QString bottom =
        QCoreApplication::translate(
            "Help",
            "      --output-folder=DIR    save the results in DIR (it must exist)\n"
            "      --beside-source        save each result in its source's folder\n"
            "      --extension=EXT[,EXT]  take the files ending in .EXT from the folders\n"
            "                             given (default: ogg,oga,opus; * for every file)\n"
            "      --jobs=N               run up to N conversions at once (1 to %1)\n"
            "      --keep-tree            keep each folder's tree below the output folder:\n"
            "                             FOLDER/a/b.ogg becomes OUTPUT/a/b.wav\n"
            "      --update               leave a result alone that this program made from\n"
            "                             the same source, newer than it and complete\n"
            "      --report=FILE          write one JSON line per file to FILE: source,\n"
            "                             result, outcome, reason, and where a file of\n"
            "                             the result's name went in the trash\n"
            "      --quiet                show only what was not converted, and the summary\n"
            "  -h, --help                 display this help and exit\n"
            "      --version              output version information and exit\n"
            "\n"
            "Until a format is chosen in the window the format is 16-bit PCM, and until a\n"
            "folder is, the results go to the desktop folder (the home folder when there\n"
            "is none).\n"
            "\n"
            "Progress goes to standard error. Exit status of --convert: 0 when every file\n"
            "was converted or up to date, 1 when some were not (each is named with the\n"
            "reason), 2 for a usage error or an input, output folder or stored folder\n"
            "that cannot be used (nothing is converted then), 128+N when stopped by\n"
            "signal N.\n"
            "\n"
            "Example: lorvane --convert --format \"16-bit PCM\" --output-folder ~/wav ~/Music\n")
            .arg(kMaxJobs);
    return top + formats + bottom;
}

QString VersionText() {
    // Names and the version number only: the same in every language.
    return QStringLiteral("lorvane (Lorvane) " LORVANE_VERSION "\n");
}

QString UsageHint() {
    return QCoreApplication::translate("Help", "Try 'lorvane --help' for more information.");
}

}  // namespace lorvane
