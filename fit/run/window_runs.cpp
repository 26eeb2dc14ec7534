#include "fit/run/window_runs.h"

#include "fit/run/duration_choices.h"
#include "fit/text/combine_text.h"
#include "fit/text/fit_text.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "platform/translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <type_traits>

void WindowRuns::follow(const QString& file) {
    if (file == followed_) return;
    followed_ = file;
    std::erase_if(read_, [this](const AddedRun& r) { return !added().contains(r.run.file); });
}

QStringList WindowRuns::added() const {
    const auto it = added_.find(followed_);
    return it == added_.end() ? QStringList() : it->second;
}

void WindowRuns::set_added(const QStringList& files) {
    QStringList kept;
    for (const QString& f : files) {
        if (!f.isEmpty() && !kept.contains(f)) kept << f;
    }
    if (kept.isEmpty()) {
        added_.erase(followed_);
    } else {
        added_[followed_] = kept;
    }
    std::erase_if(read_, [this](const AddedRun& r) { return !added().contains(r.run.file); });
}

void WindowRuns::set_added_by_file(RunsAjoutesParFichier added) {
    added_ = std::move(added);
    std::erase_if(read_, [this](const AddedRun& r) { return !this->added().contains(r.run.file); });
}

std::span<const ExcludedSpan> WindowRuns::spans_of(const QString& file) const {
    const auto it = exclusions_.find(file);
    return it == exclusions_.end() ? std::span<const ExcludedSpan>() : std::span<const ExcludedSpan>(it->second);
}

void WindowRuns::exclude(const QString& file, const ExcludedSpan& span) {
    std::vector<ExcludedSpan>& spans = exclusions_[file];
    if (std::find(spans.begin(), spans.end(), span) == spans.end()) spans.push_back(span);
}

void WindowRuns::remove_exclusion(const QString& file, std::size_t index) {
    const auto it = exclusions_.find(file);
    if (it == exclusions_.end() || index >= it->second.size()) return;
    it->second.erase(it->second.begin() + static_cast<std::ptrdiff_t>(index));
    if (it->second.empty()) exclusions_.erase(it);
}

AddedRun& WindowRuns::read_again_if_changed(const QString& file) {
    const auto it = std::find_if(read_.begin(), read_.end(), [&](const AddedRun& r) { return r.run.file == file; });
    if (it != read_.end()) {
        const platform::FileTimes now = platform::file_times(file);
        if (now.stamp == it->run.times.stamp && now.change == it->run.times.change &&
            platform::file_size(file) == it->run.size) {
            return *it;
        }
        ++reads_;
        *it = AddedRun{read_run_file(file, RunReading::again_at_changes), {}, {}, {}, {}};
        return *it;
    }
    ++reads_;
    read_.push_back(AddedRun{read_run_file(file, RunReading::again_at_changes), {}, {}, {}, {}});
    return read_.back();
}

namespace {

// The texts of the runs fitted together in the program's language.
struct RunsText {
    Q_DECLARE_TR_FUNCTIONS(window_runs)
};

// What the table's last column says of a run: its spans left out, its lines that are no record.
QString note_of(std::span<const ExcludedSpan> spans, std::int64_t excluded, std::int32_t skipped) {
    QStringList parts;
    if (!spans.empty()) parts << excluded_note(spans, excluded);
    if (skipped > 0) parts << RunsText::tr("%n lignes ignorées", nullptr, skipped);
    return parts.join(platform::list_separator());
}

// Whether two requests fit the same durations alike: the same window, model,
// method, classes and, for the capture models, unit and muons.
bool same_fit_choices(const fit::Request& a, const fit::Request& b) {
    const auto same = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    return a.t_min == b.t_min && a.t_max == b.t_max && a.model == b.model && a.method == b.method &&
           a.classes.dX == b.classes.dX && a.classes.n_classe == b.classes.n_classe &&
           a.classes.skipped == b.classes.skipped && same(a.unit_ns, b.unit_ns) &&
           same(a.muons.tau_minus_ns, b.muons.tau_minus_ns) && same(a.muons.rho, b.muons.rho);
}

// The request as the combination reads it: its choices, in the unit given.
fit::Request choices_of(const fit::Request& request, double unit_ns) {
    fit::Request q = request;
    q.durations = {};
    q.classes.counts = {};
    q.unit_ns = unit_ns;
    return q;
}

template <class T>
bool same_values(std::span<const T> a, const std::vector<T>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](T x, T y) {
        if constexpr (std::is_floating_point_v<T>) return x == y || (std::isnan(x) && std::isnan(y));
        return x == y;
    });
}

}  // namespace

