#include "session/desktop_notification.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QStringList>
#include <QVariantMap>

namespace {

// The notifications of a tag shown by the service: the id it gave, or 0
// while its answer has not come; withdrawn before it came: closed then.
struct Shown {
    quint32 id = 0;
    bool withdrawn = false;
};
QHash<QString, Shown>& shown() {
    static QHash<QString, Shown> by_tag;
    return by_tag;
}

QDBusMessage notifications_call(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                          QStringLiteral("/org/freedesktop/Notifications"),
                                          QStringLiteral("org.freedesktop.Notifications"), method);
}

void close_notification(QDBusConnection& bus, quint32 id) {
    QDBusMessage m = notifications_call(QStringLiteral("CloseNotification"));
    m << id;
    bus.send(m);
}

}  // namespace

// Sent without waiting for its answer: without a session bus or without the
// service, nothing is shown and nothing is said.
void notify_desktop(const platform::Notification& n) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    QDBusMessage m = notifications_call(QStringLiteral("Notify"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(static_cast<uchar>(n.critical ? 2 : 1)));
    const quint32 replaces = n.tag.isEmpty() ? 0 : shown().value(n.tag).id;
    m << QStringLiteral("vorns") << replaces << QStringLiteral("vorns") << n.title << n.text << QStringList() << hints
      << (n.critical ? 0 : -1);
    if (n.tag.isEmpty() || !QCoreApplication::instance()) {
        bus.send(m);
        return;
    }
    shown()[n.tag].withdrawn = false;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(m), QCoreApplication::instance());
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, QCoreApplication::instance(),
                     [tag = n.tag](QDBusPendingCallWatcher* w) {
                         const QDBusPendingReply<quint32> reply = *w;
                         w->deleteLater();
                         if (reply.isError()) return;
                         Shown& s = shown()[tag];
                         s.id = reply.value();
                         if (s.withdrawn) {
                             QDBusConnection session = QDBusConnection::sessionBus();
                             close_notification(session, s.id);
                             shown().remove(tag);
                         }
                     });
}

void notify_desktop(const QString& title, const QString& text) {
    notify_desktop(platform::Notification{{}, title, text, false});
}

void withdraw_desktop(const QString& tag) {
    const auto it = shown().find(tag);
    if (it == shown().end()) return;
    if (it->id == 0) {
        it->withdrawn = true;  // closed when the service's answer comes
        return;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) close_notification(bus, it->id);
    shown().erase(it);
}
