#include "analysis/format_pass.h"

#include "analysis/formats/decay_lines.h"
#include "analysis/formats/format_choices.h"
#include "analysis/formats/local_time.h"
#include "analysis/formats/raw_stream.h"
#include "analysis/formats/two_integers.h"
#include "platform/errors.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
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

// The texts of the passes in the program's language.
struct FormatText {
    Q_DECLARE_TR_FUNCTIONS(formats)
};

QString before_the_first() { return FormatText::tr("heure avant celle de la première ligne du fichier"); }
// The longest stretch without an event that a raw stream's count records take as live.
constexpr double kLongestLiveGap = 60;

daq::LineKind read_raw(daq::LineReader& reader, QStringView line, daq::EventLine& read, daq::Fault& why) {
    return reader.read(line.utf16(), line.size(), read, why);
}
daq::LineKind read_raw(daq::LineReader& reader, QByteArrayView line, daq::EventLine& read, daq::Fault& why) {
    return reader.read(line.data(), line.size(), read, why);
}

// Why a line of a raw stream is no event line.
QString fault_text(daq::Fault why) {
    switch (why) {
        case daq::Fault::words: return FormatText::tr("ligne d'évènement sans ses 16 mots (coupée ?)");
        case daq::Fault::counter: return FormatText::tr("compteur (mot 1) illisible");
        case daq::Fault::edge: return FormatText::tr("front (mots 2 à 9) illisible : 2 chiffres hexadécimaux attendus");
        case daq::Fault::latch: return FormatText::tr("compteur du 1PPS (mot 10) illisible");
        case daq::Fault::gps_time: return FormatText::tr("heure GPS (mot 11) illisible : hhmmss.sss attendu");
        case daq::Fault::gps_date: return FormatText::tr("date GPS (mot 12) illisible : jjmmaa attendu");
        case daq::Fault::gps_status: return FormatText::tr("état GPS (mot 13) ni A ni V");
        case daq::Fault::satellites: return FormatText::tr("nombre de satellites (mot 14) illisible");
        case daq::Fault::flags: return FormatText::tr("drapeaux d'état (mot 15) illisibles");
        case daq::Fault::delay: return FormatText::tr("délai GPS (mot 16) illisible");
        case daq::Fault::garbage:
        case daq::Fault::none: break;
    }
    return FormatText::tr("ni une ligne d'évènement de la carte ni une de ses réponses");
}

// Where the clock of a raw stream starts: a first look over its event lines
// until its frequency and a GPS reference are known (most often in its first
// seconds; over the whole stream when it has none). `line(i)` gives line i
// as read; a last line still being written is not read.
template <typename Line>
daq::ClockStart clock_start(qsizetype n, bool last_open, const Line& line) {
    daq::Clock clock;
    daq::LineReader reader;
    daq::EventLine read;
    daq::Fault why;
    for (qsizetype i = 0; i < n && !clock.ready(); ++i) {
        if (last_open && i == n - 1) break;
        if (read_raw(reader, line(i), read, why) == daq::LineKind::event) clock.line(read);
    }
    return clock.start();
}

// Each line of a file's bytes as `f(index, line, open)` until it
// returns false: cut where the text's lines are cut (CR LF, LF or CR). A
// line of a raw stream's usual layout, followed by its line end, goes to
// `usual(start, index)` first, without looking for its end (1: read, go
// on; 0: read, stop; -1: no such line, given to `f`).
template <typename F, typename U>
void each_line(QByteArrayView text, F&& f, U&& usual) {
    const char* p = text.data();
    const qsizetype n = text.size();
    constexpr qsizetype kUsual = daq::LineReader::kUsualSize;
    qsizetype index = 0;
    for (qsizetype start = 0; start < n; ++index) {
        qsizetype end = start + kUsual;
        int read = -1;
        if (end < n && (p[end] == '\n' || p[end] == '\r')) read = usual(p + start, index);
        if (read == 0) break;
        if (read < 0) {
            end = start;
            while (end < n && p[end] != '\n' && p[end] != '\r') ++end;
            if (!f(index, QByteArrayView(p + start, end - start), end == n)) break;
        }
        start = end + 1 + (end + 1 < n && p[end] == '\r' && p[end + 1] == '\n' ? 1 : 0);
    }
}
template <typename F>
void each_line(QByteArrayView text, F&& f) {
    each_line(text, std::forward<F>(f), [](const char*, qsizetype) { return -1; });
}

