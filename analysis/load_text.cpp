#include "analysis/load_text.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

const QString TEXTE_INDEFINI = QStringLiteral("—");

namespace {

using platform::decimal;
using platform::format_picture;
using platform::general;

// A text from the file as a message shows it: a tab as "⇥", the other
// control characters (which could drive a terminal or cut a label) as "�".
QString visible(QStringView texte) {
    QString out;
    out.reserve(texte.size());
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u == u'\t') {
            out += QChar(0x21E5);
        } else if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0)) {
            out += QChar(0xFFFD);
        } else {
            out += c;
        }
    }
    return out;
}

// The line's number as an editor shows it.
QString numero(const LigneIgnoree& l) { return decimal(static_cast<std::int64_t>(l.indice) + 1); }

// The texts of a load in the program's language (platform/translations.h).
struct LoadText {
    Q_DECLARE_TR_FUNCTIONS(load_text)
};

}  // namespace

QString texte_nb_lignes(qsizetype nb_lignes, std::int32_t nb_ignorees) {
    const QString lignes = LoadText::tr("%n lignes", nullptr, static_cast<int>(nb_lignes));
    if (nb_ignorees <= 0) return lignes;
    return LoadText::tr("%1 (%n ignorées)", "the lines, then how many of them were skipped", nb_ignorees).arg(lignes);
}

QString texte_lignes_ignorees(const QString& fichier, const PasseDesLignes& passe, LigneNommee laquelle) {
    if (passe.nb_lignes_ignorees == 0 || passe.lignes_ignorees.empty()) return {};
    const bool premiere = laquelle == LigneNommee::premiere || passe.nb_lignes_ignorees == 1;
    const LigneIgnoree& l = premiere ? passe.lignes_ignorees.front() : passe.lignes_ignorees.back();
    const QString debut = platform::citation(visible(l.debut));
    const QString erreur = visible(l.erreur);
    if (passe.nb_lignes_ignorees == 1) {
        return LoadText::tr("%1, ligne %2 ignorée : « %3 » n'est pas un enregistrement (%4)")
            .arg(fichier, numero(l), debut, erreur);
    }
    return (premiere ? LoadText::tr("%1 : %n lignes ignorées ; la première, ligne %2 : « %3 » n'est pas un "
                                    "enregistrement (%4)",
                                    nullptr, passe.nb_lignes_ignorees)
                     : LoadText::tr("%1 : %n lignes ignorées ; la dernière, ligne %2 : « %3 » n'est pas un "
                                    "enregistrement (%4)",
                                    nullptr, passe.nb_lignes_ignorees))
        .arg(fichier, numero(l), debut, erreur);
}

QString texte_lignes_et_cumul(qsizetype nb_lignes, std::int32_t nb_ignorees, long double cumul_durees) {
    return LoadText::tr("%1, cumul = %2", "the lines, then the total of the durations")
        .arg(texte_nb_lignes(nb_lignes, nb_ignorees), texte_minutes(cumul_durees));
}

QString texte_sans_enregistrement(const PasseDesLignes& passe) {
    const QString ligne = decimal(static_cast<std::int64_t>(passe.ligne_de_fin) + 1);
    if (passe.sans_ligne) return LoadText::tr("aucun enregistrement : le fichier est vide");
    if (passe.format != FormatDeDonnees::acquisition) {
        return LoadText::tr("aucun enregistrement : aucune désintégration dans le fichier (format %1)")
            .arg(nom_du_format(passe.format));
    }
    if (passe.fin == FinDeLecture::sauvegarde) {
        return LoadText::tr("aucun enregistrement : la ligne %1 (« SAUVEGARDE ») arrête la lecture avant les données")
            .arg(ligne);
    }
    if (passe.fin == FinDeLecture::ligne_vide) {
        return LoadText::tr("aucun enregistrement : la ligne %1, vide, arrête la lecture avant les données").arg(ligne);
    }
    if (!passe.entete_vu) {
        // A file of none of the formats vorns reads: which they are.
        return LoadText::tr(
            "aucun enregistrement : pas de ligne d'en-tête « Heure » après les deux lignes de titre ; vorns lit "
            "les fichiers de l'acquisition (en-tête « Heure »), de deux entiers par ligne "
            "(« 1620 1574345682 ») et de lignes « Decay » (« Decay "
            "'Thu_Dec_10_11:49:22_2015' 2.4375 »)");
    }
    if (!passe.origine_vue) {
        return passe.nb_lignes_ignorees > 0
                   ? LoadText::tr("aucun enregistrement : aucune ligne lisible après l'en-tête « Heure »")
                   : LoadText::tr("aucun enregistrement : pas de ligne de données après l'en-tête « Heure »");
    }
    return LoadText::tr("aucun enregistrement : une seule ligne de données, qui fixe l'origine des temps");
}

