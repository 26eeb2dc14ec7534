#include "app/application.h"

#include "analysis/formats/format_choices.h"
#include "platform/numbers.h"
#include "settings/settings_files.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>
#include <QtGlobal>

bool affichage_disponible() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void prepare_l_application() {
    QCoreApplication::setApplicationName(QStringLiteral("vorns"));
    // The icon of the menu entry, also on the window; the desktop entry's name
    // lets a Wayland desktop match the window with it.
    QIcon icone;
    icone.addFile(QStringLiteral(":/icons/48x48/vorns.png"));
    icone.addFile(QStringLiteral(":/icons/256x256/vorns.png"));
    QGuiApplication::setWindowIcon(icone);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vorns.vorns"));
    platform::take_decimal_separator_from_system();
    installe_les_traductions_de_qt(QLocale::system());
}

QStringList take_format_choices_from_settings() {
    QStringList problems;
    set_format_choices(read_format_choices_file(chemin_du_reglage(kFormatChoicesFile), problems));
    return problems;
}

QTranslator* installe_les_traductions_de_qt(const QLocale& langue) {
    // "qt" is the catalogue that gathers Qt's modules (qtbase, qtmultimedia).
    auto* traducteur = new QTranslator(QCoreApplication::instance());
    if (!traducteur->load(langue, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(traducteur)) {
        delete traducteur;
        return nullptr;
    }
    return traducteur;
}
