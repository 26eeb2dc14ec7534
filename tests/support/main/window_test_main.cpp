// The main of the window's test programs: the application object made and
// prepared exactly as the program's own main does it, so that these tests see
// what a user's desktop gives (the process locale taken from the environment,
// the language, Qt's translations), on the offscreen screens of VORNS_TEST_SCREENS. Each
// test then sets the decimal separator it checks.
#include "app/application.h"
#include "platform/translations.h"
#include "support/run_tests.h"

#include <QApplication>

int main(int argc, char** argv) {
    plateforme_hors_ecran_par_defaut(VORNS_TEST_SCREENS);
    QApplication application(argc, argv);
    prepare_l_application();
    // The desktop's language, whatever a copy of vorns in the build folder was told to speak.
    platform::install_translations();
    return lance_les_tests(argc, argv);
}
