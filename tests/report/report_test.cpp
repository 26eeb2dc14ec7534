// The run report as a reader gets it: written by vorns-fit without a display,
// read back with poppler's tools. It holds every line vorns-fit prints of the
// same fit, the files' SHA-256 as sha256sum computes it, the main window's
// figures and the comment, pages of the locale's paper, plots as vector paths
// with their axis titles and units, and a command line that gives the same
// fit again. Page one is the result: the user's fields, the files' names
// whole, the lifetime and its model; three runs take at most five pages.
#include "analysis/load.h"
#include "analysis/load_text.h"
#include "platform/numbers.h"
#include "platform/textfile.h"
#include "support/languages.h"
#include "support/pdf.h"
#include "support/qstring_print.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "rapport du jeudi 10 décembre 2026 à 01:25".
const QRegularExpression kFrenchDate(
    QStringLiteral("rapport du (lundi|mardi|mercredi|jeudi|vendredi|samedi|dimanche) \\d+ "
                   "(janvier|février|mars|avril|mai|juin|juillet|août|septembre|octobre|novembre|décembre) "
                   "\\d{4} à \\d\\d:\\d\\d"));

struct Ran {
    int status = -1;
    QString out;
    QString err;
};

class Report : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString sample(const QString& name, const QString& as) {
        const QString to = dir.filePath(as);
        QFile::copy(QStringLiteral(VORNS_SOURCE_DIR "/fichiers/") + name, to);
        return to;
    }

    // vorns-fit (by its name, from PATH, through the shell when `shell`) in
    // `locale`, without a display and without a chosen Qt platform, or with
    // `display` named (out of reach).
    static Ran vorns_fit(const QStringList& arguments, const char* locale, const QString& shell = {},
                         const QString& display = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(v));
        if (!display.isEmpty()) env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
        env.insert(QStringLiteral("PATH"),
                   QFileInfo(QStringLiteral(VORNS_FIT)).path() + QLatin1Char(':') + env.value(QStringLiteral("PATH")));
        QProcess p;
        p.setProcessEnvironment(env);
        if (shell.isEmpty()) {
            p.start(QStringLiteral(VORNS_FIT), arguments);
        } else {
            p.start(QStringLiteral("sh"), {QStringLiteral("-c"), shell});
        }
        p.waitForFinished(120000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // Every line printed is in the report's text.
    static void expect_lines_in(const QString& printed, const QString& text) {
        int lines = 0;
        for (const QString& line : printed.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            EXPECT_TRUE(text.contains(squeezed(line))) << "not in the report: " << line.toStdString();
            ++lines;
        }
        EXPECT_GT(lines, 5);
    }
};

