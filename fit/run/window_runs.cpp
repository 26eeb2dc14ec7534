#include "fit/run/window_runs.h"

#include "analysis/record_pass.h"
#include "analysis/run_times.h"
#include "fit/text/combine_text.h"
#include "fit/text/fit_text.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <algorithm>

RunFile read_run_file(const QString& file) {
    RunFile run;
    run.file = file;
    run.times = platform::file_times(file);
    run.size = platform::file_size(file);
    QByteArray bytes;
    try {
        bytes = platform::read_file_bytes(file);
    } catch (const platform::Error& e) {
        run.unreadable = e.text();
        return run;
    }
    // One record a line at most: room for all of them.
    const auto room = static_cast<std::size_t>(bytes.count('\n')) + 1;
    std::vector<double> minutes(room);
    run.durations.resize(room);
    const PasseDesLignes pass = passe_des_octets(bytes, PlaceDesEnregistrements{minutes, run.durations});
    const auto n = static_cast<std::size_t>(std::max(0, pass.nb_enregistrements));
    run.durations.resize(n);
    run.durations.shrink_to_fit();
    run.seconds.reserve(n);
    for (std::size_t i = 0; i < n; ++i) run.seconds.push_back(minutes[i] * 60);
    run.origin_s = heure_de_l_origine_s(pass.origine_temps);
    run.skipped = pass.nb_lignes_ignorees;
    return run;
}

void WindowRuns::set_added(const QStringList& files) {
    added_.clear();
    for (const QString& f : files) {
        if (!f.isEmpty() && !added_.contains(f)) added_ << f;
    }
    std::erase_if(read_, [this](const RunFile& r) { return !added_.contains(r.file); });
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

RunFile& WindowRuns::read_again_if_changed(const QString& file) {
    const auto it = std::find_if(read_.begin(), read_.end(), [&](const RunFile& r) { return r.file == file; });
    if (it != read_.end()) {
        const platform::FileTimes now = platform::file_times(file);
        if (now.stamp == it->times.stamp && now.change == it->times.change && platform::file_size(file) == it->size) {
            return *it;
        }
        ++reads_;
        *it = read_run_file(file);
        return *it;
    }
    ++reads_;
    read_.push_back(read_run_file(file));
    return read_.back();
}

namespace {

// What the table's last column says of a run: its spans left out, its lines that are no record.
QString note_of(std::span<const ExcludedSpan> spans, std::int64_t excluded, std::int32_t skipped) {
    QStringList parts;
    if (!spans.empty()) parts << excluded_note(spans, excluded);
    if (skipped > 0)
        parts << QStringLiteral("%1 ligne%2 ignorée%2").arg(platform::decimal(skipped), skipped > 1 ? "s" : "");
    return parts.join(QStringLiteral(" ; "));
}

}  // namespace

RunsShown WindowRuns::combine(const FollowedRun& followed, const fit::Request& request, double unit_ns) {
    struct Input {
        QString file;
        std::span<const double> durations;
        std::span<const double> seconds;
        double origin_s = 0;
        std::int32_t skipped = 0;
        QString unreadable;
        RunFile* added = nullptr;  // null for the followed run
    };
    std::vector<Input> inputs{{followed.file, followed.durations, followed.seconds, followed.origin_s, 0, {}}};
    read_.reserve(static_cast<std::size_t>(added_.size()));  // the runs pointed to stay where they are
    for (const QString& file : added_) {
        if (file == followed.file) continue;
        RunFile& r = read_again_if_changed(file);
        inputs.push_back({file, r.durations, r.seconds, r.origin_s, r.skipped, r.unreadable, &r});
    }
    RunsShown shown;
    shown.in_use = inputs.size() > 1 || !spans_of(followed.file).empty();
    std::optional<KeptRecords> followed_kept;
    std::vector<const KeptRecords*> kept;
    std::vector<fit::Run> runs;
    std::vector<QString> names;
    QStringList unreadable;
    for (const Input& in : inputs) {
        if (!in.unreadable.isEmpty()) {
            unreadable << platform::name_part(in.file) + QStringLiteral(" (") + in.unreadable + QLatin1Char(')');
            continue;
        }
        const std::span<const ExcludedSpan> spans = spans_of(in.file);
        if (!in.added) {
            followed_kept = keep_outside(in.durations, in.seconds, in.origin_s, spans);
            kept.push_back(&*followed_kept);
        } else {
            // An added run that did not change keeps what was kept of it.
            const std::vector<ExcludedSpan> now(spans.begin(), spans.end());
            if (!in.added->kept || in.added->kept_for != now) {
                in.added->kept = keep_outside(in.durations, in.seconds, in.origin_s, spans);
                in.added->kept_for = now;
            }
            kept.push_back(&*in.added->kept);
        }
        runs.push_back({kept.back()->durations, {}});
        names.push_back(platform::name_part(in.file));
    }
    fit::Request classes = request;
    classes.durations = {};
    classes.classes.counts = {};  // each run's counts made from its durations kept
    shown.combination = fit::combine_runs(classes, runs);
    shown.runs = runs.size();

    std::vector<fit_text::RunRow> rows;
    std::size_t next = 0;
    for (const Input& in : inputs) {
        shown.files << in.file;
        if (!in.unreadable.isEmpty()) {
            rows.push_back(
                {platform::name_part(in.file), nullptr, fit::kNone, fit::kNone, fit::kNone, QStringLiteral("non lu")});
            continue;
        }
        const KeptRecords& k = *kept[next];
        rows.push_back({names[next], &shown.combination.runs[next], k.span_s, k.live_s,
                        k.rate_known ? k.rate_per_hour : fit::kNone,
                        note_of(spans_of(in.file), k.excluded, in.skipped)});
        ++next;
    }
    shown.table = fit_text::run_cells(rows);
    shown.combined = fit_text::combined_line(shown.combination.combined, shown.runs, unit_ns);
    shown.consistency = fit_text::consistency_line(shown.combination.consistency, names);
    if (!unreadable.isEmpty()) {
        shown.unreadable =
            (unreadable.size() > 1 ? QStringLiteral("runs non lus : ") : QStringLiteral("run non lu : ")) +
            unreadable.join(QStringLiteral(", "));
    }
    return shown;
}
