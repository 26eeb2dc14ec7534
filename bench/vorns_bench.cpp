// The benchmark of the load and refresh path on generated runs of 5 000 and
// 50 000 records. It prints one line per figure (the median of repeated runs)
// with its target, the growth ratio 50 000 / 5 000 of the whole load, the
// resident memory with 50 000 records loaded, and, when NumPy and Matplotlib
// are there, the ratio against the same work done by a Python script.
//
// What each figure times:
//   whole_load           charge_le_fichier: read, memo, header labels, record
//                        pass with the class pass and its listing, both redraws
//   load_without_redraws the same load with the two plot redraws switched off
//   record_pass          the widget-free record pass over the memo lines
//   class_pass           affecte_classe: classes, figures, trace and listing memos
//   redraw_plot1/2       trace_graphe(1) / trace_graphe(2)
//   tick_unchanged       Timer1Timer on a file that has not changed
//   whole_load_decimal_comma  the whole load of a file written with ',' marks
//   lifetime_fit         fit::fit_lifetime of the records, exponential plus
//                        background on [10, 2000], with its interval and chi2
//   stability_scan       the same fit and fit::stability_scan after it (ten
//                        fits more, t min stepped up over two lifetimes)
//   run_rate             what a reload adds while the "taux" tab is shown or
//                        the run is followed: the watch's mark, the records'
//                        times from the run's state, rate::analyse_rate (rate,
//                        gaps, bins, chi2, drift)
//   combined_fit_grid    fit::fit_combined of 20 runs of 50 000 durations on
//                        a clock grid of 0.1 (exp + flat on [10, 2000]): the
//                        runs' values counted, one likelihood fitted
//   combined_fit_continuous  the same with durations on no grid
//   combine_runs_grid    fit::combine_runs of the runs on a grid: the
//                        combination, each run alone, the consistency
//   load_bytes           charge_les_octets, the load of a file's bytes already
//                        read: record pass, class pass, class points
//   load_file            charge_le_fichier, vorns-fit's load of a file read
//                        in blocks: the file opened, read, and loaded
//   reload_repainted     the whole load and the event processing after it
//                        (the repaints, the plots' queued redraws), fit window closed
//   reload_fit_window    the same with the fit window open: its fit, its texts,
//                        its histogram and convergence plots redrawn
//   run_report           vorns-fit --report of the run: the file's bytes read,
//                        loaded, fitted with its stability scan and the fits of
//                        the run as it grew, its rate, the PDF drawn
//   reload_new_events(_fit_window)  the same, reloading in turn the run and
//                        the run with 100 records fewer, fit window closed / open
//   reload_shared        reload_new_events_fit_window with the run shared: the
//                        page, run.json and both SVG plots made at each reload
//   reload_shared_requests  the same while another thread asks the page's
//                        server without a pause (run.json, a plot, a wrong
//                        token in turn, a connection each): serving holds no reload
//
//     vorns-bench [benchmark options]
//     vorns-bench --profile WORK RECORDS [COUNT]   runs one work COUNT times
//                                                  (for callgrind), nothing timed
//     vorns-bench --write-runs FOLDER              writes the run of 50 000
//                                                  records and the run's title
//                                                  lines alone (scripts/bench.sh
//                                                  times vorns-fit on both)
#include "analysis/load.h"
#include "analysis/rate/rate.h"
#include "analysis/record_pass.h"
#include "app/fit_window.h"
#include "app/tform1.h"
#include "bench/bench_files.h"
#include "bench/bench_text.h"
#include "fit/combine.h"
#include "fit/lifetime_fit.h"
#include "fit/stability.h"
#include "platform/memory.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "report/report_pages.h"

#include <QApplication>
#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

QTemporaryDir* g_folder = nullptr;
TForm1* g_form = nullptr;
int g_messages = 0;
std::map<std::string, QString> g_files;

// The lines of the files whose reading per line is compared.
constexpr int kLinesRead = 50003;

