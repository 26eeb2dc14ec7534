#include "platform/seams.h"

namespace platform {

namespace {
int g_open_message_boxes = 0;

// Counts the box as open while `show` runs.
template <class Show>
auto while_open(Show&& show) {
    ++g_open_message_boxes;
    struct Closing {
        ~Closing() { --g_open_message_boxes; }
    } closing;
    return show();
}
}  // namespace

Seams& seams() {
    static Seams instance;
    return instance;
}

void show_message(const QString& text) {
    if (!seams().show_message) return;
    while_open([&] { seams().show_message(text); });
}

Answer ask(const Question& question) {
    if (!seams().ask) return Answer::cancel;
    return while_open([&] { return seams().ask(question); });
}

void notify(const QString& title, const QString& text) {
    if (seams().notify) seams().notify(title, text);
}

bool message_box_open() { return g_open_message_boxes > 0; }

}  // namespace platform
