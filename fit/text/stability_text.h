#pragma once
// The stability scan of the fitted lifetime and the forecast of its
// precision, as the fit window and vorns-fit show them.
#include "fit/forecast.h"
#include "fit/stability.h"

#include <QString>
#include <QStringList>

namespace fit_text {

// The scan in one line, for the stability tab:
//   "Tau stable quand t min monte de 10 à 450 : écart au premier ajustement
//    jusqu'à 2,3 fois sa variation attendue (alerte au-delà de 2,8 fois pour les
//    Tau connus à 10 % près)"
//   "Tau hors de la bande de stabilité à t min = 54 (3,4 fois la variation
//    attendue) : temps mort ou artefact aux temps courts ?"
//   "Tau non jugé quand t min monte de 10 à 450 : aucun point comparé au
//    premier ajustement avec un Tau connu à 10 % près"
// or why there is no scan.
QString stability_line(const fit::StabilityScan& scan);
// What the window's status line adds when the scan warns: the second form
// above, at the first point beyond the scan's threshold; else nothing.
QString stability_warning(const fit::StabilityScan& scan);
// The scan as a text table for vorns-fit --scan: a title, the column names,
// one row a point ("hors bande" where it is outside), and stability_line().
QStringList stability_table(const fit::StabilityScan& scan);
// Its title line, and its column names and rows as cells (none without points).
QString stability_table_title();
QList<QStringList> stability_cells(const fit::StabilityScan& scan);

// "1 % sur Tau dans ≈ 6,1 h (à 1580 événements / jour)", "1 % sur Tau atteint
// (0,83 % maintenant)", or why no forecast can be made.
QString forecast_line(const fit::Forecast& forecast);

}  // namespace fit_text
