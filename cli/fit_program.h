#pragma once
// vorns-fit FILE... [OPTION]...: the lifetime fit of data files for scripts.
// Each file is loaded as vorns loads it (the record pass, then the class pass
// with dX and X max) and fitted as the fit window fits the run; the results
// are printed as the window shows them, or as JSON. The two programs that
// carry it share it: vorns-fit, which starts on Qt Core alone, and
// vorns-fit-report, which it becomes for --report (cli/report_program.h).
#include "analysis/class_table.h"
#include "analysis/record_store.h"
#include "cli/options.h"

#include <QCoreApplication>
#include <memory>

// What writes the run report: the application that draws it and the report
// of the files given (cli/report_files.h).
struct ReportWriter {
    std::unique_ptr<QCoreApplication> (*application)(int& argc, char** argv);
    int (*write)(const FitOptions& options, RecordStore& store, ClassTable& table);
};

// The whole program: the options read, each file fitted and printed, the
// report written by `report` (none: --report is refused, status 1). Returns
// the exit status.
int fit_program(int& argc, char** argv, const ReportWriter* report);
