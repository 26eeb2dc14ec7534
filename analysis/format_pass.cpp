#include "analysis/format_pass.h"

#include "analysis/formats/decay_lines.h"
#include "analysis/formats/local_time.h"
#include "analysis/formats/two_integers.h"
#include "platform/errors.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace {

template <typename Lignes>
FormatDeDonnees format_des_premieres(const Lignes& lignes) {
    std::vector<QStringView> premieres;
    for (qsizetype i = 0; i < std::min<qsizetype>(lignes.size(), kLignesDeDetection); ++i) {
        premieres.push_back(lignes.at(i));
    }
    return detecte_format(premieres);
}

// The records of the lines, one line after the other.
class Enregistreur {
public:
    Enregistreur(FormatDeDonnees format, PlaceDesEnregistrements place)
        : format_(format),
          x_(place.x.data()),
          y_(place.y.data()),
          capacite_(static_cast<std::int32_t>(std::min<std::size_t>(
              {place.x.size(), place.y.size(), static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())}))) {
        r_.format = format;
        r_.unite_ns = unite_du_format(format);
        r_.entete_vu = true;  // these formats have no header
    }

    // Line `indice`, as read (`vue`: its characters or bytes) and as text
    // (`texte()`, made only when needed). False when the reading ends there.
    template <typename Vue, typename Texte>
    bool ligne(qsizetype indice, Vue vue, const Texte& texte, bool ouverte) {
        // A last line without its line end is still being written: left for
        // the next load, which brings it whole.
        if (ouverte) {
            r_.ligne_en_attente = true;
            return false;
        }
        try {
            if (format_ == FormatDeDonnees::deux_entiers) return deux_entiers(indice, lit_deux_entiers(vue));
            return decay(indice, lit_ligne_decay(texte()));
        } catch (const platform::Error& e) {
            // Past the capacity lines are neither records nor skipped lines.
            if (!au_dela_) retiens_ligne_ignoree(r_, indice, texte(), e.text());
            return true;
        }
    }

    PasseDesLignes resultat(bool sans_ligne) {
        r_.sans_ligne = sans_ligne;
        r_.origine_vue = origine_.has_value();
        if (!au_dela_) r_.dernier_du_fichier = r_.derniere_duree;
        return std::move(r_);
    }

private:
    // The elapsed seconds of a line at `secondes` on the format's time line.
    std::int64_t ecart(std::int64_t secondes, std::int32_t seconde_du_jour) {
        if (!origine_) {
            origine_ = secondes;
            r_.origine_temps = static_cast<long double>(seconde_du_jour) / 60;
        }
        const std::int64_t e = secondes - *origine_;
        if (e < 0) throw platform::Error(QStringLiteral("heure avant celle de la première ligne du fichier"));
        return e;
    }

    bool deux_entiers(qsizetype indice, const LigneDeuxEntiers& l) {
        if (l.sorte == LigneDeuxEntiers::Sorte::vide) return true;
        const std::int32_t seconde = origine_ ? 0 : heure_locale(l.secondes).seconde;
        const std::int64_t e = ecart(l.secondes, seconde);
        if (l.sorte == LigneDeuxEntiers::Sorte::comptage) {
            if (au_dela_) return true;
            r_.comptages.secondes.push_back(static_cast<double>(e));
            r_.comptages.muons.push_back(l.nombre);
            return true;
        }
        return enregistre(indice, static_cast<long double>(e) / 60, static_cast<long double>(l.nombre));
    }

    bool decay(qsizetype indice, const LigneDecay& l) {
        if (!l.desintegration) return true;
        const std::int64_t e = ecart(l.jour * 86400 + l.seconde, l.seconde);
        return enregistre(indice, static_cast<long double>(e) / 60, l.microsecondes);
    }

    bool enregistre(qsizetype indice, long double x, long double y) {
        if (nb_ == capacite_) {
            // Past the capacity the records are not kept: the file's last one is.
            if (!au_dela_) {
                r_.capacite_depassee = true;
                r_.fin = FinDeLecture::capacite;
                r_.ligne_de_fin = indice;
                au_dela_ = true;
            }
            r_.dernier_du_fichier = x;
            return true;
        }
        x_[nb_] = static_cast<double>(x);
        y_[nb_] = static_cast<double>(y);
        r_.nb_enregistrements = ++nb_;
        r_.max_x = std::max(r_.max_x, x);
        r_.max_y = std::max(r_.max_y, y);
        r_.cumul_durees += y;
        r_.derniere_duree = x;
        return true;
    }

    FormatDeDonnees format_;
    double* x_;
    double* y_;
    std::int32_t capacite_;
    std::int32_t nb_ = 0;
    std::optional<std::int64_t> origine_;  // the origin's seconds on the format's time line
    bool au_dela_ = false;                 // past the capacity
    PasseDesLignes r_;
};

template <typename Lignes>
PasseDesLignes passe_des_lignes_de_texte(FormatDeDonnees format, const Lignes& lignes, bool derniere_ouverte,
                                         PlaceDesEnregistrements place) {
    Enregistreur enregistreur(format, place);
    const qsizetype n = lignes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QStringView ligne = lignes.at(i);
        if (!enregistreur.ligne(
                i, ligne, [ligne] { return ligne; }, derniere_ouverte && i == n - 1))
            break;
    }
    return enregistreur.resultat(n == 0);
}

}  // namespace

FormatDeDonnees format_des_lignes(const QStringList& lignes) { return format_des_premieres(lignes); }

FormatDeDonnees format_des_lignes(const platform::PackedLines& lignes) { return format_des_premieres(lignes); }

PasseDesLignes passe_du_format(FormatDeDonnees format, const QStringList& lignes, PlaceDesEnregistrements place) {
    return passe_des_lignes_de_texte(format, lignes, false, place);
}

PasseDesLignes passe_du_format(FormatDeDonnees format, const platform::PackedLines& lignes,
                               PlaceDesEnregistrements place) {
    return passe_des_lignes_de_texte(format, lignes, lignes.last_line_open(), place);
}

PasseDesLignes passe_du_format(FormatDeDonnees format, QByteArrayView octets, PlaceDesEnregistrements place) {
    // Lines cut where the text's lines are cut (CR LF, LF or CR, the UTF-8
    // mark dropped); a line is decoded, in the encoding of the whole file,
    // only when its text is needed.
    const QByteArrayView texte = platform::without_mark(octets);
    const char* p = texte.data();
    const qsizetype n = texte.size();
    std::optional<platform::TextEncoding> encodage;
    QString decodee;
    Enregistreur enregistreur(format, place);
    qsizetype indice = 0;
    for (qsizetype debut = 0; debut < n; ++indice) {
        qsizetype fin = debut;
        while (fin < n && p[fin] != '\n' && p[fin] != '\r') ++fin;
        const QByteArrayView ligne(p + debut, fin - debut);
        const auto en_texte = [&]() -> QStringView {
            if (!encodage && !platform::is_ascii(ligne)) encodage = platform::text_encoding(texte);
            platform::decode_part(ligne, encodage.value_or(platform::TextEncoding::utf8), decodee);
            return decodee;
        };
        if (!enregistreur.ligne(indice, ligne, en_texte, fin == n)) break;
        debut = fin + 1 + (fin + 1 < n && p[fin] == '\r' && p[fin + 1] == '\n' ? 1 : 0);
    }
    return enregistreur.resultat(n == 0);
}
