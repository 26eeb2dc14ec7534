#pragma once
// Where the program keeps its settings, finds the files it ships with, and
// offers to save what it makes.
//
// A copy of the program with its shipped files beside it (a build folder, a
// copy on a USB stick) keeps its settings beside itself when it can write
// there. An installed program finds its shipped files in the installed data
// folder, "../share/vorns" from the executable, and always keeps its settings
// in the user's configuration folder: even where it could write its own folder
// (run as root, /usr/bin is writable), settings left there would belong to no
// user and outlive the package.
#include <QString>

namespace platform {

// A file or folder that comes with the program ("ding1.wav", "fichiers"): in the
// program folder when it is there, else in the installed data folder when it is
// there, else the program folder's path (where a missing one is looked for).
QString shipped_path(const QString& name);

// The folder of the program's catalogues of texts ("vorns_de.qm"), ending
// with '/': "translations" beside the program when it is there (a copy that
// carries them), else "../share/vorns/translations" from the program folder
// (installed, and the build folder, which holds them as installed), else
// "../../share/vorns/translations" (the private programs in "lib/vorns").
// Empty when none is there.
QString translations_folder();

// True when the program is installed: its sample folder "fichiers" is not
// beside it but in the installed data folder.
bool is_installed();

// The folder of the settings files, ending with '/': the program folder when
// the program is not installed and the folder can be written, otherwise the
// user's configuration folder for vorns (made when missing). The same rule for
// reading and writing, so that a setting is read from where it was written.
QString settings_folder();

// The documentation an installed program comes with, "../share/doc/vorns/"
// from the executable; empty when the program is not installed or the folder
// is missing.
QString documentation_folder();

// The user's guide, README.md: in the documentation folder of an installed
// program, else beside the program (the build puts it there).
QString user_guide();

// The folder a save dialog offers for a file made from the data file (a plot,
// a table): the data file's folder when it can be written and is not part of
// the installation (the shipped samples), otherwise the user's documents
// folder (made when missing), otherwise the home folder. No data file: the
// documents folder. Ends with '/'.
QString export_folder(const QString& data_file);

}  // namespace platform