QString run_file(int events, bool comma = false) {
    const std::string key = std::to_string(events) + (comma ? "c" : "");
    auto it = g_files.find(key);
    if (it == g_files.end()) it = g_files.emplace(key, write_run_file(g_folder->path(), events, comma)).first;
    return it->second;
}

// Loads the file as a user's choice would, so every later figure works on it.
void load(const QString& path) {
    g_form->etat().file_state.fichier_donnees = path;
    g_form->charge_le_fichier(path);
}

// One unit of each work, on a file already loaded where the work needs one.
using Work = std::function<void()>;

Work whole_load(int events, bool comma) {
    const QString path = run_file(events, comma);
    g_form->etat().file_state.fichier_donnees = path;
    return [path] { g_form->charge_le_fichier(path); };
}

Work load_without_redraws(int events) {
    const QString path = run_file(events);
    g_form->etat().file_state.fichier_donnees = path;
    return [path] { g_form->charge_le_fichier(path, TForm1::Traces::sans); };
}

Work record_pass(int events) {
    load(run_file(events));
    return
        [] { benchmark::DoNotOptimize(passe_des_lignes(g_form->Memo1->packedLines(), g_form->etat().record_store)); };
}

// The reading of a file's lines (the record pass over its bytes, as
// vorns-fit's load reads them, and over the memo's lines, as the window does)
// in the acquisition format, in two integers a line or as a DAQ card's raw
// stream, of about as many lines.
struct FichierLu {
    QByteArray bytes;
    platform::PackedLines lines;
};
enum class Lu { acquisition, two_integers, raw_stream };
Work reading(int lines, Lu format, bool memo) {
    const QString path = format == Lu::two_integers ? write_two_integers_file(g_folder->path(), lines)
                         : format == Lu::raw_stream ? write_raw_stream_file(g_folder->path(), lines)
                                                    : run_file(lines - 3);
    auto lecture = std::make_shared<FichierLu>();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) lecture->bytes = file.readAll();
    lecture->lines.read_file(path);
    return [lecture, memo] {
        RecordStore& store = g_form->etat().record_store;
        if (memo) {
            benchmark::DoNotOptimize(passe_des_lignes(lecture->lines, store));
        } else {
            benchmark::DoNotOptimize(passe_des_octets(lecture->bytes, store));
        }
    };
}

Work class_pass(int events) {
    load(run_file(events));
    return [] { g_form->affecte_classe(); };
}

Work redraw(int events, int plot) {
    load(run_file(events));
    return [plot] { g_form->trace_graphe(plot); };
}

// Reloads made by the timer during the tick figures: none on an unchanged file.
int g_tick_reloads = 0;

Work tick_unchanged(int events) {
    load(run_file(events));
    g_form->sound_CheckBox8->setChecked(false);
    return [] {
        const int before = g_form->rechargements_par_le_timer;
        g_form->Timer1Timer();
        g_tick_reloads += g_form->rechargements_par_le_timer - before;
    };
}

// The fit of the records loaded, exponential plus background on [10, 2000].
fit::Request fit_request_of_the_records() {
    fit::Request request;
    const RecordStore& store = g_form->etat().record_store;
    request.durations = store.durations();
    request.t_min = 10;
    request.t_max = 2000;
    request.classes = {10, 200, 0, {}};
    return request;
}

Work lifetime_fit(int events) {
    load(run_file(events));
    return [] { benchmark::DoNotOptimize(fit::fit_lifetime(fit_request_of_the_records())); };
}

// The stability scan of that fit: t min stepped up over two lifetimes, ten fits
// more; the fit window makes it with its fit (no target).
Work stability_scan(int events) {
    load(run_file(events));
    return [] {
        const fit::Request request = fit_request_of_the_records();
        benchmark::DoNotOptimize(fit::stability_scan(request, fit::fit_lifetime(request)));
    };
}