namespace {

// ", 1234 évènements, horloge 25 MHz (mesurée)": what a raw stream told of itself.
QString raw_stream_text(const RawStream& flux) {
    QString texte = LoadText::tr(", %1 évènements, horloge %2 MHz", "a raw stream's events and clock")
                        .arg(decimal(flux.events), format_picture("0.######", flux.clock_hz / 1e6));
    texte += flux.clock_measured ? LoadText::tr(" (mesurée au 1PPS)", "the clock")
                                 : LoadText::tr(" (supposée : aucune seconde GPS pour la mesurer)", "the clock");
    if (!flux.gps_time) texte += LoadText::tr(", sans heure GPS : temps comptés depuis le premier évènement");
    if (flux.before_origin > 0) {
        texte += LoadText::tr(", %1 évènements datés avant le premier, laissés de côté").arg(decimal(flux.before_origin));
    }
    return texte;
}

}  // namespace

QString texte_du_format(const PasseDesLignes& passe) {
    const QString nom = nom_du_format(passe.format);
    if (passe.format == FormatDeDonnees::acquisition) return LoadText::tr("format %1").arg(nom);
    const QString unite = general(passe.unite_ns);
    const QString comptage = decimal(static_cast<std::int64_t>(passe.comptages.secondes.size()));
    const bool brut = passe.format == FormatDeDonnees::raw_stream;
    const bool compte = passe.format == FormatDeDonnees::deux_entiers || brut;
    QString texte;
    if (!passe.origine_vue || (brut && !passe.raw.gps_time)) {
        texte = compte ? LoadText::tr("format %1 : 1 unité = %2 ns, %3 s de comptage").arg(nom, unite, comptage)
                       : LoadText::tr("format %1 : 1 unité = %2 ns").arg(nom, unite);
    } else {
        const QString debut = texte_heure_du_jour(passe.origine_temps);
        texte = compte ? LoadText::tr("format %1 : 1 unité = %2 ns, début %3 heure locale, %4 s de comptage")
                             .arg(nom, unite, debut, comptage)
                       : LoadText::tr("format %1 : 1 unité = %2 ns, début %3 heure locale").arg(nom, unite, debut);
    }
    if (brut) texte += raw_stream_text(passe.raw);
    return texte;
}

