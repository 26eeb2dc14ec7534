// Program entry: the application titled "vorns" and its one main window.
#include "app/qt_seams.h"
#include "app/tform1.h"
#include "platform/numbers.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorns"));
    platform::take_decimal_separator_from_system();
    installe_les_services_qt();
    TForm1 form;
    form.show();
    return QApplication::exec();
}