Work run_report(int events) {
    const QString path = run_file(events);
    return [path] {
        RunReport report;
        report.version = QStringLiteral("bench");
        report.made = QDateTime::currentDateTime();
        report.classes = {10, 2000, false};
        report.choices.t_min = 10;
        report.choices.t_max = 2000;
        const RecordStoreNeuf store = nouveau_record_store();
        auto table = std::make_unique<ClassTable>();
        report.runs.push_back(report_run(report, path, platform::read_file_bytes(path), {}, {}, *store, *table));
        benchmark::DoNotOptimize(report_pdf(report, QPageSize(QPageSize::A4)));
    };
}

// Runs of a lifetime of 220 with 5 % of flat background on [0, 2200], their
// durations on a clock grid of step 0.1 or on none (step 0), together
// `events` durations in runs of 50 000.
Work combined_fit(int events, double step, bool each_alone) {
    auto runs = std::make_shared<std::vector<std::vector<double>>>();
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> uniform(0, 1);
    for (int first = 0; first < events; first += 50000) {
        std::vector<double>& run = runs->emplace_back();
        for (int i = first; i < std::min(events, first + 50000); ++i) {
            const double t = uniform(random) < 0.05 ? 2200 * uniform(random) : -220 * std::log(1 - uniform(random));
            // As read from a file's decimals: the nearest double of each grid value.
            run.push_back(step > 0 ? std::round(t / step) / std::round(1 / step) : t);
        }
    }
    return [runs, each_alone] {
        std::vector<fit::Run> each;
        for (const std::vector<double>& run : *runs) each.push_back({run, {}});
        fit::Request request;
        request.t_min = 10;
        request.t_max = 2000;
        request.classes = {10, 200, 0, {}};
        if (each_alone) {
            benchmark::DoNotOptimize(fit::combine_runs(request, each));
        } else {
            benchmark::DoNotOptimize(fit::fit_combined(request, each));
        }
    };
}

Work run_rate(int events) {
    load(run_file(events));
    // What a reload adds while the "taux" tab is shown or the run is followed:
    // the watch's mark, the time line from the run's state and its analysis.
    return [] {
        SurveillanceDuRun& watch = g_form->surveillance();
        watch.apres_chargement(g_form->etat());
        benchmark::DoNotOptimize(watch.analyse(g_form->etat()));
    };
}

Work load_bytes(int events) {
    QFile file(run_file(events));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return [bytes] {
        RunState& run = g_form->etat();
        benchmark::DoNotOptimize(charge_les_octets(bytes, ChoixDesClasses{}, run.record_store, run.class_table));
    };
}

Work load_file(int events) {
    const QString path = run_file(events, false);
    return [path] {
        RunState& run = g_form->etat();
        platform::FileBlocks blocks(path);
        benchmark::DoNotOptimize(charge_le_fichier(blocks, ChoixDesClasses{}, run.record_store, run.class_table));
    };
}

// A client asking the shared page's server without a pause, from its own
// thread, as long as it lives: plain sockets, a connection a request.
class Asker {
public:
    Asker(quint16 port, QByteArray page) : thread_([this, port, page] {
        const QByteArray requests[] = {"GET " + page + "run.json", "GET " + page + "histogram.svg",
                                       "GET /run/0123456789abcdef0123456789abcdef/run.json"};
        for (int turn = 0; !stop_; ++turn) {
            const int s = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in to{};
            to.sin_family = AF_INET;
            to.sin_port = htons(port);
            to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            if (::connect(s, reinterpret_cast<const sockaddr*>(&to), sizeof to) == 0) {
                const QByteArray request = requests[turn % 3] + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n";
                if (::send(s, request.constData(), static_cast<std::size_t>(request.size()), 0) > 0) {
                    char buffer[65536];
                    while (::recv(s, buffer, sizeof buffer, 0) > 0) {
                    }
                    ++answered;
                }
            }
            ::close(s);
        }
    }) {}
    ~Asker() {
        stop_ = true;
        thread_.join();
    }
    std::atomic<long> answered{0};

private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
std::unique_ptr<Asker> g_asker;

// vorns-fit's load of a file one of whose lines is `megabytes` long (junk
// between records, never a record): the line is read once whatever its
// length, so the time grows as the line does, not as its square.
Work long_line_file(int megabytes) {
    const QString path = g_folder->filePath(QStringLiteral("long_%1.txt").arg(megabytes));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write("Run\r\nB\r\nHeure\tDuree\r\n10:00:00\t1\r\n10:00:01\t2\r\n");
        file.write(QByteArray(static_cast<qsizetype>(megabytes) << 20, 'x'));
        file.write("\r\n10:00:02\t3\r\n");
    }
    file.close();
    return [path] {
        RunState& run = g_form->etat();
        platform::FileBlocks blocks(path);
        benchmark::DoNotOptimize(charge_le_fichier(blocks, ChoixDesClasses{}, run.record_store, run.class_table));
    };
}

