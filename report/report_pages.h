#pragma once
// The pages of a run report, drawn with one QPainter on any paged device: the
// PDF file of Qt's writer, or a printer the user chose. Page one is the
// result: the user's fields, the runs, the lifetime with its fit, the
// histogram with the fit and its residuals, each run's health and, for runs
// fitted together, their consistency. The detail pages follow, run by run:
// its file, the main window's figures, its fit, its health, the plots of its
// convergence, stability and rate, the stability's table; last the command
// that gives the same fit. Tables put their captions in one column and their
// numbers on one decimal mark; a text wider than the page (a long file name)
// is wrapped, never cut.
#include "report/report.h"

#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <optional>

// A4, or Letter where the locale measures in the US system.
QPageSize report_page_size(const QLocale& locale);
// Its pages: portrait, margins of 15 mm (the PDF file's and the printer's).
QPageLayout report_page_layout(const QPageSize& page);

// Draws the report on `device`, whose page size and margins are set.
void paint_report(QPagedPaintDevice& device, const RunReport& report);

// The report as PDF bytes on pages of `page` (report_page_layout).
QByteArray report_pdf(const RunReport& report, const QPageSize& page);
// Writes it to `path` on pages of the system locale's size; what failed, or nothing.
std::optional<QString> write_report_pdf(const QString& path, const RunReport& report);
