// vorns-fit: the fit of data files from a script, on Qt Core alone. The run
// report (--report) is drawn with Qt Gui, which a start without it does not
// load: vorns-fit then becomes vorns-fit-report, the same program with the report.
#include "cli/fit_program.h"
#include "cli/report_program.h"

int main(int argc, char** argv) {
    if (asks_for_report(argc, argv)) return become_report_program(argc, argv);
    return fit_program(argc, argv, nullptr);
}
