#pragma once
// The page of a shared run: one HTML page with no outside resource that reads
// without JavaScript (the run's name, its last reload, the records, tau ± sigma
// with the model, G_F where the unit is known, the rate and the live time, the
// alarm in red with its age), the histogram with its fit and the rate as SVG
// drawn by charts/ as the report draws them, and run.json: vorns-fit --json's
// keys for the followed run (fit/run/fit_json.h) with "alarm" and "updated".
// Made once a reload (and once an alarm change, without the plots) from what
// its owner holds, never by a reload of its own; served as bytes.
#include "fit/run/fit_json.h"

#include <QByteArray>
#include <QDateTime>

namespace share {

// What the page shows, as its owner holds it after a reload: read during the call only.
struct PageRun {
    FollowedRunJson run;
    QDateTime updated;   // when the last reload was made
    double period_s = 5; // the refresh period: the page asks again at it
};

struct Pages {
    QByteArray html;
    QByteArray json;
    QByteArray histogram_svg;  // empty without a fit to draw
    QByteArray rate_svg;       // empty without a rate
    quint64 plots = 0;         // which drawing of the plots: their addresses change with it
};

// The pages of `run`; the plots drawn again unless `previous` holds them (an
// alarm that changed, the run as it was).
Pages make_pages(const PageRun& run, const Pages* previous = nullptr);

// The Content-Security-Policy of the page: nothing from outside, its own
// style and script by their hashes, the plots and run.json from its address.
QByteArray page_policy();

// The address of the page: http://HOST:PORT/run/TOKEN/ (an IPv6 host in brackets).
QString page_url(const QString& host, quint16 port, const QByteArray& token);

}  // namespace share
