#include "platform/errors.h"

#include <QDir>

namespace platform {

Error::Error(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

void raise_invalid_integer(const QString& text) {
    throw Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

void raise_invalid_float(const QString& text) {
    throw Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

void raise_division_by_zero() { throw Error(QStringLiteral("Floating point division by zero")); }

void raise_invalid_operation() { throw Error(QStringLiteral("Invalid floating point operation")); }

void raise_overflow() { throw Error(QStringLiteral("Floating point overflow")); }

void raise_cannot_open(const QString& path, const QString& reason) {
    throw Error(QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace platform
