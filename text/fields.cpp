#include "text/fields.h"

#include "platform/numbers.h"

const QString EXTRAIT_MARQUEUR = QStringLiteral("_extraitUTIL<") + QStringLiteral(">");

QStringView supprime_blancs_vue(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin] == QLatin1Char(' ')) ++begin;
    while (end > begin && s[end - 1] == QLatin1Char(' ')) --end;
    return s.sliced(begin, end - begin);
}

QStringView extrait_vue(QStringView s, unsigned char n, QChar sep) {
    if (s.isEmpty()) return EXTRAIT_MARQUEUR;
    // With '"' as separator the marking of passed separators makes every field empty.
    if (n == 0 || sep == QLatin1Char('"')) return {};
    const qsizetype size = s.size();
    qsizetype i = 0;
    unsigned field = 0;
    while (i < size) {
        while (i < size && s[i] == sep) ++i;  // a run of separators is one separator
        if (i == size) break;
        const qsizetype start = i;
        while (i < size && s[i] != sep) ++i;
        if (++field == n) return supprime_blancs_vue(s.sliced(start, i - start));
    }
    return {};
}

QString extrait(QStringView s, unsigned char n, QChar sep) { return extrait_vue(s, n, sep).toString(); }

void adapte_car_decimal(QChar& c) {
    const QChar separator = platform::decimal_separator();
    if (c == QLatin1Char('.') && separator != QLatin1Char('.')) c = separator;
    if (c == QLatin1Char(',') && separator != QLatin1Char(',')) c = separator;
}

void adapte_decimales(QString& s) {
    for (QChar& c : s) adapte_car_decimal(c);
}

QString supprime_blancs_fin(QStringView s) {
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' ')) --end;
    return s.first(end).toString();
}

QString supprime_blancs_debut(QStringView s) {
    qsizetype begin = 0;
    while (begin < s.size() && s[begin] == QLatin1Char(' ')) ++begin;
    return s.sliced(begin).toString();
}

QString supprime_blancs(QStringView s) { return supprime_blancs_vue(s).toString(); }
