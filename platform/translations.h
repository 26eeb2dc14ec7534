#pragma once
// The language vorns speaks. Its texts are written in French, the source
// language; English and German catalogues ("vorns_en.qm", "vorns_de.qm") are
// shipped in the translations folder (platform/locations.h), with
// "vorns_fr.qm", which holds only the French plural forms of the source
// ("1 enregistrement", "2 enregistrements"). Qt's own texts (the buttons of
// its dialogs, the menus of the text fields) come from Qt's catalogues.
//
// The desktop's language is Qt's reading of LANGUAGE, LC_ALL, LC_MESSAGES and
// LANG (QLocale::uiLanguages()); under the C or POSIX locale LANGUAGE is not
// read, as the C library's gettext does not, and vorns speaks its source.
#include <QString>
#include <QStringList>

namespace platform {

// The languages vorns speaks: "fr" (the source), "en", "de".
QStringList spoken_languages();

// The first of `ui_languages` ("de-DE", "en", "it-IT", as QLocale gives them)
// that vorns speaks; "fr" when none is.
QString language_among(const QStringList& ui_languages);

// The desktop's language as vorns speaks it: "fr" under the C or POSIX
// locale, else language_among(QLocale::system().uiLanguages()).
QString desktop_language();

// Makes vorns speak `chosen` ("fr", "en" or "de"; anything else, an empty
// text included: the desktop's language) from now on: its catalogue and Qt's
// in that language replace those installed before. Qt's own texts follow
// `chosen` when one is given, else the desktop's locale. Returns the language
// spoken: "fr" when the catalogue of `chosen` cannot be read (the texts are
// then the French source). Needs the QCoreApplication.
QString install_translations(const QString& chosen = QString());

// The language install_translations made vorns speak ("fr" before any call).
QString current_language();

// What stands between the parts of a line of the program's ("taux moyen : … ;
// durée : …"), in the language spoken: " ; " in French, "; " in English.
QString list_separator();

}  // namespace platform
