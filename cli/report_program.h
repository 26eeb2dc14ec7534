#pragma once
// vorns-fit --report: the run report is drawn with Qt Gui, which vorns-fit
// itself does not link, so that a fit starts on fewer libraries. A command line
// that asks for the report is handed whole to vorns-fit-report, found at
// kReportProgram from vorns-fit's own folder (the build tree and an installed
// package place them alike). Only the message of a report program that cannot be
// started needs Qt.

// Whether --report is among the options (before "--", which ends them).
bool asks_for_report(int argc, char** argv);

// Replaces this process by vorns-fit-report with the same arguments and
// environment. Returns only when it cannot: the exit status, 1, once the
// reason is on stderr, in the program's language.
int become_report_program(int argc, char** argv);

// vorns-fit-report, relative to the folder that holds vorns-fit.
extern const char* const kReportProgram;
