// The user's language: which one the environment asks for, the shipped translations whole
// and true to their English, and the batch mode speaking it.
#include "app/pseudotranslator.h"
#include "app/translations.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <map>

using namespace lorvane;

namespace {

// One message of a .ts file, keyed by its context and English text.
struct Message {
    QString source;
    bool numerus = false;
    bool finished = true;
    QStringList translations;  // one per plural form, or the one translation
};
using Catalogue = std::map<std::pair<QString, QString>, Message>;

Catalogue readCatalogue(const QString& path, QString* language = nullptr) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    Catalogue messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("TS") && language) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{};
            message.numerus =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) {
                continue;
            }
            message.finished = type.isEmpty();
            if (!message.numerus) {
                message.translations = {xml.readElementText()};
            }
            messages[{context, message.source}] = message;
        } else if (name == QLatin1String("numerusform")) {
            messages[{context, message.source}].translations.append(xml.readElementText());
        }
    }
    return messages;
}

// The placeholders a text must keep, in any order: %1 to %99 and %n.
QStringList placeholders(const QString& text) {
    static const QRegularExpression kMark(QStringLiteral("%L?([0-9]{1,2}|n)"));
    QStringList found;
    for (auto match = kMark.globalMatch(text); match.hasNext();) {
        found.append(match.next().captured(1));
    }
    found.sort();
    return found;
}

QString sourceDir() {
    return QStringLiteral(LORVANE_SOURCE_DIR);
}

QStringList shippedCatalogues() {
    const QDir folder(sourceDir() + QStringLiteral("/translations"));
    QStringList paths;
    for (const QString& name : folder.entryList({QStringLiteral("lorvane_*.ts")}, QDir::Files)) {
        paths.append(folder.filePath(name));
    }
    return paths;
}

QString run(const QStringList& arguments, const QStringList& environment, int* exitCode) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        env.remove(QString::fromLatin1(name));
    }
    for (const QString& entry : environment) {
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    }
    process.setProcessEnvironment(env);
    process.start(qEnvironmentVariable("LORVANE_PROGRAM"), arguments);
    process.waitForFinished(120000);
    *exitCode = process.exitCode();
    return QString::fromUtf8(process.readAllStandardError() + process.readAllStandardOutput());
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT
  private slots:
    void wantedLanguages_data();
    void wantedLanguages();
    void pseudoText_data();
    void pseudoText();
    void shippedTranslationsAreWhole();
    void batchModeSpeaksTheLanguage_data();
    void batchModeSpeaksTheLanguage();
};

void TestTranslations::wantedLanguages_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("nothing set") << QStringList{} << QStringList{} << "en";
    QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"de_DE"} << "de";
    QTest::newRow("LC_ALL over LANG")
        << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=fr_FR.UTF-8"} << QStringList{"fr_FR"} << "fr";
    QTest::newRow("LC_MESSAGES over LANG")
        << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=pt_BR.UTF-8"} << QStringList{"pt_BR"}
        << "pt_BR";
    // gettext's rule: in the C locale LANGUAGE is not heard, so scripts get the English.
    QTest::newRow("C ignores LANGUAGE")
        << QStringList{"LC_ALL=C", "LANGUAGE=de", "LANG=de_DE.UTF-8"} << QStringList{} << "en";
    QTest::newRow("C.UTF-8") << QStringList{"LANG=C.UTF-8", "LANGUAGE=de"} << QStringList{} << "en";
    QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX"} << QStringList{} << "en";
    QTest::newRow("LANGUAGE list first") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=sv:fr_CA:de"}
                                         << QStringList{"sv", "fr_CA", "de", "de_DE"} << "fr";
    QTest::newRow("English asked before") << QStringList{"LANG=de_DE.UTF-8", "LANGUAGE=en_GB:de"}
                                          << QStringList{"en_GB", "de", "de_DE"} << "en";
    QTest::newRow("modifier cut") << QStringList{"LANG=de_AT.UTF-8@euro"} << QStringList{"de_AT"}
                                  << "de";
    QTest::newRow("pt takes Brazilian")
        << QStringList{"LANG=pt_PT.UTF-8"} << QStringList{"pt_PT"} << "pt_BR";
    QTest::newRow("traditional Chinese is not simplified")
        << QStringList{"LANG=zh_TW.UTF-8"} << QStringList{"zh_TW"} << "en";
    QTest::newRow("none offered") << QStringList{"LANG=sv_SE.UTF-8"} << QStringList{"sv_SE"}
                                  << "en";
    QTest::newRow("pseudo") << QStringList{"LANG=en_US.UTF-8", "LANGUAGE=en_XA"}
                            << QStringList{"en_XA", "en_US"} << "en_XA";
}

