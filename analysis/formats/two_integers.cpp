#include "analysis/formats/two_integers.h"

#include "platform/errors.h"
#include "platform/numbers.h"

#include <QCoreApplication>

#include <type_traits>

namespace {

// Why a line is no record, in the program's language.
struct FormatText {
    Q_DECLARE_TR_FUNCTIONS(formats)
};

[[noreturn]] void pas_deux_entiers() { throw platform::Error(FormatText::tr("pas deux entiers « valeur secondes »")); }

template <typename Car>
bool blanc(Car c) {
    return c == Car(' ') || c == Car('\t');
}

// Digits from position i (18 at most: the value fits), i left after them.
template <typename Car>
bool entier(const Car* p, qsizetype& i, qsizetype n, std::int64_t& valeur) {
    const qsizetype debut = i;
    std::int64_t v = 0;
    for (; i < n; ++i) {
        const auto c = static_cast<unsigned>(static_cast<std::make_unsigned_t<Car>>(p[i])) - 48u;
        if (c > 9) break;
        if (i - debut == 18) pas_deux_entiers();
        v = v * 10 + c;
    }
    valeur = v;
    return i > debut;
}

template <typename Car>
LigneDeuxEntiers lit(const Car* p, qsizetype n) {
    qsizetype i = 0;
    while (i < n && blanc(p[i])) ++i;
    if (i == n) return {};
    bool negatif = false;
    if (p[i] == Car('-') || p[i] == Car('+')) negatif = p[i++] == Car('-');
    LigneDeuxEntiers ligne;
    if (!entier(p, i, n, ligne.nombre) || i == n || !blanc(p[i])) pas_deux_entiers();
    while (i < n && blanc(p[i])) ++i;
    if (!entier(p, i, n, ligne.secondes)) pas_deux_entiers();
    while (i < n && blanc(p[i])) ++i;
    if (i != n) pas_deux_entiers();
    if (ligne.secondes > kSecondesUnixMax) {
        throw platform::Error(
            FormatText::tr("secondes Unix au-delà de l'an 9999 : %1").arg(platform::decimal(ligne.secondes)));
    }
    if (negatif && ligne.nombre != 0) {
        throw platform::Error(FormatText::tr("valeur négative (-%1) : ni une désintégration ni un comptage")
                                  .arg(platform::decimal(ligne.nombre)));
    }
    if (ligne.nombre < kDebutDesComptages) {
        ligne.sorte = LigneDeuxEntiers::Sorte::desintegration;
    } else {
        ligne.sorte = LigneDeuxEntiers::Sorte::comptage;
        ligne.nombre -= kDebutDesComptages;
    }
    return ligne;
}

}  // namespace

LigneDeuxEntiers lit_deux_entiers(QStringView ligne) { return lit(ligne.utf16(), ligne.size()); }

LigneDeuxEntiers lit_deux_entiers(QByteArrayView ligne) { return lit(ligne.data(), ligne.size()); }
