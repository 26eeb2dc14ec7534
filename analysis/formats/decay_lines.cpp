#include "analysis/formats/decay_lines.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QCoreApplication>
#include <QList>
#include <array>
#include <cmath>
#include <limits>

namespace {

// Why a line is no record, in the program's language.
struct FormatText {
    Q_DECLARE_TR_FUNCTIONS(formats)
};

[[noreturn]] void illisible(const QString& pourquoi) { throw platform::Error(pourquoi); }

// Why a date is unreadable: the date written first ('2015-12-10 11:49:22.123') or after "Decay".
QString date_illisible(bool ecrite_d_abord) {
    return ecrite_d_abord ? FormatText::tr("date illisible (attendu '2015-12-10 11:49:22.123')")
                          : FormatText::tr("date illisible (attendu 'Thu_Dec_10_11:49:22_2015')");
}

constexpr std::array<const char16_t*, 12> kMois = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                   u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr std::array<const char16_t*, 7> kJours = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};

int entier(QStringView texte, int max, bool ecrite_d_abord = false) {
    if (texte.isEmpty() || texte.size() > 4) illisible(date_illisible(ecrite_d_abord));
    int v = 0;
    for (QChar c : texte) {
        if (c < u'0' || c > u'9') illisible(date_illisible(ecrite_d_abord));
        v = v * 10 + (c.unicode() - u'0');
    }
    if (v > max) illisible(date_illisible(ecrite_d_abord));
    return v;
}

// "2015-12-10 11:49:22.123" (the fraction of the second optional, up to
// microseconds): the date written first.
void read_date_first(QStringView date, LigneDecay& ligne) {
    constexpr bool e = true;  // the date written first
    const qsizetype blanc = date.indexOf(u' ');
    if (blanc < 0) illisible(date_illisible(e));
    const QList<QStringView> jour = date.first(blanc).split(u'-');
    QStringView heure = date.sliced(blanc + 1).trimmed();
    if (jour.size() != 3 || jour[0].size() != 4 || jour[1].size() != 2 || jour[2].size() != 2) illisible(date_illisible(e));
    const qsizetype point = heure.indexOf(u'.');
    if (point >= 0) {
        const QStringView fraction = heure.sliced(point + 1);
        if (fraction.isEmpty() || fraction.size() > 6) illisible(date_illisible(e));
        std::int32_t us = 0;
        for (qsizetype k = 0; k < 6; ++k) us = us * 10 + (k < fraction.size() ? entier(fraction.sliced(k, 1), 9, e) : 0);
        ligne.microsecond = us;
        heure = heure.first(point);
    }
    const QList<QStringView> hms = heure.split(u':');
    if (hms.size() != 3 || hms[0].size() != 2 || hms[1].size() != 2 || hms[2].size() != 2) illisible(date_illisible(e));
    const int annee = entier(jour[0], 9999, e);
    const int m = entier(jour[1], 12, e);
    const int j = entier(jour[2], 31, e);
    if (m < 1 || j < 1 || j > jours_du_mois(annee, m)) illisible(date_illisible(e));
    ligne.jour = jours_depuis_1970(annee, m, j);
    ligne.seconde = entier(hms[0], 23, e) * 3600 + entier(hms[1], 59, e) * 60 + entier(hms[2], 60, e);
    ligne.date_first = true;
}

// The duration in microseconds, after the date.
void read_duration(QStringView duree, LigneDecay& lue) {
    lue.microsecondes = platform::str_to_float(duree, QLatin1Char('.'));
    if (!(lue.microsecondes >= 0) || !std::isfinite(lue.microsecondes)) {
        illisible(FormatText::tr("durée négative ou non finie : %1").arg(duree.toString()));
    }
    // A duration is kept in a double, as the records of the acquisition's lines.
    if (lue.microsecondes > std::numeric_limits<double>::max()) platform::raise_overflow();
    lue.desintegration = true;
}

// "Thu_Dec_10_11:49:22_2015" ('_' or blanks between the parts, a day of one
// digit after two of them, as asctime pads it).
void lit_date(QStringView date, LigneDecay& ligne) {
    QList<QStringView> parties;
    for (QStringView p : date.tokenize(u'_')) {
        for (QStringView q : p.tokenize(u' ', Qt::SkipEmptyParts)) parties.append(q);
    }
    parties.removeIf([](QStringView p) { return p.isEmpty(); });
    if (parties.size() != 5) illisible(date_illisible(false));
    if (std::find(kJours.begin(), kJours.end(), parties[0]) == kJours.end()) illisible(date_illisible(false));
    const auto mois = std::find(kMois.begin(), kMois.end(), parties[1]);
    if (mois == kMois.end()) illisible(date_illisible(false));
    const int m = static_cast<int>(mois - kMois.begin()) + 1;
    const int annee = entier(parties[4], 9999);
    const int j = entier(parties[2], 31);
    if (j < 1 || j > jours_du_mois(annee, m)) illisible(date_illisible(false));
    const QList<QStringView> heure = parties[3].split(u':');
    if (heure.size() != 3) illisible(date_illisible(false));
    ligne.jour = jours_depuis_1970(annee, m, j);
    ligne.seconde = entier(heure[0], 23) * 3600 + entier(heure[1], 59) * 60 + entier(heure[2], 60);
}

}  // namespace

LigneDecay lit_ligne_decay(QStringView ligne) {
    const QStringView texte = ligne.trimmed();
    LigneDecay lue;
    if (texte.isEmpty() || texte.startsWith(u'#')) return lue;
    if (texte.startsWith(u'\'')) {
        // '2015-12-10 11:49:22.123' Decay 2.4375
        const qsizetype fin_date = texte.indexOf(u'\'', 1);
        if (fin_date < 0) illisible(date_illisible(true));
        const QStringView reste = texte.sliced(fin_date + 1).trimmed();
        qsizetype i = 0;
        while (i < reste.size() && reste[i].isLetter()) ++i;
        if (i == 0) illisible(FormatText::tr("ligne d'un autre format (attendu « 'date' Decay durée »)"));
        if (reste.first(i) != u"Decay") return lue;  // another line of the program
        read_date_first(texte.sliced(1, fin_date - 1), lue);
        read_duration(reste.sliced(i).trimmed(), lue);
        return lue;
    }
    qsizetype i = 0;
    while (i < texte.size() && texte[i].isLetter()) ++i;
    if (i == 0) illisible(FormatText::tr("ligne d'un autre format (attendu « Decay 'date' durée »)"));
    if (texte.first(i) != u"Decay") return lue;  // a line of the program: a rate, a count, a setting
    const QStringView reste = texte.sliced(i).trimmed();
    const qsizetype fin_date = reste.indexOf(u'\'', 1);
    if (!reste.startsWith(u'\'') || fin_date < 0) illisible(date_illisible(false));
    lit_date(reste.sliced(1, fin_date - 1), lue);
    read_duration(reste.sliced(fin_date + 1).trimmed(), lue);
    return lue;
}
