#include "platform/translations.h"

#include "platform/locations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {

namespace {

struct Installed {
    QTranslator* own = nullptr;
    QTranslator* qt = nullptr;
    QString language = QStringLiteral("fr");
};

Installed& installed() {
    static Installed i;
    return i;
}

void remove(QTranslator*& translator) {
    if (translator == nullptr) return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// The translator installed when its catalogue was read, else nullptr (and deleted).
QTranslator* install(QTranslator* translator, bool read) {
    if (read && QCoreApplication::installTranslator(translator)) return translator;
    delete translator;
    return nullptr;
}

}  // namespace

QStringList spoken_languages() { return {QStringLiteral("fr"), QStringLiteral("en"), QStringLiteral("de")}; }

QString language_among(const QStringList& ui_languages) {
    const QStringList spoken = spoken_languages();
    for (const QString& name : ui_languages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) continue;
        const QString code = QLocale::languageToCode(locale.language());
        if (spoken.contains(code)) return code;
    }
    return QStringLiteral("fr");
}

QString desktop_language() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QStringLiteral("fr");
    return language_among(system.uiLanguages());
}

QString install_translations(const QString& chosen) {
    const bool given = spoken_languages().contains(chosen);
    const QString language = given ? chosen : desktop_language();
    Installed& now = installed();
    remove(now.own);
    remove(now.qt);

    auto* own = new QTranslator;
    now.own = install(own, own->load(QStringLiteral("vorns_") + language, translations_folder()));
    // "qt" is the catalogue that gathers Qt's modules (qtbase, qtmultimedia).
    auto* qt = new QTranslator;
    now.qt = install(qt, qt->load(given ? QLocale(language) : QLocale::system(), QStringLiteral("qt"),
                                  QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    now.language = now.own != nullptr ? language : QStringLiteral("fr");
    return now.language;
}

QString current_language() { return installed().language; }

QString list_separator() {
    return QCoreApplication::translate("platform", " ; ",
                                       "between the parts of a line, as in \"fit converged ; "
                                       "background at the limit\"");
}

}  // namespace platform
