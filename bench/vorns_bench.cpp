// The benchmark of the load and refresh path on generated runs of 5 000 and
// 50 000 records. It prints one line per figure (the median of repeated runs)
// with its target, the growth ratio 50 000 / 5 000 of the whole load, the
// resident memory with 50 000 records loaded, and, when NumPy and Matplotlib
// are there, the ratio against the same work done by a Python script.
#include "app/tform1.h"
#include "bench/bench_files.h"
#include "datafile/file_state.h"
#include "platform/numbers.h"
#include "platform/seams.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

QTemporaryDir* g_folder = nullptr;
TForm1* g_form = nullptr;
int g_messages = 0;
std::map<std::string, QString> g_files;

QString run_file(int events, bool comma = false) {
    const std::string key = std::to_string(events) + (comma ? "c" : "");
    auto it = g_files.find(key);
    if (it == g_files.end()) it = g_files.emplace(key, write_run_file(g_folder->path(), events, comma)).first;
    return it->second;
}

// Loads the file as a user's choice would, so every later figure works on it.
void load(const QString& path) {
    file_state.fichier_donnees = path;
    g_form->charge_le_fichier(path);
}

void BM_whole_load(benchmark::State& state, bool comma) {
    const QString path = run_file(static_cast<int>(state.range(0)), comma);
    file_state.fichier_donnees = path;
    for (auto _ : state) g_form->charge_le_fichier(path);
}

void BM_record_pass(benchmark::State& state) {
    load(run_file(static_cast<int>(state.range(0))));
    for (auto _ : state) g_form->traite_les_lignes_memo();
}

void BM_class_pass(benchmark::State& state) {
    load(run_file(static_cast<int>(state.range(0))));
    for (auto _ : state) g_form->affecte_classe();
}

void BM_redraw(benchmark::State& state, int plot) {
    load(run_file(static_cast<int>(state.range(0))));
    for (auto _ : state) g_form->trace_graphe(plot);
}

void BM_tick_unchanged(benchmark::State& state) {
    load(run_file(static_cast<int>(state.range(0))));
    g_form->sound_CheckBox8->setChecked(false);
    for (auto _ : state) g_form->Timer1Timer();
}

struct Target {
    const char* name;
    double limit_ms;
};

// Collects the medians as the console reporter prints its table.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians_ms;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            // "whole_load/5000" without the repetition suffix
            std::string name = run.run_name.function_name + "/" + run.run_name.args;
            medians_ms[name] = run.GetAdjustedRealTime();
        }
    }
};

long resident_kib() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double peer_seconds(const QString& path) {
    QProcess peer;
    peer.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(VORNS_PEER_SCRIPT), path, QStringLiteral("--repeat"), QStringLiteral("7")});
    if (!peer.waitForFinished(300000) || peer.exitCode() != 0) {
        std::printf("peer: not run (%s)\n", peer.readAllStandardOutput().trimmed().constData());
        return -1;
    }
    const QByteArray out = peer.readAllStandardOutput().trimmed();
    const auto eq = out.lastIndexOf('=');
    return eq < 0 ? -1 : out.mid(eq + 1).toDouble();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::set_decimal_separator(QLatin1Char('.'));
    platform::Seams& seams = platform::seams();
    seams.show_message = [](const QString& text) {
        ++g_messages;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    };
    seams.beep = [] {};
    seams.tone = [](int, int) {};
    seams.play_wave = [](const QString&) -> std::optional<QString> { return std::nullopt; };

    QTemporaryDir folder;
    g_folder = &folder;
    auto form = std::make_unique<TForm1>();
    g_form = form.get();
    g_form->Timer1->stop();
    g_form->show();

    // Every benchmark: milliseconds, repeated, medians reported.
    auto each = [](benchmark::internal::Benchmark* b, int n) {
        b->Arg(n)->Unit(benchmark::kMillisecond)->Repetitions(11)->ReportAggregatesOnly(true);
    };
    for (int n : {5000, 50000}) {
        each(benchmark::RegisterBenchmark("whole_load", BM_whole_load, false), n);
        each(benchmark::RegisterBenchmark("record_pass", BM_record_pass), n);
        each(benchmark::RegisterBenchmark("class_pass", BM_class_pass), n);
        each(benchmark::RegisterBenchmark("redraw_plot1", BM_redraw, 1), n);
        each(benchmark::RegisterBenchmark("redraw_plot2", BM_redraw, 2), n);
        each(benchmark::RegisterBenchmark("tick_unchanged", BM_tick_unchanged), n);
    }
    each(benchmark::RegisterBenchmark("whole_load_decimal_comma", BM_whole_load, true), 50000);

    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const Target targets[] = {
        {"whole_load/5000", 8},     {"whole_load/50000", 50},   {"record_pass/5000", 1},
        {"record_pass/50000", 10},  {"redraw_plot1/5000", 2},   {"redraw_plot1/50000", 15},
        {"tick_unchanged/5000", 0.2}, {"tick_unchanged/50000", 0.2},
    };
    std::printf("\nfigures (median ms)\n");
    for (const auto& [name, ms] : reporter.medians_ms) {
        double limit = -1;
        for (const Target& t : targets) {
            if (name == t.name) limit = t.limit_ms;
        }
        if (limit > 0) {
            std::printf("%-32s %9.3f ms  target <= %g ms  %s\n", name.c_str(), ms, limit, ms <= limit ? "met" : "MISSED");
        } else {
            std::printf("%-32s %9.3f ms\n", name.c_str(), ms);
        }
    }
    const auto small = reporter.medians_ms.find("whole_load/5000");
    const auto big = reporter.medians_ms.find("whole_load/50000");
    if (small != reporter.medians_ms.end() && big != reporter.medians_ms.end() && small->second > 0) {
        const double ratio = big->second / small->second;
        std::printf("growth whole_load 50000/5000        %9.2f     target <= 12  %s\n", ratio, ratio <= 12 ? "met" : "MISSED");
    }
    load(run_file(50000));
    const long kib = resident_kib();
    std::printf("resident memory, 50000 loaded      %9.1f MB  target < 150 MB  %s\n", static_cast<double>(kib) / 1024.0,
                kib >= 0 && kib < 150 * 1024 ? "met" : "MISSED");
    if (big != reporter.medians_ms.end()) {
        const double peer = peer_seconds(run_file(50000));
        if (peer > 0) {
            std::printf("peer (Python) reload, 50000        %9.3f ms\n", peer * 1000);
            std::printf("ratio peer / vorns whole_load      %9.1f x faster\n", peer * 1000 / big->second);
        }
    }
    if (g_messages > 0) std::printf("warning: %d message(s) were shown during the run\n", g_messages);
    return 0;
}
