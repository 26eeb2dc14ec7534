#pragma once
// The user's fields of the report (names, group, course, set-up, note),
// remembered between reports in "qrt_vorn.rap", a key=value file of the
// settings folder (settings/key_values.h).
#include "report/report.h"
#include "settings/settings_files.h"

extern const QString FICHIER_RAPPORT;  // "qrt_vorn.rap"

// The fields last remembered; empty ones when there are none.
ReportFields read_report_fields();
// Remembers them; a write that fails goes to `failures`.
void write_report_fields(const ReportFields& fields, WriteFailures& failures);