// The records of the lines, one line after the other.
class Enregistreur {
public:
    Enregistreur(FormatDeDonnees format, PlaceDesEnregistrements place, const daq::ClockStart& horloge = {})
        : format_(format),
          x_(place.x.data()),
          y_(place.y.data()),
          capacite_(static_cast<std::int32_t>(std::min<std::size_t>(
              {place.x.size(), place.y.size(), static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())}))) {
        r_.format = format;
        r_.unite_ns = unite_du_format(format);
        r_.entete_vu = true;  // these formats have no header
        if (format == FormatDeDonnees::raw_stream) events_.emplace(format_choices().decays, horloge);
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
        if (format_ == FormatDeDonnees::raw_stream) return raw_line(indice, vue, texte);
        try {
            if (format_ == FormatDeDonnees::deux_entiers) return deux_entiers(indice, lit_deux_entiers(vue));
            return decay(indice, lit_ligne_decay(texte()));
        } catch (const platform::Error& e) {
            // Past the capacity lines are neither records nor skipped lines.
            if (!au_dela_) retiens_ligne_ignoree(r_, indice, texte(), e.text());
            return true;
        }
    }

    // The line at `p`, when it is an event line of the usual layout (its
    // line end after it): 1 to go on, 0 when the reading ends there; -1 when
    // it is no such line, to be read as any other.
    int usual_raw_line(const char* p, qsizetype index) {
        daq::EventLine read;
        if (!reader_.usual(p, read)) return -1;
        return event_line(index, read) ? 1 : 0;
    }

    PasseDesLignes resultat(bool sans_ligne) {
        if (events_) end_of_stream();
        r_.sans_ligne = sans_ligne;
        r_.origine_vue = origine_.has_value() || stream_origin_.has_value();
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
        if (e < 0) throw platform::Error(before_the_first());
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
        const std::int64_t secondes = l.jour * 86400 + l.seconde;
        const bool premiere = !origine_;
        // A date first in UTC: its time of day where the computer is.
        const bool utc = l.date_first && format_choices().dated_decay_lines_utc;
        const std::int64_t e = ecart(secondes, utc && premiere ? heure_locale(secondes).seconde : l.seconde);
        if (premiere) {
            origin_us_ = l.microsecond;
            r_.origine_temps += static_cast<long double>(l.microsecond) / 6e7L;
        }
        const long double us = static_cast<long double>(e) * 1e6L + (l.microsecond - origin_us_);
        if (us < 0) throw platform::Error(before_the_first());
        return enregistre(indice, us / 6e7L, l.microsecondes);
    }

    // A line of a raw stream: an event line goes to the events, a bad line
    // is skipped; the card's other lines are no records. A last line still
    // being written waits.
    template <typename View, typename Text>
    bool raw_line(qsizetype index, View view, const Text& text) {
        daq::EventLine read;
        daq::Fault why = daq::Fault::none;
        switch (read_raw(reader_, view, read, why)) {
            case daq::LineKind::event: return event_line(index, read);
            case daq::LineKind::bad: retiens_ligne_ignoree(r_, index, text(), fault_text(why)); return true;
            case daq::LineKind::blank:
            case daq::LineKind::card: break;
        }
        return true;
    }

    bool event_line(qsizetype index, const daq::EventLine& read) {
        if (events_->line(read, index)) return event_ended(events_->ended());
        return true;
    }

    // An event ended: a record when it is a decay, else a muon of its second.
    bool event_ended(const daq::Event& e) {
        ++r_.raw.events;
        if (!stream_origin_) {
            stream_origin_ = std::make_pair(e.second, e.fraction);
            const long double second = events_->clock().gps_time() ? heure_locale(e.second).seconde : 0;
            r_.origine_temps = (second + e.fraction) / 60;
        }
        // Whole seconds and fractions: exact in a double over any run.
        const double elapsed = static_cast<double>(e.second - stream_origin_->first) + (e.fraction - stream_origin_->second);
        if (elapsed < 0) {
            ++r_.raw.before_origin;
            return true;
        }
        if (au_dela_) {
            // Past the capacity: neither records nor muons kept, the file's last record known.
            if (e.decay) r_.dernier_du_fichier = static_cast<long double>(elapsed) / 60;
            return true;
        }
        const auto second = static_cast<std::int64_t>(elapsed + 0.5);  // to the nearest, elapsed >= 0
        if (seconds_.empty() || seconds_.back().first != second) seconds_.emplace_back(second, 0);
        if (!e.decay) {
            ++seconds_.back().second;
            return true;
        }
        return enregistre(e.first_line, static_cast<long double>(elapsed) / 60, e.decay_ns);
    }

    // The end of the stream ends its last event; the count records: the
    // muons of each second with an event, and no muon in the seconds between
    // two events closer than a gap at the events' rate (an interval longer
    // than ln(1000 n) / r, as the run's rate finds its gaps) and than
    // kLongestLiveGap, in which the card was counting. (A minute bounds them
    // whatever the times of a stream: a run slower than an event in 3 s
    // loses live seconds between its events.)
    void end_of_stream() {
        if (r_.fin != FinDeLecture::capacite && events_->end()) event_ended(events_->ended());
        const daq::Clock& clock = events_->clock();
        r_.raw.clock_hz = clock.frequency_hz();
        r_.raw.clock_measured = clock.measured();
        r_.raw.gps_time = clock.gps_time();
        double threshold = 0;
        if (seconds_.size() >= 2 && r_.raw.events >= 3) {
            const auto intervals = static_cast<double>(r_.raw.events - r_.raw.before_origin - 1);
            const auto span = static_cast<double>(seconds_.back().first - seconds_.front().first);
            if (span > 0 && intervals > 0) threshold = std::log(1000 * intervals) / (intervals / span);
        }
        threshold = std::min(threshold, kLongestLiveGap);
        Comptages& c = r_.comptages;
        c.secondes.reserve(seconds_.size());
        c.muons.reserve(seconds_.size());
        for (std::size_t k = 0; k < seconds_.size(); ++k) {
            if (k > 0) {
                const std::int64_t before = seconds_[k - 1].first;
                const std::int64_t elapsed = seconds_[k].first - before;
                if (elapsed > 1 && static_cast<double>(elapsed) <= threshold) {
                    for (std::int64_t s = before + 1; s < seconds_[k].first; ++s) {
                        c.secondes.push_back(static_cast<double>(s));
                        c.muons.push_back(0);
                    }
                }
            }
            c.secondes.push_back(static_cast<double>(seconds_[k].first));
            c.muons.push_back(seconds_[k].second);
        }
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
    std::int32_t origin_us_ = 0;          // decay lines: the microseconds of the origin's second
    // A raw stream: its events, the time of the first one (second, fraction),
    // and the whole elapsed seconds with an event, with their muons.
    std::optional<daq::Events> events_;
    daq::LineReader reader_;
    std::optional<std::pair<std::int64_t, double>> stream_origin_;
    std::vector<std::pair<std::int64_t, std::int64_t>> seconds_;
    PasseDesLignes r_;
};

