#include "platform/seams.h"

namespace platform {

namespace {
int g_open_message_boxes = 0;
}

Seams& seams() {
    static Seams instance;
    return instance;
}

void show_message(const QString& text) {
    if (!seams().show_message) return;
    ++g_open_message_boxes;
    struct Closing {
        ~Closing() { --g_open_message_boxes; }
    } closing;
    seams().show_message(text);
}

bool message_box_open() { return g_open_message_boxes > 0; }

}  // namespace platform
