#include "cli/follow.h"

#include "analysis/formats/format.h"
#include "analysis/load_text.h"
#include "fit/run/fit_json.h"
#include "fit/run/rate_json.h"
#include "fit/text/fit_text.h"
#include "fit/text/stability_text.h"
#include "platform/numbers.h"
#include "platform/seams.h"
#include "platform/textfile.h"
#include "platform/translations.h"
#include "session/desktop_notification.h"
#include "session/session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// vorns-fit's texts in the program's language (platform/translations.h).
struct FollowText {
    Q_DECLARE_TR_FUNCTIONS(vorns_fit)
};

// The signal handler writes one byte; the event loop reads it and quits.
int g_signal_pipe[2] = {-1, -1};

void on_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_signal_pipe[0], &byte, 1);
}

void say(std::FILE* stream, const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stream);
    std::fflush(stream);
}

}  // namespace

FollowedRunJson followed_run(const RunSession& session) {
    const std::optional<RunAnalysis>& a = session.analysis();
    const PasseDesLignes& pass = session.load().enregistrements;
    return FollowedRunJson{session.file(),
                           session.error(),
                           session.data().record_store.nb_points[1],
                           a ? &*a : nullptr,
                           pass.nb_lignes_ignorees,
                           nom_du_format(pass.format),
                           &const_cast<RunSession&>(session).rate(),
                           session.stopped() ? session.alarm_line() : QString()};
}

QString follow_line(const RunSession& session, const FitOptions& o) {
    if (o.json) return followed_run_json(followed_run(session), o.details, o.scan ? &session.scan() : nullptr);
    const RunData& run = session.data();
    const QString alarm = session.stopped() ? session.alarm_line() : QString();
    const std::optional<RunAnalysis>& a = session.analysis();
    QStringList parts{QDateTime::currentDateTime().toString(Qt::ISODate), platform::name_part(session.file())};
    parts << FollowText::tr("%n enregistrements", nullptr, run.record_store.nb_points[1]);
    if (a) {
        const fit_text::ResultLines l = fit_text::result_lines(a->result, a->choices.unit_ns);
        parts << fit_text::tau_caption() + QLatin1Char(' ') + l.tau
              << fit_text::events_caption() + QLatin1Char(' ') + l.events << fit_text::forecast_line(a->forecast);
    }
    if (!session.error().isEmpty()) parts << session.error();
    if (!alarm.isEmpty()) parts << alarm;
    return parts.join(platform::list_separator());
}

int follow_file(const FitOptions& o, PageServing serve) {
    RunSession session;
    session.set_class_choices(ChoixDesClasses{o.dX, o.x_max, false});
    session.set_fit_choices(o.choices, o.unit_typed);
    session.set_fitting(true);
    session.set_scanning(o.scan);
    session.set_period_s(o.period_s);
    // The stopped run: on stderr once a stop, and through the desktop's notification.
    platform::seams().notify = [](const platform::Notification& n) { notify_desktop(n); };
    platform::seams().withdraw = withdraw_desktop;
    bool said = false;
    QObject::connect(&session, &RunSession::alarm_changed, [&] {
        if (session.stopped() && !said) say(stderr, QStringLiteral("vorns-fit: ") + session.alarm_line());
        said = session.stopped();
    });
    QObject::connect(&session, &RunSession::reloaded, [&] { say(stdout, follow_line(session, o)); });

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signal_pipe) != 0) {
        say(stderr, FollowText::tr("vorns-fit: --follow cannot watch its signals"));
        return 1;
    }
    QSocketNotifier notifier(g_signal_pipe[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    std::unique_ptr<QObject> page;
    if (o.serve_port >= 0) {
        QString failed = QStringLiteral("--serve needs vorns-fit-report");
        if (serve) page = serve(session, o, failed);
        if (!page) {
            say(stderr, QStringLiteral("vorns-fit: --serve %1: %2").arg(o.serve_port).arg(failed));
            return 1;
        }
    }
    session.follow(o.files.front());
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { session.tick(); });
    timer.start(static_cast<int>(std::min(o.period_s * 1000, 2e9)));
    QCoreApplication::exec();
    ::close(g_signal_pipe[0]);
    ::close(g_signal_pipe[1]);
    return 0;
}
