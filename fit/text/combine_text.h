#pragma once
// Runs fitted together as the program shows them: the table of the runs and
// the line of their consistency.
#include "fit/combine.h"

#include <QString>
#include <QStringList>
#include <span>

namespace fit_text {

// One run of the table.
struct RunRow {
    QString name;                        // the file
    const fit::Result* alone = nullptr;  // the run fitted alone; null for a file that was not read
    double span_s = fit::kNone;
    double live_s = fit::kNone;
    double rate_per_hour = fit::kNone;
    QString note;  // what was left out of it, or why it was not read
};

// "run  événements  durée  temps actif  taux (/h)  τ seul" then one row a run,
// as cells (the last the note, its header empty), and as aligned lines.
QList<QStringList> run_cells(std::span<const RunRow> rows);
QStringList run_table(std::span<const RunRow> rows);

// "combinaison de 3 runs", the title of the combined fit.
QString combination_line(std::size_t runs);

// "combinaison de 3 runs : τ = 219.7 ± 3.1 = 2.197 ± 0.031 µs ; 12345 événements
// dans la fenêtre ; convergé", the result's status alone when it has no lifetime.
QString combined_line(const fit::Result& combined, std::size_t runs, double unit_ns);

// "runs compatibles" below kCompatibleP, else "le run B tire le plus (écart −3,4 σ)".
QString verdict_text(const fit::Consistency& c, std::span<const QString> names);

// "cohérence : chi2 / ddl = 1,2 / 2, p = 0,55, rapport de Birge = 0,77 ; runs
// compatibles", then the runs not counted: "(non comptés, sans ajustement
// seul : B)"; "cohérence : — (moins de deux runs ajustés seuls)".
QString consistency_line(const fit::Consistency& c, std::span<const QString> names);

}  // namespace fit_text
