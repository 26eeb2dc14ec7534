#pragma once
// The texts of a run report, each made by the text module that makes it for
// the window and vorns-fit (load_text, fit_text, rate_text); only the
// report's own titles and captions are here.
#include "report/report.h"

#include <QString>
#include <QStringList>
#include <vector>

struct ReportSection {
    QString title;
    QStringList lines;
    bool table = false;  // columns aligned by spaces: drawn in a fixed-width font
};

// "vorns 1.4.0 — rapport du 09/12/2026 05:30".
QString report_heading(const RunReport& report);
// A run's file: its name, SHA-256, format, first and last record, span, live
// time, records and skipped lines, its title lines and its comment.
ReportSection file_section(const ReportRun& run);
// The main window's figures: Tau, Lambda, T 1/2, Cm, C0, the activity, dX and X max.
ReportSection figures_section(const RunReport& report, const ReportRun& run);
// The fit as the analysis window shows it: its choices and unit, the results,
// the histogram's Tau, the forecast and the stability.
ReportSection fit_section(const RunReport& report, const ReportRun& run);
// The stability scan's table.
ReportSection stability_section(const ReportRun& run);
// The run's health: its rate, live time, gaps, constancy, drift, exclusions.
ReportSection health_section(const ReportRun& run);
// Several runs: the table of the runs, the combined fit and their consistency.
ReportSection runs_section(const RunReport& report);
// The command line that gives the same fit.
ReportSection reproduce_section(const RunReport& report);
