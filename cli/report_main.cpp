// vorns-fit-report: vorns-fit with the run report, installed in vorns' private
// folder; vorns-fit hands it a command line with --report whole.
#include "cli/fit_program.h"
#include "cli/report_files.h"

int main(int argc, char** argv) {
    const ReportWriter writer{fit_application, report_files};
    return fit_program(argc, argv, &writer);
}
