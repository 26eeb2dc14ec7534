// libFuzzer target: arbitrary bytes through the path of a load, as the window
// takes it with its default fields (x 150, X max 800, dX 10, durations by
// class means). The bytes are written to a file and read back as the data memo
// reads it (decoding, line cutting into the reused storage), then go through
// the record pass, the time axis growth, the class pass and the class listing
// on tables that live from one input to the next, as the window's do.
//
// The record pass never raises: a line it cannot read is skipped and counted.
// An error raised the program's way (platform::Error) by a later step is a
// normal end of a load: the window shows it in a message box. Anything else
// (a crash, a sanitizer report, another exception, a broken promise of the
// code below) aborts, which libFuzzer reports as a finding.
//
// Each input is loaded twice, with '.' and with ',' as the locale's decimal
// separator, and the record pass is also run the plain way on a store of its
// own: it promises the same records, the same skipped lines and the same
// texts. The messages made of the skipped lines hold no control character.
#include "analysis/class_pass.h"
#include "analysis/class_table.h"
#include "analysis/pass_report.h"
#include "analysis/record_pass.h"
#include "analysis/record_store.h"
#include "datafile/data_file.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "text/steps.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// The window's fields at start-up.
const QString kEchelleX = QStringLiteral("150");  // Edit1, x
const QString kXMax = QStringLiteral("800");      // Edit6, X max
const QString kDX = QStringLiteral("10");         // Edit8, dX
constexpr bool kParCentres = false;               // RadioGroup2: class means

[[noreturn]] void finding(const char* what, const QString& detail = QString()) {
    std::fprintf(stderr, "vorns-fuzz: %s %s\n", what, detail.toLocal8Bit().constData());
    std::fflush(stderr);
    std::abort();
}

void verifie(bool condition, const char* what) {
    if (!condition) finding(what);
}

// The data file of the run: one per process, so that parallel runs never
// share it; in memory when the system has a memory file system, since a file
// on disk rewritten thousands of times a second waits for the disk.
const QString& chemin_donnees() {
    static const QString chemin = [] {
        const QDir dossier =
            QDir(QStringLiteral("/dev/shm")).exists() ? QDir(QStringLiteral("/dev/shm")) : QDir::temp();
        return dossier.filePath(QStringLiteral("vorns-fuzz-%1.txt").arg(static_cast<qint64>(::getpid())));
    }();
    static const bool efface_a_la_fin = std::atexit([] { QFile::remove(chemin_donnees()); }) == 0;
    (void)efface_a_la_fin;
    return chemin;
}

void ecrit(const uint8_t* data, size_t size) {
    QFile f(chemin_donnees());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) finding("cannot write the data file");
    if (f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        finding("cannot write the data file");
    }
}

// Runs `etape` as the window's error wrapper would: the error text when it
// raises the program's way, nothing when it goes through.
template <class Etape>
std::optional<QString> erreur_de(Etape&& etape) {
    try {
        etape();
    } catch (const platform::Error& e) {
        return e.text();
    } catch (const std::exception& e) {
        finding("foreign exception:", QString::fromLocal8Bit(e.what()));
    } catch (...) {
        finding("unknown exception");
    }
    return std::nullopt;
}

// The tables of the load, kept from one input to the next as the window keeps
// its own from one load to the next; and the store the plain record pass
// fills beside them. On the heap: the stores are large.
struct Tables {
    RecordStore record_store;
    ClassTable class_table;
    RecordStore store_simple;
};
Tables& tables() {
    static const auto instance = std::make_unique<Tables>();
    return *instance;
}

void compare_passes(const PasseDesLignes& rapide, const PasseDesLignes& simple) {
    const RecordStore& a = tables().record_store;
    const RecordStore& b = tables().store_simple;
    verifie(a.nb_points[1] == b.nb_points[1], "the quick and plain record passes count differently");
    for (std::int32_t i = 1; i <= a.nb_points[1]; ++i) {
        const auto k = static_cast<std::size_t>(i);
        verifie(a.serie_x[1][k] == b.serie_x[1][k] && a.serie_y[1][k] == b.serie_y[1][k],
                "the quick and plain record passes make different records");
    }
    verifie(a.cumul_durees == b.cumul_durees, "the quick and plain record passes sum differently");
    verifie(a.duree_acquisition == b.duree_acquisition, "the quick and plain acquisition times differ");
    verifie(a.max_x_serie[1] == b.max_x_serie[1] && a.max_y_serie[1] == b.max_y_serie[1],
            "the quick and plain record passes give different maxima");
    verifie(rapide.derniere_duree == simple.derniere_duree && rapide.capacite_depassee == simple.capacite_depassee &&
                rapide.entete_vu == simple.entete_vu && rapide.origine_vue == simple.origine_vue &&
                rapide.fin == simple.fin && rapide.ligne_de_fin == simple.ligne_de_fin,
            "the quick and plain record passes give different results");
    verifie(rapide.nb_lignes_ignorees == simple.nb_lignes_ignorees && rapide.lignes_ignorees == simple.lignes_ignorees,
            "the quick and plain record passes skip different lines");
}