QString texte_heure_du_jour(long double minutes) {
    const auto s = static_cast<std::int64_t>(std::llround(minutes * 60)) % 86400;
    const auto deux = [](std::int64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return decimal(s / 3600) + QLatin1Char(':') + deux(s / 60 % 60) + QLatin1Char(':') + deux(s % 60);
}

QString texte_capacite_depassee() {
    return LoadText::tr(" le nombre maximum de données est de %1 pour le moment => source à modifier")
        .arg(decimal(NB_MAX_DONNEES));
}

QString texte_ligne_en_attente() {
    return QStringLiteral("la dernière ligne n'a pas de fin de ligne : elle n'est lue qu'une fois finie");
}

QString texte_aucune_duree_montree(long double x_max, bool chiffres_precedents) {
    return (chiffres_precedents
                ? LoadText::tr("aucune durée en deçà de X max = %1 : les chiffres restent ceux du calcul précédent de "
                               "ce fichier")
                : LoadText::tr("aucune durée en deçà de X max = %1 : pas de chiffres"))
        .arg(general(x_max));
}

QString texte_minutes(long double minutes) { return format_picture("#.##", minutes); }

QString texte_duree_acquisition(long double minutes) {
    if (minutes >= 1440) return LoadText::tr(" (%1 j)", "days").arg(format_picture("0.##", minutes / 60 / 24));
    return LoadText::tr(" (%1 h )", "hours").arg(format_picture("0.##", minutes / 60));
}

namespace {

// A figure in "0.###"; for a run whose unit is known, where that would show 0
// for a value that is not (a rate in 1/ns, an activity per minute of a long
// run), as many decimals as give four significant digits, up to 12. Every
// figure "0.###" shows is shown as before, so that the same decays give the
// same window whatever their file's format.
QString chiffre(long double value, bool unite_connue) {
    if (!unite_connue || !std::isfinite(value) || value == 0 || std::fabs(value) >= 0.0005L)
        return format_picture("0.###", value);
    const int decimales = std::min(12, 3 - static_cast<int>(std::floor(std::log10(std::fabs(value)))));
    const std::string picture = "0." + std::string(static_cast<std::size_t>(decimales), '#');
    return format_picture(picture.c_str(), value);
}

QString chiffre_ou_indefini(const std::optional<long double>& value, bool unite_connue) {
    return value ? chiffre(*value, unite_connue) : TEXTE_INDEFINI;
}

// The number of a class as the user sees it (index + 1), for any finite index.
QString numero_de_classe(const std::optional<long double>& indice) {
    if (!indice) return TEXTE_INDEFINI;
    const long double numero = *indice + 1;
    if (std::fabs(numero) < 1e15L) return decimal(static_cast<std::int64_t>(numero));
    return general(numero);
}

}  // namespace

TextesDesChiffres textes_des_chiffres(const Chiffres& c, bool unite_connue) {
    TextesDesChiffres t;
    t.duree_totale_moyennes = format_picture("0.#", c.duree_totale_moyennes);
    t.duree_totale_centres = format_picture("0.#", c.duree_totale_centres);
    t.evenements = general(c.evenements);
    t.tau = chiffre(c.tau, unite_connue);
    t.lambda = chiffre_ou_indefini(c.lambda, unite_connue);
    t.demi_vie = chiffre(c.demi_vie, unite_connue);
    t.cm = LoadText::tr("%1 [ classe %2]", "a count, then its class").arg(general(c.cm), numero_de_classe(c.classe_cm));
    t.c0 = format_picture("0.###", c.c0);
    t.activite = chiffre_ou_indefini(c.activite, unite_connue);
    return t;
}

QStringList lignes_de_trace(std::int32_t n_classe, const ClassTable& t) {
    QStringList lignes;
    lignes << decimal(n_classe) + QStringLiteral("  classes");
    const int montrees = std::clamp<std::int32_t>(n_classe, 0, NB_CLASSES);
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        lignes << QStringLiteral("-classe=") + decimal(i + 1) + QStringLiteral("  n=") + general(t.effectif[ii]) +
                      QStringLiteral("  val moyenne =") + general(t.val_moyenne[ii]);
    }
    lignes << QStringLiteral("  somme_val_moyenne_classe=") + general(t.somme_val_moyenne_classe);
    lignes << QStringLiteral(" n_classe=") + decimal(n_classe) + QStringLiteral(" valeur centrale  somme_duree=") +
                  general(t.somme_duree);
    return lignes;
}

QStringList lignes_du_listing(std::int32_t n_classe, const RecordStore& store) {
    const int montrees = std::clamp<std::int32_t>(n_classe, 0, NB_CLASSES);
    QStringList lignes;
    lignes.reserve(montrees);
    for (int i = 0; i < montrees; ++i) {
        const auto ii = static_cast<std::size_t>(i);
        lignes << decimal(i + 1) + QStringLiteral("   ") + general(store.serie_x[2][ii]) + QStringLiteral("   ") +
                      general(store.serie_y[2][ii]);
    }
    return lignes;
}
