#include "fit/run/run_file.h"

#include "analysis/run_times.h"
#include "platform/errors.h"
#include "platform/textfile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

QByteArray file_sha256(const QString& file) {
    // A named pipe is never opened again: that would wait for a writer.
    if (!QFileInfo(file).isFile()) return {};
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly) || f.isSequential()) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f)) return {};
    return hash.result();
}

RunFile read_run_file(const QString& file, RunReading reading) {
    const platform::FileTimes times = platform::file_times(file);
    const std::int32_t size = platform::file_size(file);
    RunFile run;
    try {
        if (reading == RunReading::again_at_changes) platform::raise_unless_regular_file(file);
        run = run_file_of_blocks(file);
    } catch (const platform::Error& e) {
        run.file = file;
        run.unreadable = e.text();
    }
    run.times = times;
    run.size = size;
    if (run.unreadable.isEmpty()) {
        run.canonical = QFileInfo(file).canonicalFilePath();
        run.sha256 = file_sha256(file);
    }
    return run;
}

namespace {

// Room for every record of a file of `size` bytes: a record takes a line of
// one byte or more and its line end (but the last one), whichever line end
// the file uses. Only the records' pages of that storage are touched.
std::size_t records_room(qint64 size) { return static_cast<std::size_t>(std::max<qint64>(size, 0) / 2 + 1); }

// The run of the records the pass put in `minutes` and `durations`.
RunFile run_of_records(const QString& file, const PasseDesLignes& pass, const double* minutes,
                       const double* durations) {
    RunFile run;
    run.file = file;
    run.pass = pass;
    const auto n = static_cast<std::size_t>(std::max(0, pass.nb_enregistrements));
    run.durations.assign(durations, durations + n);
    run.seconds.resize(n);
    for (std::size_t i = 0; i < n; ++i) run.seconds[i] = minutes[i] * 60;
    run.origin_s = heure_de_l_origine_s(pass.origine_temps);
    return run;
}

RunFile run_of_bytes(const QString& file, QByteArrayView bytes) {
    const auto room = records_room(bytes.size());
    const auto minutes = std::make_unique_for_overwrite<double[]>(room);
    const auto durations = std::make_unique_for_overwrite<double[]>(room);
    const PasseDesLignes pass =
        passe_des_octets(bytes, PlaceDesEnregistrements{{minutes.get(), room}, {durations.get(), room}});
    return run_of_records(file, pass, minutes.get(), durations.get());
}

RunFile run_of_blocks(const QString& file) {
    platform::FileBlocks blocks(file);
    // A pipe (/dev/stdin) has no size to make room from, and what was read of
    // it cannot be read again: it is read whole, once.
    if (blocks.sequential()) {
        QByteArray bytes;
        blocks.read_rest_into(bytes);
        return run_of_bytes(file, bytes);
    }
    const auto room = records_room(blocks.size());
    const auto minutes = std::make_unique_for_overwrite<double[]>(room);
    const auto durations = std::make_unique_for_overwrite<double[]>(room);
    const PasseDesLignes pass =
        passe_du_fichier(blocks, PlaceDesEnregistrements{{minutes.get(), room}, {durations.get(), room}});
    // A file that grew past its size while read: read whole.
    if (pass.capacite_depassee) return run_of_bytes(file, platform::read_file_bytes(file));
    return run_of_records(file, pass, minutes.get(), durations.get());
}

}  // namespace

RunFile run_file_of_blocks(const QString& file) {
    return platform::with_memory_for(file, [&] { return run_of_blocks(file); });
}

RunFile run_file_of_bytes(const QString& file, QByteArrayView bytes) {
    return platform::with_memory_for(file, [&] { return run_of_bytes(file, bytes); });
}

KeptRecords kept_records(const RunFile& run, std::span<const ExcludedSpan> spans) {
    return keep_outside(run.durations, run.seconds, run.origin_s, spans,
                        {run.pass.comptages.secondes, run.pass.comptages.muons});
}

bool RunsUnit::refused(std::size_t run) const {
    return std::find(other.begin(), other.end(), run) != other.end() ||
           std::find(unknown.begin(), unknown.end(), run) != unknown.end();
}

RunsUnit runs_unit(std::span<const double> format_units, double unit_ns, bool typed) {
    RunsUnit u{unit_ns, {}, {}};
    if (typed) return u;
    std::optional<double> first;
    for (std::size_t i = 0; i < format_units.size(); ++i) {
        const double unit = format_units[i];
        if (std::isnan(unit)) continue;  // not read
        if (!first) {
            first = unit;
            if (unit > 0) u.unit_ns = unit;
        } else if (unit != *first) {
            (unit > 0 ? u.other : u.unknown).push_back(i);
        }
    }
    return u;
}

bool same_run(const RunFile& a, const RunFile& b) {
    if (!a.canonical.isEmpty() && a.canonical == b.canonical) return true;
    return !a.sha256.isEmpty() && a.sha256 == b.sha256;
}

fit::Request combined_request(const FitChoices& choices, long double dX, std::int32_t n_classe, double unit_ns) {
    fit::Request q;
    q.t_min = choices.t_min;
    q.t_max = choices.t_max;
    q.model = choices.model;
    q.method = choices.method;
    q.unit_ns = unit_ns;
    q.muons = choices.muons;
    q.classes = {dX, n_classe, choices.skipped_classes, {}};
    return q;
}

fit::Combination combine_kept(const fit::Request& request, std::span<const RunToCombine> runs) {
    std::vector<fit::Run> fitted;
    for (const RunToCombine& r : runs) {
        if (r.kept) fitted.push_back({r.kept->durations, {}, r.alone});  // its counts made from its durations kept
    }
    fit::Request q = request;
    q.durations = {};
    q.classes.counts = {};
    return fit::combine_runs(q, fitted);
}

std::vector<fit_text::RunRow> run_rows(std::span<const RunToCombine> runs, const fit::Combination& c) {
    std::vector<fit_text::RunRow> rows;
    std::size_t next = 0;
    for (const RunToCombine& r : runs) {
        if (!r.kept) {
            rows.push_back({r.name, nullptr, fit::kNone, fit::kNone, fit::kNone, r.note});
            continue;
        }
        const KeptRecords& k = *r.kept;
        rows.push_back(
            {r.name, &c.runs[next++], k.span_s, k.live_s, k.rate_known ? k.rate_per_hour : fit::kNone, r.note});
    }
    return rows;
}

std::vector<QString> combined_names(std::span<const RunToCombine> runs) {
    std::vector<QString> names;
    for (const RunToCombine& r : runs) {
        if (r.kept) names.push_back(r.name);
    }
    return names;
}