// What the pass promises about the lines it skipped: each after the two title
// lines, in order, kept with its start, its length and a reason; the first
// ones and the last kept, all of them counted.
void verifie_lignes_ignorees(const PasseDesLignes& passe, const platform::PackedLines& lignes) {
    const auto& l = passe.lignes_ignorees;
    verifie(passe.nb_lignes_ignorees >= 0 && l.size() <= kLignesIgnoreesGardees &&
                static_cast<std::size_t>(passe.nb_lignes_ignorees) >= l.size() &&
                (passe.nb_lignes_ignorees > static_cast<std::int32_t>(kLignesIgnoreesGardees) ||
                 l.size() == static_cast<std::size_t>(passe.nb_lignes_ignorees)),
            "skipped lines kept or counted wrong");
    verifie(passe.nb_lignes_ignorees + tables().record_store.nb_points[1] <= std::max<qsizetype>(lignes.size() - 2, 0),
            "more records and skipped lines than lines");
    qsizetype avant = 1;
    for (const LigneIgnoree& ignoree : l) {
        verifie(ignoree.indice > avant && ignoree.indice < lignes.size(),
                "skipped line out of order or out of the file");
        avant = ignoree.indice;
        const QStringView ligne = lignes.at(ignoree.indice);
        verifie(ignoree.longueur == ligne.size() && ligne.startsWith(ignoree.debut) &&
                    ignoree.debut.size() <= kDebutGarde &&
                    ignoree.debut.size() >= std::min(ligne.size(), kDebutGarde - 1),
                "skipped line kept wrong");
        verifie(!ignoree.erreur.isEmpty(), "skipped line without its reason");
    }
    for (const QString& texte : {texte_lignes_ignorees(QStringLiteral("run.txt"), passe, LigneNommee::premiere),
                                 texte_lignes_ignorees(QStringLiteral("run.txt"), passe, LigneNommee::derniere),
                                 texte_sans_enregistrement(passe, lignes.size())}) {
        for (const QChar c : texte)
            verifie(c.unicode() >= 0x20 && c.unicode() != 0x7F, "a control character in a message");
    }
}

// What the record pass promises about series 1, whatever the lines.
void verifie_serie_1(const PasseDesLignes* passe) {
    const RecordStore& s = tables().record_store;
    const std::int32_t n = s.nb_points[1];
    verifie(n >= 0 && n <= NB_MAX_DONNEES, "record count outside 0..NB_MAX_DONNEES");
    verifie(s.serie_x[1][0] == 0 && s.serie_y[1][0] == 0, "position 0 of series 1 written");
    verifie(std::isfinite(s.cumul_durees), "total of the durations not finite");
    if (passe && passe->capacite_depassee) verifie(n == NB_MAX_DONNEES, "capacity reported below capacity");
    long double max_x = -10;
    long double max_y = -10;
    for (std::int32_t i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        verifie(std::isfinite(s.serie_x[1][k]) && std::isfinite(s.serie_y[1][k]), "record not finite");
        max_x = std::max<long double>(max_x, s.serie_x[1][k]);
        max_y = std::max<long double>(max_y, s.serie_y[1][k]);
    }
    // The maxima are kept in extended precision, the records in double.
    verifie(static_cast<double>(s.max_x_serie[1]) == static_cast<double>(max_x) &&
                static_cast<double>(s.max_y_serie[1]) == static_cast<double>(max_y),
            "maxima of series 1 differ from its records");
}

// What the class pass promises about the table, for the default fields.
void verifie_classes(const ResultatClasses& r) {
    const ClassTable& t = tables().class_table;
    const RecordStore& record_store = tables().record_store;
    verifie(r.n_classe == 80 && record_store.nb_points[2] == 80, "class count of X max 800 / dX 10 is not 80");
    std::int64_t total = r.durees_hors_table;
    std::int32_t max_montre = 0;
    for (int i = 0; i < NB_CLASSES; ++i) {
        verifie(t.effectif[static_cast<std::size_t>(i)] >= 0, "negative class count");
        total += t.effectif[static_cast<std::size_t>(i)];
        if (i < r.n_classe) max_montre = std::max(max_montre, t.effectif[static_cast<std::size_t>(i)]);
    }
    verifie(total == record_store.nb_points[1], "classes and durations left out do not add up to the records");
    verifie(r.effectif_max == max_montre, "largest class count wrong");
    verifie(r.statistiques.has_value() == (t.somme_duree > 0 && t.evenements > 0),
            "figures shown without their guards");
}

