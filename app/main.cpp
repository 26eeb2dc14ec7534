// Program entry: the application titled "vorns" and its one main window.
#include "app/application.h"
#include "app/qt_seams.h"
#include "app/tform1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (!affichage_disponible()) {
        std::fputs(
            "vorns: no display found (DISPLAY and WAYLAND_DISPLAY are not set); "
            "start vorns from a desktop session or under xvfb-run.\n",
            stderr);
        return 1;
    }
    QApplication application(argc, argv);
    prepare_l_application();
    installe_les_services_qt();
    TForm1 form;
    form.show();
    return QApplication::exec();
}
