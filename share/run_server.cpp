#include "share/run_server.h"

#include <QAbstractHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QMutex>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include "share/token.h"

namespace share {

// What is served, handed from the owner's thread to the server's.
struct PageBox {
    mutable QMutex mutex;
    std::shared_ptr<const Pages> pages;

    std::shared_ptr<const Pages> get() const {
        QMutexLocker lock(&mutex);
        return pages;
    }
    void set(std::shared_ptr<const Pages> p) {
        QMutexLocker lock(&mutex);
        pages = std::move(p);
    }
};

namespace {

// What a connection has brought since its last whole request, and its clock.
class Guard : public QObject {
public:
    Guard(QTcpSocket* socket, const Limits& limits) : QObject(socket), socket_(socket), limits_(limits) {
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] { cut(); });
        timer_.start(limits_.idle_ms);
        // Before the HTTP server's own reading: a request too large is cut before it is parsed.
        connect(socket_, &QTcpSocket::readyRead, this, [this] {
            received_ += socket_->bytesAvailable();
            if (received_ > limits_.max_request_bytes) cut();
        });
    }
    // A whole request came: its bytes and its time start again.
    void request_done() {
        received_ = 0;
        timer_.start(limits_.idle_ms);
    }
    void cut() {
        timer_.stop();
        QObject::disconnect(socket_, &QTcpSocket::readyRead, nullptr, nullptr);
        socket_->abort();
    }

private:
    QTcpSocket* socket_;
    Limits limits_;
    QTimer timer_;
    qint64 received_ = 0;
};

constexpr char kGuard[] = "vorns_guard";

// The guard of a socket of the guarded server (a child of it, gone with it).
Guard* guard_of(QTcpSocket* socket) { return static_cast<Guard*>(socket->property(kGuard).value<void*>()); }

// The TCP server: counts its connections, refuses those past the limit, and
// guards each one.
class GuardedTcpServer : public QTcpServer {
public:
    explicit GuardedTcpServer(const Limits& limits) : limits_(limits) {}

protected:
    void incomingConnection(qintptr descriptor) override {
        auto* socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        if (open_ >= limits_.max_connections) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        ++open_;
        connect(socket, &QObject::destroyed, this, [this] { --open_; });
        // A cut connection the HTTP server has not yet taken is deleted here.
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->setReadBufferSize(2 * limits_.max_request_bytes);
        socket->setProperty(kGuard, QVariant::fromValue<void*>(new Guard(socket, limits_)));
        addPendingConnection(socket);
    }

private:
    Limits limits_;
    int open_ = 0;
};

enum class Route { none, page, json, histogram, rate };

// The route of a path: /run/TOKEN/ and the page's few addresses, the token
// compared in constant time. Nothing else exists.
Route route_of(QByteArrayView path, QByteArrayView token) {
    constexpr QByteArrayView prefix("/run/");
    if (!path.startsWith(prefix) || path.size() < prefix.size() + token.size()) return Route::none;
    const QByteArrayView given = path.sliced(prefix.size(), token.size());
    const QByteArrayView rest = path.sliced(prefix.size() + token.size());
    const Route route = rest == QByteArrayView("/")              ? Route::page
                        : rest == QByteArrayView("/run.json")      ? Route::json
                        : rest == QByteArrayView("/histogram.svg") ? Route::histogram
                        : rest == QByteArrayView("/rate.svg")      ? Route::rate
                                                                   : Route::none;
    return same_token(given, token) ? route : Route::none;
}

}  // namespace

// The HTTP server proper, in the server's thread.
class Worker : public QAbstractHttpServer {
public:
    Worker(std::shared_ptr<PageBox> box, QByteArray token, const Limits& limits)
        : box_(std::move(box)), token_(std::move(token)), limits_(limits) {}

