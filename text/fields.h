#pragma once
// Cutting a line into fields, decimal marks and blank trimming.
#include <QString>
#include <QStringView>

// What extrait gives for an empty line: "_extraitUTIL<" followed by ">".
extern const QString EXTRAIT_MARQUEUR;

// Field n (from 1) of s cut at sep. Runs of separators count as one, a
// separator at either end makes no empty field, blanks around the field are
// dropped; field 0 and fields past the last are empty; an empty s gives the marker.
QString extrait(QStringView s, unsigned char n, QChar sep);
// The same without copying: a view into s (or onto the marker).
QStringView extrait_vue(QStringView s, unsigned char n, QChar sep);

// '.' and ',' become the locale's decimal separator.
void adapte_car_decimal(QChar& c);
void adapte_decimales(QString& s);

// Blanks are spaces only; tabs are never removed.
QString supprime_blancs_fin(QStringView s);
QString supprime_blancs_debut(QStringView s);
QString supprime_blancs(QStringView s);
QStringView supprime_blancs_vue(QStringView s);
