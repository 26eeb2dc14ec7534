#include "app/application.h"

#include "platform/numbers.h"
#include "platform/translations.h"
#include "settings/language_choice.h"

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