TEST_F(Report, OneRunHoldsItsFiguresItsHashOnA4PagesWithVectorPlots) {
    const QString data = sample(QStringLiteral("muon_run.txt"), QStringLiteral("muon_run.txt"));
    const QString pdf = dir.filePath(QStringLiteral("rapport.pdf"));
    // The classes given: the main window's figures are made with them below.
    const QStringList fit{data,
                          QStringLiteral("--unit-ns"),
                          QStringLiteral("10"),
                          QStringLiteral("--dx"),
                          QStringLiteral("10"),
                          QStringLiteral("--xmax"),
                          QStringLiteral("800")};
    const Ran printed = vorns_fit(fit, "fr_FR.UTF-8");
    const Ran made = vorns_fit(fit + QStringList{QStringLiteral("--report"), pdf}, "fr_FR.UTF-8");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, printed.out);  // the report adds nothing to what is printed
    const QString text = pdf_text(pdf);

    expect_lines_in(printed.out, pdf_layout_text(pdf));
    EXPECT_TRUE(printed.out.contains(QStringLiteral("GeV"))) << printed.out;  // with the unit: G_F and the time
    // Page one: the lifetime in µs, its model, the histogram's axes; the
    // detail pages' plots with theirs; the date in the report's words.
    const QString tau_us = printed.out.section(QStringLiteral("Tau ajusté"), 1).section(QLatin1Char('\n'), 1, 1).trimmed();
    ASSERT_TRUE(tau_us.endsWith(QStringLiteral(" µs"))) << printed.out;
    const QString one = squeezed(pdf_page_lines(pdf, 1));
    for (const QString& part : {QStringLiteral("τ = ") + tau_us, QStringLiteral("exponentielle + fond"),
                                QStringLiteral("durée (µs)"), QStringLiteral("événements par classe de 0,1 µs"),
                                QStringLiteral("résidu / σ")}) {
        EXPECT_TRUE(one.contains(part)) << part.toStdString() << "\n" << one;
    }
    for (const QString& title : {QStringLiteral("durée de vie (µs)"), QStringLiteral("t min (µs)"),
                                 QStringLiteral("enregistrements"), QStringLiteral("taux (événements / h)"),
                                 QStringLiteral("temps depuis le premier événement (h)")}) {
        EXPECT_TRUE(text.contains(title)) << title;
    }
    EXPECT_TRUE(text.contains(kFrenchDate)) << text.left(200);
    const QString sum = run_tool(QStringLiteral("sha256sum"), {data}).left(64);
    ASSERT_EQ(sum.size(), 64);
    EXPECT_TRUE(text.contains(QStringLiteral("SHA-256 : ") + sum)) << text;

    // The main window's figures, as it shows them with a decimal comma.
    platform::set_decimal_separator(QLatin1Char(','));
    const RecordStoreNeuf store = nouveau_record_store();
    auto table = std::make_unique<ClassTable>();
    const Chargement load = charge_les_octets(platform::read_file_bytes(data), {}, *store, *table);
    ASSERT_TRUE(load.classes.chiffres);
    const TextesDesChiffres f = textes_des_chiffres(*load.classes.chiffres, false);
    for (const QString& figure : {f.tau, f.lambda, f.demi_vie, f.cm, f.c0, f.activite, f.evenements}) {
        EXPECT_TRUE(text.contains(QStringLiteral("= ") + squeezed(figure))) << figure;
    }
    EXPECT_TRUE(f.tau.contains(QLatin1Char(','))) << f.tau;
    platform::set_decimal_separator(QLatin1Char('.'));
    EXPECT_TRUE(text.contains(
        QStringLiteral("enregistrements : %1 ; lignes ignorées : 0").arg(load.enregistrements.nb_enregistrements)))
        << text;
    EXPECT_TRUE(text.contains(QStringLiteral("Acquisition vorns-acquisition"))) << "the title lines";

    EXPECT_TRUE(pdf_page_size(pdf).endsWith(QStringLiteral("(A4)"))) << pdf_page_size(pdf);
    // The plots are paths: no page holds an image, and the pages of the plots
    // hold far more paths than a page of text.
    const int pages = pdf_pages(pdf);
    ASSERT_GE(pages, 2);
    const auto paths = [](const QString& svg) { return static_cast<int>(svg.count(QStringLiteral("<path"))); };
    const int text_page = paths(pdf_page_svg(pdf, 1));
    int most = 0;
    for (int page = 1; page <= pages; ++page) {
        const QString svg = pdf_page_svg(pdf, page);
        EXPECT_FALSE(svg.contains(QStringLiteral("<image"))) << "page " << page;
        most = std::max(most, paths(svg));
    }
    EXPECT_GT(most, text_page + 200);
}

TEST_F(Report, LetterPagesAndADecimalPointInAUsLocale) {
    const QString data = sample(QStringLiteral("muon_run.txt"), QStringLiteral("muon_run.txt"));
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    const Ran printed = vorns_fit({data}, "en_US.UTF-8");
    // A display named but out of reach, as in a session over ssh, is not needed.
    const Ran made = vorns_fit({data, QStringLiteral("--report"), pdf}, "en_US.UTF-8", {}, QStringLiteral(":97"));
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(pdf_page_size(pdf).endsWith(QStringLiteral("(letter)"), Qt::CaseInsensitive)) << pdf_page_size(pdf);
    expect_lines_in(printed.out, pdf_layout_text(pdf));
    // The report speaks the desktop's English: its date too, in its words.
    const QString text = pdf_text(pdf);
    EXPECT_TRUE(text.contains(QRegularExpression(
        QStringLiteral("report of (Monday|Tuesday|Wednesday|Thursday|Friday|Saturday|Sunday), [A-Z][a-z]+ \\d+, "
                       "\\d{4} at \\d+:\\d\\d\\s[AP]M"))))
        << text.left(200);
    EXPECT_TRUE(printed.out.contains(QStringLiteral("fitted Tau = 2"))) << printed.out;
    EXPECT_FALSE(printed.out.section(QStringLiteral("fitted Tau"), 1)
                     .section(QLatin1Char('\n'), 0, 0)
                     .contains(QLatin1Char(',')));
}

