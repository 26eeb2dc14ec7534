#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>

#include <cerrno>
#include <cstring>

namespace {
// The platform's texts in the program's language (platform/translations.h).
struct PlatformText {
    Q_DECLARE_TR_FUNCTIONS(platform)
};
}  // namespace

namespace platform {

Error::Error(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

QString citation(QStringView text, qsizetype longueur) {
    if (text.size() <= longueur) return text.toString();
    qsizetype n = longueur;
    if (n > 0 && text.at(n - 1).isHighSurrogate()) --n;  // never half a character
    return text.first(n).toString() + QChar(0x2026);
}

void raise_invalid_integer(const QString& text) {
    throw Error(PlatformText::tr("'%1' is not a valid integer value").arg(citation(text)));
}

void raise_invalid_float(const QString& text) {
    throw Error(PlatformText::tr("'%1' is not a valid floating point value").arg(citation(text)));
}

void raise_division_by_zero() { throw Error(PlatformText::tr("Floating point division by zero")); }

void raise_invalid_operation() { throw Error(PlatformText::tr("Invalid floating point operation")); }

void raise_overflow() { throw Error(PlatformText::tr("Floating point overflow")); }

QString out_of_memory_text() { return PlatformText::tr("Out of memory"); }

void raise_no_memory_for(const QString& path) {
    raise_cannot_open(path, QString::fromLocal8Bit(std::strerror(ENOMEM)));
}

void raise_cannot_open(const QString& path, const QString& reason) {
    throw Error(PlatformText::tr("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason));
}

}  // namespace platform
