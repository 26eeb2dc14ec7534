// A DAQ card's raw stream: its lines, its clock, and the record pass over
// streams of the simulated card, whose planted decays are known.
#include "analysis/format_pass.h"
#include "analysis/formats/format.h"
#include "analysis/formats/format_choices.h"
#include "analysis/formats/local_time.h"
#include "analysis/formats/raw_stream.h"
#include "analysis/load_text.h"
#include "analysis/record_pass.h"
#include "daq_card/card.h"
#include "platform/textfile.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char kDocumented[] = "687C4047 80 00 2B 00 00 00 00 00 67037CB8 000322.027 180516 A 03 0 +0053";

daq::LineKind kind_of(const std::string& line, daq::Fault& fault, daq::EventLine& read) {
    const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    daq::EventLine from_text;
    daq::Fault text_fault;
    const daq::LineKind k = daq::read_line(line.data(), static_cast<std::int64_t>(line.size()), read, fault);
    EXPECT_EQ(daq::read_line(QStringView(text).utf16(), text.size(), from_text, text_fault), k);
    EXPECT_EQ(text_fault, fault);
    return k;
}

// The choices of the formats, put back as they were at the end of a test.
struct Choices {
    explicit Choices(const FormatChoices& c) : before(format_choices()) { set_format_choices(c); }
    ~Choices() { set_format_choices(before); }
    FormatChoices before;
};

struct Reading {
    PasseDesLignes pass;
    std::vector<double> minutes;
    std::vector<double> ns;
};

Reading pass_of(const std::string& stream) {
    Reading r;
    std::vector<double> x(100000), y(100000);
    r.pass = passe_des_octets(QByteArrayView(stream.data(), static_cast<qsizetype>(stream.size())),
                              PlaceDesEnregistrements{x, y});
    r.minutes.assign(x.begin(), x.begin() + r.pass.nb_enregistrements);
    r.ns.assign(y.begin(), y.begin() + r.pass.nb_enregistrements);
    return r;
}

std::string simulated(double seconds, card::Card& c) {
    std::string out;
    c.start();
    c.run_until(seconds, out);
    return out;
}

}  // namespace