// The report in each language vorns speaks, on the same paper (A4): the
// numbers of the French report but the date's (made at another minute), and
// on its first page none of the other languages' words.
TEST_F(Report, EnglishAndGermanCarryTheNumbersOfTheFrenchReport) {
    const QString data = sample(QStringLiteral("muon_run.txt"), QStringLiteral("muon_run.txt"));
    const auto report = [&](const char* language) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LANGUAGE"}) {
            env.remove(QString::fromLatin1(v));
        }
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(language));
        env.insert(QStringLiteral("LC_MEASUREMENT"), QStringLiteral("fr_FR.UTF-8"));
        const QString pdf = dir.filePath(QString::fromLatin1(language) + QStringLiteral(".pdf"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VORNS_FIT),
                {data, QStringLiteral("--unit-ns"), QStringLiteral("10"), QStringLiteral("--report"), pdf});
        EXPECT_TRUE(p.waitForFinished(120000) && p.exitCode() == 0) << p.readAllStandardError().toStdString();
        return pdf;
    };
    const auto numbers = [](const QString& pdf) {
        QStringList lines = run_tool(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")})
                                .split(QLatin1Char('\n'));
        lines.removeIf(
            [](const QString& l) { return l.contains(QRegularExpression(QStringLiteral("^vorns \\S+ —"))); });
        return numbers_of(lines.join(QLatin1Char('\n')));
    };
    const QString french = report("fr_FR.UTF-8");
    const QStringList expected = numbers(french);
    ASSERT_GT(expected.size(), 200);
    for (const auto& [language, locale] : {std::pair{"en", "en_US.UTF-8"}, std::pair{"de", "de_DE.UTF-8"}}) {
        SCOPED_TRACE(locale);
        const QString pdf = report(locale);
        EXPECT_TRUE(pdf_page_size(pdf).endsWith(QStringLiteral("(A4)"))) << pdf_page_size(pdf);
        EXPECT_EQ(numbers(pdf), expected);
        const QString one = pdf_page_lines(pdf, 1);
        EXPECT_EQ(foreign_words(QString::fromLatin1(language), one), QStringList()) << one;
    }
}

TEST_F(Report, RunsTogetherTheirCommentsConsistencyAndTheCommandThatRefitsThem) {
    const QString first = sample(QStringLiteral("muon_run.txt"), QStringLiteral("muon_run.txt"));
    // A name the shell must have quoted.
    const QString second = sample(QStringLiteral("avec_commentaire.txt"), QStringLiteral("run d'essai.txt"));
    sample(QStringLiteral("avec_commentaire.comment"), QStringLiteral("run d'essai.comment"));
    const QString pdf = dir.filePath(QStringLiteral("ensemble.pdf"));
    const QStringList fit{first,
                          second,
                          QStringLiteral("--combine"),
                          QStringLiteral("--tmin"),
                          QStringLiteral("20"),
                          QStringLiteral("--exclude"),
                          second + QStringLiteral("@16:40:00-16:45:00")};
    const Ran printed = vorns_fit(fit, "fr_FR.UTF-8");
    ASSERT_EQ(vorns_fit(fit + QStringList{QStringLiteral("--report"), pdf}, "fr_FR.UTF-8").status, 0);
    const QString text = pdf_text(pdf);
    expect_lines_in(printed.out, pdf_layout_text(pdf));
    EXPECT_TRUE(printed.out.contains(QStringLiteral("cohérence"))) << printed.out;
    EXPECT_TRUE(printed.out.contains(QStringLiteral("exclu : 16:40:00"))) << printed.out;
    for (const QString& line : platform::read_text_lines(dir.filePath(QStringLiteral("run d'essai.comment")))) {
        EXPECT_TRUE(text.contains(squeezed(line))) << line;
    }
    // The command line of the report, run by the shell, prints the same fit.
    const QRegularExpressionMatch command =
        QRegularExpression(QStringLiteral("pour refaire cet ajustement (vorns-fit .*)$")).match(text);
    ASSERT_TRUE(command.hasMatch()) << text;
    EXPECT_TRUE(command.captured(1).contains(QStringLiteral("--tmin 20"))) << command.captured(1);
    const Ran again = vorns_fit({}, "fr_FR.UTF-8", command.captured(1));
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, printed.out);
}

