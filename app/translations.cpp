#include "app/translations.h"

#include "app/pseudotranslator.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace lorvane {

namespace {

const QString kPseudoLanguage = QStringLiteral("en_XA");
const QString kOwnFolder = QStringLiteral(":/i18n");

QString g_language = QStringLiteral("en");

// de_DE.UTF-8@euro -> de_DE
QString bareLanguage(QString name) {
    for (const QChar cut : {QLatin1Char('.'), QLatin1Char('@')}) {
        const qsizetype at = name.indexOf(cut);
        if (at >= 0) {
            name.truncate(at);
        }
    }
    return name.replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool isEnglish(const QString& language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

}  // namespace

QStringList WantedLanguages(const std::function<QString(const char*)>& environment) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment(name);
        if (!locale.isEmpty()) {
            break;
        }
    }
    const QString bare = bareLanguage(locale);
    if (bare.isEmpty() || bare == QLatin1String("C") || bare == QLatin1String("POSIX")) {
        return {};
    }
    QStringList wanted;
    for (const QString& entry :
         environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        wanted.append(bareLanguage(entry));
    }
    wanted.append(bare);
    wanted.removeDuplicates();
    return wanted;
}

QString ChosenLanguage(const QStringList& wanted, const QStringList& available) {
    for (const QString& language : wanted) {
        if (language == kPseudoLanguage) {
            return language;
        }
        if (isEnglish(language)) {
            return QStringLiteral("en");
        }
        // de_AT takes de, and pt takes pt_BR; Chinese takes only its own script, as zh_TW
        // readers are not served by Simplified Chinese.
        if (available.contains(language)) {
            return language;
        }
        const QString base = language.section(QLatin1Char('_'), 0, 0);
        if (available.contains(base)) {
            return base;
        }
        if (base != QLatin1String("zh")) {
            for (const QString& offered : available) {
                if (offered.startsWith(base + QLatin1Char('_'))) {
                    return offered;
                }
            }
        }
    }
    return QStringLiteral("en");
}

QStringList AvailableLanguages() {
    QStringList languages;
    const QStringList files =
        QDir(kOwnFolder).entryList({QStringLiteral("lorvane_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        languages.append(file.mid(8, file.size() - 8 - 3));
    }
    return languages;
}

void InstallTranslations() {
    auto environment = [](const char* name) { return qEnvironmentVariable(name); };
    const QStringList wanted = WantedLanguages(environment);
    UseLanguage(wanted.isEmpty() ? QStringLiteral("en")
                                 : ChosenLanguage(wanted, AvailableLanguages()));
}

void UseLanguage(const QString& language) {
    // The translators this installed before, for a test that tries one language after
    // another; each lives as long as the application unless replaced.
    static QList<QTranslator*> installed;
    for (QTranslator* translator : std::as_const(installed)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed.clear();
    g_language = language;
    QLocale::setDefault(UiLocale());
    // In English nothing is loaded: the texts are written in it.
    if (language == QLatin1String("en")) {
        return;
    }
    if (language == kPseudoLanguage) {
        installed.append(new PseudoTranslator);
        QCoreApplication::installTranslator(installed.last());
        return;
    }
    const std::pair<QString, QString> files[] = {
        {QStringLiteral("qtbase_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
        {QStringLiteral("lorvane_"), kOwnFolder}};
    for (const auto& [prefix, folder] : files) {
        auto* translator = new QTranslator;
        if (translator->load(prefix + language, folder)) {
            QCoreApplication::installTranslator(translator);
            installed.append(translator);
        } else {
            delete translator;
        }
    }
}

QString UiLanguage() {
    return g_language;
}

QLocale UiLocale() {
    if (g_language == QLatin1String("en") || g_language == kPseudoLanguage) {
        return QLocale::c();
    }
    return QLocale(g_language);
}

}  // namespace lorvane
