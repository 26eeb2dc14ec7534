#include "cli/serve_run.h"

#include "platform/files.h"
#include "session/session.h"
#include "settings/settings_files.h"
#include "share/run_server.h"
#include "share/token.h"

#include <QDateTime>
#include <cstdio>

namespace {

void say(const QString& line) {
    std::fputs((line + QLatin1Char('\n')).toUtf8().constData(), stderr);
    std::fflush(stderr);
}

// The page of one session: its server and the time of the last reload.
class SessionPage : public QObject {
public:
    SessionPage(RunSession& session, double period_s) : session_(session), period_s_(period_s) {
        connect(&session, &RunSession::reloaded, this, [this] {
            updated_ = QDateTime::currentDateTime();
            show(true);
        });
        connect(&session, &RunSession::alarm_changed, this, [this] {
            if (updated_.isValid()) show(false);
        });
    }
    share::RunServer server;

private:
    RunSession& session_;
    double period_s_;
    QDateTime updated_;

    void show(bool plots) { server.show(share::PageRun{followed_run(session_), updated_, period_s_}, plots); }
};

}  // namespace

std::unique_ptr<QObject> serve_run(RunSession& session, const FitOptions& o, QString& failed) {
    const QHostAddress address(o.serve_address);
    if (address.isNull()) {
        failed = QStringLiteral("--serve-address: '%1' is no IP address").arg(o.serve_address);
        return nullptr;
    }
    QByteArray token = share::new_token();
    const QString kept_file = chemin_du_reglage(share::kKeptAddressFile);
    if (o.keep_token) {
        QString why;
        if (const auto kept = share::read_kept_address(kept_file, &why)) {
            token = kept->token;
        } else if (!why.isEmpty()) {
            say(QStringLiteral("vorns-fit: %1: %2: a new token is made").arg(platform::native_path(kept_file), why));
        }
    }
    auto page = std::make_unique<SessionPage>(session, o.period_s);
    if (const auto refused = page->server.start(address, static_cast<quint16>(o.serve_port), token)) {
        failed = *refused;
        return nullptr;
    }
    if (o.keep_token) {
        const share::KeptAddress kept{token, static_cast<quint16>(o.serve_port),
                                      address != QHostAddress::LocalHost && address != QHostAddress::LocalHostIPv6};
        if (const auto not_kept = share::keep_address(kept_file, kept)) {
            say(QStringLiteral("vorns-fit: the page's address cannot be kept in %1: %2")
                    .arg(platform::native_path(kept_file), *not_kept));
        }
    }
    // The address alone on its line, for a person to copy and a script to read.
    say(page->server.url());
    return page;
}
