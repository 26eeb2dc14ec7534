#include "app/application.h"

#include "platform/numbers.h"

#include <QCoreApplication>
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
    platform::take_decimal_separator_from_system();
}
