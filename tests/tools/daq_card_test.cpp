// A DAQ card read on its serial port: vorns-acquisition --device against the
// simulated card on a pseudo-terminal (vorns-daq-card --pty), and vorns-fit
// on a card's raw stream with the choices of its channels.
#include "analysis/formats/format.h"
#include "analysis/record_pass.h"
#include "daq_card/card.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

QByteArray read_bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write_bytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

struct Planted {
    double seconds;  // UTC
    double drawn_ns;
    double sent_ns;
};

std::vector<Planted> truth(const QString& path) {
    std::vector<Planted> planted;
    for (const QByteArray& line : read_bytes(path).split('\n')) {
        const QList<QByteArray> w = line.split(' ');
        if (w.size() == 4) planted.push_back({w[0].toDouble() + w[1].toDouble(), w[2].toDouble(), w[3].toDouble()});
    }
    return planted;
}

struct Records {
    PasseDesLignes pass;
    std::vector<double> minutes;
    std::vector<double> ns;
};

Records records_of(const QByteArray& bytes) {
    Records r;
    std::vector<double> x(200000), y(200000);
    r.pass = passe_des_octets(bytes, PlaceDesEnregistrements{x, y});
    r.minutes.assign(x.begin(), x.begin() + r.pass.nb_enregistrements);
    r.ns.assign(y.begin(), y.begin() + r.pass.nb_enregistrements);
    return r;
}

// The card on a pseudo-terminal reached through a link, and the acquisition on it.
class Card {
public:
    Card(const QString& link, QStringList arguments) {
        arguments << QStringLiteral("--pty") << QStringLiteral("--link") << link;
        process_.start(QStringLiteral(VORNS_DAQ_CARD), arguments);
        EXPECT_TRUE(process_.waitForReadyRead(10000)) << "the card did not start";
        terminal_ = QString::fromUtf8(process_.readLine()).trimmed();
    }
    ~Card() { stop(); }
    // Waits for the whole run to be written (bounded).
    bool streamed(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            if (process_.canReadLine() && process_.readLine().trimmed() == "streamed") return true;
            process_.waitForReadyRead(100);
        }
        return false;
    }
    bool ended(int ms) { return process_.waitForFinished(ms) && process_.exitCode() == 0; }
    void stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(10000)) process_.kill();
    }
    const QString& terminal() const { return terminal_; }

private:
    QProcess process_;
    QString terminal_;
};

class DeviceTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    void start_acquisition(const QStringList& more = {}) {
        acquisition_.start(QStringLiteral(VORNS_ACQUISITION),
                           QStringList{QStringLiteral("--device"), path("card"), QStringLiteral("--output"),
                                       path("run.txt"), QStringLiteral("--retry-ms"), QStringLiteral("100")} +
                               more);
        ASSERT_TRUE(acquisition_.waitForStarted(10000));
    }
    // SIGTERM, as a user's Ctrl-C: the card stopped, the program ended.
    QString stop_acquisition() {
        acquisition_.terminate();
        EXPECT_TRUE(acquisition_.waitForFinished(10000));
        EXPECT_EQ(acquisition_.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(acquisition_.exitCode(), 0);
        return QString::fromUtf8(acquisition_.readAllStandardError());
    }

    QTemporaryDir dir_;
    QProcess acquisition_;
};