TEST(RawStream, LinesOfEveryKindOnBytesAndText) {
    const std::string doc = kDocumented;
    const auto with_word = [&doc](int word, const std::string& value) {
        std::string line;
        int k = 1;
        for (std::size_t i = 0; i <= doc.size(); ++i) {
            if (i == doc.size() || doc[i] == ' ') {
                ++k;
                if (i < doc.size()) line += ' ';
                continue;
            }
            if (k == word) {
                if (i == 0 || doc[i - 1] == ' ') line += value;
            } else {
                line += doc[i];
            }
        }
        return line;
    };
    const struct {
        std::string line;
        daq::LineKind kind;
        daq::Fault fault;
    } cases[] = {
        {doc, daq::LineKind::event, daq::Fault::none},
        {"  " + doc + "\t ", daq::LineKind::event, daq::Fault::none},
        {with_word(16, "-12"), daq::LineKind::event, daq::Fault::none},
        {with_word(11, "000322"), daq::LineKind::event, daq::Fault::none},  // no milliseconds
        {"", daq::LineKind::blank, daq::Fault::none},
        {" \t", daq::LineKind::blank, daq::Fault::none},
        {"CE", daq::LineKind::card, daq::Fault::none},
        {"WC 00 0F", daq::LineKind::card, daq::Fault::none},
        {"DS S0=00001234 S1=0000ABCD S2=00000000 S3=00000000 S4=00000012", daq::LineKind::card, daq::Fault::none},
        {"DS 00001234 0000ABCD 00000000 00000000 00000012", daq::LineKind::card, daq::Fault::none},
        {"687C4047 80 00 2B 00 00", daq::LineKind::bad, daq::Fault::words},  // cut short
        {doc + " 7", daq::LineKind::bad, daq::Fault::words},
        {"7C4047 80 00 2B 00 00 00 00 00 67037CB8 000322.027 180516 A 03 0 +0053", daq::LineKind::bad,
         daq::Fault::garbage},  // its start lost
        {"%\xE9#2!", daq::LineKind::bad, daq::Fault::garbage},
        {"C4047 00", daq::LineKind::bad, daq::Fault::garbage},
        {with_word(4, "2G"), daq::LineKind::bad, daq::Fault::edge},
        {with_word(9, "0"), daq::LineKind::bad, daq::Fault::edge},
        {with_word(10, "67037CB"), daq::LineKind::bad, daq::Fault::latch},
        {with_word(11, "0003x2.027"), daq::LineKind::bad, daq::Fault::gps_time},
        {with_word(11, "000322.0271"), daq::LineKind::bad, daq::Fault::gps_time},
        {with_word(12, "18056"), daq::LineKind::bad, daq::Fault::gps_date},
        {with_word(13, "X"), daq::LineKind::bad, daq::Fault::gps_status},
        {with_word(14, "123"), daq::LineKind::bad, daq::Fault::satellites},
        {with_word(15, "G"), daq::LineKind::bad, daq::Fault::flags},
        {with_word(16, "+005300"), daq::LineKind::bad, daq::Fault::delay},
        {with_word(16, "+"), daq::LineKind::bad, daq::Fault::delay},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        daq::Fault fault;
        daq::EventLine read;
        EXPECT_EQ(kind_of(c.line, fault, read), c.kind);
        EXPECT_EQ(fault, c.fault);
    }
    daq::Fault fault;
    daq::EventLine l;
    ASSERT_EQ(kind_of(doc, fault, l), daq::LineKind::event);
    EXPECT_EQ(l.counter, 0x687C4047u);
    EXPECT_TRUE(l.new_event());
    EXPECT_EQ(l.edges[2], 0x2B);
    EXPECT_EQ(l.latch, 0x67037CB8u);
    EXPECT_EQ(l.satellites, 3);
    EXPECT_EQ(l.delay_ms, 53);
}

// The quick reading of the usual layout gives what read_line gives, for every
// character at every place of a usual line, from bytes and from text; and it
// takes its words 10 to 16 from the line before only when they are written
// the same.
TEST(RawStream, TheQuickReadingIsThePlainOne) {
    const std::u16string doc = u"687C4047 80 00 2B 00 00 00 00 00 67037CB8 000322.027 180516 A 03 0 +0053";
    const std::u16string other = u"687C4048 00 00 00 00 3A 00 00 00 67037CB8 000322.027 180516 A 03 1 +0053";
    const char16_t replacements[] = {u'0', u'9', u'a', u'F', u'g', u'G', u' ', u'\t', u'+', u'-', u'.', u'A', u'V',
                                     0x10, 0x19, 0x2F, 0x3A, 0x40, 0x60, 0x7F, 0xE9, 0x100, 0x130};
    const auto same = [](const daq::EventLine& a, const daq::EventLine& b) {
        return a.counter == b.counter && std::equal(std::begin(a.edges), std::end(a.edges), b.edges) &&
               a.latch == b.latch && a.gps_ms == b.gps_ms && a.gps_date == b.gps_date && a.gps_valid == b.gps_valid &&
               a.satellites == b.satellites && a.flags == b.flags && a.delay_ms == b.delay_ms;
    };
    daq::LineReader bytes_reader;
    daq::LineReader text_reader;
    for (std::size_t at = 0; at < doc.size(); ++at) {
        for (const char16_t c : replacements) {
            std::u16string line = doc;
            line[at] = c;
            // Each line after the usual one and after another: its words 10 to 16 kept or not.
            const std::u16string& changed = line;
            for (const std::u16string* before : {&doc, &other, &changed}) {
                for (const std::u16string* l : {before, &changed}) {
                    daq::EventLine quick;
                    daq::EventLine plain;
                    daq::Fault quick_fault;
                    daq::Fault plain_fault;
                    const daq::LineKind k = daq::read_line(l->data(), static_cast<std::int64_t>(l->size()), plain, plain_fault);
                    ASSERT_EQ(text_reader.read(l->data(), static_cast<std::int64_t>(l->size()), quick, quick_fault), k);
                    ASSERT_EQ(quick_fault, plain_fault);
                    ASSERT_TRUE(k != daq::LineKind::event || same(quick, plain)) << at << ' ' << int(c);
                    if (std::any_of(l->begin(), l->end(), [](char16_t u) { return u > 0xFF; })) continue;
                    const std::string b(l->begin(), l->end());
                    ASSERT_EQ(bytes_reader.read(b.data(), static_cast<std::int64_t>(b.size()), quick, quick_fault), k);
                    ASSERT_EQ(quick_fault, plain_fault);
                    ASSERT_TRUE(k != daq::LineKind::event || same(quick, plain)) << at << ' ' << int(c);
                }
            }
        }
    }
}

