#include "fit/run/run_analysis.h"

#include "analysis/run_times.h"
#include "fit/run/live_time.h"

#include <cmath>

LoadedRun loaded_run(const RecordStore& store, const ClassTable& table, const PasseDesLignes& pass) {
    return LoadedRun{store, table, pass.origine_temps, &pass.comptages, pass.unite_ns};
}

double unit_of_run(double typed_unit_ns, bool typed, double format_unit_ns) {
    return !typed && format_unit_ns > 0 ? format_unit_ns : typed_unit_ns;
}

RunAnalysis analyse_run(const LoadedRun& run, const RunAnalysisChoices& choices, std::span<const ExcludedSpan> spans,
                        const RunAnalysisReuse& reuse) {
    RunAnalysis a;
    // The unit rule.
    a.choices = choices.fit;
    a.choices.unit_ns = unit_of_run(choices.fit.unit_ns, choices.unit_typed, run.format_unit_ns);
    const rate::CountRecords counts =
        run.counts ? rate::CountRecords{run.counts->secondes, run.counts->muons} : rate::CountRecords{};
    const double origin_s = heure_de_l_origine_s(run.origin_time);

    // The records kept: the spans left out leave the fit and the live time.
    a.request = fit_request(run.store, run.table, a.choices);
    if (!spans.empty()) {
        a.kept = keep_outside(a.request.durations, secondes_des_enregistrements(run.store), origin_s, spans, counts);
        a.counts = fit::class_counts(a.kept->durations, a.request.classes.dX, a.request.classes.n_classe);
        a.request.durations = a.kept->durations;
        a.request.classes.counts = a.counts;
    }

    // The fit, made again only when its events changed where a Refit is kept.
    if (reuse.refit) {
        a.result = reuse.refit->fit(a.request);
        a.refitted = !reuse.refit->reused();
    } else {
        a.result = fit::fit_lifetime(a.request);
    }

    // The run's rate, once a load: the records' times in the store.
    const rate::RateAnalysis* rate = reuse.rate;
    if (!rate) {
        a.rate = rate::analyse_rate(rate::TimeLine{minutes_des_enregistrements(run.store), kSecondesParMinute}, origin_s,
                                    choices.rate, counts);
        rate = &*a.rate;
    }
    a.forecast = run_forecast(*rate, a.result, a.choices.precision, a.kept ? &*a.kept : nullptr);
    if (choices.scan) a.scan = fit::stability_scan(a.request, a.result);
    return a;
}
