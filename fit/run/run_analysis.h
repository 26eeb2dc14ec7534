#pragma once
// One analysis of a loaded run, in one order for every caller (vorns-fit, the
// run report, the analysis window, the session that follows a run): the unit
// rule (the one typed wins, else the unit the file's format gives), the spans
// left out of the run, the fit, the run's rate, the forecast at its live time
// and the stability of tau against t min.
//
//   RunAnalysisChoices c{fit_choices, unit_typed};
//   const RunAnalysis a = analyse_run(LoadedRun{store, table, pass}, c, spans);
//   a.result.tau, a.rate->mean_rate, a.forecast, a.scan
#include "analysis/class_table.h"
#include "analysis/rate/rate.h"
#include "analysis/record_pass.h"
#include "analysis/record_store.h"
#include "fit/forecast.h"
#include "fit/refit.h"
#include "fit/run/fit_choices.h"
#include "fit/run/run_exclusions.h"
#include "fit/stability.h"

#include <optional>
#include <span>

// The run as its load left it: the records in `store`, the classes of the last
// class pass in `table`, the record pass's numbers (the time origin, the count
// records, the unit of its format).
struct LoadedRun {
    const RecordStore& store;
    const ClassTable& table;
    long double origin_time = 0;          // PasseDesLignes::origine_temps
    const Comptages* counts = nullptr;    // the count records, if any
    double format_unit_ns = 0;            // PasseDesLignes::unite_ns; 0: none
};
LoadedRun loaded_run(const RecordStore& store, const ClassTable& table, const PasseDesLignes& pass);

struct RunAnalysisChoices {
    FitChoices fit;
    bool unit_typed = false;  // the unit was typed: it wins over the one the format gives
    bool scan = true;         // the stability scan (ten fits more)
    rate::RateChoices rate;   // the rate's bins, when they are shown
};

// What a caller already holds of this load, which the analysis takes instead
// of making it again.
struct RunAnalysisReuse {
    // The fit made again only when its events changed (the followed run's).
    fit::Refit* refit = nullptr;
    // The run's rate of this load, made once for every reader.
    const rate::RateAnalysis* rate = nullptr;
};

struct RunAnalysis {
    FitChoices choices;               // as fitted: the unit taken
    std::optional<KeptRecords> kept;  // the records outside the spans left out; none without spans
    std::vector<std::int32_t> counts; // the kept records' classes (their request's counts)
    fit::Request request;             // refers to the store and table, or to `kept` and `counts`
    fit::Result result;
    bool refitted = true;             // false: the Refit gave its last result back
    std::optional<rate::RateAnalysis> rate;  // made here; none when the caller gave its own
    fit::Forecast forecast;
    std::optional<fit::StabilityScan> scan;  // when asked for
};

// The unit of a run's fit: the one typed when `typed` or when the format gives
// none, else the format's.
double unit_of_run(double typed_unit_ns, bool typed, double format_unit_ns);

// The analysis of `run` with these choices, its records in `spans` left out.
// The request and the kept records point into `run` and into the result: keep
// both while the request is read. A capture model without a unit is refused
// by the fit (its status says so); a caller that stops there checks first.
RunAnalysis analyse_run(const LoadedRun& run, const RunAnalysisChoices& choices,
                        std::span<const ExcludedSpan> spans = {}, const RunAnalysisReuse& reuse = {});