void TestTranslations::wantedLanguages() {
    QFETCH(QStringList, environment);
    QFETCH(QStringList, wanted);
    QFETCH(QString, chosen);
    const auto read = [&](const char* name) {
        for (const QString& entry : environment) {
            if (entry.section(QLatin1Char('='), 0, 0) == QLatin1String(name)) {
                return entry.section(QLatin1Char('='), 1);
            }
        }
        return QString();
    };
    const QStringList got = WantedLanguages(read);
    QCOMPARE(got, wanted);
    const QStringList shipped = {QStringLiteral("de"), QStringLiteral("fr"),
                                 QStringLiteral("pt_BR"), QStringLiteral("zh_CN")};
    QCOMPARE(got.isEmpty() ? QStringLiteral("en") : ChosenLanguage(got, shipped), chosen);
}

void TestTranslations::pseudoText_data() {
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("pseudo");
    QTest::newRow("letters") << "Clear List" << QString::fromUtf8("[Çléár Lîšt~~]");
    QTest::newRow("placeholders kept")
        << "%1 of %n files" << QString::fromUtf8("[%1 öf %n fîléš~~~~]");
    QTest::newRow("markup kept") << "<b>Zoo</b> &amp; yes"
                                 << QString::fromUtf8("[<b>Žöö</b> &amp; ýéš~~~~~~]");
    QTest::newRow("mnemonic keeps its key") << "&Open" << QString::fromUtf8("[&Opéñ~]");
    QTest::newRow("each line") << "a\n\nb" << QString::fromUtf8("[á~]\n\n[b~]");
}

void TestTranslations::pseudoText() {
    QFETCH(QString, english);
    QFETCH(QString, pseudo);
    const QString got = PseudoText(english);
    QCOMPARE(got, pseudo);
    QCOMPARE(placeholders(got), placeholders(english));
}

// Every language we ship holds every text the code has, each finished, each keeping the
// English text's placeholders, a plural text with as many forms as its language has.
void TestTranslations::shippedTranslationsAreWhole() {
    const QStringList catalogues = shippedCatalogues();
    QVERIFY2(catalogues.size() >= 12, qPrintable(QString::number(catalogues.size())));
    // The texts the code has today, read out of it as `make translations` reads them.
    QTemporaryDir scratch;
    const QString fresh = scratch.filePath(QStringLiteral("lorvane_de.ts"));
    QStringList arguments = {QStringLiteral("-silent"), QStringLiteral("-locations"),
                             QStringLiteral("none")};
    for (const char* folder : {"app", "convert", "filelist", "platform"}) {
        arguments.append(sourceDir() + QLatin1Char('/') + QLatin1String(folder));
    }
    arguments << QStringLiteral("-ts") << fresh;
    QCOMPARE(QProcess::execute(QStringLiteral(LORVANE_LUPDATE), arguments), 0);
    const Catalogue code = readCatalogue(fresh);
    QVERIFY(code.size() > 100);

    QStringList faults;
    for (const QString& path : catalogues) {
        QString language;
        const Catalogue shipped = readCatalogue(path, &language);
        const QString name = QFileInfo(path).fileName();
        for (const auto& [key, wanted] : code) {
            const auto found = shipped.find(key);
            if (found == shipped.end()) {
                faults.append(
                    QStringLiteral("%1: no \"%2\" (%3)").arg(name, key.second, key.first));
                continue;
            }
            const Message& message = found->second;
            if (!message.finished || message.translations.isEmpty()) {
                faults.append(QStringLiteral("%1: \"%2\" unfinished").arg(name, key.second));
                continue;
            }
            for (const QString& translation : message.translations) {
                QStringList want = placeholders(key.second);
                // A plural form may say "one" in words where its language does.
                if (message.numerus) {
                    want.removeAll(QStringLiteral("n"));
                }
                QStringList have = placeholders(translation);
                have.removeAll(QStringLiteral("n"));
                if (translation.trimmed().isEmpty() || have != want) {
                    faults.append(QStringLiteral("%1: \"%2\" -> \"%3\" (placeholders %4, not %5)")
                                      .arg(name, key.second, translation,
                                           have.join(QLatin1Char(',')),
                                           want.join(QLatin1Char(','))));
                }
            }
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 30).join(QLatin1Char('\n'))));
}

