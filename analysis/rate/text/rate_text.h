#pragma once
// The run's rate as the program shows it (the analysis window and
// vorns-fit --rate), with the program's decimal separator.
#include "analysis/rate/rate.h"

#include <QString>
#include <QStringList>
#include <limits>

namespace rate_text {

// "1,8 s", "42 s", "38 min 2 s", "1 h 27 min", "2 j 3 h".
QString duration_text(double seconds);
// "02:13:05", or "jour +1 02:13:05" with the day.
QString clock_text(const rate::ClockTime& time, bool with_day);

// "taux moyen : 1798 ± 8 /h", "taux moyen : —" while it is unknown.
QString rate_line(const rate::RateAnalysis& analysis);
// "durée : 27 h 46 min ; temps actif : 26 h 19 min (94,7 %)".
QString live_time_line(const rate::RateAnalysis& analysis);
// "durée : 26 h ; temps actif : 25 h 59 min (secondes présentes dans le fichier)" with count records.
// "muons à travers le détecteur : 61,2 ± 0,3 /min (95 412 muons)" with count records; empty without.
QString muons_line(const rate::RateAnalysis& analysis);
// "aucun trou de plus de 2 min 18 s", or "2 trous de plus de 2 min 18 s, 1 h 5 min en tout"
// then one line per gap: "trou : jour +1 02:13:05 → 03:40:12 (1 h 27 min)". Nothing while
// the rate is unknown.
QStringList gap_lines(const rate::RateAnalysis& analysis);
// "tranches de 10 min (environ 25 événements chacune), 87 tranches"; empty without bins.
QString bins_line(const rate::RateAnalysis& analysis);
// "taux stable (chi2 / ddl = 12,3 / 14, p = 0,43)", "taux non constant (…)", "taux en
// hausse (…)", "taux en baisse (…)", or that there are too few bins; empty while the rate
// is unknown.
QString constancy_line(const rate::RateAnalysis& analysis);
// "dérive : +3,1 ± 1,2 /h par heure"; empty when there is none to say.
QString drift_line(const rate::RateAnalysis& analysis);
// What the numbers cannot say: too few records, all in one second, a time
// of day going back, gaps that may have lasted whole days more.
QStringList caveat_lines(const rate::RateAnalysis& analysis);

// Every line above, in the order the window and vorns-fit --rate show them.
QStringList summary_lines(const rate::RateAnalysis& analysis);

// The bins as a text table for vorns-fit --rate: a header, then one row per
// bin (start, events, live seconds, rate and its error per hour), those left
// out of the constancy test marked. Empty without bins.
QStringList bin_table(const rate::RateAnalysis& analysis);

// Rows as a text table: the first column to the left, the others to the right,
// the last (a note, may be empty) as it is; columns two spaces apart.
QStringList aligned_table(const QList<QStringList>& rows);

// The red line of a stopped run: "acquisition arrêtée ? aucun événement
// depuis 1 h 27 min (le dernier à 02:13:05)". The last record is the file's
// (`last_record_s` on the time line, past the records analysed when the file
// held more than the store), or else the analysis's last.
QString stopped_line(const rate::RateAnalysis& analysis, double age_s,
                     double last_record_s = std::numeric_limits<double>::quiet_NaN());

}  // namespace rate_text
