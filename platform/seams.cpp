#include "platform/seams.h"

namespace platform {

Seams& seams() {
    static Seams instance;
    return instance;
}

void show_message(const QString& text) {
    if (!seams().show_message) return;
    seams().show_message(text);
}

Answer ask(const Question& question) {
    if (!seams().ask) return Answer::cancel;
    return seams().ask(question);
}

void notify(const Notification& notification) {
    if (seams().notify) seams().notify(notification);
}

void notify(const QString& title, const QString& text) { notify(Notification{{}, title, text, false}); }

void withdraw(const QString& tag) {
    if (seams().withdraw) seams().withdraw(tag);
}

}  // namespace platform
