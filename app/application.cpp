#include "app/application.h"

#include "analysis/formats/format_choices.h"
#include "platform/numbers.h"
#include "platform/translations.h"
#include "settings/language_choice.h"
#include "settings/settings_files.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
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
    platform::install_translations(lit_langue_choisie());
}

QStringList take_format_choices_from_settings() {
    QStringList problems;
    set_format_choices(read_format_choices_file(chemin_du_reglage(kFormatChoicesFile), problems));
    return problems;
}
