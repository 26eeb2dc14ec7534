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

[[noreturn]] void date_illisible() { illisible(FormatText::tr("date illisible (attendu 'Thu_Dec_10_11:49:22_2015')")); }

constexpr std::array<const char16_t*, 12> kMois = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                   u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
constexpr std::array<const char16_t*, 7> kJours = {u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};

int entier(QStringView texte, int max) {
    if (texte.isEmpty() || texte.size() > 4) date_illisible();
    int v = 0;
    for (QChar c : texte) {
        if (c < u'0' || c > u'9') date_illisible();
        v = v * 10 + (c.unicode() - u'0');
    }
    if (v > max) date_illisible();
    return v;
}

int jours_du_mois(std::int64_t annee, int mois) {
    static constexpr int jours[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bissextile = (annee % 4 == 0 && annee % 100 != 0) || annee % 400 == 0;
    return mois == 2 && bissextile ? 29 : jours[mois - 1];
}

// "Thu_Dec_10_11:49:22_2015" ('_' or blanks between the parts, a day of one
// digit after two of them, as asctime pads it).
void lit_date(QStringView date, LigneDecay& ligne) {
    QList<QStringView> parties;
    for (QStringView p : date.tokenize(u'_')) {
        for (QStringView q : p.tokenize(u' ', Qt::SkipEmptyParts)) parties.append(q);
    }
    parties.removeIf([](QStringView p) { return p.isEmpty(); });
    if (parties.size() != 5) date_illisible();
    if (std::find(kJours.begin(), kJours.end(), parties[0]) == kJours.end()) date_illisible();
    const auto mois = std::find(kMois.begin(), kMois.end(), parties[1]);
    if (mois == kMois.end()) date_illisible();
    const int m = static_cast<int>(mois - kMois.begin()) + 1;
    const int annee = entier(parties[4], 9999);
    const int j = entier(parties[2], 31);
    if (j < 1 || j > jours_du_mois(annee, m)) date_illisible();
    const QList<QStringView> heure = parties[3].split(u':');
    if (heure.size() != 3) date_illisible();
    ligne.jour = jours_depuis_1970(annee, m, j);
    ligne.seconde = entier(heure[0], 23) * 3600 + entier(heure[1], 59) * 60 + entier(heure[2], 60);
}

}  // namespace

std::int64_t jours_depuis_1970(std::int64_t annee, int mois, int jour) {
    // Days from the civil date, in eras of 400 years starting in March.
    annee -= mois <= 2;
    const std::int64_t ere = (annee >= 0 ? annee : annee - 399) / 400;
    const std::int64_t annee_de_l_ere = annee - ere * 400;
    const std::int64_t jour_de_l_annee = (153 * (mois + (mois > 2 ? -3 : 9)) + 2) / 5 + jour - 1;
    const std::int64_t jour_de_l_ere =
        annee_de_l_ere * 365 + annee_de_l_ere / 4 - annee_de_l_ere / 100 + jour_de_l_annee;
    return ere * 146097 + jour_de_l_ere - 719468;
}

LigneDecay lit_ligne_decay(QStringView ligne) {
    const QStringView texte = ligne.trimmed();
    LigneDecay lue;
    if (texte.isEmpty() || texte.startsWith(u'#')) return lue;
    qsizetype i = 0;
    while (i < texte.size() && texte[i].isLetter()) ++i;
    if (i == 0) illisible(FormatText::tr("ligne d'un autre format (attendu « Decay 'date' durée »)"));
    if (texte.first(i) != u"Decay") return lue;  // a line of the program: a rate, a count, a setting
    const QStringView reste = texte.sliced(i).trimmed();
    const qsizetype fin_date = reste.indexOf(u'\'', 1);
    if (!reste.startsWith(u'\'') || fin_date < 0) date_illisible();
    lit_date(reste.sliced(1, fin_date - 1), lue);
    const QStringView duree = reste.sliced(fin_date + 1).trimmed();
    lue.microsecondes = platform::str_to_float(duree, QLatin1Char('.'));
    if (!(lue.microsecondes >= 0) || !std::isfinite(lue.microsecondes)) {
        illisible(FormatText::tr("durée négative ou non finie : %1").arg(duree.toString()));
    }
    // A duration is kept in a double, as the records of the acquisition's lines.
    if (lue.microsecondes > std::numeric_limits<double>::max()) platform::raise_overflow();
    lue.desintegration = true;
    return lue;
}