// An hour of run at 720 times its speed, with the faults of real streams:
// the file holds every byte the card sent, and its decays are those planted,
// each within one fine tick, none more; while it grows, each load of it
// gives the records of the one before, and more.
TEST_F(DeviceTest, AnHourAtHighSpeedGivesEveryPlantedDecay) {
    Card card(path("card"), {QStringLiteral("--speed"), QStringLiteral("720"), QStringLiteral("--duration"),
                             QStringLiteral("3600"), QStringLiteral("--rate"), QStringLiteral("5"),
                             QStringLiteral("--stop-fraction"), QStringLiteral("0.2"), QStringLiteral("--faults"),
                             QStringLiteral("--truth"), path("truth.txt"), QStringLiteral("--sent"), path("sent.txt")});
    start_acquisition();
    Records before;
    QElapsedTimer clock;
    clock.start();
    int loads = 0;
    bool streamed = false;
    while (!streamed && clock.elapsed() < 60000) {
        streamed = card.streamed(500);
        const Records now = records_of(read_bytes(path("run.txt")));
        ASSERT_GE(now.ns.size(), before.ns.size());
        for (std::size_t k = 0; k + 1 < before.ns.size(); ++k) {  // the last may still grow by a line
            ASSERT_EQ(now.ns[k], before.ns[k]) << k;
        }
        before = now;
        ++loads;
    }
    ASSERT_TRUE(streamed) << "the card's hour took more than a minute";
    QThread::msleep(300);
    const QString said = stop_acquisition();
    card.stop();
    EXPECT_GE(loads, 3);
    EXPECT_EQ(said, QStringLiteral("vorns-acquisition: reading the card on %1 into %2\n").arg(path("card"), path("run.txt")));

    const QByteArray file = read_bytes(path("run.txt"));
    EXPECT_TRUE(file == read_bytes(path("sent.txt"))) << "the file is not what the card sent";
    EXPECT_TRUE(file.startsWith("CD\r\nDC\r\nDC C0=0F C1=00 C2=0A C3=04\r\nWC 03 04\r\nWC 02 0A\r\nWC 00 0F\r\nCE\r\n"));
    EXPECT_TRUE(file.endsWith("CD\r\n"));
    const Records r = records_of(file);
    EXPECT_EQ(r.pass.format, FormatDeDonnees::raw_stream);
    EXPECT_EQ(r.pass.raw.clock_hz, 25e6);
    std::vector<Planted> kept;
    for (const Planted& p : truth(path("truth.txt"))) {
        if (p.sent_ns >= 400 && p.sent_ns <= 9000) kept.push_back(p);
    }
    ASSERT_GT(kept.size(), 500u);
    ASSERT_EQ(r.ns.size(), kept.size());
    for (std::size_t k = 0; k < kept.size(); ++k) {
        EXPECT_NEAR(r.ns[k], kept[k].drawn_ns, 1.25) << k;
        EXPECT_NEAR((r.minutes[k] - r.minutes[0]) * 60, kept[k].seconds - kept[0].seconds, 1e-5) << k;
    }
}

// The cable pulled in the middle of a line: the file keeps every byte
// received, the part of that line as a line of its own; the port is tried
// again, and the card found again is set up and started again.
TEST_F(DeviceTest, APulledPortLosesNothingReceivedAndIsTakenBack) {
    auto first = std::make_unique<Card>(
        path("card"), QStringList{QStringLiteral("--speed"), QStringLiteral("100"), QStringLiteral("--rate"),
                                  QStringLiteral("5"), QStringLiteral("--pull-at"), QStringLiteral("60"),
                                  QStringLiteral("--sent"), path("sent1.txt")});
    start_acquisition();
    ASSERT_TRUE(first->ended(30000)) << "the card was not pulled";
    Card second(path("card"), {QStringLiteral("--speed"), QStringLiteral("100"), QStringLiteral("--duration"),
                               QStringLiteral("30"), QStringLiteral("--seed"), QStringLiteral("2"),
                               QStringLiteral("--sent"), path("sent2.txt")});
    ASSERT_TRUE(second.streamed(30000));
    QThread::msleep(300);
    const QString said = stop_acquisition();
    second.stop();
    const QByteArray sent1 = read_bytes(path("sent1.txt"));
    const QByteArray sent2 = read_bytes(path("sent2.txt"));
    ASSERT_FALSE(sent1.endsWith('\n'));  // a line cut by the pull
    EXPECT_TRUE(read_bytes(path("run.txt")) == sent1 + "\n" + sent2);
    EXPECT_NE(said.indexOf(QStringLiteral("the port %1 is gone").arg(path("card"))), -1) << said.toStdString();
    EXPECT_NE(said.indexOf(QStringLiteral("the port %1 is back").arg(path("card"))), -1) << said.toStdString();
    // The cut line is a skipped line; the run goes on after it.
    const Records r = records_of(read_bytes(path("run.txt")));
    EXPECT_EQ(r.pass.nb_lignes_ignorees, 1);
}

// A run appends: what the file held stays, its last line ended.
TEST_F(DeviceTest, ARunAppendsToTheFile) {
    write_bytes(path("run.txt"), "earlier run\r\n687C4047 80 00 2B");
    Card card(path("card"), {QStringLiteral("--speed"), QStringLiteral("100"), QStringLiteral("--duration"),
                             QStringLiteral("5"), QStringLiteral("--sent"), path("sent.txt")});
    start_acquisition();
    ASSERT_TRUE(card.streamed(30000));
    QThread::msleep(300);
    stop_acquisition();
    card.stop();
    EXPECT_TRUE(read_bytes(path("run.txt")) == "earlier run\r\n687C4047 80 00 2B\n" + read_bytes(path("sent.txt")));
}

