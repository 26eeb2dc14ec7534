#pragma once
// Every handler runs inside report_errors: an error becomes one message box,
// the program goes on, and nothing the handler already changed is undone.
#include "platform/errors.h"
#include "platform/seams.h"

#include <exception>

namespace platform {

template <class Handler>
void report_errors(Handler&& handler) noexcept {
    try {
        handler();
    } catch (const Error& e) {
        show_message(e.text());
    } catch (const std::bad_alloc&) {
        show_message(out_of_memory_text());
    } catch (const std::exception& e) {
        show_message(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        show_message(QStringLiteral("Unknown error"));
    }
}

}  // namespace platform
