#include "app/application.h"

#include "platform/numbers.h"

#include <QCoreApplication>
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
    platform::take_decimal_separator_from_system();
    installe_les_traductions_de_qt(QLocale::system());
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
