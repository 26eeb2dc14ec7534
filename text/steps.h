#pragma once
// Stepping along 1, 2, ..., 9, 10, 20, ..., 100, 200, ...: values j x 10^k, j = 1..10,
// and the three uses of it on a scale field: the "+" and "-" buttons and the
// growth of the time axis to hold the whole acquisition.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

// The factor of one button step (and of the autoscale), in extended precision.
constexpr long double FACTEUR_ECHELLE = 1.1L;

// The smallest grid value not below x (decades 10^-9 .. 10^10); digit := j.
// Above 10^11 nothing is found: 10, digit unchanged.
long double pas_superieur(std::int32_t& digit, long double x);
// The largest grid value not above x (decades 10^11 .. 10^-8); digit := j.
// Below 10^-8 nothing is found: 1, digit unchanged.
long double pas_inferieur(std::int32_t& digit, long double x);

// A stepping button on a field holding an integer v: the new field text.
// "-" gives the largest value j x 10^k (j = 1..10) not above v / 1.1, "+" the
// smallest not below v x 1.1, rounded to an integer. A text that is not an
// integer raises the conversion error; a result beyond 32 bits raises an overflow.
QString abaisse_echelle(QStringView texte);
QString eleve_echelle(QStringView texte);

// The text of a scale field that must hold `valeur`: nothing when the integer
// of `texte` already reaches it, else the smallest grid value not below it.
// A text that is not an integer raises the conversion error; a value whose
// step does not fit 32 bits (or lies beyond the last step, 10^11) raises an
// overflow, since there is no step to widen to.
std::optional<QString> echelle_agrandie(QStringView texte, long double valeur);
