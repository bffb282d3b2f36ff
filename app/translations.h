#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

namespace lorvane {

// The languages the user asked for, best first, read as gettext reads them: LC_ALL, else
// LC_MESSAGES, else LANG names the locale; in the C or POSIX locale every text is English
// whatever LANGUAGE says, otherwise LANGUAGE's list comes before the locale's own language.
// Each entry is a bare language (de, pt_BR): encodings and modifiers are cut off.
QStringList WantedLanguages(const std::function<QString(const char*)>& environment);

// The language whose texts the program shows: the first wanted one it has texts for, "en"
// when the first it can speak is English or none is, and en_XA (the accented
// pseudo-language) when asked for, so a layout can be tried with longer texts.
QString ChosenLanguage(const QStringList& wanted, const QStringList& available);

// The languages the program has texts for, read from its own resources.
QStringList AvailableLanguages();

// Loads the program's texts and Qt's own (the standard dialogs' buttons) in the user's
// language. Needs the application object; call once, before the first text is made.
void InstallTranslations();

// Shows every later text in one language (a ChosenLanguage answer), replacing the last one's.
void UseLanguage(const QString& language);

// The language InstallTranslations chose, and the locale numbers and times are written in
// for it. English keeps the C locale's figures, so its texts stay what they always were.
QString UiLanguage();
QLocale UiLocale();

}  // namespace lorvane
