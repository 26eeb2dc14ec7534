#pragma once
// What the program entry does around the main window.
#include <QLocale>
#include <QStringList>

class QTranslator;

// False on a Unix desktop-less session (no DISPLAY, no WAYLAND_DISPLAY and no
// platform chosen through QT_QPA_PLATFORM), where the window cannot open.
bool affichage_disponible();
// The application title "vorns", its icon, the locale's decimal separator and
// Qt's own translations for the user's language; needs the QApplication.
void prepare_l_application();
// The choices of the formats of other apparatus from the settings file
// qrt_vorn.daq (analysis/formats/format_choices.h), taken for the whole run;
// what the file could not give, to be said (empty when all was taken).
QStringList take_format_choices_from_settings();
// Qt's own texts (the buttons of the file, colour and message dialogs, the
// menus of the text fields) in `langue`, where Debian's Qt translations are
// installed. The program's own captions and messages are never translated.
// The translator installed, owned by the application, or nullptr when there is
// none for that language.
QTranslator* installe_les_traductions_de_qt(const QLocale& langue);
