#pragma once
// Everything the program keeps of the run between two events, beside the
// texts of its fields: the run's numbers (session/run_data.h), its comment and
// both plots' scales and geometry. The main window owns one, on the heap (the record store
// alone is about 1.6 MB), zero at start; the handlers hand its parts by
// reference to the passes, the redraws and the tick's decision.
#include "plot/plot_frame.h"
#include "plot/plot_scales.h"
#include "plot/rendering.h"
#include "session/run_data.h"

#include <QStringList>

struct RunState : RunData {
    PlotFrame plot_frame;
    PlotScales plot_scales;
    // The run's comment as the window shows it, typed or read, in the lines its
    // file gets (the run report's).
    QStringList commentaire;

    // The parts a redraw works on.
    TablesDuTrace tables_du_trace() { return {record_store, class_table, plot_scales, plot_frame}; }
};
