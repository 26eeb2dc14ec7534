// libFuzzer target: arbitrary bytes through the load (analysis/load.h), with
// the window's default fields (x 150, X max 800, dX 10, durations by class
// means), on tables that live from one input to the next, as the window's do:
// the one load of the bytes (the record pass reading the bytes, the class pass,
// the class plot's points), then the time axis growth, the texts of the
// figures, the trace and the class listing.
//
// The bytes are also written to a file and read back as the data memo reads
// it (decoding, line cutting into the reused storage), and the record pass
// runs over those lines as the window runs it (the quick reading) and the
// plain way, each on a store of its own: all three promise the same records,
// the same skipped lines and the same texts. The messages made of the skipped
// lines hold no control character.
//
// Nothing of this raises with the default fields: the record pass skips and
// counts a line it cannot read, and the class pass refuses only other fields.
// Anything else (a crash, a sanitizer report, an exception, a broken promise
// of the code below) aborts, which libFuzzer reports as a finding. Each input
// is loaded twice, with '.' and with ',' as the locale's decimal separator.
#include "analysis/class_pass.h"
#include "analysis/class_table.h"
#include "analysis/format_pass.h"
#include "analysis/formats/decay_lines.h"
#include "analysis/formats/raw_stream.h"
#include "analysis/formats/two_integers.h"
#include "analysis/load.h"
#include "analysis/load_text.h"
#include "analysis/record_pass.h"
#include "analysis/record_store.h"
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
#include <algorithm>
#include <exception>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// The window's fields at start-up.
const QString kEchelleX = QStringLiteral("150");  // Edit1, x
const ChoixDesClasses kChoix{10, 800, false};     // Edit8 dX, Edit6 X max, RadioGroup2: class means

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
// its own from one load to the next; and the stores the record pass fills
// beside them from the memo's lines, the window's way and the plain way. On
// the heap: the stores are large.
struct Tables {
    RecordStore record_store;
    ClassTable class_table;
    RecordStore store_fenetre;
    RecordStore store_simple;
};
Tables& tables() {
    static const auto instance = std::make_unique<Tables>();
    return *instance;
}

// The results and series 1 of a pass against those of the plain pass.
void compare_passes(const PasseDesLignes& p, const RecordStore& a, const PasseDesLignes& simple, const char* quoi) {
    const RecordStore& b = tables().store_simple;
    const auto verifie_passe = [quoi](bool condition, const char* what) {
        if (!condition) finding(what, QString::fromLatin1(quoi));
    };
    verifie_passe(a.nb_points[1] == b.nb_points[1] && p.nb_enregistrements == simple.nb_enregistrements,
                  "the record passes count differently:");
    for (std::int32_t i = 1; i <= a.nb_points[1]; ++i) {
        const auto k = static_cast<std::size_t>(i);
        verifie_passe(a.serie_x[1][k] == b.serie_x[1][k] && a.serie_y[1][k] == b.serie_y[1][k],
                      "the record passes make different records:");
    }
    verifie_passe(a.cumul_durees == b.cumul_durees && p.cumul_durees == simple.cumul_durees,
                  "the record passes sum differently:");
    verifie_passe(a.duree_acquisition == b.duree_acquisition, "the acquisition times differ:");
    verifie_passe(a.max_x_serie[1] == b.max_x_serie[1] && a.max_y_serie[1] == b.max_y_serie[1] &&
                      p.max_x == simple.max_x && p.max_y == simple.max_y,
                  "the record passes give different maxima:");
    verifie_passe(p.derniere_duree == simple.derniere_duree && p.capacite_depassee == simple.capacite_depassee &&
                      p.entete_vu == simple.entete_vu && p.origine_vue == simple.origine_vue &&
                      p.origine_temps == simple.origine_temps && p.sans_ligne == simple.sans_ligne &&
                      p.fin == simple.fin && p.ligne_de_fin == simple.ligne_de_fin && p.format == simple.format &&
                      p.unite_ns == simple.unite_ns && p.dernier_du_fichier == simple.dernier_du_fichier &&
                      p.ligne_en_attente == simple.ligne_en_attente,
                  "the record passes give different results:");
    verifie_passe(p.comptages == simple.comptages, "the record passes keep different count records:");
    verifie_passe(p.raw == simple.raw, "the record passes read a raw stream differently:");
    verifie_passe(p.nb_lignes_ignorees == simple.nb_lignes_ignorees && p.lignes_ignorees == simple.lignes_ignorees,
                  "the record passes skip different lines:");
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
    // The acquisition format's two title lines are never data; the other formats have none.
    const qsizetype titres = passe.format == FormatDeDonnees::acquisition ? 2 : 0;
    verifie(
        passe.nb_lignes_ignorees + tables().record_store.nb_points[1] <= std::max<qsizetype>(lignes.size() - titres, 0),
        "more records and skipped lines than lines");
    qsizetype avant = titres - 1;
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
                                 texte_sans_enregistrement(passe)}) {
        for (const QChar c : texte)
            verifie(c.unicode() >= 0x20 && c.unicode() != 0x7F, "a control character in a message");
    }
}

