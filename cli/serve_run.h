#pragma once
// vorns-fit --follow --serve PORT: the followed run as a read-only page
// (share/), made again after each reload of the session and each change of
// its alarm, never by a reload of its own. Its whole address, token included,
// is said on stderr on a line of its own when it starts.
#include "cli/follow.h"

std::unique_ptr<QObject> serve_run(RunSession& session, const FitOptions& options, QString& failed);
