// The refresh tick that follows a growing data file, and its sound.
#include "app/tform1.h"
#include "datafile/reload.h"
#include "platform/files.h"
#include "platform/locations.h"
#include "platform/numbers.h"
#include "platform/report.h"
#include "platform/seams.h"

#include <QColor>

namespace {

const QColor kOlive(128, 128, 0);
const QColor kTeal(0, 128, 128);

}  // namespace

void TForm1::Timer1Timer() {
    // A run is watched by people who are not in the room: the tick never
    // opens a box, and never waits for one. A box opened by a handler goes on
    // dispatching ticks, which do their work under it. What fails in a step
    // of the tick is said in the status line, and its other steps go on.
    QStringList erreurs;
    const auto etape = [&erreurs](const auto& faire, const QString& quoi = {}) {
        if (const std::optional<QString> erreur = platform::error_of(faire)) erreurs << quoi + *erreur;
    };

    // The period read now governs the following ticks. The same period is not
    // set again, which would restart the count. A period of 0 stops the timer
    // for the rest of the run; a field without a whole number keeps the
    // period in effect, and is named: it lies in the setup panel, mostly hidden.
    etape(
        [this] {
            const int periode = periode_du_tick(platform::str_to_int(Edit5->text()));
            if (periode <= 0) {
                Timer1->stop();
                Timer1->setInterval(0);
            } else if (Timer1->interval() != periode || !Timer1->isActive()) {
                Timer1->start(periode);
            }
        },
        Label10->text() + QStringLiteral(" : "));
    // The period in effect is the run's: the watch and the shared page read it there.
    session_->set_period_s(Timer1->isActive() ? Timer1->interval() / 1000.0 : 0);

    // Heartbeat.
    Panel1->setColor(Panel1->color().rgb() == kOlive.rgb() ? kTeal : kOlive);

    // The session's decision: a changed file (or any, without the test of
    // time and size) is loaded again.
    session_->set_reload_on_change(CheckBox2->isChecked());
    if (session_->wants_reload()) {  // stores the view
        ++rechargements_par_le_timer;
        // Said until the next reload: a field that cannot be read (a
        // scale, dX) fails every reload until it is mended.
        erreur_du_rechargement_ =
            platform::error_of([this] { charge_le_fichier(session_->file()); }).value_or(QString());
    }
    etape([&] { surveillance_->au_tick(*etat_, session_->period_s()); });
    etape([this] { suit_le_commentaire(); });

    if (sound_CheckBox8->isChecked()) etape([this] { joue_le_son(); });

    erreurs_du_tick_ = erreurs.join(QStringLiteral(" ; "));
    montre_l_etat();
}

void TForm1::joue_le_son() {
    // While the followed run is said stopped and nobody acknowledged it, the
    // alarm sound at the stop and again every rate::kAlarmRepeatS, and no
    // tick's sound between; acknowledged, the tick's sound again.
    QString nom = QStringLiteral("ding1.wav");
    if (surveillance_->arrete() && !surveillance_->acquittee()) {
        if (!surveillance_->son_d_alarme_du()) return;
        nom = QStringLiteral("alarme.wav");
    }
    const QString son = platform::shipped_path(nom);
    const platform::Seams& services = platform::seams();
    if (platform::file_exists(son)) {
        if (!services.play_wave) return;
        // Plays on by itself; the tick does not wait for its end.
        if (const auto erreur = services.play_wave(son)) throw platform::Error(*erreur);
    } else if (services.beep) {
        services.beep();
    }
}
