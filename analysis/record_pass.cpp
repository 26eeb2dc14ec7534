#include "analysis/record_pass.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "text/fields.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

namespace {

const QChar kTab(9);
const QChar kDeuxPoints(58);

bool est_chiffre(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The time field read the long way: decimal marks adapted, then cut at ':'
// and each part converted, so that a bad part raises with its exact text.
long double heure_du_champ(QStringView champ) {
    QString f = champ.toString();
    adapte_decimales(f);
    const std::int32_t h = platform::str_to_int(extrait_vue(f, 1, kDeuxPoints));
    const std::int32_t m = platform::str_to_int(extrait_vue(f, 2, kDeuxPoints));
    const std::int32_t s = platform::str_to_int(extrait_vue(f, 3, kDeuxPoints));
    return (static_cast<long double>(h) * 3600 + static_cast<long double>(m) * 60 + s) / 60;
}

// The common shape "digits:digits:digits", optionally followed by ":" and
// parts that are ignored anyway, read without copying. Anything else (blanks
// around a part, signs, repeated ':', long numbers) goes the long way.
bool heure_simple(QStringView champ, std::int32_t (&parties)[3]) {
    const QChar* p = champ.data();
    const qsizetype n = champ.size();
    qsizetype i = 0;
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= n || p[i] != kDeuxPoints) return false;
            ++i;
        }
        const qsizetype debut = i;
        std::int32_t v = 0;
        while (i < n && est_chiffre(p[i])) {
            if (i - debut == 9) return false;  // ten digits or more: the range check of the long way
            v = v * 10 + (p[i].unicode() - u'0');
            ++i;
        }
        if (i == debut) return false;
        parties[k] = v;
    }
    return i == n || p[i] == kDeuxPoints;
}

// Powers of ten exact in extended precision (10^19 < 2^64).
constexpr long double kPuissances[20] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
                                         1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L};

// "digits[mark digits]" from position i to the end, with "." or "," as mark
// and at most 19 digits, read without copying. The digits form an integer that
// is exact in extended precision, and one division by an exact power of ten
// rounds the decimal value once, as the text conversion does.
inline bool decimal_simple(const char16_t* p, qsizetype i, qsizetype n, long double& valeur) {
    std::uint64_t mantisse = 0;
    int chiffres = 0;
    int decimales = 0;
    bool marque = false;
    for (; i < n; ++i) {
        const char16_t c = p[i];
        if (c >= u'0' && c <= u'9') {
            if (++chiffres > 19) return false;
            mantisse = mantisse * 10 + (c - u'0');
            if (marque) ++decimales;
        } else if ((c == u'.' || c == u',') && !marque) {
            marque = true;
        } else {
            return false;
        }
    }
    if (chiffres == 0) return false;
    valeur = static_cast<long double>(mantisse) / kPuissances[decimales];
    return true;
}

// The common shape "[sign]digits[mark digits]".
bool valeur_simple(QStringView champ, long double& valeur) {
    const char16_t* p = champ.utf16();
    const qsizetype n = champ.size();
    qsizetype i = 0;
    bool negatif = false;
    if (i < n && (p[i] == u'-' || p[i] == u'+')) {
        negatif = p[i] == u'-';
        ++i;
    }
    long double v = 0;
    if (!decimal_simple(p, i, n, v)) return false;
    valeur = negatif ? -v : v;
    return true;
}

// The marks '.' and ',' become the locale's separator, which the conversion
// then takes as the one decimal mark. That holds for any separator that cannot
// be read as part of a number otherwise.
bool separateur_ordinaire() {
    const QChar s = platform::decimal_separator();
    return !est_chiffre(s) && s != QLatin1Char('+') && s != QLatin1Char('-') && s != QLatin1Char('e') &&
           s != QLatin1Char('E') && s != QLatin1Char(' ');
}

long double valeur_du_champ(QStringView champ, bool rapide_permis) {
    long double valeur = 0;
    if (rapide_permis && valeur_simple(champ, valeur)) return valeur;
    QString f = champ.toString();
    adapte_decimales(f);
    return platform::str_to_float(f);
}

long double heure_rapide(QStringView champ) {
    std::int32_t parties[3];
    if (heure_simple(champ, parties)) {
        return (static_cast<long double>(parties[0]) * 3600 + static_cast<long double>(parties[1]) * 60 + parties[2]) /
               60;
    }
    return heure_du_champ(champ);
}

long double heure_de_ligne(QStringView ligne) { return heure_rapide(extrait_vue(ligne, 1, kTab)); }