// The whole load with what the event loop does after it, timed together, the
// fit window open or closed.
Work reload_repainted(int events, bool fit_window) {
    g_asker.reset();
    const QString path = run_file(events);
    load(path);
    FenetreAjustement* window = g_form->fenetre_ajustement();
    if (window && window->onglet_partage->partage()) window->onglet_partage->Bouton_partager->click();
    if (fit_window && !(window && window->isVisible())) {
        g_form->SpeedButton_ajustementClick();
    } else if (!fit_window && window) {
        window->hide();
    }
    QCoreApplication::processEvents();
    return [path] {
        g_form->charge_le_fichier(path);
        QCoreApplication::processEvents();
    };
}

// The same, reloading in turn the run and the run with 100 records fewer (the
// record store holds 50 000): the fit window's fit is made again at each
// reload, its events having changed.
Work reload_new_events(int events, bool fit_window) {
    const QString paths[] = {run_file(events), run_file(events - 100)};
    reload_repainted(events, fit_window);
    return [paths, turn = 0]() mutable {
        g_form->charge_le_fichier(paths[++turn % 2]);
        QCoreApplication::processEvents();
    };
}

// reload_new_events with the fit window open and the run shared, asked or not.
Work reload_shared(int events, bool asked) {
    Work work = reload_new_events(events, true);
    OngletPartage& partage = *g_form->fenetre_ajustement()->onglet_partage;
    partage.SpinBox_port->setValue(0);
    partage.Bouton_partager->click();
    if (asked) {
        g_asker = std::make_unique<Asker>(partage.serveur().port(),
                                          "/run/" + partage.serveur().token() + "/");
    }
    return work;
}

// The tabs of the analysis window, in its order, as the figures name them.
constexpr const char* kTabs[] = {"histogramme", "convergence", "stabilite", "taux", "runs"};

// The whole reload with the analysis window open on one tab; on the "runs"
// tab, three runs added to the followed one (their files unchanged: their
// own fits are kept, the combination is made again).
Work reload_on_tab(int events, int tab) {
    Work work = reload_repainted(events, true);
    FenetreAjustement* window = g_form->fenetre_ajustement();
    if (tab == 4 && window->onglet_runs->runs().added().isEmpty()) {
        const QStringList three{run_file(5000), run_file(10000), run_file(20000)};
        platform::Seams& seams = platform::seams();
        seams.choose_open_files = [three](const platform::OpenFileRequest&) -> std::optional<QStringList> {
            return three;
        };
        window->onglet_runs->ajoute_des_runs();
        seams.choose_open_files = nullptr;
    }
    window->Onglets->setCurrentIndex(tab);
    QCoreApplication::processEvents();
    return work;
}

// reload_new_events with the analysis window on its "taux" tab: the rate and
// its plot made again at each reload, as while a run grows.
Work reload_new_events_taux(int events) {
    Work work = reload_new_events(events, true);
    g_form->fenetre_ajustement()->Onglets->setCurrentIndex(3);
    QCoreApplication::processEvents();
    return work;
}