void TestTranslations::batchModeSpeaksTheLanguage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("a conversion") << QStringList{"--convert", "IN", "--output-folder=OUT"} << 0;
    QTest::newRow("nothing found") << QStringList{"--convert", "EMPTY"} << 1;
    QTest::newRow("no such input") << QStringList{"--convert", "IN/none.ogg"} << 2;
    QTest::newRow("usage") << QStringList{"--convert", "--bogus"} << 2;
    QTest::newRow("help") << QStringList{"--help"} << 0;
}

// Each language's run says what the English one says, in its own words, with the same exit
// status; the C locale keeps the English whatever LANGUAGE asks; and in the pseudo-language
// no English word is left outside the brackets a translated text comes in.
void TestTranslations::batchModeSpeaksTheLanguage() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in"));
    QVERIFY(QDir().mkpath(in) && QDir().mkpath(dir.filePath(QStringLiteral("empty"))));
    QCOMPARE(QProcess::execute(QStringLiteral("ffmpeg"),
                               {"-loglevel", "error", "-f", "lavfi", "-i", "sine=d=0.2", "-c:a",
                                "libvorbis", in + QStringLiteral("/a.ogg")}),
             0);
    int runs = 0;
    const auto runIn = [&](const QStringList& environment, QString* summary = nullptr) {
        const QString out = dir.filePath(QStringLiteral("out%1").arg(++runs));
        QDir().mkpath(out);
        QStringList args;
        for (QString argument : arguments) {
            argument.replace(QLatin1String("IN"), in)
                .replace(QLatin1String("OUT"), out)
                .replace(QLatin1String("EMPTY"), dir.filePath(QStringLiteral("empty")));
            args.append(argument);
        }
        int status = -1;
        QString text = run(args, environment, &status);
        [&] { QCOMPARE(status, exitCode); }();
        text.replace(out, QStringLiteral("OUT"));
        // The time a run took is its own.
        static const QRegularExpression kTime(QStringLiteral("[0-9]+[.,][0-9]"));
        text.replace(kTime, QStringLiteral("T"));
        if (summary != nullptr) {
            *summary = text;
        }
        return text;
    };
    const QString english = runIn({});
    QVERIFY(!english.isEmpty());
    QCOMPARE(runIn({"LC_ALL=C", "LANGUAGE=de", "LANG=de_DE.UTF-8"}), english);
    QCOMPARE(runIn({"LANG=en_GB.UTF-8"}), english);

    const QString pseudo = runIn({"LANG=en_US.UTF-8", "LANGUAGE=en_XA"});
    static const QRegularExpression kBracketed(QStringLiteral("\\[[^\\n]*\\]"));
    static const QRegularExpression kWord(QStringLiteral("[A-Za-z]{2,}"));
    for (const QString& line : pseudo.split(QLatin1Char('\n'))) {
        QString outside = line;
        outside.remove(kBracketed).remove(QStringLiteral("lorvane:"));
        // --help's table of formats: labels and the indices that name them.
        if (line.contains(QLatin1String("PCM"))) {
            continue;
        }
        QVERIFY2(!outside.contains(kWord), qPrintable(line));
    }

    const QStringList englishLines = english.split(QLatin1Char('\n'));
    for (const QString& path : shippedCatalogues()) {
        const QString language = QFileInfo(path).baseName().mid(8);
        const QString text = runIn({QStringLiteral("LANG=%1.UTF-8").arg(language)});
        int same = 0;
        int worded = 0;
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            if (line.contains(kWord) && !line.contains(QLatin1String("PCM"))) {
                ++worded;
                same += englishLines.contains(line);
            }
        }
        QVERIFY2(worded > 0 && same == 0, qPrintable(language + QLatin1Char('\n') + text));
    }
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