// "SAUVEGARDE" in the line, found by its first letter.
bool contient_sauvegarde(QStringView ligne) {
    static constexpr char16_t mot[] = u"SAUVEGARDE";
    constexpr qsizetype longueur = std::size(mot) - 1;
    const char16_t* p = ligne.utf16();
    const qsizetype dernier = ligne.size() - longueur;
    for (qsizetype i = 0; i <= dernier; ++i) {
        if (p[i] == u'S' && std::equal(mot + 1, mot + longueur, p + i + 1)) return true;
    }
    return false;
}

// Fields 1 and 2 of a line that does not start with a tab and has a second
// field, in one scan: the fields extrait_vue gives. False for other lines.
bool deux_champs(QStringView ligne, QStringView& champ1, QStringView& champ2) {
    const char16_t* p = ligne.utf16();
    const qsizetype n = ligne.size();
    if (n == 0 || p[0] == u'\t') return false;
    qsizetype i = 1;
    while (i < n && p[i] != u'\t') ++i;
    const qsizetype fin1 = i;
    while (i < n && p[i] == u'\t') ++i;
    if (i == n) return false;
    const qsizetype debut2 = i;
    while (i < n && p[i] != u'\t') ++i;
    champ1 = supprime_blancs_vue(ligne.first(fin1));
    champ2 = supprime_blancs_vue(ligne.sliced(debut2, i - debut2));
    return true;
}

// The usual data line, "digits:digits:digits<tab>digits" with at most one
// '.' or ',' in the duration, read in one scan: it holds no stop word, no
// blank, and its time and duration are those of heure_simple and
// valeur_simple. False for any other line (it is then read field by field).
struct LigneUsuelle {
    long double heure;
    long double valeur;
};

bool ligne_usuelle(QStringView ligne, LigneUsuelle& lu) {
    const char16_t* p = ligne.utf16();
    const qsizetype n = ligne.size();
    qsizetype i = 0;
    std::int32_t parties[3];
    for (int k = 0; k < 3; ++k) {
        const qsizetype debut = i;
        std::int32_t v = 0;
        while (i < n && p[i] >= u'0' && p[i] <= u'9') {
            if (i - debut == 9) return false;
            v = v * 10 + (p[i] - u'0');
            ++i;
        }
        if (i == debut || i == n || p[i] != (k < 2 ? u':' : u'\t')) return false;
        parties[k] = v;
        ++i;
    }
    if (!decimal_simple(p, i, n, lu.valeur)) return false;
    lu.heure =
        (static_cast<long double>(parties[0]) * 3600 + static_cast<long double>(parties[1]) * 60 + parties[2]) / 60;
    return true;
}

// How a data line is read: the plain way (each field cut by extrait_vue, each
// number converted from its text) or the quick one, which gives the same.
template <Lecture lecture>
struct Lecteur {
    bool rapide_permis;

    bool arret(QStringView ligne) const {
        if constexpr (lecture == Lecture::rapide) return contient_sauvegarde(ligne);
        return ligne.contains(u"SAUVEGARDE");
    }
    long double heure(QStringView champ) const {
        if constexpr (lecture == Lecture::rapide) return heure_rapide(champ);
        return heure_du_champ(champ);
    }
    long double valeur(QStringView champ) const {
        return valeur_du_champ(champ, lecture == Lecture::rapide && rapide_permis);
    }
    void champs(QStringView ligne, QStringView& champ1, QStringView& champ2) const {
        if constexpr (lecture == Lecture::rapide) {
            if (deux_champs(ligne, champ1, champ2)) return;
        }
        champ1 = extrait_vue(ligne, 1, kTab);
        champ2 = extrait_vue(ligne, 2, kTab);
    }
};

}  // namespace

long double lit_heure(QStringView ligne) { return heure_de_ligne(ligne); }

long double lit_valeur(QStringView ligne) {
    return valeur_du_champ(extrait_vue(ligne, 2, kTab), separateur_ordinaire());
}