bool WindowRuns::same_as_last(const FollowedRun& followed, const fit::Request& choices, double unit_ns) const {
    if (!last_) return false;
    const Last& l = *last_;
    return l.file == followed.file && l.reads == reads_ && l.added == added() && l.exclusions == exclusions_ &&
           (l.unit_ns == unit_ns || (std::isnan(l.unit_ns) && std::isnan(unit_ns))) &&
           same_fit_choices(l.choices, choices) && l.origin_s == followed.origin_s &&
           l.format_unit_ns == followed.format_unit_ns && same_values(followed.durations, l.durations) &&
           same_values(followed.seconds, l.seconds) && same_values(followed.counts.seconds, l.count_seconds) &&
           same_values(followed.counts.muons, l.count_muons);
}

RunsShown WindowRuns::combine(const FollowedRun& followed, const fit::Request& request, double unit_ns) {
    follow(followed.file);
    // The added files changed since their last read are read again (counted in reads_).
    for (const QString& file : added()) {
        if (file != followed.file) read_again_if_changed(file);
    }
    const fit::Request choices = choices_of(request, unit_ns);
    if (same_as_last(followed, choices, unit_ns)) {
        RunsShown shown = last_->shown;
        shown.again = true;
        return shown;
    }
    last_.reset();
    RunsShown shown = combine_anew(followed, request, unit_ns);
    last_ = Last{followed.file,
                 {followed.durations.begin(), followed.durations.end()},
                 {followed.seconds.begin(), followed.seconds.end()},
                 followed.origin_s,
                 {followed.counts.seconds.begin(), followed.counts.seconds.end()},
                 {followed.counts.muons.begin(), followed.counts.muons.end()},
                 followed.format_unit_ns,
                 choices,
                 unit_ns,
                 added(),
                 reads_,
                 exclusions_,
                 shown};
    return shown;
}

