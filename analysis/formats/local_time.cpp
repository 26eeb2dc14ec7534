#include "analysis/formats/local_time.h"

#include <QDateTime>

HeureLocale heure_locale(std::int64_t secondes_unix) {
    const QDateTime t = QDateTime::fromSecsSinceEpoch(secondes_unix, Qt::LocalTime);
    if (!t.isValid()) return {};  // beyond the calendar's range
    constexpr qint64 kJourJulien1970 = 2440588;
    return {t.date().toJulianDay() - kJourJulien1970, t.time().msecsSinceStartOfDay() / 1000};
}
