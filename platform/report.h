#pragma once
// Every handler runs inside report_errors: an error becomes one message box,
// the program goes on, and nothing the handler already changed is undone.
// What runs while nobody may be there to close a box (the refresh tick) takes
// the same text from error_of and shows it where it needs no answer.
#include "platform/errors.h"
#include "platform/seams.h"

#include <QCoreApplication>

#include <exception>
#include <optional>

namespace platform {

// The text of the error `action` raised, if it raised one.
template <class Action>
std::optional<QString> error_of(Action&& action) noexcept {
    try {
        action();
    } catch (const Error& e) {
        return e.text();
    } catch (const std::bad_alloc&) {
        return out_of_memory_text();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QCoreApplication::translate("platform", "Unknown error");
    }
    return std::nullopt;
}

template <class Handler>
void report_errors(Handler&& handler) noexcept {
    if (const std::optional<QString> error = error_of(handler)) show_message(*error);
}

}  // namespace platform
