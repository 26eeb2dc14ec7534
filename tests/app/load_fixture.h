#pragma once
// A real main window with a fresh program folder and a folder for data files.
#include "platform/report.h"
#include "support/window.h"

#include <QTemporaryDir>

class DataFileWindow : public AvecFenetre {
protected:
    QString chemin(const QString& nom) const { return donnees.path() + QLatin1Char('/') + nom; }
    QString ecrit(const QString& nom, const QByteArray& contenu) {
        write_bytes(chemin(nom), contenu);
        return chemin(nom);
    }
    // The user clicks "Target File" and picks `fichier` (or cancels).
    void choisit(const std::optional<QString>& fichier) {
        recorder().open_answers.push_back(fichier);
        emit form.Label7->clicked();
    }
    // The load as the window runs it, errors shown in a message box.
    void charge(const QString& fichier) {
        platform::report_errors([&] { form.charge_le_fichier(fichier); });
    }
    QStringList lignes_memo1() const { return form.Memo1->lines(); }

    QTemporaryDir donnees;
};

// A small run: two title lines, the header, the origin and two records.
inline QByteArray petit_fichier() {
    return "Run 12\r\nSample B\r\nHeure\tDur\xE9"
           "e\r\n10:00:00\t3\r\n10:01:00\t2.5\r\n10:02:30\t1,5\r\n";
}
