// Saving the comment beside the data file.
#include "app/tform1.h"
#include "datafile/comment_file.h"
#include "platform/seams.h"
#include "text/fields.h"

#include <QScrollBar>
#include <QTextBlock>

QStringList TForm1::lignes_du_commentaire() const {
    QStringList lignes;
    const QTextDocument* document = Memo2->document();
    for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next()) lignes.append(bloc.text());
    if (!lignes.isEmpty() && lignes.last().isEmpty()) lignes.removeLast();
    return lignes;
}

void TForm1::montre_le_commentaire(const QStringList& lignes) {
    QString texte;
    for (const QString& ligne : lignes) {
        texte += ligne;
        texte += QLatin1Char('\n');
    }
    Memo2->setPlainText(texte);
    Memo2->moveCursor(QTextCursor::Start);
    Memo2->verticalScrollBar()->setValue(0);
}

void TForm1::SpeedButton_commentClick() {
    // No data file chosen yet: there is no comment file to write.
    const QString& fichier = etat_->file_state.fichier_commentaire;
    if (supprime_blancs(fichier).isEmpty()) return;
    platform::show_message(enregistre_commentaire(fichier, lignes_du_commentaire()).message);
}