TEST(RawStream, GpsSecondOfALine) {
    const struct {
        const char* time;
        const char* date;
        const char* status;
        const char* flags;
        const char* delay;
        bool trusted;
        std::int64_t second;
    } cases[] = {
        {"000322.027", "180516", "A", "0", "+0053", true, 1463529802},  // 2016-05-18 00:03:22
        {"000322.027", "180516", "A", "1", "+0053", true, 1463529802},  // an interrupt pending: no matter
        {"000322.900", "180516", "A", "0", "-0300", true, 1463529803},  // to the nearest second
        {"235959.700", "311216", "A", "0", "+0100", true, 1483228800},  // over the year's end
        {"000322.027", "180516", "V", "0", "+0053", false, 0},
        {"000322.027", "180516", "A", "4", "+0053", false, 0},
        {"000322.027", "180516", "A", "8", "+0053", false, 0},
        {"000322.027", "300216", "A", "0", "+0053", false, 0},  // no 30 February
        {"246000.000", "180516", "A", "0", "+0053", false, 0},
    };
    for (const auto& c : cases) {
        const std::string line = std::string("687C4047 80 00 2B 00 00 00 00 00 67037CB8 ") + c.time + " " + c.date +
                                 " " + c.status + " 03 " + c.flags + " " + c.delay;
        SCOPED_TRACE(line);
        daq::Fault fault;
        daq::EventLine l;
        ASSERT_EQ(kind_of(line, fault, l), daq::LineKind::event);
        std::int64_t second = 0;
        EXPECT_EQ(daq::gps_second(l, second), c.trusted);
        if (c.trusted) {
            EXPECT_EQ(second, c.second);
        }
    }
}

