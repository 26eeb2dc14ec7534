#pragma once
// The watch over the followed run: its rate, made from the run's state once a
// load for whoever asks (the analysis window's "taux" tab, the alarm), and the
// alarm raised when the followed file has not brought a record for longer
// than a gap at the run's rate and two refresh periods (rate::StopAlarm: when
// it is raised, withdrawn, and when its sound is due): a red line in the main
// window's status line and in the analysis window, saying the age of the last
// record at every tick; a critical desktop notification, which stays until
// dismissed and is withdrawn when the run resumes; the alarm sound, again
// every rate::kAlarmRepeatS until someone acknowledges the alarm. It clears
// itself at the next record; it never opens a box. A followed file that
// cannot be read brings no record.
#include "analysis/rate/rate.h"
#include "session/run_data.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class SurveillanceDuRun : public QObject {
    Q_OBJECT
public:
    explicit SurveillanceDuRun(QObject* parent = nullptr);

    // The clock the watch reads, in seconds: a monotonic clock unless a test
    // gives its own.
    void prend_l_horloge(std::function<double()> horloge) { horloge_ = std::move(horloge); }

    // The run's rate with these choices. Made again only after a load that
    // changed the records (a reload of the same ones keeps it) or for another
    // bin width: the rate and the gaps do not depend on the width.
    const rate::RateAnalysis& analyse(const RunData& etat, const rate::RateChoices& choix = {});
    // The run's rate of the last load with whatever bin width it was made, for
    // what does not depend on the width (the rate, the gaps, the live time):
    // the "taux" tab's analysis when it made one, else one with the default
    // width. The fit window's forecast takes its live time from here.
    const rate::RateAnalysis& analyse_du_chargement(const RunData& etat);

    // After every load that went through: the analysis is made again when
    // next asked, if the records changed; a file that grew (its size is the mark, not the record count,
    // which stops at the store's capacity) has brought a record: the alarm
    // clears.
    void apres_chargement(const RunData& etat);
    // At every tick: while the loaded file is the one followed and the timer
    // runs (`periode_s` above 0), raises the alarm or says its age again;
    // otherwise the alarm is disarmed. The run's rate is asked for only when
    // the file has not grown for two periods.
    void au_tick(const RunData& etat, double periode_s);

    bool arrete() const { return alarme_.standing(); }
    // The red line; empty while the run is not said stopped.
    const QString& ligne_d_alarme() const { return ligne_; }
    // Someone saw the alarm: its sound stops repeating; it still stands.
    void acquitte();
    bool acquittee() const { return alarme_.acknowledged(); }
    // Whether the alarm's sound is to be played at this tick (taken as played).
    bool son_d_alarme_du() { return alarme_.sound_due(horloge_()); }

    // The tag of the alarm's desktop notification.
    static const QString kNotification;

signals:
    // The alarm was raised, said again with its new age, or cleared.
    void alarme_changee();

private:
    std::function<double()> horloge_;
    rate::LastRecordWatch derniere_;
    QString fichier_;  // the file the watch's mark is of
    bool a_jour_ = false;
    std::optional<rate::RateAnalysis> analyse_;
    double largeur_ = 0;  // the bin width asked of the analysis kept
    // What the analysis kept was made of: the records' seconds, the origin's
    // time of day, the count records.
    std::vector<double> secondes_;
    double origine_s_ = 0;
    Comptages comptages_;
    rate::StopAlarm alarme_;
    bool illisible_ = false;                          // the last load could not read the file
    std::optional<rate::RateAnalysis> taux_d_avant_;  // the analysis kept when it could last be read
    QString ligne_;

    void leve(const QString& ligne);
    void efface();
};
