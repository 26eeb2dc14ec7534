// The main of the test programs of the libraries: an offscreen QApplication.
#include "support/run_tests.h"

#include <QApplication>

int main(int argc, char** argv) {
    plateforme_hors_ecran_par_defaut();
    QApplication application(argc, argv);
    return lance_les_tests(argc, argv);
}
