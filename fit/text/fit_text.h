#pragma once
// The results of a lifetime fit as the program shows them, with the program's
// decimal separator.
#include "fit/lifetime_fit.h"
#include "fit/text/status_text.h"
#include "platform/uncertainty.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace fit_text {

// "219.7 ± 3.1" (platform/uncertainty.h).
using platform::value_with_uncertainty;

// "(−2.9 / +3.4)": the profile interval of tau as its two sides, rounded as its
// error is; empty when both sides read as the error itself (the interval is
// then not visibly asymmetric) or when there is no interval.
QString interval_text(const fit::Result& result);
// The same for any value with its error and interval.
QString interval_text(double value, double error, double lower, double upper);

// The status and, for a converged fit, each of its warnings, " ; " apart (the
// histogram method's classes that stop short of t max with their range).
QString status_line(const fit::Result& result);

}  // namespace fit_text

namespace fit_text {

// The captions of the results, as the fit window and vorns-fit show them, in
// the program's language.
QString tau_caption();         // "Tau ajusté ="
QString background_caption();  // "fond ="
QString events_caption();      // "événements dans la fenêtre ="
QString chi2_caption();        // "chi2 / ddl ="
// The mean Tau of the histogram (the main window's), shown beside the fit.
QString histogram_tau_caption();  // "Tau de l'histogramme (durée moyenne) ="
// Its value as the main window shows it ("219.734"); "—" when it is not a number.
QString histogram_tau_text(long double tau);

// The Fermi constant from the fitted lifetime (fit/fermi_constant.h): its caption,
// the note beside a G_F from a lifetime measured in matter, and its value from
// the free lifetime of `result` with one unit worth unit_ns, "(1.1664 ±
// 0.0012) × 10⁻⁵ GeV⁻²" (empty without a lifetime or a unit).
QString fermi_caption();      // "G_F / (ħc)³ ="
QString fermi_matter_note();  // "biaisé : τ mesuré dans la matière (μ− capturés)"
QString fermi_text(const fit::Result& result, double unit_ns);

// "exponentielle + fond", "exponentielle seule", "μ+ libre et μ− capturés",
// "rapport de charge"; "non binné", "histogramme".
QString text(fit::Model model);
QString text(fit::Method method);
// The same in the source language whatever the language spoken: for a file
// whose format does not change with the language (the CSV export).
QString source_text(fit::Model model);
QString source_text(fit::Method method);

// The capture models' lines, shown for them only.
QString rho_caption();    // "rapport de charge ρ ="
QString fixed_caption();  // "valeurs fixées ="
// The materials of the negative muons' lifetime: "carbone" and "oxygène", in
// the program's language.
QString carbon();
QString oxygen();
// "carbone" or "oxygène" for their lifetime, else the lifetime in ns ("1850.5").
QString material_text(double tau_minus_ns);
// The lifetime in ns of "carbone" or "oxygène" (their names in the program's
// language or in French, any case; a number is read by the caller), nothing
// for another text.
std::optional<double> material_lifetime_ns(const QString& name);

// Everything a fit shows, one text per result; the window puts each beside its
// caption, vorns-fit prints them as lines (text_lines).
struct ResultLines {
    QString tau;         // "219.7 ± 3.1" in the data's units; "—" without a lifetime
    QString interval;    // "(−2.9 / +3.4)" when visibly asymmetric, else empty
    QString tau_time;    // "2.197 ± 0.031 µs" (or ns) with one unit worth unit_ns; empty without a lifetime
    QString fermi;       // G_F beside the time: "(1.166 ± 0.016) × 10⁻⁵ GeV⁻²"; empty without the time
    QString fermi_note;  // why that G_F is biased (fermi_matter_note()), or empty
    QString background;  // "2.1 ± 0.4 %", "0 (à la limite)"; "—" for the exponential alone or without a fit
    QString events;      // in the window (the histogram method: in the fitted classes)
    QString chi2;        // "52.3 / 47, p = 0.28", or the chi2 and why there is no p-value
    QString status;      // status_line()
    // The capture models; empty for the others.
    QString rho;           // charge-ratio: "1.31 ± 0.22"
    QString rho_interval;  // charge-ratio: "(−0.20 / +0.25)" when visibly asymmetric
    // mu-capture: "τ− = 2026.3 ns (carbone), ρ = 1.27"; charge-ratio: "τ+ = 2196.98 ns, τ− = 2026.3 ns (carbone)"
    QString fixed;
};

// `unit_ns`: nanoseconds in one unit of the durations (the time line is left
// empty unless it is a finite number above 0).
ResultLines result_lines(const fit::Result& result, double unit_ns);

// The results as the lines of a text report, captions first:
//   Tau ajusté = 219.7 ± 3.1 (−2.9 / +3.4)
//                2.197 ± 0.031 µs
//   G_F / (ħc)³ = (1.166 ± 0.008) × 10⁻⁵ GeV⁻² ; biaisé : …
//   rapport de charge ρ = 1.31 ± 0.22 (−0.20 / +0.25)   (charge-ratio)
//   valeurs fixées = τ− = 2026.3 ns (carbone), ρ = 1.27  (the capture models)
//   fond = 2.1 ± 0.4 %
//   événements dans la fenêtre = 4987
//   chi2 / ddl = 52.3 / 47, p = 0.28
//   convergé
QStringList text_lines(const ResultLines& lines);

}  // namespace fit_text