// Streams of the simulated card: each planted decay read within one fine
// tick (1 / 32 of the clock's tick), at its event's time; no other record;
// the clock measured; every event counted once.
TEST(RawStream, PlantedDecaysAreFoundWhateverTheStreamsFaults) {
    const struct {
        const char* name;
        double clock_hz;
        bool faults;
        double lag_ms;
        std::int64_t skipped_at_least;
    } cases[] = {
        {"6000 series", 25e6, false, 0, 0},
        {"older card's clock", 41'666'667, false, 0, 0},
        {"faults", 25e6, true, 0, 1},
        {"GPS words after the 1PPS", 25e6, true, 300, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        card::Settings s;
        s.clock_hz = c.clock_hz;
        s.faults = c.faults;
        s.gps_lag_ms = c.lag_ms;
        s.rate_hz = 20;
        s.stop_fraction = 0.3;
        s.seed = 7;
        card::Card simulator(s);
        const std::string stream = simulated(1200, simulator);
        if (c.faults) {
            // A GPS spell without fix, a 1PPS far off flagged 8.
            ASSERT_NE(stream.find(" V "), std::string::npos);
            ASSERT_TRUE(stream.find(" 8 +") != std::string::npos || stream.find(" 8 -") != std::string::npos);
        }
        const Reading r = pass_of(stream);
        EXPECT_EQ(r.pass.format, FormatDeDonnees::raw_stream);
        EXPECT_TRUE(r.pass.origine_vue);
        EXPECT_TRUE(r.pass.raw.clock_measured);
        EXPECT_TRUE(r.pass.raw.gps_time);
        EXPECT_NEAR(r.pass.raw.clock_hz, c.clock_hz, 1);
        EXPECT_GE(r.pass.nb_lignes_ignorees, c.skipped_at_least);
        EXPECT_TRUE(c.skipped_at_least > 0 || r.pass.nb_lignes_ignorees == 0);
        EXPECT_EQ(r.pass.raw.events, static_cast<std::int64_t>(simulator.events()));
        EXPECT_EQ(r.pass.raw.before_origin, 0);
        const double fine_ns = 1e9 / 32 / c.clock_hz;
        std::vector<card::Planted> kept;
        for (const card::Planted& p : simulator.planted()) {
            if (p.sent_ns >= 400 && p.sent_ns <= 9000) kept.push_back(p);
        }
        ASSERT_GT(kept.size(), 100u);
        ASSERT_EQ(r.ns.size(), kept.size());
        std::int64_t muons = 0;
        for (const std::int64_t m : r.pass.comptages.muons) muons += m;
        EXPECT_EQ(muons + r.pass.nb_enregistrements, r.pass.raw.events);
        // The origin: the first event, in the first second of the run.
        const double origin = static_cast<double>(kept[0].second - s.start_utc) + kept[0].fraction - r.minutes[0] * 60;
        EXPECT_GE(origin, 0);
        EXPECT_LT(origin, 1);
        EXPECT_NEAR(static_cast<double>(r.pass.origine_temps) * 60, heure_locale(s.start_utc).seconde + origin, 1e-3);
        for (std::size_t k = 0; k < kept.size(); ++k) {
            EXPECT_NEAR(r.ns[k], kept[k].drawn_ns, fine_ns) << k;
            const double at = static_cast<double>(kept[k].second - kept[0].second) + kept[k].fraction - kept[0].fraction;
            EXPECT_NEAR((r.minutes[k] - r.minutes[0]) * 60, at, 1e-6) << k;
        }
    }
}

// Events minutes apart, farther than the counter's turn (172 s at 25 MHz):
// the GPS seconds count the turns between them.
TEST(RawStream, ASparseStreamCountsTheCountersTurnsFromTheGps) {
    card::Settings s;
    s.rate_hz = 1.0 / 120;
    s.stop_fraction = 0.9;
    card::Card simulator(s);
    const Reading r = pass_of(simulated(40000, simulator));
    std::vector<card::Planted> kept;
    for (const card::Planted& p : simulator.planted()) {
        if (p.sent_ns >= 400 && p.sent_ns <= 9000) kept.push_back(p);
    }
    ASSERT_GT(kept.size(), 100u);
    ASSERT_EQ(r.ns.size(), kept.size());
    EXPECT_TRUE(r.pass.raw.clock_measured);
    EXPECT_EQ(r.pass.raw.before_origin, 0);
    for (std::size_t k = 0; k < kept.size(); ++k) {
        const double at = static_cast<double>(kept[k].second - kept[0].second) + kept[k].fraction - kept[0].fraction;
        EXPECT_NEAR((r.minutes[k] - r.minutes[0]) * 60, at, 1e-6) << k;
    }
}

TEST(RawStream, TheSameFromBytesFromLinesAndFromTheMemo) {
    card::Settings s;
    s.faults = true;
    s.rate_hz = 10;
    s.stop_fraction = 0.3;
    card::Card simulator(s);
    const std::string stream = simulated(300, simulator);
    const QString text = platform::decode_text(QByteArray(stream.data(), static_cast<qsizetype>(stream.size())));
    const Reading bytes = pass_of(stream);
    std::vector<double> x(1000), y(1000), x2(1000), y2(1000);
    QStringList lines = text.split(QStringLiteral("\r\n"));
    const PasseDesLignes from_lines = passe_des_lignes(lines, PlaceDesEnregistrements{x, y});
    const platform::PackedLines memo(text);
    const PasseDesLignes from_memo = passe_des_lignes(memo, PlaceDesEnregistrements{x2, y2});
    for (const PasseDesLignes* p : {&from_lines, &from_memo}) {
        EXPECT_EQ(p->nb_enregistrements, bytes.pass.nb_enregistrements);
        EXPECT_EQ(p->comptages, bytes.pass.comptages);
        EXPECT_EQ(p->raw, bytes.pass.raw);
        EXPECT_EQ(p->lignes_ignorees, bytes.pass.lignes_ignorees);
        EXPECT_EQ(p->origine_temps, bytes.pass.origine_temps);
    }
    x.resize(bytes.ns.size());
    y.resize(bytes.ns.size());
    EXPECT_EQ(y, bytes.ns);
    EXPECT_EQ(x, bytes.minutes);
}

// A file still being written: its last line without its end waits; every
// record of a part of the run is a record of the whole run.
TEST(RawStream, AGrowingFileGivesTheRecordsOfItsPart) {
    card::Settings s;
    s.rate_hz = 20;
    s.stop_fraction = 0.3;
    card::Card simulator(s);
    const std::string stream = simulated(120, simulator);
    const Reading whole = pass_of(stream);
    for (const double part : {0.25, 0.5, 0.9}) {
        std::size_t cut = static_cast<std::size_t>(static_cast<double>(stream.size()) * part);
        const Reading r = pass_of(stream.substr(0, cut));
        EXPECT_EQ(r.pass.nb_lignes_ignorees, 0) << part;
        ASSERT_LE(r.ns.size(), whole.ns.size());
        EXPECT_GT(r.ns.size(), 0u);
        for (std::size_t k = 0; k < r.ns.size(); ++k) {
            EXPECT_EQ(r.ns[k], whole.ns[k]);
            EXPECT_NEAR(r.minutes[k], whole.minutes[k], 1e-9);
        }
    }
}

TEST(RawStream, TheChannelsAndTheBoundsChosen) {
    card::Settings s;
    s.rate_hz = 20;
    s.stop_fraction = 0.5;
    card::Card simulator(s);
    const std::string stream = simulated(600, simulator);
    const auto planted_within = [&simulator](double low, double high) {
        std::size_t n = 0;
        for (const card::Planted& p : simulator.planted()) n += p.sent_ns >= low && p.sent_ns <= high;
        return n;
    };
    FormatChoices c;
    const struct {
        const char* name;
        int single, double_, veto;
        double low, high;
        std::size_t expected;
    } cases[] = {
        {"defaults", 1, 2, 3, 400, 9000, planted_within(400, 9000)},
        {"wider bounds", 1, 2, 3, 0, 20000, planted_within(0, 20000)},
        {"no veto", 1, 2, daq::kNoVeto, 400, 9000, planted_within(400, 9000)},
        {"single and double one channel", 2, 2, 3, 400, 9000, planted_within(400, 9000)},
        {"the veto where the muon stops", 1, 3, 2, 400, 9000, 0},
        {"channel 0 as single, crossed as channel 1 is", 0, 2, 3, 400, 9000, planted_within(400, 9000)},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        c.decays = {k.single, k.double_, k.veto, k.low, k.high};
        const Choices chosen(c);
        EXPECT_EQ(pass_of(stream).ns.size(), k.expected);
    }
}

// Without a GPS fix the times count from the first event, the clock is
// measured from the latches all the same, and the status line says so.
TEST(RawStream, WithoutGpsTimesCountFromTheFirstEvent) {
    card::Settings s;
    s.rate_hz = 20;
    s.stop_fraction = 0.3;
    card::Card simulator(s);
    std::string stream = simulated(120, simulator);
    const Reading with = pass_of(stream);
    for (std::size_t at = stream.find(" A "); at != std::string::npos; at = stream.find(" A ", at)) stream[at + 1] = 'V';
    const Reading without = pass_of(stream);
    EXPECT_FALSE(without.pass.raw.gps_time);
    EXPECT_TRUE(without.pass.raw.clock_measured);
    EXPECT_EQ(without.pass.origine_temps, 0);
    ASSERT_EQ(without.ns.size(), with.ns.size());
    for (std::size_t k = 0; k < with.ns.size(); ++k) EXPECT_NEAR(without.minutes[k], with.minutes[k], 1e-9);
    EXPECT_NE(texte_du_format(without.pass).indexOf(QStringLiteral("sans heure GPS")), -1);
}

TEST(RawStream, DetectedAmongTheFormats) {
    const QString doc = QString::fromLatin1(kDocumented);
    const struct {
        QString text;
        FormatDeDonnees format;
    } cases[] = {
        {doc + QStringLiteral("\r\n"), FormatDeDonnees::raw_stream},
        {QStringLiteral("CE\r\nDS S0=00000001\r\n7C4047 80 00\r\n") + doc, FormatDeDonnees::raw_stream},
        {QStringLiteral("687C4047 80 00 2B 00 00\r\n"), FormatDeDonnees::acquisition},  // no whole line
        {QStringLiteral("Heure\r\n") + doc, FormatDeDonnees::raw_stream},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(detecte_format_des_octets(c.text.toUtf8()), c.format);
    }
    EXPECT_EQ(nom_du_format(FormatDeDonnees::raw_stream), QStringLiteral("daq-raw"));
    EXPECT_EQ(unite_du_format(FormatDeDonnees::raw_stream), 1);
}

TEST(FormatChoices, ReadFromTheSettingsFile) {
    QStringList problems;
    const FormatChoices read = read_format_choices(
        {QStringLiteral("# lab 2"), QStringLiteral(" single_channel = 0"), QStringLiteral("double_channel=1"),
         QStringLiteral("veto_channel=none"), QStringLiteral("min_decay_ns=250.5"), QStringLiteral("max_decay_ns=12000"),
         QStringLiteral("dated_decay_lines=utc"), QString()},
        FormatChoices{}, problems);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(read.decays, (daq::DecayChoices{0, 1, daq::kNoVeto, 250.5, 12000}));
    EXPECT_TRUE(read.dated_decay_lines_utc);

    const struct {
        QStringList lines;
        const char* problem;
    } bad[] = {
        {{QStringLiteral("single_channel=4")}, "qrt_vorn.daq : single_channel=4 : attendu une voie de 0 à 3"},
        {{QStringLiteral("colour=red")}, "qrt_vorn.daq : colour : clé inconnue"},
        {{QStringLiteral("veto 2")}, "qrt_vorn.daq : veto 2 n'est pas de la forme clé=valeur"},
        {{QStringLiteral("min_decay_ns=-1")}, "qrt_vorn.daq : min_decay_ns=-1 : attendu des ns, 0 ou plus"},
        {{QStringLiteral("dated_decay_lines=gmt")}, "qrt_vorn.daq : dated_decay_lines=gmt : attendu utc ou local"},
        {{QStringLiteral("veto_channel=2")},
         "qrt_vorn.daq : la voie de veto doit différer des deux autres, et min_decay_ns ne pas dépasser "
         "max_decay_ns (voies et durées par défaut)"},
    };
    for (const auto& b : bad) {
        QStringList found;
        const FormatChoices kept = read_format_choices(b.lines, FormatChoices{}, found);
        EXPECT_EQ(found, QStringList{QString::fromUtf8(b.problem)});
        EXPECT_EQ(kept, FormatChoices{});
    }
}
