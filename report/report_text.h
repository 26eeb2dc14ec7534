#pragma once
// The texts of a run report, each made by the text module that makes it for
// the window and vorns-fit (load_text, fit_text, rate_text); only the
// report's own titles, captions and the lines that gather them are here, in
// the report's language (its texts go through Qt's translation, French the
// source).
#include "report/report.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

// A row of a table: its caption ("Tau ajusté =", "SHA-256 :") and its value.
// A row without a caption goes on under the one above (its value in the
// values' column); a note stands across the table.
struct ReportRow {
    QString caption;
    QString value;
    bool note = false;
};

struct ReportSection {
    explicit ReportSection(QString title_ = {}, std::vector<ReportRow> rows_ = {}, QStringList fixed_ = {})
        : title(std::move(title_)), rows(std::move(rows_)), fixed(std::move(fixed_)) {}

    QString title;
    std::vector<ReportRow> rows;
    // A table under the rows, cell by cell, its first row the columns' names.
    QList<QStringList> cells;
    std::vector<ReportRow> after;  // rows under the table
    QStringList fixed;             // last, lines in a fixed-width font (a command line)
    bool two_columns = false;      // the rows side by side, the first half on the left
};

// The lines of the text modules as rows: "caption = value" and "caption :
// value" cut at their caption (a short one, of words only), a line that
// starts with blanks under the row above, any other line a note.
std::vector<ReportRow> rows_of(const QStringList& lines);

// The locale of the report's language: the system's when it speaks it, else
// the language's own.
QLocale report_locale();
// "jeudi 10 décembre 2026 à 01:25" in that locale.
QString report_date(const QDateTime& made, const QLocale& locale);

// "Mesure de la durée de vie".
QString report_title();
// "vorns 1.4.0 — rapport du jeudi 10 décembre 2026 à 01:25".
QString report_heading(const RunReport& report);
// Page one. The user's fields: names, group, course, set-up, note (those filled).
ReportSection fields_section(const RunReport& report);
// The files: each name whole, its records, span and live time.
ReportSection data_section(const RunReport& report);
// The lifetime in one line: "τ = 2,197 ± 0,031 µs" (in the data's units without
// a unit), of the runs together when they were combined; "τ : —" without one.
QString result_headline(const RunReport& report);
// The fit (its choices and unit, every result line); for runs together their
// combined fit, their consistency and the table of the runs (`fixed`).
ReportSection result_section(const RunReport& report);
// Each run's health in one row: rate, live time, gaps, a stop alarm raised.
ReportSection health_summary(const RunReport& report);
QString health_line(const ReportRun& run);

// The detail pages. "run 2 sur 3 : nuit 2.txt", "détails du run : a.txt".
QString run_heading(const RunReport& report, std::size_t index);
// A run's file: its name, SHA-256, format, first and last record, span, live
// time, records and skipped lines, its title lines and its comment.
ReportSection file_section(const ReportRun& run);
// The main window's figures: Tau, Lambda, T 1/2, Cm, C0, the activity, dX and X max.
ReportSection figures_section(const RunReport& report, const ReportRun& run);
// A run's own fit among several (their choices stand on page one): the
// results, the histogram's Tau, the forecast and the stability.
ReportSection fit_section(const ReportRun& run);
// The stability scan's table.
ReportSection stability_section(const ReportRun& run);
// The run's health: its rate, live time, gaps, constancy, drift, exclusions.
ReportSection health_section(const ReportRun& run);
// The command line that gives the same fit.
ReportSection reproduce_section(const RunReport& report);

// What each plot shows, under it: "Figure 1 — …".
QString histogram_caption(int figure, const QString& of, bool combined);
QString convergence_caption(int figure);
QString stability_caption(int figure);
QString rate_caption(int figure, const rate::RateAnalysis& rate);
