#pragma once
// Where the program keeps its settings and finds the files it ships with.
//
// Beside the program as long as its folder can be written (a build folder, a
// copy on a USB stick); an installed program lives in a folder that only the
// administrator writes, and then keeps its settings in the user's
// configuration folder and finds its shipped files in the installed data
// folder, "../share/vorns" from the executable.
#include <QString>

namespace platform {

// The folder of the settings files, ending with '/': the program folder when it
// can be written, otherwise the user's configuration folder for vorns (made
// when missing). The same rule for reading and writing, so that a setting is
// read from where it was written.
QString settings_folder();

// A file or folder that comes with the program ("ding1.wav", "fichiers"): in the
// program folder when it is there, else in the installed data folder when it is
// there, else the program folder's path (where a missing one is looked for).
QString shipped_path(const QString& name);

}  // namespace platform
