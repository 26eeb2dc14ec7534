#pragma once
// The program's errors: a text that is not a number, a file that cannot be
// opened, a floating-point fault. Each carries the text shown to the user.
#include <QString>
#include <QStringView>
#include <new>
#include <stdexcept>

namespace platform {

class Error : public std::runtime_error {
public:
    explicit Error(const QString& text);
    const QString& text() const noexcept { return text_; }

private:
    QString text_;
};

// A text as a message quotes it: whole up to `longueur` characters, else its
// first `longueur` and "…" (never half a character). A field of megabytes
// would make a message box that takes minutes to lay out.
QString citation(QStringView text, qsizetype longueur = 100);

// A text of more than 100 characters is quoted by its first 100 and "…".
[[noreturn]] void raise_invalid_integer(const QString& text);
[[noreturn]] void raise_invalid_float(const QString& text);
[[noreturn]] void raise_division_by_zero();
[[noreturn]] void raise_invalid_operation();
[[noreturn]] void raise_overflow();
// `Cannot open file "PATH". ` followed by the system's reason.
[[noreturn]] void raise_cannot_open(const QString& path, const QString& reason);
// The same with the system's reason for memory that cannot be had.
[[noreturn]] void raise_no_memory_for(const QString& path);
// What is said of any other allocation that fails.
QString out_of_memory_text();

// What `read` gives; when the memory it needs for the file `path` cannot be
// had (a file far larger than the machine's memory), the file error above
// with the system's reason for it, which a window shows like any file that
// cannot be read, instead of a failed allocation ending the program.
template <class Read>
decltype(auto) with_memory_for(const QString& path, Read&& read) {
    try {
        return read();
    } catch (const std::bad_alloc&) {
        raise_no_memory_for(path);
    }
}

}  // namespace platform
