// The main of the test programs of the libraries, on the least application
// object their code needs, offscreen: a QCoreApplication, or a
// QGuiApplication where the build asks for one (the plots draw text), in the
// desktop's language (ctest sets the C locale: the French source texts).
#include "platform/translations.h"
#include "support/run_tests.h"

#if defined(VORNS_TEST_APPLICATION_GUI)
#include <QGuiApplication>
using Application = QGuiApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif

int main(int argc, char** argv) {
    plateforme_hors_ecran_par_defaut();
    Application application(argc, argv);
    platform::install_translations();  // the desktop's language, as vorns-fit speaks it
    return lance_les_tests(argc, argv);
}