TEST(DeviceOptions, RefusedWithTheirReason) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("run.txt"));
    const QString missing = dir.filePath(QStringLiteral("no-such-port"));
    const struct {
        QStringList arguments;
        int exit_code;
        const char* said;
    } cases[] = {
        {{QStringLiteral("--device"), missing, QStringLiteral("--events"), QStringLiteral("5"), QStringLiteral("-o"), out},
         2, "--device reads a card: --events does not go with it"},
        {{QStringLiteral("--gate"), QStringLiteral("10000"), QStringLiteral("-o"), out}, 2, "--gate goes with --device"},
        {{QStringLiteral("--device"), missing, QStringLiteral("--gate"), QStringLiteral("105"), QStringLiteral("-o"), out},
         2, "invalid value '105' for --gate (10 ns steps)"},
        {{QStringLiteral("--device"), missing, QStringLiteral("--control"), QStringLiteral("G1"), QStringLiteral("-o"), out},
         2, "invalid value 'G1' for --control"},
        {{QStringLiteral("--device"), missing, QStringLiteral("-o"), out}, 1, "cannot open the port"},
        {{QStringLiteral("--device"), missing, QStringLiteral("-o"), dir.path()}, 1, "is not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        QProcess p;
        p.start(QStringLiteral(VORNS_ACQUISITION), c.arguments);
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitCode(), c.exit_code);
        EXPECT_NE(p.readAllStandardError().indexOf(c.said), -1);
    }
}

// vorns-fit on a card's raw stream: its decays with the channels of the
// settings file beside the program, and of --daq over them.
TEST(FitCommandOnRawStream, TheChannelsOfTheSettingsAndOfTheOptions) {
    QTemporaryDir dir;
    card::Settings s;
    s.rate_hz = 10;
    s.stop_fraction = 0.3;
    card::Card simulated(s);
    simulated.start();
    std::string stream;
    simulated.run_until(600, stream);
    const QString run = dir.filePath(QStringLiteral("raw.txt"));
    write_bytes(run, QByteArray::fromStdString(stream));
    std::size_t within = 0;
    for (const card::Planted& p : simulated.planted()) within += p.sent_ns >= 400 && p.sent_ns <= 9000;
    // A copy of vorns-fit keeps its settings beside itself.
    const QString program = dir.filePath(QStringLiteral("bin/vorns-fit"));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("bin"))));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORNS_FIT), program));
    const QString settings = dir.filePath(QStringLiteral("bin/qrt_vorn.daq"));
    const struct {
        QByteArray settings;
        QStringList options;
        int exit_code;
        double events;
        const char* said;
    } cases[] = {
        {"", {}, 0, static_cast<double>(within), ""},
        {"veto_channel=2\ndouble_channel=3\n", {}, 1, 0, "aucune désintégration dans le fichier (format daq-raw)"},
        {"veto_channel=2\ndouble_channel=3\n", {QStringLiteral("--daq"), QStringLiteral("veto_channel=3"),
                                                QStringLiteral("--daq"), QStringLiteral("double_channel=2")},
         0, static_cast<double>(within), ""},
        {"single_channel=7\n", {}, 0, static_cast<double>(within),
         "vorns-fit: qrt_vorn.daq : single_channel=7 : attendu une voie de 0 à 3"},
        {"", {QStringLiteral("--daq"), QStringLiteral("single_channel=7")}, 2, -1,
         "vorns-fit: --daq: single_channel=7 : attendu une voie de 0 à 3"},
        {"", {QStringLiteral("--daq"), QStringLiteral("veto_channel=2")}, 2, -1,
         "vorns-fit: --daq: la voie de veto doit différer des deux autres"},
        {"", {QStringLiteral("--daq"), QStringLiteral("max_decay_ns")}, 2, -1, "'max_decay_ns' is no KEY=VALUE"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.settings.toStdString() + c.options.join(QLatin1Char(' ')).toStdString());
        QFile::remove(settings);
        if (!c.settings.isEmpty()) write_bytes(settings, c.settings);
        QProcess p;
        p.start(program, QStringList{run, QStringLiteral("--json"), QStringLiteral("--tmin"), QStringLiteral("100"),
                                     QStringLiteral("--tmax"), QStringLiteral("10000")} +
                             c.options);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), c.exit_code);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_NE(err.indexOf(QString::fromUtf8(c.said)), -1) << err.toStdString();
        if (c.events < 0) continue;
        const QJsonObject json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
        EXPECT_EQ(json.value(QStringLiteral("format")).toString(), QStringLiteral("daq-raw"));
        EXPECT_EQ(json.value(QStringLiteral("events")).toDouble(), c.events);
    }
}

}  // namespace