Work work_by_name(const std::string& name, int events) {
    for (int tab = 0; tab < 5; ++tab) {
        if (name == std::string("reload_tab_") + kTabs[tab]) return reload_on_tab(events, tab);
    }
    if (name == "whole_load") return whole_load(events, false);
    if (name == "whole_load_decimal_comma") return whole_load(events, true);
    if (name == "load_without_redraws") return load_without_redraws(events);
    if (name == "record_pass") return record_pass(events);
    if (name == "class_pass") return class_pass(events);
    if (name == "read_acquisition_bytes") return reading(events, Lu::acquisition, false);
    if (name == "read_two_integers_bytes") return reading(events, Lu::two_integers, false);
    if (name == "read_raw_stream_bytes") return reading(events, Lu::raw_stream, false);
    if (name == "read_acquisition_memo") return reading(events, Lu::acquisition, true);
    if (name == "read_two_integers_memo") return reading(events, Lu::two_integers, true);
    if (name == "read_raw_stream_memo") return reading(events, Lu::raw_stream, true);
    if (name == "redraw_plot1") return redraw(events, 1);
    if (name == "redraw_plot2") return redraw(events, 2);
    if (name == "tick_unchanged") return tick_unchanged(events);
    if (name == "lifetime_fit") return lifetime_fit(events);
    if (name == "stability_scan") return stability_scan(events);
    if (name == "run_rate") return run_rate(events);
    if (name == "load_bytes") return load_bytes(events);
    if (name == "load_file") return load_file(events);
    if (name == "long_line_file") return long_line_file(events);
    if (name == "run_report") return run_report(events);
    if (name == "combined_fit_grid") return combined_fit(events, 0.1, false);
    if (name == "combined_fit_continuous") return combined_fit(events, 0, false);
    if (name == "combine_runs_grid") return combined_fit(events, 0.1, true);
    if (name == "reload_repainted") return reload_repainted(events, false);
    if (name == "reload_fit_window") return reload_repainted(events, true);
    if (name == "reload_new_events") return reload_new_events(events, false);
    if (name == "reload_shared") return reload_shared(events, false);
    if (name == "reload_shared_requests") return reload_shared(events, true);
    if (name == "reload_new_events_fit_window") return reload_new_events(events, true);
    if (name == "reload_new_events_tab_taux") return reload_new_events_taux(events);
    return {};
}

void run_benchmark(benchmark::State& state, const std::string& name) {
    const Work work = work_by_name(name, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        work();
        // What the event loop does after a handler (paint events, posted
        // events) runs between two handlers, outside the measured time, so
        // that nothing piles up from one run to the next.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    // The tick starts the timer; the other figures are measured without it.
    g_form->Timer1->stop();
}

// Whether Timer1Timer does anything yet: its heartbeat turns Panel1 olive or
// teal at every tick.
bool tick_is_a_stub() {
    const QColor before = g_form->Panel1->color();
    g_form->Timer1Timer();
    g_form->Timer1->stop();
    return g_form->Panel1->color() == before;
}

// Collects the medians as the console reporter prints its table.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> medians_ms;
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name != "median") continue;
            // "whole_load/5000" without the repetition suffix
            medians_ms[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
        }
    }
};

long status_kib(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(static_cast<qsizetype>(std::strlen(field))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double peer_seconds(const QString& path) {
    QProcess peer;
    peer.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral(VORNS_PEER_SCRIPT), path, QStringLiteral("--repeat"), QStringLiteral("7")});
    if (!peer.waitForFinished(300000) || peer.exitStatus() != QProcess::NormalExit || peer.exitCode() != 0) {
        const QByteArray why = (peer.readAllStandardOutput() + peer.readAllStandardError()).trimmed();
        std::printf("peer (Python) reload, 50000        not run: %s\n",
                    why.isEmpty() ? qPrintable(peer.errorString()) : why.constData());
        return -1;
    }
    const QByteArray out = peer.readAllStandardOutput().trimmed();
    const auto eq = out.lastIndexOf('=');
    return eq < 0 ? -1 : out.mid(eq + 1).toDouble();
}

struct Figure {
    const char* work;
    const char* title;
    double target_5000_ms;  // 0: no target
    double target_50000_ms;
};

