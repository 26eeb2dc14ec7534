#pragma once
// What the program entry does around the main window.
#include <QStringList>

// False on a Unix desktop-less session (no DISPLAY, no WAYLAND_DISPLAY and no
// platform chosen through QT_QPA_PLATFORM), where the window cannot open.
bool affichage_disponible();
// The application title "vorns", its icon, the locale's decimal separator and
// the language: the one chosen in the setup panel, else the desktop's, for
// vorns' texts and Qt's own (platform/translations.h); needs the QApplication.
void prepare_l_application();
// The choices of the formats of other apparatus from the settings file
// qrt_vorn.daq (analysis/formats/format_choices.h), taken for the whole run;
// what the file could not give, to be said (empty when all was taken).
QStringList take_format_choices_from_settings();