// Three runs, one in a folder and under a name too long for a line, and the
// user's fields: page one holds the names whole and the fields, no word
// passes the page's margin, and the report takes at most five pages.
TEST_F(Report, ThreeRunsWithTheUsersFieldsAndALongNameOnAtMostFivePages) {
    const QString folder = QStringLiteral("un_dossier_au_nom_assez_long_pour_passer_la_largeur_d_une_page_a_lui_seul");
    ASSERT_TRUE(QDir(dir.path()).mkpath(folder));
    const QStringList runs{
        sample(QStringLiteral("muon_run.txt"), QStringLiteral("nuit_1.txt")),
        sample(QStringLiteral("avec_commentaire.txt"), QStringLiteral("nuit 2.txt")),
        // Another run: the same one twice is refused.
        sample(QStringLiteral("minuit.txt"),
               folder + QStringLiteral("/et_un_fichier_de_donnees_au_nom_long_lui_aussi_2024-03-14_nuit_3.txt"))};
    const QString pdf = dir.filePath(QStringLiteral("trois.pdf"));
    const QStringList fields{QStringLiteral("--names"),  QStringLiteral("Ana Martin, Bo Durand"),
                             QStringLiteral("--group"),  QStringLiteral("TP 3"),
                             QStringLiteral("--course"), QStringLiteral("Physique subatomique L3"),
                             QStringLiteral("--setup"),  QStringLiteral("scintillateur n° 2"),
                             QStringLiteral("--note"),   QStringLiteral("seuil à −30 mV")};
    const Ran made = vorns_fit(runs + QStringList{QStringLiteral("--combine"), QStringLiteral("--report"), pdf} + fields,
                               "fr_FR.UTF-8");
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_LE(pdf_pages(pdf), 5);
    const QString one = pdf_page_lines(pdf, 1);
    for (const QString& name : runs) {
        EXPECT_TRUE(QString(one).remove(QLatin1Char('\n')).contains(name)) << name << "\n" << one;
    }
    for (qsizetype i = 1; i < fields.size(); i += 2) EXPECT_TRUE(squeezed(one).contains(fields[i])) << fields[i];
    EXPECT_TRUE(squeezed(one).contains(QRegularExpression(QStringLiteral("τ = [\\d,]+ ± [\\d,]+ unités"))))
        << one;
    EXPECT_TRUE(squeezed(one).contains(QStringLiteral("durée (unités)"))) << one;
    const RightEdge edge = pdf_right_edge(pdf);
    EXPECT_GT(edge.word, edge.page / 2);
    EXPECT_LE(edge.word, edge.page - 15 / 25.4 * 72 + 0.5);  // within the margin of 15 mm
}

TEST_F(Report, AReportThatCannotBeWrittenIsSaidAndFailsTheCommand) {
    const QString data = sample(QStringLiteral("muon_run.txt"), QStringLiteral("muon_run.txt"));
    const Ran made =
        vorns_fit({data, QStringLiteral("--report"), dir.filePath(QStringLiteral("absent/r.pdf"))}, "fr_FR.UTF-8");
    EXPECT_EQ(made.status, 1);
    EXPECT_TRUE(made.err.contains(QStringLiteral("cannot write the report"))) << made.err;
    EXPECT_FALSE(made.out.isEmpty());  // the fit is still printed
}

}  // namespace