template <typename Lignes>
PasseDesLignes passe_des_lignes_de_texte(FormatDeDonnees format, const Lignes& lignes, bool derniere_ouverte,
                                         PlaceDesEnregistrements place) {
    const qsizetype n = lignes.size();
    daq::ClockStart horloge;
    if (format == FormatDeDonnees::raw_stream) {
        horloge = clock_start(n, derniere_ouverte, [&lignes](qsizetype i) { return QStringView(lignes.at(i)); });
    }
    Enregistreur enregistreur(format, place, horloge);
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
    std::optional<platform::TextEncoding> encodage;
    QString decodee;
    daq::ClockStart horloge;
    if (format == FormatDeDonnees::raw_stream) {
        daq::Clock debut;
        daq::LineReader lecteur;
        daq::EventLine lue;
        daq::Fault pourquoi;
        each_line(texte, [&](qsizetype, QByteArrayView ligne, bool ouverte) {
            if (!ouverte && read_raw(lecteur, ligne, lue, pourquoi) == daq::LineKind::event) debut.line(lue);
            return !debut.ready();
        });
        horloge = debut.start();
    }
    Enregistreur enregistreur(format, place, horloge);
    each_line(
        texte,
        [&](qsizetype indice, QByteArrayView ligne, bool ouverte) {
            const auto en_texte = [&]() -> QStringView {
                if (!encodage && !platform::is_ascii(ligne)) encodage = platform::text_encoding(texte);
                platform::decode_part(ligne, encodage.value_or(platform::TextEncoding::utf8), decodee);
                return decodee;
            };
            return enregistreur.ligne(indice, ligne, en_texte, ouverte);
        },
        [&](const char* p, qsizetype indice) {
            return format == FormatDeDonnees::raw_stream ? enregistreur.usual_raw_line(p, indice) : -1;
        });
    return enregistreur.resultat(texte.isEmpty());
}
