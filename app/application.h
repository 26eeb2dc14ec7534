#pragma once
// What the program entry does around the main window.

// False on a Unix desktop-less session (no DISPLAY, no WAYLAND_DISPLAY and no
// platform chosen through QT_QPA_PLATFORM), where the window cannot open.
bool affichage_disponible();
// The application title "vorns" and the locale's decimal separator; needs the QApplication.
void prepare_l_application();
