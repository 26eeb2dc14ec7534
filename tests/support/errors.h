#pragma once
// What a test reads of an error the program reports.
#include "platform/errors.h"

#include <QString>
#include <functional>

// The text of the error that `action` raises the program's way, or "(no error)".
inline QString erreur_de(const std::function<void()>& action) {
    try {
        action();
    } catch (const platform::Error& e) {
        return e.text();
    }
    return QStringLiteral("(no error)");
}
