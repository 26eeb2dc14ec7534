#pragma once
// The C library's locale of the whole process, as a Qt application takes it
// from the user's environment when it starts: under French or German the C
// library writes and reads numbers with a decimal comma.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

// The process locales every number text must be indifferent to.
inline const char* const kProcessLocales[] = {"C", "fr_FR.UTF-8", "de_DE.UTF-8"};

// Sets the process locale for the lifetime of the object, then puts the
// previous one back. A locale missing from the machine fails the test:
// scripts/setup.sh generates the French and German ones.
class ProcessLocale {
public:
    explicit ProcessLocale(const char* name) : before_(std::setlocale(LC_ALL, nullptr)) {
        if (std::setlocale(LC_ALL, name) == nullptr) {
            ADD_FAILURE() << "locale " << name << " is not installed (bash scripts/setup.sh generates it)";
        }
    }
    ~ProcessLocale() { std::setlocale(LC_ALL, before_.c_str()); }
    ProcessLocale(const ProcessLocale&) = delete;
    ProcessLocale& operator=(const ProcessLocale&) = delete;

private:
    std::string before_;
};
