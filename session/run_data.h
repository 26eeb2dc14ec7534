#pragma once
// The run as it stands between two reloads, as numbers: the records and the
// class table, the followed file and what the last load saw of it, the
// settings files that could not be written and what the user was already told
// of the data files, the time origin, format, unit and count records of the
// last record pass. The session owns one; the main window's RunState adds the
// plots' scales and geometry to it.
#include "analysis/class_table.h"
#include "analysis/load.h"
#include "analysis/record_pass.h"
#include "analysis/record_store.h"
#include "analysis/reported.h"
#include "datafile/file_state.h"
#include "fit/run/duration_choices.h"
#include "fit/run/window_runs.h"
#include "settings/settings_files.h"

struct RunData {
    RecordStore record_store;
    ClassTable class_table;
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
    // The class choices of the last class pass, as numbers (the report and
    // the fit read them, never the fields they were typed in).
    ChoixDesClasses choix_des_classes;
    // The runs added to the followed one and every run's excluded spans (the
    // analysis window's "runs" tab shows and edits them; the fit reads them).
    WindowRuns runs;
};
