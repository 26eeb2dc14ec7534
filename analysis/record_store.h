#pragma once
// The records of the last pass (series 1) and the class histogram as plot
// points (series 2). Fixed size (about 1.6 MB): the window keeps one, on the
// heap, zero at start, never resized.
#include "platform/memory.h"
#include "platform/per_plot.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <type_traits>

constexpr std::int32_t NB_MAX_DONNEES = 50000;

struct RecordStore {
    // Series 1: records at positions 1..nb_points[1], position 0 stays (0, 0).
    // Series 2: classes at positions 0..nb_points[2]-1.
    PerPlot<std::array<double, NB_MAX_DONNEES + 1>> serie_x;
    PerPlot<std::array<double, NB_MAX_DONNEES + 1>> serie_y;
    PerPlot<std::int32_t> nb_points;
    PerPlot<long double> max_x_serie;  // -10 stands for empty
    PerPlot<long double> max_y_serie;
    std::int32_t serie_courante = 0;
    long double cumul_durees = 0;       // sum of the durations of the last pass
    long double duree_acquisition = 0;  // minutes: elapsed time of the last record

    // The records' durations (series 1's y), in the file's order.
    std::span<const double> durations() const {
        return {serie_y[1].data() + 1, static_cast<std::size_t>(std::clamp(nb_points[1], 0, NB_MAX_DONNEES))};
    }
};

// A zero store that costs no write and few page faults. A store made the
// usual way (make_unique) is zeroed byte by byte, all 1.6 MB of it, although
// a load writes a fraction; the system's fresh memory is zero already, and the
// store is created in it as it is: an aggregate of numbers, all zero, which is
// what its initialisers say. Its pages come as one huge page where the system
// gives them: in 4 KiB pages the 800 KB of 50 000 records cost about 200
// page faults, on a virtual machine half of what the records add to a whole
// vorns-fit. For a program that loads once (vorns-fit).
struct LibereRecordStore {
    void operator()(RecordStore* store) const { platform::free_zeroed_pages(store, sizeof(RecordStore)); }
};
using RecordStoreNeuf = std::unique_ptr<RecordStore, LibereRecordStore>;
inline RecordStoreNeuf nouveau_record_store() {
    static_assert(std::is_aggregate_v<RecordStore> && std::is_trivially_destructible_v<RecordStore>);
    void* memoire = platform::zeroed_pages(sizeof(RecordStore));
    if (!memoire) throw std::bad_alloc();
    return RecordStoreNeuf(static_cast<RecordStore*>(memoire));
}
