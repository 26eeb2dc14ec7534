#pragma once
// vorns-fit --follow FILE: the session of a followed run without a window.
// It follows the file as the window does (the same refresh period, the same
// reload rule, the same alarm rule), prints one line a reload (one JSON object
// a line with --json: fit_json's keys and "alarm"), says a run that stopped
// bringing records on stderr and through the desktop notification, and ends
// cleanly, status 0, on SIGINT or SIGTERM.
#include "cli/options.h"
#include "fit/run/fit_json.h"

#include <QObject>
#include <QString>
#include <memory>

class RunSession;

// What serves the followed run's page (--serve): started before the first
// reload, it follows the session's signals itself and lives as long as the
// object it returns; none and `failed` said when it cannot start. Only
// vorns-fit-report has one: the page's plots are drawn with Qt Gui.
using PageServing = std::unique_ptr<QObject> (*)(RunSession& session, const FitOptions& options, QString& failed);

// Runs the follower until SIGINT or SIGTERM; returns the exit status (1 when
// --serve cannot start).
int follow_file(const FitOptions& options, PageServing serve = nullptr);

// The followed run after the session's last reload, as --json prints it
// (valid until the next reload).
FollowedRunJson followed_run(const RunSession& session);

// The line (or JSON object) printed after a reload of the session.
QString follow_line(const RunSession& session, const FitOptions& options);