// In the order of the table of targets, then the figures without a target.
constexpr Figure kFigures[] = {
    {"whole_load", "whole charge_le_fichier", 8, 50},
    {"load_without_redraws", "charge_le_fichier without the plot redraws", 0, 35},
    {"record_pass", "record pass alone (passe_des_lignes)", 1, 10},
    {"redraw_plot1", "redraw of plot 1", 2, 15},
    {"tick_unchanged", "a tick on an unchanged file", 0.2, 0.2},
    {"lifetime_fit", "lifetime fit, exp + flat with interval", 1, 5},
    {"run_rate", "run's rate a reload adds (time line, analyse_rate)", 0.1, 1},
    {"run_report", "run report: load, fits, PDF (vorns-fit --report)", 0, 1000},
    {"class_pass", "class pass with its listing (affecte_classe)", 0, 0},
    {"stability_scan", "lifetime fit and its stability scan (ten fits more)", 0, 0},
    {"load_bytes", "load of a file's bytes (charge_les_octets)", 0, 0},
    {"load_file", "vorns-fit's load of a file read in blocks (charge_le_fichier)", 0, 0},
    {"redraw_plot2", "redraw of plot 2", 0, 0},
};

int profile(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: vorns-bench --profile WORK RECORDS [COUNT]\n");
        return 2;
    }
    const Work work = work_by_name(argv[2], int_argument(argv[3], 0));
    if (!work) {
        std::fprintf(stderr, "vorns-bench: no work named %s\n", argv[2]);
        return 2;
    }
    const int count = argc > 4 ? int_argument(argv[4], 10) : 10;
    for (int i = 0; i < count; ++i) {
        work();
        QCoreApplication::processEvents();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The heap kept for the next fit as the programs keep it.
    platform::keep_freed_memory_for_reuse();
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

    if (argc > 1 && std::strcmp(argv[1], "--profile") == 0) return profile(argc, argv);
    if (argc > 2 && std::strcmp(argv[1], "--write-runs") == 0) {
        const QString runs = QString::fromLocal8Bit(argv[2]);
        std::printf("%s\n%s\n", qPrintable(write_run_file(runs, 50000, false)), qPrintable(write_title_file(runs)));
        return 0;
    }

    // Every benchmark: milliseconds, repeated, medians reported.
    auto each = [](const std::string& name, int n) {
        benchmark::RegisterBenchmark(name.c_str(), run_benchmark, name)
            ->Arg(n)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(11)
            ->ReportAggregatesOnly(true);
    };
    for (int n : {5000, 50000}) {
        for (const Figure& f : kFigures) each(f.work, n);
    }
    each("whole_load_decimal_comma", 50000);
    each("reload_repainted", 50000);
    each("reload_fit_window", 50000);
    each("reload_new_events", 50000);
    each("reload_new_events_fit_window", 50000);
    each("reload_new_events_tab_taux", 50000);
    each("reload_shared", 50000);
    each("reload_shared_requests", 50000);
    // Each tab of the analysis window, the "runs" tab (three runs added) last.
    for (const char* tab : kTabs) each(std::string("reload_tab_") + tab, 50000);
    each("combined_fit_grid", 1000000);
    each("combined_fit_continuous", 1000000);
    each("combine_runs_grid", 1000000);
    for (const char* reading : {"read_acquisition_bytes", "read_two_integers_bytes", "read_raw_stream_bytes",
                                "read_acquisition_memo", "read_two_integers_memo", "read_raw_stream_memo"}) {
        each(reading, kLinesRead);
    }
    each("long_line_file", 16);
    each("long_line_file", 64);

    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& medians = reporter.medians_ms;

    const bool stub = tick_is_a_stub();
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    const QByteArray load_average =
        loadavg.open(QIODevice::ReadOnly) ? loadavg.readAll().split(' ').mid(0, 3).join(' ') : "?";
    std::printf("\nfigures (medians of 11 runs; %d cores, load average %s)\n", QThread::idealThreadCount(),
                load_average.constData());
    auto line = [&](const std::string& key, const std::string& title, double target) {
        const auto it = medians.find(key);
        if (it == medians.end()) return;
        char label[96];
        std::snprintf(label, sizeof label, "%s, %s", title.c_str(), key.substr(key.find('/') + 1).c_str());
        if (target > 0) {
            const char* verdict = it->second <= target ? "met" : "MISSED";
            if (stub && key.starts_with("tick_unchanged"))
                verdict = "not meaningful: Timer1Timer is a stub in this build";
            if (g_tick_reloads > 0 && key.starts_with("tick_unchanged"))
                verdict = "not meaningful: the tick reloaded the file";
            std::printf("%-58s %9s ms  target <= %s ms  %s\n", label, fixed_text(it->second, 3).c_str(),
                        shortest_text(target).c_str(), verdict);
        } else {
            std::printf("%-58s %9s ms\n", label, fixed_text(it->second, 3).c_str());
        }
    };
    for (const Figure& f : kFigures) {
        for (int n : {5000, 50000}) {
            line(std::string(f.work) + "/" + std::to_string(n), f.title,
                 n == 5000 ? f.target_5000_ms : f.target_50000_ms);
        }
    }
    line("whole_load_decimal_comma/50000", "whole charge_le_fichier, decimal-comma file", 50);
    line("combined_fit_grid/1000000", "combined fit of 20 runs on a clock grid", 10);
    line("combined_fit_continuous/1000000", "combined fit of 20 runs of continuous durations", 100);
    line("combine_runs_grid/1000000", "the same on a grid with each run fitted alone", 0);
    line("reload_repainted/50000", "whole reload with its repaints, fit window closed", 0);
    line("reload_fit_window/50000", "whole reload with its repaints, fit window open", 0);
    line("reload_new_events/50000", "the same, 100 records more or fewer each time, closed", 0);
    line("reload_new_events_fit_window/50000", "the same, 100 records more or fewer each time, open", 0);
    // What the fit window adds: the target on a reload of the same run; where
    // the window's events change, the fit is made again (no target).
    const auto more = [&](const char* closed, const char* open, const char* title, double target) {
        const auto c = medians.find(closed);
        const auto o = medians.find(open);
        if (c == medians.end() || o == medians.end()) return;
        const double by = o->second - c->second;
        if (target > 0) {
            std::printf("%-58s %9s ms  target <= %s ms  %s\n", title, fixed_text(by, 3).c_str(),
                        shortest_text(target).c_str(), by <= target ? "met" : "MISSED");
        } else {
            std::printf("%-58s %9s ms\n", title, fixed_text(by, 3).c_str());
        }
    };
    more("reload_repainted/50000", "reload_fit_window/50000", "fit window open: whole reload takes more by, 50000", 3);
    more("reload_new_events/50000", "reload_new_events_fit_window/50000",
         "fit window open, new events each reload: more by, 50000", 0);
    more("reload_new_events/50000", "reload_new_events_tab_taux/50000", "the same on the tab taux: more by, 50000", 0);
    // Sharing the run: the page made at each reload; then what requests
    // served meanwhile by the server's thread add (nothing but noise).
    more("reload_new_events_fit_window/50000", "reload_shared/50000", "run shared (page, json, plots): more by, 50000",
         0);
    more("reload_shared/50000", "reload_shared_requests/50000",
         "run shared and asked without a pause: more by, 50000", 0);
    // What each tab of the analysis window adds to a reload of one more line's
    // file against the window closed, in this one run.
    for (const char* tab : kTabs) {
        const std::string title = std::string("analysis window on its tab ") + tab +
                                  (std::string(tab) == "runs" ? " (3 runs)" : "") + ": more by, 50000";
        more("reload_repainted/50000", (std::string("reload_tab_") + tab + "/50000").c_str(), title.c_str(), 3);
    }

    // The reading cost per line of two integers a line and of a raw stream
    // against the acquisition format's, and the raw stream's against the
    // dearer of the two formats read before it.
    for (const char* way : {"bytes", "memo"}) {
        const auto per_line = [&](const char* format) {
            const auto m = medians.find(std::string("read_") + format + "_" + way + "/" + std::to_string(kLinesRead));
            return m == medians.end() ? 0.0 : m->second * 1e6 / kLinesRead;
        };
        const double ns_acquisition = per_line("acquisition");
        const double ns_two = per_line("two_integers");
        const double ns_raw = per_line("raw_stream");
        if (ns_acquisition <= 0 || ns_two <= 0 || ns_raw <= 0) continue;
        char label[96];
        std::snprintf(label, sizeof label, "reading a line (%s): acquisition / two-integers / daq-raw", way);
        std::printf("%-58s %5s / %s / %s ns\n", label, fixed_text(ns_acquisition, 1).c_str(),
                    fixed_text(ns_two, 1).c_str(), fixed_text(ns_raw, 1).c_str());
        std::snprintf(label, sizeof label, "reading a line (%s), two-integers / acquisition", way);
        const double ratio = ns_two / ns_acquisition;
        std::printf("%-58s %9s     target <= 2  %s\n", label, fixed_text(ratio, 2).c_str(),
                    ratio <= 2 ? "met" : "MISSED");
        std::snprintf(label, sizeof label, "reading a line (%s), daq-raw / the dearer of the two", way);
        const double raw_ratio = ns_raw / std::max(ns_acquisition, ns_two);
        std::printf("%-58s %9s     target <= 1  %s\n", label, fixed_text(raw_ratio, 2).c_str(),
                    raw_ratio <= 1 ? "met" : "MISSED");
    }

    // A line of 64 MB against one of 16 MB: 4 times as long, about 4 times
    // the time when the line is read once (16 times when it was read again
    // for each block).
    line("long_line_file/16", "vorns-fit's load, a file with one line of this many MB", 0);
    line("long_line_file/64", "vorns-fit's load, a file with one line of this many MB", 0);
    const auto line16 = medians.find("long_line_file/16");
    const auto line64 = medians.find("long_line_file/64");
    if (line16 != medians.end() && line64 != medians.end() && line16->second > 0) {
        const double ratio = line64->second / line16->second;
        std::printf("%-58s %9s     target <= 6  %s\n", "growth with the line's length, 64 MB / 16 MB",
                    fixed_text(ratio, 2).c_str(), ratio <= 6 ? "met" : "MISSED");
    }

    const auto small = medians.find("whole_load/5000");
    const auto big = medians.find("whole_load/50000");
    if (small != medians.end() && big != medians.end() && small->second > 0) {
        const double ratio = big->second / small->second;
        std::printf("%-58s %9s     target <= 12  %s\n", "growth of the whole load, 50000 / 5000",
                    fixed_text(ratio, 2).c_str(), ratio <= 12 ? "met" : "MISSED");
    }
    load(run_file(50000));
    const long kib = status_kib("VmRSS:");
    std::printf("%-58s %9s MB  target < 150 MB  %s\n", "resident memory with 50000 records loaded",
                fixed_text(static_cast<double>(kib) / 1024.0, 1).c_str(),
                kib >= 0 && kib < 150 * 1024 ? "met" : "MISSED");
    const long peak = status_kib("VmHWM:");
    std::printf("%-58s %9s MB\n", "peak resident memory of the whole benchmark",
                fixed_text(static_cast<double>(peak) / 1024.0, 1).c_str());
    if (big != medians.end()) {
        const double peer = peer_seconds(run_file(50000));
        if (peer > 0) {
            std::printf("%-58s %9s ms\n", "peer (Python, NumPy, Matplotlib) reload, 50000",
                        fixed_text(peer * 1000, 3).c_str());
            std::printf("%-58s %9s x\n", "ratio peer / vorns whole load, 50000",
                        fixed_text(peer * 1000 / big->second, 1).c_str());
        }
    }
    if (g_messages > 0) std::printf("warning: %d message(s) were shown during the run\n", g_messages);
    return 0;
}
