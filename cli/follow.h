#pragma once
// vorns-fit --follow FILE: the session of a followed run without a window.
// It follows the file as the window does (the same refresh period, the same
// reload rule, the same alarm rule), prints one line a reload (one JSON object
// a line with --json: fit_json's keys and "alarm"), says a run that stopped
// bringing records on stderr and through the desktop notification, and ends
// cleanly, status 0, on SIGINT or SIGTERM.
#include "cli/options.h"

#include <QString>

class RunSession;

// Runs the follower until SIGINT or SIGTERM; returns the exit status.
int follow_file(const FitOptions& options);

// The line (or JSON object) printed after a reload of the session.
QString follow_line(const RunSession& session, const FitOptions& options);
