// The end of a load (its readers told), and the window's status line, which
// the load, its passes and the tick write to: below them all, it calls none
// of them.
#include "app/accessibility.h"
#include "app/tform1.h"
#include "platform/translations.h"

void TForm1::termine_le_chargement() {
    // The watch (the session's) took the load in the session's reload, before
    // any reader of it: the rate it makes for the "taux" tab, the fit window's
    // forecast and the alarm is this load's, whatever order those readers were
    // connected in.
    emit chargement_termine();
}

void TForm1::montre_l_etat() {
    // A stopped run first, in red, with the age of its last record.
    const bool alarme = surveillance_->arrete();
    QPalette couleurs = Label_etat_chargement->palette();
    const QColor rouge(255, 0, 0);
    // Raised now: a screen reader says it once, not the age at every tick.
    const bool levee = alarme && couleurs.color(QPalette::WindowText) != rouge;
    couleurs.setColor(QPalette::WindowText, alarme ? rouge : QColor(128, 0, 0));
    Label_etat_chargement->setPalette(couleurs);
    SpeedButton_acquitter->setVisible(alarme && !surveillance_->acquittee());
    QStringList parties;
    if (alarme) parties << surveillance_->ligne_d_alarme();
    // A file that cannot be read is the load's part and the reload's error.
    for (const QString* partie :
         {&etat_du_chargement_, &etat_des_classes_, &erreur_du_rechargement_, &erreurs_du_tick_,
          &reglages_illisibles_, &etat_du_commentaire_}) {
        if (!partie->isEmpty() && !parties.contains(*partie)) parties << *partie;
    }
    const QString texte = parties.join(platform::list_separator());
    if (texte != Label_etat_chargement->text()) {  // said at every tick
        Label_etat_chargement->setText(texte);
        Label_etat_chargement->setToolTip(texte);  // the whole text, when the line is too short for it
    }
    if (levee) accessibilite::annonce(Label_etat_chargement);
}
