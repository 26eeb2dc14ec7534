#include "analysis/formats/format.h"

#include "analysis/formats/decay_lines.h"
#include "analysis/formats/raw_stream.h"
#include "analysis/formats/two_integers.h"
#include "platform/errors.h"
#include "platform/textfile.h"

#include <algorithm>
#include <optional>
#include <vector>

QString nom_du_format(FormatDeDonnees format) {
    switch (format) {
        case FormatDeDonnees::deux_entiers: return QStringLiteral("two-integers");
        case FormatDeDonnees::lignes_decay: return QStringLiteral("decay-lines");
        case FormatDeDonnees::raw_stream: return QStringLiteral("daq-raw");
        case FormatDeDonnees::acquisition: break;
    }
    return QStringLiteral("acquisition");
}

double unite_du_format(FormatDeDonnees format) {
    switch (format) {
        case FormatDeDonnees::deux_entiers: return 1;
        case FormatDeDonnees::lignes_decay: return 1000;
        case FormatDeDonnees::raw_stream: return 1;
        case FormatDeDonnees::acquisition: break;
    }
    return 0;
}

namespace {

bool deux_entiers_lisible(QStringView ligne) {
    try {
        return lit_deux_entiers(ligne).sorte != LigneDeuxEntiers::Sorte::vide;
    } catch (const platform::Error&) {
        return false;
    }
}

// The first non-empty line decides: the next one may be still being written.
bool est_deux_entiers(std::span<const QStringView> lignes) {
    for (QStringView ligne : lignes) {
        if (!ligne.trimmed().isEmpty()) return deux_entiers_lisible(ligne);
    }
    return false;
}

bool est_lignes_decay(std::span<const QStringView> lignes) {
    for (QStringView ligne : lignes) {
        try {
            if (lit_ligne_decay(ligne).desintegration) return true;
        } catch (const platform::Error&) {
            return false;
        }
    }
    return false;
}

bool est_flux_brut(std::span<const QStringView> lignes) {
    return std::any_of(lignes.begin(), lignes.end(), [](QStringView ligne) {
        daq::EventLine lue;
        daq::Fault pourquoi;
        return daq::read_line(ligne.utf16(), ligne.size(), lue, pourquoi) == daq::LineKind::event;
    });
}

}  // namespace

FormatDeDonnees detecte_format(std::span<const QStringView> premieres_lignes) {
    const auto lignes = premieres_lignes.first(std::min<std::size_t>(premieres_lignes.size(), kLignesDeDetection));
    if (est_deux_entiers(lignes)) return FormatDeDonnees::deux_entiers;
    if (est_lignes_decay(lignes)) return FormatDeDonnees::lignes_decay;
    if (est_flux_brut(lignes)) return FormatDeDonnees::raw_stream;
    return FormatDeDonnees::acquisition;
}

FormatDeDonnees detecte_format_des_octets(QByteArrayView octets) {
    std::optional<platform::TextEncoding> encodage;
    return detecte_format_des_octets(octets, encodage);
}

FormatDeDonnees detecte_format_des_octets(QByteArrayView octets, std::optional<platform::TextEncoding>& encodage) {
    const QByteArrayView texte = platform::without_mark(octets);
    return detecte_format_du_debut(octets, encodage, [texte] { return platform::text_encoding(texte); });
}

FormatDeDonnees detecte_format_du_debut(QByteArrayView debut, std::optional<platform::TextEncoding>& encodage,
                                        const std::function<platform::TextEncoding()>& encodage_du_fichier) {
    // The first lines, cut and decoded as the file's text is (CR LF, LF or
    // CR; in the encoding of the whole file), so that the bytes and the text
    // of a file are of one format.
    const QByteArrayView texte = platform::without_mark(debut);
    std::vector<QString> lignes;
    qsizetype debut_de_ligne = 0;
    const qsizetype n = texte.size();
    while (debut_de_ligne < n && static_cast<qsizetype>(lignes.size()) < kLignesDeDetection) {
        qsizetype fin = debut_de_ligne;
        while (fin < n && texte[fin] != '\n' && texte[fin] != '\r') ++fin;
        const QByteArrayView ligne = texte.sliced(debut_de_ligne, fin - debut_de_ligne);
        if (!encodage && !platform::is_ascii(ligne)) encodage = encodage_du_fichier();
        platform::decode_part(ligne, encodage.value_or(platform::TextEncoding::utf8), lignes.emplace_back());
        debut_de_ligne = fin < n && texte[fin] == '\r' && fin + 1 < n && texte[fin + 1] == '\n' ? fin + 2 : fin + 1;
    }
    const std::vector<QStringView> vues(lignes.begin(), lignes.end());
    return detecte_format(vues);
}

bool DetectionLines::held_in(QByteArrayView start) {
    while (line_ends_ < 2 * kLignesDeDetection && seen_ < start.size()) {
        const char c = start[seen_++];
        if (c == '\n' || c == '\r') ++line_ends_;
    }
    return line_ends_ >= 2 * kLignesDeDetection;
}
