// The refresh tick that follows a growing data file, and its sound.
#include "app/tform1.h"
#include "datafile/reload.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/numbers.h"
#include "platform/seams.h"

#include <QColor>

namespace {

const QColor kOlive(128, 128, 0);
const QColor kTeal(0, 128, 128);

}  // namespace

void TForm1::Timer1Timer() {
    // While a message box is open its own loop keeps dispatching ticks. Such a
    // tick does nothing, so a bad refresh field or a vanished file shows one
    // box at a time instead of one more box every period.
    if (platform::message_box_open()) return;

    // The period read now governs the following ticks. The same period is not
    // set again, which would restart the count. A period of 0 stops the timer
    // for the rest of the run.
    const int periode = periode_du_tick(platform::str_to_int(Edit5->text()));
    if (periode <= 0) {
        Timer1->stop();
        Timer1->setInterval(0);
    } else if (Timer1->interval() != periode || !Timer1->isActive()) {
        Timer1->start(periode);
    }

    // Heartbeat.
    Panel1->setColor(Panel1->color().rgb() == kOlive.rgb() ? kTeal : kOlive);

    FileState& suivi = etat_->file_state;
    if (!suivi.fichier_donnees.isEmpty()) {
        const QString fichier = suivi.fichier_donnees;
        const VueDuFichier vue = vue_du_fichier(fichier);
        const auto lignes_changees = [&] { return lignes_differentes(fichier, Memo1->packedLines()); };
        if (recharge_au_tick(vue, CheckBox2->isChecked(), suivi, lignes_changees)) {
            ++rechargements_par_le_timer;
            charge_le_fichier(fichier);  // stores the view it takes before reading
        }
    }
    surveillance_->au_tick(*etat_, Timer1->isActive() ? Timer1->interval() / 1000.0 : 0);

    if (sound_CheckBox8->isChecked()) joue_le_son();
}

void TForm1::joue_le_son() {
    // While the followed run is said stopped, the alarm sound in place of the tick's.
    const QString son =
        platform::shipped_path(surveillance_->arrete() ? QStringLiteral("alarme.wav") : QStringLiteral("ding1.wav"));
    const platform::Seams& services = platform::seams();
    if (platform::file_exists(son)) {
        if (!services.play_wave) return;
        // Plays on by itself; the tick does not wait for its end.
        if (const auto erreur = services.play_wave(son)) platform::show_message(*erreur);
    } else if (services.beep) {
        services.beep();
    }
}
