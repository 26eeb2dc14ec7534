#include "analysis/record_pass.h"

#include "analysis/day_rule.h"
#include "analysis/format_pass.h"

#include "platform/errors.h"
#include "platform/numbers.h"
#include "text/fields.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <type_traits>
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

// Powers of ten, exact as doubles (5^19 < 2^53) and so in extended precision:
// a division by one of them is the division by the exact power, and the
// divisor is read as eight bytes rather than ten (a slow load).
constexpr double kPuissances[20] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,
                                    1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
static_assert([] {
    long double puissance = 1;  // exact: 10^19 < 2^64
    for (const double p : kPuissances) {
        if (p != puissance) return false;
        puissance *= 10;
    }
    return true;
}());

// "digits[mark digits]" from position i to the end, with "." or "," as mark
// and at most 19 digits, read without copying. The digits form an integer that
// is exact in extended precision, and one division by an exact power of ten
// rounds the decimal value once, as the text conversion does.
template <typename Car>
inline bool decimal_simple(const Car* p, qsizetype i, qsizetype n, long double& valeur) {
    std::uint64_t mantisse = 0;
    int chiffres = 0;
    int decimales = 0;
    bool marque = false;
    for (; i < n; ++i) {
        const Car c = p[i];
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
// '.' or ',' in the duration: it holds no stop word, no blank, and its time
// and duration are those of heure_simple and valeur_simple. Any other line is
// read field by field.
// Kept as its whole numbers, turned into the time and the duration where
// they are used: values of extended precision cost a slow trip through memory.
struct LigneUsuelle {
    std::uint64_t secondes;  // since midnight, h x 3600 + m x 60 + s (exact, below 2^63: h has 9 digits at most)
    std::uint64_t mantisse;  // the duration's digits
    int decimales;           // of them after the mark
    // The minutes, as (h x 3600 + m x 60 + s) / 60 in extended precision,
    // whose sums of whole numbers below 2^64 are exact.
    long double heure() const { return static_cast<long double>(static_cast<std::int64_t>(secondes)) / 60; }
    long double valeur() const { return static_cast<long double>(mantisse) / kPuissances[decimales]; }
};

// The time of the usual data line as it is written most often, two-digit
// minutes and seconds after a one- or two-digit hour and before the tab
// ("10:00:01\t", "9:05:07\t"), read from one eight-byte word: its seconds
// since midnight and the position after the tab. False for any other shape,
// read digit by digit.
[[gnu::always_inline]] inline bool heure_en_un_mot(const char* p, qsizetype i, qsizetype n, std::uint64_t& secondes,
                                                   qsizetype& apres) {
    if (i + 9 > n) return false;
    std::uint64_t mot;
    std::memcpy(&mot, p + i, sizeof mot);
    // Byte k of the word is bits 8k..8k+7. The digits of "hh:mm:ss" lie in
    // bytes 0, 1, 3, 4, 6 and 7; a short hour moves everything one byte down.
    const bool courte = (mot & 0xFF00) == 0x3A00;
    if (courte) mot = (mot << 8) | 0x30;  // "9:05:07\t" read as "09:05:07"
    constexpr std::uint64_t chiffres = 0xFFFF00FFFF00FFFFULL;
    constexpr std::uint64_t hauts = 0xF0F0F0F0F0F0F0F0ULL & chiffres;
    constexpr std::uint64_t trois = 0x3030303030303030ULL & hauts;
    // A byte is a digit when its high half is 3 and stays 3 with 6 added.
    if ((mot & ~chiffres) != 0x00003A00003A0000ULL || (mot & hauts) != trois ||
        ((mot + 0x0606060606060606ULL) & hauts) != trois) {
        return false;
    }
    const qsizetype tab = i + (courte ? 7 : 8);
    if (p[tab] != '\t') return false;
    // Each digit joined to the one after it: bytes 0, 3 and 6 then hold the
    // hour, the minutes and the seconds (99 at most: no carry between bytes).
    const std::uint64_t paires = ((mot & 0x0F0F000F0F000F0FULL) * (10 * 0x100 + 1)) >> 8;
    secondes = (paires & 0xFF) * 3600 + ((paires >> 24) & 0xFF) * 60 + ((paires >> 48) & 0xFF);
    apres = tab + 1;
    return true;
}

// The duration of the usual data line as it is written most often, at most
// seven digits with or without a mark, and the line's end, all within the
// eight bytes from position i ("204.7\r\n", "12,25\n", "1234567\n"), read from
// one word: its digits as one integer, the digits after the mark, and the
// position of the CR or LF. False for any other shape, read byte by byte.
[[gnu::always_inline]] inline bool duree_en_un_mot(const char* p, qsizetype i, qsizetype n, std::uint64_t& mantisse,
                                                   int& decimales, qsizetype& fin) {
    if (i + 8 > n) return false;
    std::uint64_t mot;
    std::memcpy(&mot, p + i, sizeof mot);
    constexpr std::uint64_t uns = 0x0101010101010101ULL;
    // Digits become 0..9; any other byte gets its high bit in `autres`. A
    // byte of 0x8A or more carries into the next one, which only matters past
    // the first byte that is no digit and no mark.
    const std::uint64_t x = mot ^ (0x30 * uns);
    const std::uint64_t autres = ((x + 0x76 * uns) | x) & (0x80 * uns);
    if (autres == 0) return false;
    const int a = std::countr_zero(autres) / 8;  // the first byte that is no digit
    const auto octet = [mot](int k) { return static_cast<char>(mot >> (8 * k)); };
    const auto fin_de_ligne = [](char c) { return c == '\r' || c == '\n'; };
    std::uint64_t chiffres = x & ((std::uint64_t{1} << (8 * a)) - 1);  // the digits before it
    int nb = a;
    decimales = 0;
    int b = a;  // the line's end
    if (octet(a) == '.' || octet(a) == ',') {
        const std::uint64_t apres = autres & (autres - 1);
        if (apres == 0) return false;
        b = std::countr_zero(apres) / 8;
        decimales = b - a - 1;
        // The digits after the mark moved one byte down, next to those before it.
        chiffres |= (x >> 8) & ~((std::uint64_t{1} << (8 * a)) - 1) & ((std::uint64_t{1} << (8 * (b - 1))) - 1);
        nb = b - 1;
    }
    if (nb == 0 || !fin_de_ligne(octet(b))) return false;
    // The nb digits as the last ones of eight (leading zeros before them),
    // byte 0 the first: joined by pairs, fours, then eights.
    std::uint64_t v = chiffres << (8 * (8 - nb));
    v = (v * 10 + (v >> 8)) & 0x00FF00FF00FF00FFULL;
    v = (v * 100 + (v >> 16)) & 0x0000FFFF0000FFFFULL;
    v = (v * 10000 + (v >> 32)) & 0xFFFFFFFFULL;
    mantisse = v;
    fin = i + b;
    return true;
}

// The usual line read in one scan from position i, on the characters of a
// text or on the bytes of a file (whose ASCII bytes are the characters of
// the same codes in either encoding), up to the line's end: CR, LF or n.
// `arret` is where the reading stopped: the line's end for a usual line; for
// another line, a position before its end (no CR or LF lies before it).
template <typename Car>
[[gnu::always_inline]] inline bool ligne_usuelle(const Car* p, qsizetype i, qsizetype n, LigneUsuelle& lu,
                                                 qsizetype& arret) {
    const auto chiffre = [p](qsizetype k) {
        return static_cast<unsigned>(static_cast<std::make_unsigned_t<Car>>(p[k])) - 48u;
    };
    std::uint64_t secondes = 0;
    bool heure_lue = false;
    if constexpr (std::is_same_v<Car, char>) heure_lue = heure_en_un_mot(p, i, n, secondes, i);
    if (!heure_lue) {
        std::uint32_t parties[3];
        for (int k = 0; k < 3; ++k) {
            const qsizetype debut = i;
            std::uint32_t v = 0;
            for (; i < n && chiffre(i) <= 9; ++i) v = v * 10 + chiffre(i);
            if (i == debut || i - debut > 9 || i == n || p[i] != (k < 2 ? ':' : '\t')) {
                arret = i;
                return false;
            }
            parties[k] = v;
            ++i;
        }
        secondes = std::uint64_t{parties[0]} * 3600 + std::uint64_t{parties[1]} * 60 + parties[2];
    }
    if constexpr (std::is_same_v<Car, char>) {
        std::uint64_t mantisse = 0;
        int decimales = 0;
        if (duree_en_un_mot(p, i, n, mantisse, decimales, arret)) {
            lu.secondes = secondes;
            lu.mantisse = mantisse;
            lu.decimales = decimales;
            return true;
        }
    }
    // The duration: digits, at most one '.' or ',' among them, 19 digits at most.
    const qsizetype debut = i;
    std::uint64_t mantisse = 0;
    for (; i < n && chiffre(i) <= 9; ++i) mantisse = mantisse * 10 + chiffre(i);
    qsizetype chiffres = i - debut;
    int decimales = 0;
    if (i < n && (p[i] == '.' || p[i] == ',')) {
        const qsizetype marque = ++i;
        for (; i < n && chiffre(i) <= 9; ++i) mantisse = mantisse * 10 + chiffre(i);
        decimales = static_cast<int>(std::min<qsizetype>(i - marque, 19));
        chiffres += i - marque;
    }
    arret = i;
    if (chiffres == 0 || chiffres > 19 || (i < n && p[i] != '\n' && p[i] != '\r')) return false;
    lu.secondes = secondes;
    lu.mantisse = mantisse;
    lu.decimales = decimales;
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

// The lines of a text (a list, or the memo's packed lines), one after the
// other from line 2 on: lines 0 and 1 are never data.
template <typename Lignes>
class LignesDeTexte {
public:
    explicit LignesDeTexte(const Lignes& lignes) : lignes_(lignes), n_(lignes.size()) {}
    bool sans_ligne() const { return n_ == 0; }
    bool suivante() { return ++i_ < n_; }
    void acheve() {}
    qsizetype indice() const { return i_; }
    QStringView texte() const { return lignes_.at(i_); }
    bool usuelle(LigneUsuelle& lu) const {
        const QStringView l = lignes_.at(i_);
        qsizetype arret = 0;
        return ligne_usuelle(l.utf16(), 0, l.size(), lu, arret);
    }
    // The line is the last one and the text ended inside it, with no line
    // break after it: a file caught while the acquisition writes a line ends so.
    bool ouverte() const {
        if constexpr (std::is_same_v<Lignes, platform::PackedLines>) return i_ == n_ - 1 && lignes_.last_line_open();
        return false;
    }

private:
    const Lignes& lignes_;
    const qsizetype n_;
    qsizetype i_ = 1;
};

// The first CR or LF from position i on, or n.
[[gnu::always_inline]] inline qsizetype fin_de_ligne(const char* p, qsizetype i, qsizetype n) {
    // Eight bytes at a time while none of them is CR or LF.
    constexpr std::uint64_t uns = 0x0101010101010101ULL, hauts = 0x8080808080808080ULL;
    const auto zero = [](std::uint64_t mot) { return (mot - uns) & ~mot & hauts; };
    for (; i + 8 <= n; i += 8) {
        std::uint64_t mot;
        std::memcpy(&mot, p + i, sizeof mot);
        if (zero(mot ^ (uns * '\n')) | zero(mot ^ (uns * '\r'))) break;
    }
    while (i < n && p[i] != '\n' && p[i] != '\r') ++i;
    return i;
}

// A file read block by block into one buffer, reused: the bytes from the
// line being cut on. The buffer is one block, or the file when it is
// smaller; only a line longer than it (or a file that grew) makes it grow.
class BlocsDuFichier {
public:
    BlocsDuFichier(platform::FileBlocks& fichier, qsizetype bloc)
        : fichier_(fichier),
          bloc_(std::max<qsizetype>(bloc, 1)),
          tampon_(static_cast<std::size_t>(std::min<qint64>(bloc_, fichier.size() + 1))) {}
    QByteArrayView octets() const { return {tampon_.data(), n_}; }
    bool fin_du_fichier() const { return fin_; }
    // The next block after the bytes held; at the end of the file, nothing
    // and fin_du_fichier().
    void lit() {
        if (fin_) return;
        const auto taille = static_cast<qsizetype>(tampon_.size());
        if (n_ == taille) tampon_.resize(2 * tampon_.size());
        const qsizetype lus =
            fichier_.read(tampon_.data() + n_, std::min(bloc_, static_cast<qsizetype>(tampon_.size()) - n_));
        fin_ = lus == 0;
        n_ += lus;
    }
    void lit_tout() {
        // A buffer of the file's size (and the byte that finds its end), not
        // doubled up to it: a file of 135 MB took 440 MB on the way.
        const auto taille = static_cast<std::size_t>(std::max<qint64>(fichier_.size(), 0)) + 1;
        if (taille > tampon_.size()) tampon_.resize(taille);
        while (!fin_) lit();
    }
    // Drops the bytes before `garde` and reads the next block after the others.
    [[gnu::noinline]] void recharge(qsizetype garde) {
        std::memmove(tampon_.data(), tampon_.data() + garde, static_cast<std::size_t>(n_ - garde));
        n_ -= garde;
        decalage_ += garde;
        lit();
    }
    // The encoding of the whole file past its mark (`marque` bytes): of the
    // bytes held while they start the file, and of the bytes after them read
    // once more, until the encoding is known.
    platform::TextEncoding encodage(qsizetype marque) {
        platform::EncodingCheck verification;
        qint64 suite = marque;
        if (decalage_ == 0) {
            verification.add(octets().sliced(std::min(marque, n_)));
            suite = n_;
        }
        if (!fin_ || decalage_ != 0) fichier_.check_from(suite, verification, bloc_);
        return verification.result();
    }

private:
    platform::FileBlocks& fichier_;
    const qsizetype bloc_;
    std::vector<char> tampon_;
    qsizetype n_ = 0;      // bytes held
    qint64 decalage_ = 0;  // where the first of them lies in the file
    bool fin_ = false;
};

// The lines of a file's bytes, cut where decode_text and split_lines cut its
// text (CR LF, LF or CR; the UTF-8 mark dropped), one after the other from
// line 2 on. A usual data line is read from its bytes as it is cut; only the
// other lines are decoded, each in the encoding of the whole file, which is
// looked for the first time a line that is not ASCII needs it (unless the
// detection of the format found it already).
//
// The bytes are the whole file, or a file read block by block (par_blocs).
// A line is then cut only while the bytes held reach kMarge bytes past its
// end (or the end of the file): the quick reading, which looks at most 9
// bytes ahead of the line's start and 8 ahead of its end, and the test for
// CR LF see the bytes they would see in the whole file. Else the next block
// comes in after the line's start and the line is cut again.
template <bool par_blocs>
class LignesDOctets {
public:
    LignesDOctets(QByteArrayView octets, std::optional<platform::TextEncoding> encodage) requires(!par_blocs)
        : octets_(platform::without_mark(octets)), sans_ligne_(octets_.isEmpty()), encodage_(encodage) {
        titres();
    }
    // The file's first bytes held in `blocs`, `marque` of them its UTF-8 mark.
    LignesDOctets(BlocsDuFichier& blocs, qsizetype marque,
                  std::optional<platform::TextEncoding> encodage) requires(par_blocs)
        : blocs_(&blocs),
          octets_(blocs.octets()),
          suite_(marque),
          marque_(marque),
          sans_ligne_(octets_.size() == marque && blocs.fin_du_fichier()),
          encodage_(encodage) {
        titres();
    }
    bool sans_ligne() const { return sans_ligne_; }
    [[gnu::always_inline]] bool suivante() { return coupe(); }
    // The current line whole: the pass calls it before it reads a line
    // otherwise than in its loop over the usual lines.
    void acheve() {
        if constexpr (par_blocs) {
            if (en_suspens_) [[unlikely]]
                coupe_avec_la_suite();
        }
    }
    qsizetype indice() const { return i_; }
    QStringView texte() const {
        if (!decodee_) {
            const QByteArrayView ligne = octets_.sliced(debut_, fin_ - debut_);
            if (!encodage_ && !platform::is_ascii(ligne)) encodage_ = encodage_du_fichier();
            platform::decode_part(ligne, encodage_.value_or(platform::TextEncoding::utf8), texte_);
            decodee_ = true;
        }
        return texte_;
    }
    bool usuelle(LigneUsuelle& lu) const {
        lu = lu_;
        return usuelle_;
    }
    bool ouverte() const { return fin_ == octets_.size() && fin_du_fichier(); }

private:
    static constexpr qsizetype kMarge = 16;

    bool fin_du_fichier() const {
        if constexpr (par_blocs) return blocs_->fin_du_fichier();
        return true;
    }
    platform::TextEncoding encodage_du_fichier() const {
        if constexpr (par_blocs) return blocs_->encodage(marque_);
        return platform::text_encoding(octets_);
    }
    void titres() {
        for (int titre = 0; titre < 2 && coupe(); ++titre) acheve();
    }
    // The next line: from the end of the current one to the next CR or LF.
    // It calls nothing out, so that the loop over the usual lines keeps its
    // values in registers: a line of a file read by blocks that ends too
    // near the end of the bytes held is left to acheve(), and is not usual
    // meanwhile. Where the bytes held end before the file, the next line
    // starts within them: suite_ < n.
    [[gnu::always_inline]] bool coupe() {
        const char* p = octets_.data();
        const qsizetype n = octets_.size();
        if (suite_ >= n) return false;
        debut_ = suite_;
        qsizetype arret = 0;
        usuelle_ = ligne_usuelle(p, debut_, n, lu_, arret);
        fin_ = usuelle_ ? arret : fin_de_ligne(p, arret, n);
        ++i_;
        decodee_ = false;
        if constexpr (par_blocs) {
            if (n - fin_ < kMarge && !blocs_->fin_du_fichier()) [[unlikely]] {
                en_suspens_ = true;
                usuelle_ = false;
                return true;
            }
        }
        if (fin_ < n && p[fin_] == '\n') {
            suite_ = fin_ + 1;  // the usual line end, tested first
        } else {
            suite_ = fin_ == n ? n : fin_ + 1 + (p[fin_] == '\r' && fin_ + 1 < n && p[fin_ + 1] == '\n' ? 1 : 0);
        }
        return true;
    }
    // The line left by coupe() cut again with the next blocks after its
    // start: blocks are read on until its line end lies kMarge bytes within
    // the bytes held, or the file ends, each looked at once for the line end
    // (a line of n blocks costs n reads and one pass, not n passes over it);
    // then the line is cut once.
    [[gnu::noinline]] void coupe_avec_la_suite() {
        while (en_suspens_) {
            // No line end lies before fin_: it is the first CR or LF, or the end of the bytes held.
            qsizetype vu = fin_ - debut_;
            blocs_->recharge(debut_);
            for (;;) {
                const QByteArrayView o = blocs_->octets();
                vu = fin_de_ligne(o.data(), std::min(vu, o.size()), o.size());
                if (o.size() - vu >= kMarge || blocs_->fin_du_fichier()) break;
                blocs_->lit();
            }
            octets_ = blocs_->octets();
            suite_ = 0;
            --i_;
            en_suspens_ = false;
            coupe();
        }
    }

    BlocsDuFichier* blocs_ = nullptr;
    QByteArrayView octets_;
    qsizetype debut_ = 0;  // the current line: [debut_, fin_)
    qsizetype fin_ = 0;
    qsizetype suite_ = 0;  // where the next line starts
    qsizetype marque_ = 0;
    qsizetype i_ = -1;
    bool sans_ligne_ = false;
    bool usuelle_ = false;
    bool en_suspens_ = false;  // the current line is left to acheve()
    LigneUsuelle lu_{};
    mutable QString texte_;
    mutable bool decodee_ = false;
    mutable std::optional<platform::TextEncoding> encodage_;
};

// The records a pass has made, and what it keeps of them.
struct Releve {
    double* serie_x;
    double* serie_y;
    std::int32_t capacite;
    std::int32_t nb = 0;
    long double max_x = -10;
    long double max_y = -10;
    long double cumul = 0;
    long double derniere_duree = 0;     // elapsed time of the last record
    long double origine_temps = -1;     // minutes since midnight; below 0 until a line sets it
    long double heure_precedente = 0;   // the time of day of the last record (of the origin before any)
    std::int32_t nb_jours = 0;          // midnights passed since the origin
    long double minutes_des_jours = 0;  // 1440 x nb_jours

    // The record of a line at `heure` (minutes since midnight) of duration `y`.
    // Raises before anything is stored when the duration has no room in the
    // series. The records are below the capacity.
    void ajoute(long double heure, long double y) {
        if (std::fabs(y) > std::numeric_limits<double>::max()) platform::raise_overflow();
        const long double somme = cumul + y;
        if (!std::isfinite(somme)) platform::checked_value(somme);  // raises
        range(heure, y, somme);
    }
    // The same for the duration of a usual line, 19 digits at most: below
    // 10^19, it has room in a double, and the total of the records, below the
    // capacity times the largest double, stays within extended precision.
    // Leaves derniere_duree to the caller (see ecoule).
    void ajoute_usuelle(long double heure, long double y) { range<false>(heure, y, cumul + y); }

    // The elapsed time of a record at `heure` made now.
    long double ecoule(long double heure) const { return heure + minutes_des_jours - origine_temps; }

    // A record past the capacity, at `heure`: not kept, but its day counted,
    // so that the file's last record is known.
    void suit(long double heure) {
        jour_de(heure);
        dernier_du_fichier = ecoule(heure);
    }
    long double dernier_du_fichier = 0;  // elapsed time of the file's last record past the capacity

private:
    // The day of a record at `heure`: the next one when it is more than an
    // hour before the last record (analysis/day_rule.h).
    void jour_de(long double heure) {
        if (jour_suivant(heure_precedente, heure)) [[unlikely]] {
            ++nb_jours;
            minutes_des_jours = static_cast<long double>(1440 * nb_jours);
        }
        heure_precedente = heure;
    }
    // The duration's part first: it is then no longer needed while the
    // elapsed time is worked out, and the values of extended precision the
    // loop over the lines keeps fit in the processor's registers.
    template <bool garde_derniere = true>
    void range(long double heure, long double y, long double somme) {
        cumul = somme;
        serie_y[nb] = static_cast<double>(y);
        if (max_y < y) max_y = y;
        jour_de(heure);
        const long double x = ecoule(heure);
        serie_x[nb] = static_cast<double>(x);
        ++nb;
        if (max_x < x) max_x = x;
        if constexpr (garde_derniere) derniere_duree = x;
    }
};

enum class Suite { fin_des_lignes, capacite, autre_ligne };

// The records of the current usual line and of the usual lines after it, up
// to a line of another kind (then the current line), the end of the lines or
// the capacity (the current line is then the one left out). The records are
// kept in a copy of the state while it runs: values of extended precision
// live in the processor's registers between two lines only when nothing in
// the loop calls out.
template <typename Source>
Suite enregistre_les_usuelles(Source& source, Releve& releve, LigneUsuelle lu) {
    Releve r = releve;
    Suite suite = Suite::autre_ligne;
    // The elapsed time of the last record is worked out once, after the loop,
    // from the time of its line, as the record's own was.
    std::uint64_t derniere_seconde = 0;
    const std::int32_t deja = r.nb;
    for (;;) {
        if (r.nb == r.capacite) {
            suite = Suite::capacite;
            break;
        }
        r.ajoute_usuelle(lu.heure(), lu.valeur());
        derniere_seconde = lu.secondes;
        if (!source.suivante()) {
            suite = Suite::fin_des_lignes;
            break;
        }
        // A last line without its line end is left to the slow way, which leaves it.
        if (!source.usuelle(lu) || source.ouverte()) break;
    }
    if (r.nb != deja) r.derniere_duree = r.ecoule(LigneUsuelle{derniere_seconde, 0, 0}.heure());
    releve = r;
    return suite;
}

// The same past the capacity: the days of the usual lines counted, up to a
// line of another kind (then the current line) or the end of the lines.
template <typename Source>
Suite suit_les_usuelles(Source& source, Releve& releve, LigneUsuelle lu) {
    for (;;) {
        releve.suit(lu.heure());
        if (!source.suivante()) return Suite::fin_des_lignes;
        if (!source.usuelle(lu) || source.ouverte()) return Suite::autre_ligne;
    }
}

template <Lecture lecture, typename Source>
PasseDesLignes passe(Source& source, PlaceDesEnregistrements place) {
    PasseDesLignes resultat;
    resultat.sans_ligne = source.sans_ligne();
    Releve releve{place.x.data(), place.y.data(),
                  static_cast<std::int32_t>(
                      std::min<std::size_t>(std::min(place.x.size(), place.y.size()),
                                            static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())))};
    bool entete_vu = false;

    const Lecteur<lecture> lecteur{separateur_ordinaire()};
    const auto fin = [&](FinDeLecture pourquoi) {
        resultat.fin = pourquoi;
        resultat.ligne_de_fin = source.indice();
    };
    bool ligne_courante = false;  // the current line is still to be read
    // Past the capacity the records are not kept, and neither counted nor
    // skipped: only their days are followed, to the file's last record.
    bool au_dela = false;
    const auto plein = [&] {
        resultat.capacite_depassee = true;
        fin(FinDeLecture::capacite);
        au_dela = true;
    };
    // Reads the lines until the reading ends. A line that cannot be read
    // raises while it is the current line, before anything of it is stored.
    const auto lit_les_lignes = [&] {
        for (;;) {
            if (!ligne_courante && !source.suivante()) return;
            ligne_courante = false;
            source.acheve();
            // A last line without its line end is still being written: the
            // pass ends before it, and the next change of the file brings it whole.
            if (source.ouverte()) {
                resultat.ligne_en_attente = entete_vu;  // before the header no line is data
                return;
            }
            // Most lines after the header are usual data lines, read in one scan.
            LigneUsuelle lu;
            const bool usuelle = lecture == Lecture::rapide && entete_vu && lecteur.rapide_permis && source.usuelle(lu);
            if (usuelle && releve.origine_temps >= 0) {
                switch (au_dela ? suit_les_usuelles(source, releve, lu) : enregistre_les_usuelles(source, releve, lu)) {
                    case Suite::fin_des_lignes: return;
                    case Suite::capacite:
                        // The destination is full: this record and everything after it stay out.
                        plein();
                        ligne_courante = true;
                        continue;
                    case Suite::autre_ligne: ligne_courante = true; continue;
                }
            }
            QStringView champ1;
            QStringView champ2;
            if (!usuelle) {
                const QStringView ligne = source.texte();
                if (lecteur.arret(ligne)) return au_dela ? void() : fin(FinDeLecture::sauvegarde);
                if (ligne.isEmpty()) {
                    if (entete_vu) return au_dela ? void() : fin(FinDeLecture::ligne_vide);
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
            if (releve.origine_temps < 0) {
                releve.origine_temps = usuelle ? lu.heure() : lecteur.heure(champ1);
                releve.heure_precedente = releve.origine_temps;
                continue;
            }
            if (!au_dela && releve.nb == releve.capacite) plein();
            const long double heure = lecteur.heure(champ1);
            const long double valeur = lecteur.valeur(champ2);
            if (au_dela) {
                releve.suit(heure);
            } else {
                releve.ajoute(heure, valeur);
            }
        }
    };
    // The try block stays outside the loop over the lines: a usual line costs
    // nothing more for the lines that cannot be read.
    for (;;) {
        try {
            lit_les_lignes();
            break;
        } catch (const platform::Error& e) {
            if (!au_dela) retiens_ligne_ignoree(resultat, source.indice(), source.texte(), e.text());
        }
    }
    resultat.nb_enregistrements = releve.nb;
    resultat.max_x = releve.max_x;
    resultat.max_y = releve.max_y;
    resultat.cumul_durees = releve.cumul;
    resultat.derniere_duree = releve.derniere_duree;
    resultat.dernier_du_fichier = au_dela ? releve.dernier_du_fichier : releve.derniere_duree;
    resultat.origine_temps = releve.origine_temps;
    resultat.entete_vu = entete_vu;
    resultat.origine_vue = releve.origine_temps >= 0;
    return resultat;
}

template <typename Source>
PasseDesLignes passe_de(Source source, PlaceDesEnregistrements place, Lecture lecture) {
    return lecture == Lecture::rapide ? passe<Lecture::rapide>(source, place) : passe<Lecture::simple>(source, place);
}

// Series 1 of the store, whose position 0 stays the point at the time origin.
PlaceDesEnregistrements serie_1(RecordStore& store) {
    return {std::span<double>(store.serie_x[1]).subspan(1), std::span<double>(store.serie_y[1]).subspan(1)};
}

PasseDesLignes dans_la_serie_1(const PasseDesLignes& passe, RecordStore& store) {
    store.serie_courante = 1;
    store.nb_points[1] = passe.nb_enregistrements;
    store.max_x_serie[1] = passe.max_x;
    store.max_y_serie[1] = passe.max_y;
    store.cumul_durees = passe.cumul_durees;
    store.duree_acquisition = passe.derniere_duree;
    return passe;
}

}  // namespace

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

PasseDesLignes passe_des_lignes(const QStringList& lignes, PlaceDesEnregistrements place, Lecture lecture) {
    const FormatDeDonnees format = format_des_lignes(lignes);
    if (format != FormatDeDonnees::acquisition) return passe_du_format(format, lignes, place);
    return passe_de(LignesDeTexte(lignes), place, lecture);
}

PasseDesLignes passe_des_lignes(const platform::PackedLines& lignes, PlaceDesEnregistrements place, Lecture lecture) {
    const FormatDeDonnees format = format_des_lignes(lignes);
    if (format != FormatDeDonnees::acquisition) return passe_du_format(format, lignes, place);
    return passe_de(LignesDeTexte(lignes), place, lecture);
}

PasseDesLignes passe_des_octets(QByteArrayView octets, PlaceDesEnregistrements place, Lecture lecture) {
    std::optional<platform::TextEncoding> encodage;
    const FormatDeDonnees format = detecte_format_des_octets(octets, encodage);
    if (format != FormatDeDonnees::acquisition) return passe_du_format(format, octets, place);
    return passe_de(LignesDOctets<false>(octets, encodage), place, lecture);
}

PasseDesLignes passe_du_fichier(platform::FileBlocks& fichier, PlaceDesEnregistrements place, Lecture lecture,
                                qsizetype bloc) {
    BlocsDuFichier blocs(fichier, bloc);
    PasseDesLignes resultat;
    if (fichier.sequential()) {
        // A pipe cannot be read again where the encoding needs it: read whole.
        blocs.lit_tout();
        resultat = passe_des_octets(blocs.octets(), place, lecture);
    } else {
        // The first lines decide the format.
        DetectionLines detection;
        do {
            blocs.lit();
        } while (!blocs.fin_du_fichier() && !detection.held_in(blocs.octets()));
        const qsizetype marque = blocs.octets().size() - platform::without_mark(blocs.octets()).size();
        std::optional<platform::TextEncoding> encodage;
        const FormatDeDonnees format =
            detecte_format_du_debut(blocs.octets(), encodage, [&] { return blocs.encodage(marque); });
        if (format != FormatDeDonnees::acquisition) {
            // The formats of other apparatus are read from the whole file.
            blocs.lit_tout();
            resultat = passe_du_format(format, blocs.octets(), place);
        } else {
            resultat = passe_de(LignesDOctets<true>(blocs, marque, encodage), place, lecture);
        }
    }
    fichier.raise_if_failed();
    return resultat;
}

PasseDesLignes passe_des_lignes(const QStringList& lignes, RecordStore& store, Lecture lecture) {
    return dans_la_serie_1(passe_des_lignes(lignes, serie_1(store), lecture), store);
}

PasseDesLignes passe_des_lignes(const platform::PackedLines& lignes, RecordStore& store, Lecture lecture) {
    return dans_la_serie_1(passe_des_lignes(lignes, serie_1(store), lecture), store);
}

PasseDesLignes passe_des_octets(QByteArrayView octets, RecordStore& store, Lecture lecture) {
    return dans_la_serie_1(passe_des_octets(octets, serie_1(store), lecture), store);
}

PasseDesLignes passe_du_fichier(platform::FileBlocks& fichier, RecordStore& store, Lecture lecture, qsizetype bloc) {
    return dans_la_serie_1(passe_du_fichier(fichier, serie_1(store), lecture, bloc), store);
}