// Each reader of another apparatus's format on the first lines: the same on a
// line's characters and on its bytes (a raw stream's event lines); nothing but the program's error raised;
// what it reads within its ranges. The count records of the pass: after the
// origin, of no negative count, one a second at most per line.
void verifie_lecteurs(const platform::PackedLines& lignes, const PasseDesLignes& passe) {
    for (qsizetype i = 0; i < std::min<qsizetype>(lignes.size(), 200); ++i) {
        const QStringView ligne = lignes.at(i);
        LigneDeuxEntiers texte;
        LigneDeuxEntiers octets;
        const auto e_texte = erreur_de([&] { texte = lit_deux_entiers(ligne); });
        const QByteArray utf8 = ligne.toUtf8();
        const auto e_octets = erreur_de([&] { octets = lit_deux_entiers(QByteArrayView(utf8)); });
        verifie(e_texte == e_octets && texte.sorte == octets.sorte && texte.nombre == octets.nombre &&
                    texte.secondes == octets.secondes,
                "two integers read differently from the characters and from the bytes");
        verifie(e_texte || (texte.nombre >= 0 && texte.secondes >= 0), "two integers out of range");
        daq::EventLine brute_texte;
        daq::EventLine brute_octets;
        daq::Fault faute_texte = daq::Fault::none;
        daq::Fault faute_octets = daq::Fault::none;
        const daq::LineKind sorte_texte = daq::read_line(ligne.utf16(), ligne.size(), brute_texte, faute_texte);
        const daq::LineKind sorte_octets = daq::read_line(utf8.data(), utf8.size(), brute_octets, faute_octets);
        // A character beyond ASCII is one byte of text and several of UTF-8:
        // only an event line, all ASCII, must read the same.
        verifie(sorte_texte != daq::LineKind::event ||
                    (sorte_octets == daq::LineKind::event && brute_texte.counter == brute_octets.counter &&
                     brute_texte.latch == brute_octets.latch && brute_texte.gps_ms == brute_octets.gps_ms &&
                     brute_texte.delay_ms == brute_octets.delay_ms &&
                     std::equal(std::begin(brute_texte.edges), std::end(brute_texte.edges), brute_octets.edges)),
                "a raw event line read differently from the characters and from the bytes");
        verifie((sorte_texte == daq::LineKind::bad) == (faute_texte != daq::Fault::none), "a raw line's fault lost");
        // The quick reading of the usual layout, with the words of the line before.
        static daq::LineReader lecteur;
        daq::EventLine rapide;
        daq::Fault faute_rapide = daq::Fault::none;
        verifie(lecteur.read(ligne.utf16(), ligne.size(), rapide, faute_rapide) == sorte_texte &&
                    faute_rapide == faute_texte &&
                    (sorte_texte != daq::LineKind::event ||
                     (rapide.counter == brute_texte.counter && rapide.latch == brute_texte.latch &&
                      rapide.gps_ms == brute_texte.gps_ms && rapide.gps_date == brute_texte.gps_date &&
                      rapide.gps_valid == brute_texte.gps_valid && rapide.flags == brute_texte.flags &&
                      rapide.delay_ms == brute_texte.delay_ms && rapide.satellites == brute_texte.satellites &&
                      std::equal(std::begin(rapide.edges), std::end(rapide.edges), brute_texte.edges))),
                "the quick reading of a raw line differs from the plain one");
        LigneDecay decay;
        if (!erreur_de([&] { decay = lit_ligne_decay(ligne); }) && decay.desintegration) {
            verifie(decay.seconde >= 0 && decay.seconde <= 86400 && decay.microsecondes >= 0 &&
                        decay.microsecondes <= std::numeric_limits<double>::max(),
                    "decay line out of range");
        }
    }
    const Comptages& c = passe.comptages;
    verifie(
        c.secondes.size() == c.muons.size() &&
            (c.secondes.empty() || passe.format == FormatDeDonnees::deux_entiers ||
             passe.format == FormatDeDonnees::raw_stream),
        "count records of another format");
    verifie(passe.format == FormatDeDonnees::raw_stream ||
                (passe.raw.events == 0 && passe.raw.clock_hz == 0 && !passe.raw.gps_time),
            "raw stream facts of another format");
    verifie(passe.format != FormatDeDonnees::raw_stream ||
                (passe.raw.events >= passe.nb_enregistrements + passe.raw.before_origin && passe.raw.clock_hz > 0),
            "raw stream facts that do not add up");
    for (std::size_t k = 0; k < c.secondes.size(); ++k) {
        verifie(c.secondes[k] >= 0 && c.muons[k] >= 0, "count record before the origin or negative");
    }
}