namespace {

// Whether the text ended inside its last line, with no line break after it:
// a file caught while the acquisition writes a line ends so.
bool derniere_ligne_ouverte(const QStringList&) { return false; }
bool derniere_ligne_ouverte(const platform::PackedLines& lignes) { return lignes.last_line_open(); }

// Counts a skipped line and keeps it when it is among the first ones, or as the last.
void retiens_ligne_ignoree(PasseDesLignes& resultat, qsizetype indice, QStringView ligne, const QString& erreur) {
    ++resultat.nb_lignes_ignorees;
    qsizetype garde = std::min(ligne.size(), kDebutGarde);
    if (garde < ligne.size() && garde > 0 && ligne.at(garde - 1).isHighSurrogate()) --garde;
    LigneIgnoree ignoree{indice, ligne.first(garde).toString(), ligne.size(), erreur};
    if (resultat.lignes_ignorees.size() < kLignesIgnoreesGardees) {
        resultat.lignes_ignorees.push_back(std::move(ignoree));
    } else {
        resultat.lignes_ignorees.back() = std::move(ignoree);
    }
}

template <Lecture lecture, typename Lignes>
PasseDesLignes passe(const Lignes& lignes, RecordStore& store) {
    store.serie_courante = 1;
    std::int32_t& nb_points = store.nb_points[1];
    long double& max_x = store.max_x_serie[1];
    long double& max_y = store.max_y_serie[1];
    auto& serie_x = store.serie_x[1];
    auto& serie_y = store.serie_y[1];
    nb_points = 0;
    max_x = -10;
    max_y = -10;

    bool entete_vu = false;
    long double origine_temps = -1;
    long double derniere_duree = 0;
    std::int32_t nb_jours = 0;
    store.cumul_durees = 0;

    const Lecteur<lecture> lecteur{separateur_ordinaire()};
    PasseDesLignes resultat;
    const qsizetype n = lignes.size();
    qsizetype i = 2;
    const auto fin = [&](FinDeLecture pourquoi) {
        resultat.fin = pourquoi;
        resultat.ligne_de_fin = i;
    };
    // Reads from line i on until the reading ends. A line that cannot be read
    // raises with i on it, before anything of it is stored.
    const auto lit_les_lignes = [&] {
        for (; i < n; ++i) {
            const QStringView ligne = lignes.at(i);
            // Most lines after the header are usual data lines, read in one scan.
            LigneUsuelle lu;
            const bool usuelle =
                lecture == Lecture::rapide && entete_vu && lecteur.rapide_permis && ligne_usuelle(ligne, lu);
            QStringView champ1;
            QStringView champ2;
            if (!usuelle) {
                if (lecteur.arret(ligne)) return fin(FinDeLecture::sauvegarde);
                if (ligne.isEmpty()) {
                    if (entete_vu) return fin(FinDeLecture::ligne_vide);
                    continue;
                }
                if (ligne.at(0) == QLatin1Char('\'')) continue;
                if (!entete_vu) {
                    // The header is recognised after its own line: data start on the next one.
                    entete_vu = ligne.contains(u"Heure");
                    continue;
                }
                lecteur.champs(ligne, champ1, champ2);
            }
            if (origine_temps < 0) {
                origine_temps = usuelle ? lu.heure : lecteur.heure(champ1);
                continue;
            }
            if (nb_points == NB_MAX_DONNEES) {
                // The store is full: this record and everything after it stay out.
                resultat.capacite_depassee = true;
                return fin(FinDeLecture::capacite);
            }
            const long double heure = usuelle ? lu.heure : lecteur.heure(champ1);
            long double x = heure + static_cast<long double>(1440 * nb_jours) - origine_temps;
            const long double y = usuelle ? lu.valeur : lecteur.valeur(champ2);
            if (std::fabs(y) > std::numeric_limits<double>::max()) platform::raise_overflow();  // no room in the series
            store.cumul_durees = platform::checked_value(store.cumul_durees + y);
            if (x < 0) {
                // Before the origin: the line belongs to the next day (once per line).
                // A line in the same second as the origin is the same day: events a
                // second apart are common, and taking them a day later would push
                // every later record a day out.
                ++nb_jours;
                x = heure + static_cast<long double>(1440 * nb_jours) - origine_temps;
            }
            ++nb_points;
            serie_x[nb_points] = static_cast<double>(x);
            serie_y[nb_points] = static_cast<double>(y);
            if (max_x < x) max_x = x;
            if (max_y < y) max_y = y;
            derniere_duree = x;
        }
    };
    // The try block stays outside the loop over the lines: a usual line costs
    // nothing more for the lines that cannot be read.
    for (;;) {
        try {
            lit_les_lignes();
            break;
        } catch (const platform::Error& e) {
            // A last line without its line end that cannot be read is still
            // being written: the pass goes without it, and the next change of
            // the file brings it whole.
            if (i == n - 1 && derniere_ligne_ouverte(lignes)) break;
            retiens_ligne_ignoree(resultat, i, lignes.at(i), e.text());
            ++i;
        }
    }
    resultat.entete_vu = entete_vu;
    resultat.origine_vue = origine_temps >= 0;
    resultat.origine_temps = origine_temps;
    store.duree_acquisition = derniere_duree;
    resultat.derniere_duree = derniere_duree;
    return resultat;
}

}  // namespace

PasseDesLignes passe_des_lignes(const QStringList& lignes, RecordStore& store, Lecture lecture) {
    return lecture == Lecture::rapide ? passe<Lecture::rapide>(lignes, store) : passe<Lecture::simple>(lignes, store);
}

PasseDesLignes passe_des_lignes(const platform::PackedLines& lignes, RecordStore& store, Lecture lecture) {
    return lecture == Lecture::rapide ? passe<Lecture::rapide>(lignes, store) : passe<Lecture::simple>(lignes, store);
}
