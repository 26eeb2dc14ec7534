// Program entry: the command line, then the application titled "vorns" and its
// one main window, with the data file of the command line loaded when given.
#include "app/application.h"
#include "app/command_line.h"
#include "app/qt_seams.h"
#include "app/tform1.h"
#include "platform/memory.h"
#include "platform/report.h"
#include "platform/seams.h"
#include "platform/translations.h"
#include "settings/language_choice.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    platform::keep_freed_memory_for_reuse();
    // The command line is read before anything needs a display, so that
    // --help, --version and a wrong option work in any terminal.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QFile::decodeName(argv[i]);
    const CommandLine ligne = analyse_la_ligne_de_commande(arguments);
    if (ligne.action != CommandLine::Action::start || !affichage_disponible()) {
        // What is said in the terminal, in the language of the window.
        QCoreApplication terminal(argc, argv);
        platform::install_translations(lit_langue_choisie());
        const CommandLine dite = analyse_la_ligne_de_commande(arguments);  // its error in that language
        switch (dite.action) {
            case CommandLine::Action::help: std::fputs(qPrintable(texte_d_aide()), stdout); return 0;
            case CommandLine::Action::version:
                std::fputs(qPrintable(QStringLiteral("vorns ") + version_du_programme() + QLatin1Char('\n')), stdout);
                return 0;
            case CommandLine::Action::error:
                std::fprintf(stderr, "vorns: %s\n%s\n", qPrintable(dite.error), qPrintable(indication_d_aide()));
                return 2;
            case CommandLine::Action::start: break;
        }
        std::fputs(qPrintable(QCoreApplication::translate(
                       "app",
                       "vorns: no display found (DISPLAY and WAYLAND_DISPLAY are not set); start vorns from a "
                       "desktop session or under xvfb-run.\n")),
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    prepare_l_application();
    installe_les_services_qt();
    const QStringList problemes = take_format_choices_from_settings();
    TForm1 form;
    form.show();
    // Before any run is followed: the defaults taken in place of what the settings could not give.
    if (!problemes.isEmpty()) {
        QTimer::singleShot(0, &form, [problemes] { platform::show_message(problemes.join(QLatin1Char('\n'))); });
    }
    if (!ligne.data_file.isEmpty()) {
        // Once the window is up, as if the file had been chosen with "Target File".
        QTimer::singleShot(0, &form, [&form, fichier = ligne.data_file] {
            platform::report_errors([&] { form.choisit_le_fichier(fichier); });
        });
    }
    return QApplication::exec();
}