// The counters of a store as at start. The series keep what earlier inputs
// left in them, as they do from one load to the next: a load reads no point
// it has not written (position 0 of series 1 stays (0, 0) from the start).
void remet_a_zero(RecordStore& s) {
    s.nb_points = {};
    s.max_x_serie = {};
    s.max_y_serie = {};
    s.serie_courante = 0;
    s.cumul_durees = 0;
    s.duree_acquisition = 0;
}

// One load of the lines, as TForm1::charge_le_fichier and the passes it calls.
void charge(const uint8_t* data, size_t size) {
    RecordStore& record_store = tables().record_store;
    RecordStore& store_simple = tables().store_simple;
    ClassTable& class_table = tables().class_table;
    remet_a_zero(record_store);
    remet_a_zero(store_simple);
    class_table = ClassTable{};
    // What an earlier load left: no record pass touches series 2.
    constexpr long double kDureePrecedente = 4321.5L;
    constexpr std::int32_t kClassesPrecedentes = 37;
    for (RecordStore* s : {&record_store, &store_simple}) {
        s->duree_acquisition = kDureePrecedente;
        s->nb_points[2] = kClassesPrecedentes;
    }

    static platform::PackedLines lignes;  // reused from load to load, as the memo's
    if (const auto e = erreur_de([&] { lignes.read_file(chemin_donnees()); })) {
        finding("the data file just written cannot be read:", *e);
    }
    {
        const QStringList attendues = platform::split_lines(
            platform::decode_text(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))));
        verifie(lignes.size() == attendues.size(), "packed lines and split lines differ in number");
        for (qsizetype i = 0; i < attendues.size(); ++i) {
            verifie(lignes.at(i) == attendues.at(i), "packed lines and split lines differ");
        }
    }

    PasseDesLignes rapide;
    const auto erreur_rapide = erreur_de([&] { rapide = passe_des_lignes(lignes, record_store, Lecture::rapide); });
    PasseDesLignes simple;
    const auto erreur_simple = erreur_de([&] { simple = passe_des_lignes(lignes, store_simple, Lecture::simple); });
    if (erreur_rapide || erreur_simple) finding("the record pass raised:", erreur_rapide.value_or(*erreur_simple));
    compare_passes(rapide, simple);
    verifie_serie_1(&rapide);
    verifie_lignes_ignorees(rapide, lignes);
    verifie(record_store.nb_points[2] == kClassesPrecedentes, "the record pass touched series 2");
    {
        const std::int32_t n = record_store.nb_points[1];
        verifie(record_store.duree_acquisition == rapide.derniere_duree, "acquisition time is not the last record's");
        verifie(
            n == 0 ? rapide.derniere_duree == 0
                   : static_cast<double>(rapide.derniere_duree) == record_store.serie_x[1][static_cast<std::size_t>(n)],
            "acquisition time is not the elapsed time of the last record");
    }

    // The time axis grows to hold the acquisition.
    std::optional<QString> echelle_x;
    if (erreur_de([&] { echelle_x = echelle_agrandie(kEchelleX, record_store.duree_acquisition); })) return;
    if (echelle_x) {
        verifie(platform::str_to_int(*echelle_x) >= record_store.duree_acquisition,
                "the grown time axis does not hold the acquisition");
    }

    // The class pass with its listing.
    std::optional<ResultatClasses> r;
    if (erreur_de([&] {
            prend_largeur_classe(platform::str_to_float(kDX), class_table);
            const std::int32_t n_classe = nombre_de_classes(platform::str_to_float(kXMax), class_table);
            r = calcule_classes(n_classe, kParCentres, record_store, class_table);
        })) {
        return;
    }
    verifie_classes(*r);
    QStringList listing;
    if (erreur_de([&] { listing = liste_classes(r->n_classe, class_table, record_store); })) return;
    verifie(listing.size() == r->n_classe, "class listing of the wrong length");

    (void)erreur_de([&] { (void)texte_duree_acquisition(record_store.duree_acquisition); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ecrit(data, size);
    for (const QChar separateur : {QLatin1Char('.'), QLatin1Char(',')}) {
        platform::set_decimal_separator(separateur);
        charge(data, size);
    }
    return 0;
}