    std::optional<QString> listen_on(const QHostAddress& address, quint16 port, quint16& bound) {
        auto* tcp = new GuardedTcpServer(limits_);
        tcp->setMaxPendingConnections(limits_.max_connections);
        if (!tcp->listen(address, port)) {
            const QString reason = tcp->errorString();
            delete tcp;
            return reason;
        }
        bound = tcp->serverPort();
        bind(tcp);
        return std::nullopt;
    }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override {
        if (Guard* g = guard_of(socket)) g->request_done();
        QHttpServerResponder responder = makeResponder(request, socket);
        const QHttpServerRequest::Method method = request.method();
        const bool head = method == QHttpServerRequest::Method::Head;
        if (method != QHttpServerRequest::Method::Get && !head) {
            answer(responder, QHttpServerResponder::StatusCode::MethodNotAllowed, {}, {}, true, "GET, HEAD");
        } else {
            const std::shared_ptr<const Pages> pages = box_->get();
            const QByteArray path = request.url().path(QUrl::FullyEncoded).toLatin1();
            const Route route = pages ? route_of(path, token_) : Route::none;
            const QByteArray* body = nullptr;
            QByteArray type;
            switch (route) {
                case Route::page: body = &pages->html, type = "text/html; charset=utf-8"; break;
                case Route::json: body = &pages->json, type = "application/json; charset=utf-8"; break;
                case Route::histogram: body = &pages->histogram_svg, type = "image/svg+xml"; break;
                case Route::rate: body = &pages->rate_svg, type = "image/svg+xml"; break;
                case Route::none: break;
            }
            if (body && !body->isEmpty()) {
                answer(responder, QHttpServerResponder::StatusCode::Ok, type, *body, head);
            } else {
                answer(responder, QHttpServerResponder::StatusCode::NotFound, {}, {}, true);
            }
        }
        // A client that does not read its answers is not given more to hold.
        if (socket->bytesToWrite() > limits_.max_unsent_bytes) {
            if (Guard* g = guard_of(socket)) g->cut();
        }
        return true;
    }
    void missingHandler(const QHttpServerRequest&, QTcpSocket*) override {}

private:
    std::shared_ptr<PageBox> box_;
    QByteArray token_;
    Limits limits_;

    static void answer(QHttpServerResponder& r, QHttpServerResponder::StatusCode status, const QByteArray& type,
                       const QByteArray& body, bool no_body, const char* allow = nullptr) {
        r.writeStatusLine(status);
        if (!type.isEmpty()) r.writeHeader("Content-Type", type);
        r.writeHeader("Content-Length", QByteArray::number(body.size()));
        r.writeHeader("Cache-Control", "no-store");
        r.writeHeader("X-Content-Type-Options", "nosniff");
        r.writeHeader("Referrer-Policy", "no-referrer");
        r.writeHeader("X-Frame-Options", "DENY");
        r.writeHeader("Content-Security-Policy",
                      type.startsWith("text/html")  ? page_policy()
                      : type.startsWith("image/svg") ? QByteArray("default-src 'none'; style-src 'unsafe-inline'")
                                                     : QByteArray("default-src 'none'"));
        if (allow) r.writeHeader("Allow", allow);
        r.writeBody(no_body ? QByteArray() : body);
    }
};

RunServer::RunServer(QObject* parent) : QObject(parent) {}

RunServer::~RunServer() { stop(); }


std::optional<QString> RunServer::start(const QHostAddress& address, quint16 port, const QByteArray& token,
                                        const Limits& limits) {
    stop();
    box_ = std::make_shared<PageBox>();
    box_->set(pages_);
    auto* worker = new Worker(box_, token, limits);
    thread_ = std::make_unique<QThread>();
    thread_->setObjectName(QStringLiteral("vorns-share"));
    worker->moveToThread(thread_.get());
    thread_->start();
    std::optional<QString> failed;
    quint16 bound = 0;
    QMetaObject::invokeMethod(
        worker, [&] { failed = worker->listen_on(address, port, bound); }, Qt::BlockingQueuedConnection);
    if (failed) {
        QMetaObject::invokeMethod(worker, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
        thread_->quit();
        thread_->wait();
        thread_.reset();
        return failed;
    }
    worker_ = worker;
    address_ = address;
    port_ = bound;
    token_ = token;
    return std::nullopt;
}

void RunServer::stop() {
    if (!worker_) return;
    Worker* worker = worker_;
    QMetaObject::invokeMethod(worker, [worker] { delete worker; }, Qt::BlockingQueuedConnection);
    worker_ = nullptr;
    thread_->quit();
    thread_->wait();
    thread_.reset();
    port_ = 0;
}

QString RunServer::url() const { return page_url(reachable_host(address_), port_, token_); }

void RunServer::show(const PageRun& run, bool plots) {
    pages_ = std::make_shared<const Pages>(make_pages(run, plots || !pages_ ? nullptr : pages_.get()));
    if (box_) box_->set(pages_);
}

std::shared_ptr<const Pages> RunServer::pages() const { return pages_; }

QString reachable_host(const QHostAddress& address) {
    if (address != QHostAddress::Any && address != QHostAddress::AnyIPv4 && address != QHostAddress::AnyIPv6) {
        return address.toString();
    }
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        const auto flags = i.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& e : i.addressEntries()) {
            if (e.ip().protocol() == QAbstractSocket::IPv4Protocol) return e.ip().toString();
        }
    }
    return QHostAddress(QHostAddress::LocalHost).toString();
}

}  // namespace share
