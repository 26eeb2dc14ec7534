#pragma once
// Everything the program keeps of the run between two events, beside the
// texts of its fields: the records and the class table, both plots' scales and
// geometry, the followed file, the settings files that could not be written
// and what the user was already told of the data files. The main window owns one, on
// the heap (the record store alone is about 1.6 MB), zero at start; the
// handlers hand its parts by reference to the passes, the redraws and the
// tick's decision.
#include "analysis/class_table.h"
#include "analysis/record_pass.h"
#include "analysis/record_store.h"
#include "analysis/reported.h"
#include "datafile/file_state.h"
#include "fit/run/duration_choices.h"
#include "plot/plot_frame.h"
#include "plot/plot_scales.h"
#include "plot/rendering.h"
#include "settings/settings_files.h"

struct RunState {
    RecordStore record_store;
    ClassTable class_table;
    PlotFrame plot_frame;
    PlotScales plot_scales;
    FileState file_state;
    WriteFailures settings_failures;
    Signalements signalements;       // what the user was told of the data files: skipped lines, capacity
    long double origine_temps = -1;  // the time origin of the last record pass (minutes after midnight)
    long double dernier_du_fichier = 0;  // elapsed minutes of the file's last record, past the store's capacity too
    // The last load's file format, the nanoseconds of one unit of its durations
    // (0: the format does not say) and its count records (two integers).
    FormatDeDonnees format = FormatDeDonnees::acquisition;
    double unite_ns = 0;
    Comptages comptages;
    // The unit of the run's durations (its format's, or the user's), what
    // the user typed for each unit, and the dX and X max fields over runs of
    // several units (fit/run/duration_choices.h).
    RunUnit unite;
    TypedPerUnit saisies_par_unite;
    UnitFields champs_des_classes;

    // The parts a redraw works on.
    TablesDuTrace tables_du_trace() { return {record_store, class_table, plot_scales, plot_frame}; }
};
