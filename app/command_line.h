#pragma once
// The program's command line: `vorns [FILE]`, --help and --version. Qt's own
// options (-style NAME, -platform NAME, -reverse, ...) are let through to the
// application, which takes them for itself. Read before any window exists.
#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { start, help, version, error };
    Action action = Action::start;
    QString data_file;  // absolute path of the file to load at start; empty: none
    QString error;      // what is wrong, one line (Action::error)
};

// `arguments` as the process received them, the program's own path first.
CommandLine analyse_la_ligne_de_commande(const QStringList& arguments);

QString version_du_programme();  // from the project's version, "0.1"
QString texte_d_aide();          // what --help prints
QString indication_d_aide();     // the line that follows an error
