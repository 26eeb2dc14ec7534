#pragma once
// Unix seconds as the computer's local date and time of day.
#include <cstdint>

struct HeureLocale {
    std::int64_t jour = 0;     // the local date, in days since 1970-01-01
    std::int32_t seconde = 0;  // the local time of day, in seconds since midnight
};

HeureLocale heure_locale(std::int64_t secondes_unix);
