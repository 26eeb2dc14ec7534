#include "share/run_page.h"

#include "analysis/rate/text/rate_text.h"
#include "charts/charts.h"
#include "fit/run/histogram_view.h"
#include "fit/text/fit_text.h"
#include "fit/text/stability_text.h"
#include "platform/files.h"
#include "platform/numbers.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QUrl>

namespace share {

namespace {

// The page's style and script: fixed texts, allowed by their hashes.
const char kStyle[] =
    "body{font-family:sans-serif;margin:1em auto;max-width:48em;padding:0 1em;color:#111;background:#fff}"
    "h1{font-size:1.4em;margin:.2em 0;overflow-wrap:anywhere}"
    "dl{display:grid;grid-template-columns:max-content 1fr;gap:.3em 1em;margin:1em 0}"
    "dt{color:#444}dd{margin:0;font-weight:bold}"
    ".alarm{color:#fff;background:#c00;padding:.5em .8em;font-weight:bold;border-radius:.3em}"
    ".stale{color:#c00;font-weight:bold}"
    "img{width:100%;height:auto;border:1px solid #ddd}"
    "footer{color:#666;font-size:.85em;margin-top:1.5em}";
// Every refresh period, the page asked again and its content put in place; a
// page that cannot be had says that the figures shown are old.
const char kScript[] =
    "(function(){"
    "var p=1000*parseFloat(document.getElementById('run').getAttribute('data-period'));"
    "if(!(p>=200))p=5000;"
    "function again(){"
    "fetch(location.pathname,{cache:'no-store',credentials:'omit'})"
    ".then(function(r){if(!r.ok)throw 0;return r.text();})"
    ".then(function(t){"
    "var d=new DOMParser().parseFromString(t,'text/html');var n=d.getElementById('run');if(!n)throw 0;"
    "document.getElementById('run').replaceWith(document.importNode(n,true));document.title=d.title;"
    "document.getElementById('stale').hidden=true;})"
    ".catch(function(){document.getElementById('stale').hidden=false;})"
    ".then(function(){setTimeout(again,p);});}"
    "setTimeout(again,p);})();";

QByteArray hash_source(const char* text) {
    return "'sha256-" + QCryptographicHash::hash(QByteArray(text), QCryptographicHash::Sha256).toBase64() + "'";
}

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// One line of the figures: caption, value, the value's id.
QString row(const QString& caption, const QString& value, const char* id) {
    return QStringLiteral("<dt>%1</dt><dd id=\"%2\">%3</dd>\n")
        .arg(escaped(caption), QLatin1String(id), escaped(value.isEmpty() ? QStringLiteral("\u2014") : value));
}

QString when(const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

QByteArray svg(const charts::Drawing& draw, QSize size, const QString& title) {
    QFont font = QGuiApplication::font();
    // A family every browser knows: the SVG names it as it is, and a browser
    // that does not know a platform's generic name ("Sans Serif") draws serif
    // letters at places measured for others.
    font.setFamily(QStringLiteral("sans-serif"));
    font.setPointSizeF(10);
    return charts::svg_bytes(draw, size, title, font);
}

QString html(const PageRun& page, const Pages& pages) {
    const FollowedRunJson& run = page.run;
    const RunAnalysis* a = run.analysis;
    const QString name = platform::name_part(run.file);
    QString h;
    h += QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n")
             .arg(escaped(QCoreApplication::translate("share", "fr")));
    h += QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                        "<meta name=\"referrer\" content=\"no-referrer\">\n");
    h += QStringLiteral("<title>%1</title>\n").arg(escaped(QCoreApplication::translate("share", "vorns — %1").arg(name)));
    // Without JavaScript the browser asks again itself.
    const int period = static_cast<int>(std::clamp(std::ceil(page.period_s), 1.0, 86400.0));
    h += QStringLiteral("<noscript><meta http-equiv=\"refresh\" content=\"%1\"></noscript>\n").arg(period);
    h += QStringLiteral("<style>") + QLatin1String(kStyle) + QStringLiteral("</style>\n</head>\n<body>\n");
    h += QStringLiteral("<p id=\"stale\" class=\"stale\" role=\"status\" hidden>%1</p>\n")
             .arg(escaped(QCoreApplication::translate("share", "vorns ne répond plus : les chiffres ci-dessous sont ceux du dernier rechargement reçu.")));
    h += QStringLiteral("<main id=\"run\" data-period=\"%1\">\n").arg(platform::general(page.period_s, QLatin1Char('.')));
    h += QStringLiteral("<h1 id=\"name\">%1</h1>\n").arg(escaped(name));
    if (!run.alarm.isEmpty()) {
        h += QStringLiteral("<p id=\"alarm\" class=\"alarm\" role=\"alert\">%1</p>\n").arg(escaped(run.alarm));
    }
    if (!run.error.isEmpty()) h += QStringLiteral("<p id=\"error\" class=\"stale\">%1</p>\n").arg(escaped(run.error));
    h += QStringLiteral("<dl>\n");
    h += row(QCoreApplication::translate("share", "dernier rechargement"), when(page.updated), "updated");
    h += row(QCoreApplication::translate("share", "enregistrements"), platform::decimal(run.records), "records");
    if (a) {
        const fit_text::ResultLines l = fit_text::result_lines(a->result, a->choices.unit_ns);
        h += row(QCoreApplication::translate("share", "modèle"), fit_text::text(a->choices.model), "model");
        h += row(fit_text::tau_caption(), l.tau, "tau");
        if (!l.tau_time.isEmpty()) h += row(QString(), l.tau_time, "tau-time");
        if (!l.fermi.isEmpty()) h += row(fit_text::fermi_caption(), l.fermi, "gf");
        h += row(fit_text::events_caption(), l.events, "events");
        h += row(QCoreApplication::translate("share", "ajustement"), l.status, "status");
        h += row(QCoreApplication::translate("share", "prévision"), fit_text::forecast_line(a->forecast), "forecast");
    }
    if (run.rate) {
        h += row(QCoreApplication::translate("share", "taux"), rate_text::rate_line(*run.rate), "rate");
        h += row(QCoreApplication::translate("share", "temps actif"), rate_text::live_time_line(*run.rate), "live-time");
    }
    h += QStringLiteral("</dl>\n");
    const QString plots = QString::number(pages.plots);
    if (!pages.histogram_svg.isEmpty()) {
        h += QStringLiteral("<figure><img id=\"histogram\" src=\"histogram.svg?v=%1\" width=\"720\" height=\"440\" "
                            "alt=\"%2\"></figure>\n")
                 .arg(plots, escaped(QCoreApplication::translate("share", "histogramme des durées avec l'ajustement")));
    }
    if (!pages.rate_svg.isEmpty()) {
        h += QStringLiteral("<figure><img id=\"rate-plot\" src=\"rate.svg?v=%1\" width=\"720\" height=\"360\" "
                            "alt=\"%2\"></figure>\n")
                 .arg(plots, escaped(QCoreApplication::translate("share", "taux du run")));
    }
    h += QStringLiteral("<footer>%1 <a href=\"run.json\">run.json</a></footer>\n</main>\n")
             .arg(escaped(QCoreApplication::translate("share", "Page en lecture seule, mise à jour à chaque période de rafraîchissement.")));
    h += QStringLiteral("<script>") + QLatin1String(kScript) + QStringLiteral("</script>\n</body>\n</html>\n");
    return h;
}

}  // namespace

Pages make_pages(const PageRun& page, const Pages* previous) {
    static quint64 drawings = 0;
    Pages pages;
    const FollowedRunJson& run = page.run;
    if (previous) {
        pages.histogram_svg = previous->histogram_svg;
        pages.rate_svg = previous->rate_svg;
        pages.plots = previous->plots;
    } else {
        pages.plots = ++drawings;
        if (const RunAnalysis* a = run.analysis) {
            const HistogramView view = histogram_view(a->request, a->result);
            if (view.size() > 0) {
                const charts::TimeUnit unit = charts::time_unit(a->choices.unit_ns, a->choices.t_max);
                const bool log_counts = a->choices.log_counts;
                pages.histogram_svg = svg([&](QPainter& p, const QRectF& r) { charts::draw_histogram(p, r, view, unit, log_counts); },
                                          QSize(720, 440), QCoreApplication::translate("share", "histogramme"));
            }
        }
        if (run.rate && run.rate->records > 0) {
            const rate::RateAnalysis& rate = *run.rate;
            pages.rate_svg = svg([&](QPainter& p, const QRectF& r) { charts::draw_rate(p, r, rate); }, QSize(720, 360),
                                 QCoreApplication::translate("share", "taux"));
        }
    }
    QString json = followed_run_json(run, false, nullptr);
    const QDateTime updated = page.updated.toOffsetFromUtc(page.updated.offsetFromUtc());
    json.chop(1);
    json += QStringLiteral(",\"updated\":") + json_string(updated.toString(Qt::ISODate)) + QLatin1Char('}');
    pages.json = json.toUtf8() + '\n';
    pages.html = html(page, pages).toUtf8();
    return pages;
}

QByteArray page_policy() {
    static const QByteArray policy = "default-src 'none'; img-src 'self'; connect-src 'self'; style-src " +
                                     hash_source(kStyle) + "; script-src " + hash_source(kScript) +
                                     "; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
    return policy;
}

QString page_url(const QString& host, quint16 port, const QByteArray& token) {
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(port);
    url.setPath(QStringLiteral("/run/") + QString::fromLatin1(token) + QLatin1Char('/'));
    return url.toString(QUrl::FullyEncoded);
}

}  // namespace share