// What the record pass promises about series 1, whatever the lines.
void verifie_serie_1(const PasseDesLignes* passe) {
    const RecordStore& s = tables().record_store;
    const std::int32_t n = s.nb_points[1];
    verifie(n >= 0 && n <= NB_MAX_DONNEES, "record count outside 0..NB_MAX_DONNEES");
    verifie(s.serie_x[1][0] == 0 && s.serie_y[1][0] == 0, "position 0 of series 1 written");
    verifie(std::isfinite(s.cumul_durees), "total of the durations not finite");
    if (passe) {
        verifie(passe->nb_enregistrements == n, "the pass and the store count differently");
        if (passe->capacite_depassee) verifie(n == NB_MAX_DONNEES, "capacity reported below capacity");
        verifie(passe->origine_vue == (passe->origine_temps >= 0) && (n == 0 || passe->origine_vue),
                "records without a time origin");
    }
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
    verifie(r.n_classe == 80 && record_store.nb_points[2] == 80 && t.n_classe == 80 && t.x_max == kChoix.x_max,
            "class count of X max 800 / dX 10 is not 80");
    std::int64_t total = r.durees_hors_table;
    std::int32_t max_montre = 0;
    for (int i = 0; i < NB_CLASSES; ++i) {
        verifie(t.effectif[static_cast<std::size_t>(i)] >= 0, "negative class count");
        total += t.effectif[static_cast<std::size_t>(i)];
        if (i < r.n_classe) max_montre = std::max(max_montre, t.effectif[static_cast<std::size_t>(i)]);
    }
    verifie(total == record_store.nb_points[1], "classes and durations left out do not add up to the records");
    verifie(r.effectif_max == max_montre, "largest class count wrong");
    verifie(r.chiffres.has_value() == (t.somme_duree > 0 && t.evenements > 0), "figures shown without their guards");
    for (int i = 0; i < r.n_classe; ++i) {
        const auto k = static_cast<std::size_t>(i);
        verifie(record_store.serie_y[2][k] == t.effectif[k], "the class plot's points are not the class counts");
    }
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

// One load of the bytes, as vorns-fit and the window load them.
void charge(const uint8_t* data, size_t size) {
    Tables& t = tables();
    RecordStore& record_store = t.record_store;
    for (RecordStore* s : {&record_store, &t.store_fenetre, &t.store_simple}) remet_a_zero(*s);
    t.class_table = ClassTable{};
    // What an earlier load left: no record pass touches series 2.
    constexpr long double kDureePrecedente = 4321.5L;
    constexpr std::int32_t kClassesPrecedentes = 37;
    for (RecordStore* s : {&t.store_fenetre, &t.store_simple}) {
        s->duree_acquisition = kDureePrecedente;
        s->nb_points[2] = kClassesPrecedentes;
    }

    static platform::PackedLines lignes;  // reused from load to load, as the memo's
    if (const auto e = erreur_de([&] { lignes.read_file(chemin_donnees()); })) {
        finding("the data file just written cannot be read:", *e);
    }
    const QByteArray octets(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        const QStringList attendues = platform::split_lines(platform::decode_text(octets));
        verifie(lignes.size() == attendues.size(), "packed lines and split lines differ in number");
        for (qsizetype i = 0; i < attendues.size(); ++i) {
            verifie(lignes.at(i) == attendues.at(i), "packed lines and split lines differ");
        }
    }

    // The one load, then the record pass over the memo's lines both ways.
    Chargement chargement;
    if (const auto e =
            erreur_de([&] { chargement = charge_les_octets(octets, kChoix, record_store, t.class_table); })) {
        finding("the load raised with the default fields:", *e);
    }
    const PasseDesLignes& passe = chargement.enregistrements;
    PasseDesLignes fenetre;
    PasseDesLignes simple;
    const auto e_fenetre = erreur_de([&] { fenetre = passe_des_lignes(lignes, t.store_fenetre, Lecture::rapide); });
    const auto e_simple = erreur_de([&] { simple = passe_des_lignes(lignes, t.store_simple, Lecture::simple); });
    if (e_fenetre || e_simple) finding("the record pass raised:", e_fenetre.value_or(*e_simple));
    compare_passes(passe, record_store, simple, "the load's reading of the bytes and the plain one");
    compare_passes(fenetre, t.store_fenetre, simple, "the window's reading of the memo and the plain one");
    verifie_serie_1(&passe);
    verifie_lignes_ignorees(passe, lignes);
    verifie_lecteurs(lignes, passe);
    verifie(detecte_format_des_octets(octets) == format_des_lignes(lignes), "the bytes and the text differ in format");
    verifie(t.store_fenetre.nb_points[2] == kClassesPrecedentes && t.store_simple.nb_points[2] == kClassesPrecedentes,
            "the record pass touched series 2");
    {
        const std::int32_t n = record_store.nb_points[1];
        verifie(record_store.duree_acquisition == passe.derniere_duree, "acquisition time is not the last record's");
        verifie(n == 0
                    ? passe.derniere_duree == 0
                    : static_cast<double>(passe.derniere_duree) == record_store.serie_x[1][static_cast<std::size_t>(n)],
                "acquisition time is not the elapsed time of the last record");
        verifie(passe.capacite_depassee || passe.dernier_du_fichier == passe.derniere_duree,
                "the file's last record is not the last one kept, within the capacity");
    }

    // The time axis grows to hold the acquisition.
    std::optional<QString> echelle_x;
    if (!erreur_de([&] { echelle_x = echelle_agrandie(kEchelleX, record_store.duree_acquisition); }) && echelle_x) {
        verifie(platform::str_to_int(*echelle_x) >= record_store.duree_acquisition,
                "the grown time axis does not hold the acquisition");
    }

    // The classes, and the texts the window makes of them.
    const ResultatClasses& r = chargement.classes;
    verifie_classes(r);
    verifie(lignes_du_listing(r.n_classe, record_store).size() == r.n_classe, "class listing of the wrong length");
    verifie(lignes_de_trace(r.n_classe, t.class_table).size() == r.n_classe + 3, "class trace of the wrong length");
    if (r.chiffres) {
        (void)textes_des_chiffres(*r.chiffres, false);
        (void)textes_des_chiffres(*r.chiffres, true);
    }
    (void)texte_duree_acquisition(record_store.duree_acquisition);
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