RunsShown WindowRuns::combine_anew(const FollowedRun& followed, const fit::Request& request, double unit_ns) {
    std::vector<AddedRun*> added;
    const QStringList added_files = this->added();
    read_.reserve(static_cast<std::size_t>(added_files.size()));  // the runs pointed to stay where they are
    for (const QString& file : added_files) {
        if (file != followed.file) added.push_back(&read_again_if_changed(file));
    }
    // The runs are fitted in the followed run's unit (the one typed, else its
    // format's): an added run joins when its format gives that unit, or gives
    // none while the followed run's format gives none either.
    const auto joins = [&](double format_unit_ns) {
        if (format_unit_ns > 0) return unit_known(unit_ns) && format_unit_ns == unit_ns;
        return !unit_known(unit_ns) || !(followed.format_unit_ns > 0);
    };
    const auto unit_text = [](double u) {
        return unit_known(u) ? platform::general(u) + QStringLiteral(" ns") : RunsText::tr("sans unité");
    };
    // A run given twice (another path to the same file, a copy) would count its events twice.
    RunFile followed_file;
    if (!added.empty()) {
        followed_file.file = followed.file;
        followed_file.canonical = QFileInfo(followed.file).canonicalFilePath();
        // Two files of the same bytes have the same size: the followed file
        // (a megabyte at 50 000 records) is hashed only when an added run
        // may be the same bytes, not at every reload.
        const std::int32_t size = platform::file_size(followed.file);
        const bool may_be_same = size < 0 || std::any_of(added.begin(), added.end(), [size](const AddedRun* a) {
                                     return a->run.size < 0 || a->run.size == size;
                                 });
        if (may_be_same) followed_file.sha256 = file_sha256(followed.file);
    }

    RunsShown shown;
    shown.in_use = !added.empty() || !spans_of(followed.file).empty();
    const KeptRecords followed_kept =
        keep_outside(followed.durations, followed.seconds, followed.origin_s, spans_of(followed.file), followed.counts);
    std::vector<RunToCombine> runs{{platform::name_part(followed.file), &followed_kept,
                                    note_of(spans_of(followed.file), followed_kept.excluded, 0)}};
    shown.files << followed.file;
    shown.combined_files << followed.file;
    QStringList unreadable;
    QStringList other_unit;
    QStringList twice;
    std::vector<const RunFile*> combined{&followed_file};
    const fit::Request q = choices_of(request, unit_ns);
    std::vector<AddedRun*> combined_added;
    for (std::size_t i = 0; i < added.size(); ++i) {
        AddedRun& a = *added[i];
        const QString name = platform::name_part(a.run.file);
        shown.files << a.run.file;
        if (!a.run.unreadable.isEmpty()) {
            unreadable << name + QStringLiteral(" (") + a.run.unreadable + QLatin1Char(')');
            runs.push_back({name, nullptr, RunsText::tr("non lu", "a run")});
            continue;
        }
        const auto same =
            std::find_if(combined.begin(), combined.end(), [&a](const RunFile* r) { return same_run(*r, a.run); });
        if (same != combined.end()) {
            const QString first = platform::name_part((*same)->file);
            twice << QStringLiteral("%1 (= %2)").arg(name, first);
            runs.push_back({name, nullptr, RunsText::tr("même run que %1").arg(first)});
            continue;
        }
        if (!joins(a.run.pass.unite_ns)) {
            const bool known = a.run.pass.unite_ns > 0;
            other_unit << RunsText::tr("%1 (%2, le run suivi %3)", "a run, its unit, the followed run's unit")
                              .arg(name, unit_text(known ? a.run.pass.unite_ns : 0), unit_text(unit_ns));
            runs.push_back({name, nullptr, known ? RunsText::tr("autre unité") : RunsText::tr("unité inconnue")});
            continue;
        }
        // An added run that did not change keeps what was kept of it.
        const std::span<const ExcludedSpan> spans = spans_of(a.run.file);
        const std::vector<ExcludedSpan> now(spans.begin(), spans.end());
        if (!a.kept || a.kept_for != now) {
            a.kept = kept_records(a.run, spans);
            a.kept_for = now;
            a.alone.reset();
        }
        if (a.alone && !same_fit_choices(a.alone_for, q)) a.alone.reset();
        runs.push_back({name, &*a.kept, note_of(spans, a.kept->excluded, a.run.pass.nb_lignes_ignorees),
                        a.alone ? &*a.alone : nullptr});
        combined_added.push_back(&a);
        shown.combined_files << a.run.file;
        combined.push_back(&a.run);
    }
    shown.combination = combine_kept(q, runs);
    // Each added run's own fit, kept until its file, its spans or the choices change.
    for (std::size_t i = 0; i < combined_added.size(); ++i) {
        combined_added[i]->alone = shown.combination.runs[i + 1];
        combined_added[i]->alone_for = q;
    }
    shown.runs = shown.combination.runs.size();
    shown.table = fit_text::run_cells(run_rows(runs, shown.combination));
    shown.combined = fit_text::combined_line(shown.combination.combined, shown.runs, unit_ns);
    shown.consistency = fit_text::consistency_line(shown.combination.consistency, combined_names(runs));
    QStringList status;
    if (!unreadable.isEmpty()) {
        status << RunsText::tr("runs non lus : %1", nullptr, static_cast<int>(unreadable.size()))
                      .arg(unreadable.join(QStringLiteral(", ")));
    }
    if (!other_unit.isEmpty()) {
        status << RunsText::tr("autre unité, non combinés : %1", nullptr, static_cast<int>(other_unit.size()))
                      .arg(other_unit.join(QStringLiteral(", ")));
    }
    if (!twice.isEmpty()) {
        status << RunsText::tr("même run, non combinés : %1", nullptr, static_cast<int>(twice.size()))
                      .arg(twice.join(QStringLiteral(", ")));
    }
    shown.status = status.join(platform::list_separator());
    return shown;
}
