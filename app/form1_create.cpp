// Start-up of the main window.
#include "app/about_version.h"
#include "app/form1_screen.h"
#include "app/placement.h"
#include "app/tform1.h"
#include "fit/run/fit_choices.h"
#include "platform/seams.h"
#include "settings/settings_files.h"

#include <QGuiApplication>
#include <QScreen>

void TForm1::FormCreate() {
    // The user's unit for files whose format gives none, and what was typed for each unit.
    etat_->unite = RunUnit(lit_choix_ajustement(FitChoices()).unit_ns);
    etat_->saisies_par_unite = TypedPerUnit::read();
    etat_->plot_frame.couleur_serie[1] = qRgb(128, 0, 0);  // maroon
    etat_->plot_frame.couleur_serie[2] = qRgb(0, 0, 255);  // blue
    etat_->record_store.serie_courante = 1;
    montre_la_version(Panel4);

    // Centre the window (its outer size) on the screen's available area. On a
    // smaller area it first takes what fits, and its content scrolls.
    QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (ecran) {
        const QRect disponible = ecran->availableGeometry();
        const QSize avant = frameGeometry().size();
        const QSize fenetre = form1::taille_sur_l_ecran(*this, disponible, avant);
        if (fenetre != avant) resize(size() + fenetre - avant);
        move(disponible.x() + placement::debut_centre(disponible.width(), fenetre.width()),
             disponible.y() + placement::debut_centre(disponible.height(), fenetre.height()));
    }

    // The window colour: silver, then the colour remembered in "qrt_vorn.col".
    // A line that is not a whole number takes its default and is said in the
    // status line; the start-up goes on.
    setColor(QColor(192, 192, 192));
    const auto [rouge, vert, bleu] = lit_couleur_fenetre(etat_->settings_failures);
    setColor(QColor(rouge, vert, bleu));

    Panel8->setColor(QColor(237, 179, 99));

    Image1->alignClient();
    Image2->alignClient();

    setup_Panel4->move(Panel2->pos());
    Panel4->move(Panel3->pos());
}

void TForm1::signale_reglage(const EchecDuReglage& echec, bool a_dire) {
    if (echec.lecture) {
        if (!a_dire) return;
        if (!reglages_illisibles_.isEmpty()) reglages_illisibles_ += QStringLiteral(" ; ");
        reglages_illisibles_ += echec.message;
        montre_l_etat();
        return;
    }
    const platform::Seams& services = platform::seams();
    if (echec.tonalite && services.tone) services.tone(1250, 100);
    if (a_dire) platform::show_message(echec.message);
}
