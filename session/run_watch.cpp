#include "session/run_watch.h"

#include "analysis/rate/text/rate_text.h"
#include "analysis/run_times.h"
#include "platform/seams.h"

#include <QElapsedTimer>
#include <cstring>
#include <limits>

SurveillanceDuRun::SurveillanceDuRun(QObject* parent) : QObject(parent) {
    horloge_ = [depart = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }()] { return static_cast<double>(depart.nsecsElapsed()) * 1e-9; };
}

const rate::RateAnalysis& SurveillanceDuRun::analyse(const RunData& etat, const rate::RateChoices& choix) {
    if (a_jour_ && analyse_ && largeur_ == choix.bin_width_s) return *analyse_;
    std::vector<double> secondes = secondes_des_enregistrements(etat.record_store);
    const double origine_s = heure_de_l_origine_s(etat.origine_temps);
    // A reload of the same records (their times bit for bit, the origin and
    // the count records): the same analysis.
    const bool memes = analyse_ && largeur_ == choix.bin_width_s && secondes.size() == secondes_.size() &&
                       std::memcmp(secondes.data(), secondes_.data(), secondes.size() * sizeof(double)) == 0 &&
                       origine_s == origine_s_ && etat.comptages == comptages_;
    if (!memes) {
        analyse_ = rate::analyse_rate(secondes, origine_s, choix, {etat.comptages.secondes, etat.comptages.muons});
        secondes_ = std::move(secondes);
        origine_s_ = origine_s;
        comptages_ = etat.comptages;
        largeur_ = choix.bin_width_s;
    }
    a_jour_ = true;
    return *analyse_;
}

const rate::RateAnalysis& SurveillanceDuRun::analyse_du_chargement(const RunData& etat) {
    return a_jour_ && analyse_ ? *analyse_ : analyse(etat);
}

const QString SurveillanceDuRun::kNotification = QStringLiteral("vorns-alarme");

void SurveillanceDuRun::acquitte() {
    if (!alarme_.standing() || alarme_.acknowledged()) return;
    alarme_.acknowledge();
    emit alarme_changee();
}

void SurveillanceDuRun::apres_chargement(const RunData& etat) {
    const FileState& suivi = etat.file_state;
    if (suivi.fichier_charge != fichier_) {
        // Another file: its watch starts now.
        fichier_ = suivi.fichier_charge;
        derniere_ = rate::LastRecordWatch();
        analyse_.reset();
        taux_d_avant_.reset();
        illisible_ = false;
        if (alarme_.standing()) efface();
    }
    // A file that cannot be read (gone, its network share lost; its size is
    // then -1) brings no record: the watch keeps the last record's age, and
    // the rate it knew, which the records emptied by the load no longer give.
    const bool illisible = suivi.taille_precedente < 0;
    if (illisible && !illisible_) taux_d_avant_ = analyse_;
    illisible_ = illisible;
    a_jour_ = false;
    if (illisible_) return;
    const double maintenant = horloge_();
    const double age_avant = derniere_.age_s(maintenant);
    derniere_.saw(suivi.taille_precedente, maintenant);
    if (alarme_.standing() && derniere_.age_s(maintenant) < age_avant) efface();
}

void SurveillanceDuRun::au_tick(const RunData& etat, double periode_s) {
    const FileState& suivi = etat.file_state;
    const bool suivi_en_cours =
        periode_s > 0 && !suivi.fichier_donnees.isEmpty() && suivi.fichier_charge == suivi.fichier_donnees;
    if (!suivi_en_cours) {
        if (alarme_.standing()) efface();
        return;
    }
    const double age = derniere_.age_s(horloge_());
    // Never stopped within two periods: the rate is not asked for then, so
    // that a run that grows at every tick does not pay for it.
    if (!(age > 2 * periode_s)) {
        if (alarme_.standing()) efface();
        return;
    }
    // The rate and the gaps of the analysis kept do not depend on its bin
    // width. A file that cannot be read is judged by the rate known before;
    // without one, two periods without a record and without the file are a stop.
    const rate::RateAnalysis sans_taux;
    const rate::RateAnalysis& a = !illisible_     ? analyse_du_chargement(etat)
                                  : taux_d_avant_ ? *taux_d_avant_
                                                  : sans_taux;
    if (rate::run_stopped(a, age, periode_s) || (illisible_ && !a.rate_known)) {
        // The file's last record, which lies past the records kept when the file holds more.
        const double dernier = illisible_ ? std::numeric_limits<double>::quiet_NaN()
                                          : static_cast<double>(etat.dernier_du_fichier) * kSecondesParMinute;
        leve(rate_text::stopped_line(a, age, dernier));
    } else if (alarme_.standing()) {
        efface();
    }
}

void SurveillanceDuRun::leve(const QString& ligne) {
    const bool nouvelle = alarme_.update(true) == rate::StopAlarm::Change::raised;
    ligne_ = ligne;
    // A critical notification: it stays until someone dismisses it or the run
    // resumes, for a person coming back to the room. Raised once a stop; the
    // red lines say the age at every tick.
    if (nouvelle) platform::notify(platform::Notification{kNotification, QStringLiteral("vorns"), ligne, true});
    emit alarme_changee();
}

void SurveillanceDuRun::efface() {
    alarme_.update(false);
    ligne_.clear();
    platform::withdraw(kNotification);
    emit alarme_changee();
}
