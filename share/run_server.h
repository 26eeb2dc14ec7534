#pragma once
// The HTTP server of a shared run, in a thread of its own so that a request,
// or a thousand, never holds the window: it answers from the pages its owner
// published last (share/run_page.h), bytes made once a reload.
//
//   share::RunServer server;
//   if (const auto failed = server.start(QHostAddress::LocalHost, 8080, share::new_token())) ...;
//   server.show(page_run);           // after each reload
//   server.url()                     // http://127.0.0.1:8080/run/TOKEN/
//
// Safe by default: only the fixed addresses of the page behind the token
// (/run/TOKEN/, run.json, histogram.svg, rate.svg), no file of the disk; any
// other path, or another token, gets 404 with an empty body; methods other than
// GET and HEAD get 405; a request larger than a few kB, a connection that
// brings no whole request for a while, or one that does not read its answers,
// is cut; a few dozen connections at most.
#include "share/run_page.h"

#include <QHostAddress>
#include <QObject>
#include <memory>
#include <optional>

class QThread;

namespace share {

struct Limits {
    int max_connections = 32;
    qint64 max_request_bytes = 8 * 1024;
    int idle_ms = 10000;                     // a connection bringing no whole request that long is cut
    qint64 max_unsent_bytes = 4 * 1024 * 1024;
};

class Worker;
struct PageBox;

class RunServer : public QObject {
    Q_OBJECT
public:
    explicit RunServer(QObject* parent = nullptr);
    ~RunServer() override;

    // Listens on `address` at `port` (0: a free port) with `token`; returns
    // the reason when it cannot (the port taken, an address not of this machine).
    std::optional<QString> start(const QHostAddress& address, quint16 port, const QByteArray& token,
                                 const Limits& limits = {});
    void stop();
    bool running() const { return worker_ != nullptr; }
    quint16 port() const { return port_; }
    const QByteArray& token() const { return token_; }
    // The address to open: on the loopback address, or on a network address of this machine.
    QString url() const;

    // After a reload: the pages made again, plots included. After an alarm
    // change: `plots` false keeps the plots of the last reload.
    void show(const PageRun& run, bool plots = true);
    // What is served now (read by tests).
    std::shared_ptr<const Pages> pages() const;

private:
    std::unique_ptr<QThread> thread_;
    Worker* worker_ = nullptr;
    QHostAddress address_;
    quint16 port_ = 0;
    QByteArray token_;
    std::shared_ptr<const Pages> pages_;
    std::shared_ptr<PageBox> box_;  // what the server's thread reads
};

// The host a browser on another device reaches this machine by, for a server
// listening on `address`: the address itself, or for "any" the first network
// address of a running interface (the loopback address when there is none).
QString reachable_host(const QHostAddress& address);

}  // namespace share
