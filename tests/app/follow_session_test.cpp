// One run followed three ways: the main window with its analysis window, the
// session without a window (what vorns-fit --follow runs) and vorns-fit on the
// bytes as they stand. At every step of a run that grows, pauses and resumes
// they give the same fit, forecast and rate, and the pause raises one alarm
// in the window and one in the session.
#include "app/fit_window.h"
#include "load_fixture.h"
#include "session/session.h"
#include "support/timed_run.h"
#include "timer_support.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <cmath>

namespace {

// Four records a second from `from_s` on, for `seconds`.
QByteArray four_a_second(int from_s, int seconds) {
    std::vector<int> at;
    for (int s = from_s; s < from_s + seconds; ++s) at.insert(at.end(), 4, s);
    return timed_records(at);
}

QJsonObject vorns_fit_json(const QString& file) {
    QProcess p;
    p.start(QStringLiteral(VORNS_FIT), {file, QStringLiteral("--json")});
    if (!p.waitForFinished(60000)) return {};
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

// A figure printed with 15 significant digits against the one computed.
bool near(const QJsonObject& o, const char* key, double value) {
    const QJsonValue v = o.value(QString::fromLatin1(key));
    if (v.isNull()) return std::isnan(value);
    return std::abs(v.toDouble() - value) <= 1e-12 * std::max(1.0, std::abs(value));
}

class FollowedThreeWays : public DataFileWindow {};

}  // namespace

TEST_F(FollowedThreeWays, TheSameFiguresAtEveryStepAndOneAlarmEachForAPause) {
    double now = 0;
    form.surveillance().prend_l_horloge([&now] { return now; });
    form.Edit5->setText(QStringLiteral("1"));
    const QString file = ecrit(QStringLiteral("run.txt"), timed_run({}) + four_a_second(1, 60));
    choisit(file);
    form.SpeedButton_ajustement->click();
    FenetreAjustement& window = *form.fenetre_ajustement();

    RunSession session;
    session.set_clock([&now] { return now; });
    session.set_period_s(1);
    session.set_class_choices(form.etat().choix_des_classes);
    session.set_fit_choices(window.choix(), false);
    session.set_fitting(true);
    session.follow(file);
    int session_alarms = 0;
    QObject::connect(&session, &RunSession::alarm_changed, [&, was = false]() mutable {
        session_alarms += session.stopped() && !was;
        was = session.stopped();
    });

    struct Step {
        const char* name;
        double at;
        int grows_by_s;  // seconds of records appended before the tick; 0: none
        bool stopped;
    };
    const Step steps[] = {
        {"grows", 1, 5, false},         {"grows again", 2, 5, false}, {"pause begins", 3, 0, false},
        {"paused past a gap", 5.5, 0, true}, {"still paused", 8, 0, true}, {"resumes", 9, 2, false},
    };
    int appended_to = 61;
    for (const Step& s : steps) {
        if (s.grows_by_s > 0) {
            append_bytes(file, four_a_second(appended_to, s.grows_by_s));
            appended_to += s.grows_by_s;
        }
        now = s.at;
        form.Timer1Timer();
        session.tick();
        EXPECT_EQ(form.surveillance().arrete(), s.stopped) << s.name;
        EXPECT_EQ(session.stopped(), s.stopped) << s.name;

        ASSERT_TRUE(session.analysis()) << s.name;
        const RunAnalysis& a = *session.analysis();
        EXPECT_EQ(window.resultat().tau, a.result.tau) << s.name;
        EXPECT_EQ(window.resultat().tau_error, a.result.tau_error) << s.name;
        EXPECT_EQ(window.resultat().events, a.result.events) << s.name;
        EXPECT_EQ(window.prevision().hours, a.forecast.hours) << s.name;
        const rate::RateAnalysis& window_rate = form.surveillance().analyse_du_chargement(form.etat());
        EXPECT_EQ(window_rate.live_s, session.rate().live_s) << s.name;
        EXPECT_EQ(window_rate.rate_per_hour, session.rate().rate_per_hour) << s.name;

        const QJsonObject once = vorns_fit_json(file);
        EXPECT_EQ(once.value(QStringLiteral("events")).toDouble(), a.result.events) << s.name;
        EXPECT_TRUE(near(once, "tau", a.result.tau)) << s.name;
        EXPECT_TRUE(near(once, "tau_error", a.result.tau_error)) << s.name;
        EXPECT_TRUE(near(once, "forecast_hours", a.forecast.hours)) << s.name;
        EXPECT_TRUE(near(once, "live_time_s", session.rate().live_s)) << s.name;
        EXPECT_TRUE(near(once, "rate_per_hour", session.rate().rate_per_hour)) << s.name;
    }
    EXPECT_EQ(session_alarms, 1);
    // One desktop notification each: the window's and the session's.
    EXPECT_EQ(recorder().notifications.size(), 2) << recorder().notifications.join(u'\n').toStdString();
}
