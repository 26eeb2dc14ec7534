// Bad input through the real load path and the window's handlers: junk bytes,
// huge lines, odd encodings and line ends, strange durations and times, bad
// scale fields and bad settings files. Each ends in a message or in defined
// figures, never in a crash.
#include "load_fixture.h"

#include "platform/numbers.h"
#include "platform/textfile.h"
#include "settings/settings_files.h"
#include "support/series.h"

#include <QDir>
#include <QScrollBar>
#include <cmath>
#include <random>
#include <string_view>
#include <sys/stat.h>

using namespace std::literals;

namespace {

const QColor kVert(0, 128, 0);

QByteArray octets(std::string_view s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

// Two title lines, the header and the origin at 10:00:00, then the given lines.
QByteArray releve(std::initializer_list<std::string_view> lignes) {
    QByteArray out = "Run\r\nSample\r\nHeure\tDuree\r\n10:00:00\t1\r\n";
    for (std::string_view l : lignes) out += octets(l) + "\r\n";
    return out;
}

}  // namespace

TEST_F(DataFileWindow, JunkBytesAreSkippedBeforeTheHeaderAndReportedAfterIt) {
    struct Cas {
        std::string_view contenu;
        std::string_view erreur;  // of the skipped line, said in the status line; empty: none
        int records;
    };
    const Cas cas[] = {
        // Title lines and lines before the header may hold anything.
        {"\0\x01\xFF\xFE\r\n\x89PNG\r\n\x1A\n\0\0\0\r\n\x7F\x80\x81\r\nHeure\tD\r\n10:00:00\t1\r\n10:01:00\t2\r\n"sv,
         ""sv, 1},
        // After it, a line of junk is skipped; control characters never reach the status line.
        {"R\r\nS\r\nHeure\tD\r\n10:00:00\t1\r\n10:01:00\t2\0\r\n"sv,
         "'2\xEF\xBF\xBD' is not a valid floating point value"sv, 0},
        {"R\r\nS\r\nHeure\tD\r\n10:00:00\t1\r\n10:01:00\t2\r\n\0\r\n10:03:00\t2\r\n"sv,
         "'\xEF\xBF\xBD' is not a valid integer value"sv, 2},
        {"R\r\nS\r\nHeure\tD\r\n10:00:00\t1\r\n1\x00"
         "0:02:00\t3\r\n"sv,
         "'1\xEF\xBF\xBD"
         "0' is not a valid integer value"sv,
         0},
    };
    for (const Cas& c : cas) {
        recorder().messages.clear();
        charge(ecrit(QStringLiteral("junk.txt"), octets(c.contenu)));
        EXPECT_TRUE(recorder().messages.isEmpty()) << c.contenu;
        const QString statut = form.Label_etat_chargement->text();
        if (!c.erreur.empty()) {
            EXPECT_TRUE(statut.contains(QString::fromUtf8(c.erreur.data(), static_cast<qsizetype>(c.erreur.size()))))
                << statut.toStdString();
        }
        for (const QChar ch : statut) EXPECT_GE(ch.unicode(), 0x20) << statut.toStdString();
        EXPECT_EQ(record_store.nb_points[1], c.records) << c.contenu;
    }
    // Random bytes: at most one message, and the strip green exactly when there was none.
    std::mt19937 alea(2026);
    for (int essai = 0; essai < 20; ++essai) {
        QByteArray bruit(64 * 1024, '\0');
        for (char& b : bruit) b = static_cast<char>(alea() % 256);
        if (essai % 2) bruit.prepend("R\r\nS\r\nHeure\tD\r\n10:00:00\t1\r\n");
        recorder().messages.clear();
        charge(ecrit(QStringLiteral("junk.txt"), bruit));
        EXPECT_LE(recorder().messages.size(), 1) << essai;
        EXPECT_EQ(form.Panel6->color() == kVert, recorder().messages.isEmpty()) << essai;
    }
}

TEST_F(DataFileWindow, AMultiMegabyteLineIsKeptWholeButShownAndQuotedCut) {
    const QByteArray long_ = "W" + QByteArray(8 << 20, 'W');
    struct Cas {
        QByteArray contenu;
        bool en_tete;         // the long line is line 0
        bool derniere;        // the long line is the last line
        const char* message;  // the end of the message quoting it; nullptr: none
    };
    const Cas cas[] = {
        {long_ + "\r\nS\r\nHeure\tD\r\n10:00:00\t1\r\n10:01:00\t2\r\n", true, false, nullptr},
        {releve({"10:01:00\t2"}) + long_ + "\r\n", false, true, "' is not a valid integer value)"},
        {releve({"10:01:00\t2"}) + "10:02:00\t" + long_ + "\r\n", false, true,
         "' is not a valid floating point value)"},
    };
    for (const Cas& c : cas) {
        recorder().messages.clear();
        charge(ecrit(QStringLiteral("long.txt"), c.contenu));
        // The memo holds the line whole; labels show its start, the status line quotes its start.
        const QStringList memo = lignes_memo1();
        qsizetype plus_longue = 0;
        for (const QString& l : memo) plus_longue = std::max(plus_longue, l.size());
        EXPECT_GE(plus_longue, long_.size());
        for (QLabel* label : {form.Label3, form.Label15}) {
            if (!(label == form.Label3 ? c.en_tete : c.derniere)) continue;
            const QString montre = label->text();
            EXPECT_LE(montre.size(), 1001) << label->objectName().toStdString();
            EXPECT_GE(montre.size(), 100) << label->objectName().toStdString();
            const QString& ligne = label == form.Label3 ? memo.front() : memo.back();
            EXPECT_TRUE(ligne.startsWith(montre.endsWith(u'…') ? montre.chopped(1) : montre));
        }
        EXPECT_TRUE(recorder().messages.isEmpty());
        const QString statut = form.Label_etat_chargement->text();
        if (c.message) {
            EXPECT_LE(statut.size(), 400);
            EXPECT_TRUE(statut.contains(QStringLiteral("WWWWWWWWWW… » n'est pas un enregistrement ('WWWWWWWWWW")))
                << statut.left(300).toStdString();
            EXPECT_TRUE(statut.endsWith(QString::fromLatin1(c.message))) << statut.left(300).toStdString();
        } else {
            EXPECT_TRUE(statut.isEmpty()) << statut.left(300).toStdString();
        }
    }
    // The memo's first line, scrolled to its start, paints as the same line cut short does.
    form.show();
    const auto premiere_ligne = [this] {
        form.Memo1->horizontalScrollBar()->setValue(0);
        form.Memo1->verticalScrollBar()->setValue(0);
        const QImage vue = form.Memo1->viewport()->grab().toImage();
        return vue.copy(0, 0, vue.width(), form.Memo1->fontMetrics().lineSpacing());
    };
    charge(ecrit(QStringLiteral("long.txt"), long_ + "\r\nS\r\n"));
    const QImage longue = premiere_ligne();
    charge(ecrit(QStringLiteral("long.txt"), long_.left(400) + "\r\nS\r\n"));
    EXPECT_EQ(longue, premiere_ligne());
    // Scrolled to its far end, the line still shows its characters.
    charge(ecrit(QStringLiteral("long.txt"), long_ + "\r\nS\r\n"));
    QScrollBar* h = form.Memo1->horizontalScrollBar();
    EXPECT_GT(h->maximum(), 0);
    h->setValue(h->maximum());
    const QImage fin = form.Memo1->viewport()->grab().toImage();
    int encre = 0;
    for (int y = 0; y < form.Memo1->fontMetrics().lineSpacing(); ++y)
        for (int x = 0; x < fin.width(); ++x) encre += qGray(fin.pixel(x, y)) < 128;
    EXPECT_GT(encre, 50);
    form.grab();  // the whole window paints
}

// A duration the store holds but no pixel of the records plot can (each text's
// value or error is pinned in tests/analysis): said in a box, the record kept;
// the autoscale cannot bring it to a 32-bit field, y is left as it was.
TEST_F(DataFileWindow, ADurationTooLargeToDrawIsSaidAndKept) {
    charge(ecrit(QStringLiteral("run.txt"), releve({"10:01:00\t1e300"})));
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("Floating point overflow")});
    ASSERT_EQ(record_store.nb_points[1], 1);
    EXPECT_EQ(record_store.serie_y[1][1], 1e300);
    recorder().messages.clear();
    form.autoscale_Y_CheckBox8->click();
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("Floating point overflow")});
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("5"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1000"));
}

TEST_F(DataFileWindow, HugeTimeFieldsGiveDefinedFiguresOrAnError) {
    struct Cas {
        const char* ligne;
        const char* message;  // nullptr: none
        int records;
        long double acquisition;
        const char* edit1;
    };
    const Cas cas[] = {
        {"10:99999999:00\t2", nullptr, 1, 99999999, "100000000"},
        {"10:00:2147483647\t2", nullptr, 1, (36000 + 2147483647.0L) / 60 - 600, "40000000"},
        // The time axis cannot hold the next step of the acquisition time.
        {"40000000:00:00\t2", "Floating point overflow", 1, 40000000.0L * 60 - 600, "150"},
        {"2147483647:59:59\t2", "Floating point overflow", 1, (2147483647.0L * 3600 + 3599) / 60 - 600, "150"},
        {"2147483648:00:00\t2", "'2147483648' is not a valid integer value", 0, 0, "150"},
        // Far before the origin: one roll-over, still before it; the plot cannot place it.
        {"-2147483648:00:00\t2", "Floating point overflow", 1, (-2147483648.0L * 60 + 1440) - 600, "150"},
    };
    for (const Cas& c : cas) {
        recorder().messages.clear();
        form.Edit1->setText(QStringLiteral("150"));
        record_store.duree_acquisition = 0;
        charge(ecrit(QStringLiteral("run.txt"), releve({c.ligne})));
        // A line that is no record is said in the status line; what a record cannot be drawn with, in a box.
        const bool ignoree = c.message && c.message[0] == '\'';
        EXPECT_EQ(recorder().messages,
                  c.message && !ignoree ? QStringList{QString::fromLatin1(c.message)} : QStringList{})
            << c.ligne;
        if (ignoree) {
            EXPECT_TRUE(form.Label_etat_chargement->text().endsWith(QString::fromLatin1(c.message) + QLatin1Char(')')));
        }
        EXPECT_EQ(record_store.nb_points[1], c.records) << c.ligne;
        EXPECT_EQ(record_store.duree_acquisition, c.acquisition) << c.ligne;
        EXPECT_EQ(form.Edit1->text(), QString::fromLatin1(c.edit1)) << c.ligne;
    }
}

namespace {

// A window with no record: the redraws draw axes only.
class ChampsDuGraphe : public AvecFenetre {
protected:
    ChampsDuGraphe() {
        record_store.max_x_serie[1] = -10;
        record_store.max_y_serie[1] = -10;
    }
};

}  // namespace

TEST_F(ChampsDuGraphe, ScaleFieldsThatCannotBeDrawnOrSteppedAreReportedAndKept) {
    struct Cas {
        const char* texte;
        const char* trace;  // message of the redraw; nullptr: none
        const char* x_max;  // message of the class pass on X max, when it differs
        bool entier;        // the step buttons can read it
    };
    const Cas cas[] = {
        {"", "'' is not a valid floating point value", nullptr, false},
        {"abc", "'abc' is not a valid floating point value", nullptr, false},
        {"0", "Invalid floating point operation", nullptr, true},
        {"-5", "Floating point division by zero", nullptr, true},
        {"1e-300", "Floating point division by zero", nullptr, false},
        {"1e300", "Floating point overflow", "X max / dX = 1E300 / 10 : plus de 1001 classes.", false},
        {"99999999999", nullptr, "X max / dX = 99999999999 / 10 : plus de 1001 classes.", false},
        {"999999999999", "Floating point overflow", "X max / dX = 999999999999 / 10 : plus de 1001 classes.", false},
        {"20000000000", nullptr, "X max / dX = 20000000000 / 10 : plus de 1001 classes.", false},
        {"-1000000000", nullptr, nullptr, true},
    };
    struct Champ {
        QLineEdit* champ;
        QToolButton* boutons[2];
    };
    const Champ champs[] = {{form.Edit1, {form.x_plus_SpeedButton3, form.x_moins_SpeedButton3}},
                            {form.Edit2, {form.y_plus_SpeedButton3, form.y_moins_SpeedButton3}},
                            {form.Edit6, {form.SpeedButton5, form.SpeedButton7}},
                            {form.Edit7, {form.SpeedButton8, form.SpeedButton9}}};
    for (const Cas& c : cas) {
        for (const Champ& ch : champs) {
            QLineEdit* champ = ch.champ;
            const std::string nom = c.texte + " in "s + champ->objectName().toStdString();
            const QString avant = champ->text();
            champ->setText(QString::fromLatin1(c.texte));
            // The redraw: the autoscale box redraws plot 1 (there is no record
            // to scale to), the "durée totale" choice reruns the class pass and
            // redraws plot 2.
            recorder().messages.clear();
            if (champ == form.Edit1 || champ == form.Edit2) {
                form.autoscale_X_CheckBox7->click();
            } else {
                form.RadioGroup2_items->button(1)->click();
            }
            const char* attendu = champ == form.Edit6 && c.x_max ? c.x_max : c.trace;
            if (attendu) {
                ASSERT_EQ(recorder().messages.size(), 1) << nom;
                EXPECT_TRUE(recorder().messages.front().startsWith(QString::fromUtf8(attendu)))
                    << nom << ": " << recorder().messages.front().toStdString();
            } else {
                EXPECT_TRUE(recorder().messages.isEmpty()) << nom;
            }
            EXPECT_EQ(champ->text(), QString::fromLatin1(c.texte)) << nom;
            // The step buttons need a whole number: the field is left as it was.
            for (QToolButton* bouton : ch.boutons) {
                if (c.entier) break;
                recorder().messages.clear();
                bouton->click();
                EXPECT_EQ(
                    recorder().messages,
                    QStringList{QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(c.texte))})
                    << nom;
                EXPECT_EQ(champ->text(), QString::fromLatin1(c.texte)) << nom;
            }
            champ->setText(avant);
        }
    }
}

TEST_F(ChampsDuGraphe, ClassWidthAndThicknessFieldsThatCannotBeUsedAreReportedAndKept) {
    struct Cas {
        QLineEdit* TForm1::*champ;
        const char* texte;
        const char* message;  // start of it; nullptr: none
    };
    const Cas cas[] = {
        {&TForm1::Edit8, "", "'' is not a valid floating point value"},
        {&TForm1::Edit8, "1e300", nullptr},  // 800 / 1e300 rounds to no class at all
        {&TForm1::Edit8, "99999999999", nullptr},
        {&TForm1::Edit8, "-1e300", "dX = -1E300 : la largeur de classe dX doit être supérieure à 0."},
        {&TForm1::Edit3, "", "'' is not a valid integer value"},
        {&TForm1::Edit3, "1e9", "'1e9' is not a valid integer value"},
        {&TForm1::Edit3, "99999999999", "'99999999999' is not a valid integer value"},
        {&TForm1::Edit3, "-7", nullptr},
        {&TForm1::Edit3, "1000000000", nullptr},
    };
    // One duration, so that the class plot has a series to draw with the thickness.
    durees(record_store, {5});
    for (const Cas& c : cas) {
        QLineEdit* champ = form.*c.champ;
        champ->setText(QString::fromLatin1(c.texte));
        recorder().messages.clear();
        form.RadioGroup2_items->button(0)->click();
        if (c.message) {
            ASSERT_EQ(recorder().messages.size(), 1) << c.texte;
            EXPECT_TRUE(recorder().messages.front().startsWith(QString::fromUtf8(c.message)))
                << recorder().messages.front().toStdString();
        } else {
            EXPECT_TRUE(recorder().messages.isEmpty())
                << c.texte << " " << recorder().messages.join(u'|').toStdString();
        }
        EXPECT_EQ(champ->text(), QString::fromLatin1(c.texte));
        // The dX buttons need a whole number in the 32-bit range.
        if (champ == form.Edit8 && !QString::fromLatin1(c.texte).isEmpty()) {
            for (QAbstractButton* bouton : {static_cast<QAbstractButton*>(form.SpeedButton10),
                                            static_cast<QAbstractButton*>(form.SpeedButton12)}) {
                recorder().messages.clear();
                bouton->click();
                EXPECT_EQ(
                    recorder().messages,
                    QStringList{QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(c.texte))});
                EXPECT_EQ(champ->text(), QString::fromLatin1(c.texte));
            }
        }
        champ->setText(champ == form.Edit8 ? QStringLiteral("10") : QStringLiteral("2"));
    }
}

// What stands in the colour file's place (a folder, a file of thousands of
// lines, binary junk, one too large to be a settings file): the window
// colour is the file's or the default, what could not be read is said in the
// status line, never in a box, and a colour chosen is written in its place.
TEST(BadSettings, TheColourFileAtStartUpGivesItsColourTheDefaultAndSaysWhy) {
    struct Cas {
        QByteArray contenu;  // empty: a folder in the file's place, or a pipe
        QColor couleur;
        const char* dit;  // in the status line; nullptr: nothing
        bool tuyau = false;
    };
    QByteArray milliers;
    for (int i = 0; i < 5000; ++i) milliers += "7\r\n";
    const Cas cas[] = {
        {{}, QColor(201, 202, 203), "Not a regular file"},
        {{}, QColor(201, 202, 203), "Not a regular file", true},  // opened, it held the start-up for a writer
        {"\xEF\xBB\xBF"
         "255\r\n0\r\n0\r\n",
         QColor(255, 0, 0), nullptr},
        {milliers, QColor(7, 7, 7), nullptr},
        {octets("\0\x01\x02\xFF\r\n"sv), QColor(201, 202, 203), "is not a valid integer value"},
        {QByteArray(5 << 20, 'Z'), QColor(201, 202, 203), "Larger than"},
    };
    for (const Cas& c : cas) {
        TemporaryProgramFolder dossier;
        if (c.tuyau) {
            ASSERT_EQ(mkfifo(QFile::encodeName(dossier.file(FICHIER_COULEUR)).constData(), 0644), 0);
        } else if (c.contenu.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(dossier.file(FICHIER_COULEUR)));
        } else {
            write_bytes(dossier.file(FICHIER_COULEUR), c.contenu);
        }
        recorder().messages.clear();
        TForm1 form;
        EXPECT_EQ(form.color(), c.couleur) << c.contenu.left(20).toStdString();
        EXPECT_TRUE(recorder().messages.isEmpty());
        const QString etat = form.Label_etat_chargement->text();
        if (c.dit) {
            EXPECT_TRUE(etat.contains(QDir::toNativeSeparators(dossier.file(FICHIER_COULEUR))) &&
                        etat.contains(QString::fromLatin1(c.dit)))
                << etat.toStdString();
            EXPECT_LE(etat.size(), 400);
        } else {
            EXPECT_TRUE(etat.isEmpty()) << etat.toStdString();
        }
        // Choosing a colour writes a file of 20 lines in its place, or says
        // why it cannot (a folder there).
        recorder().colour_answers.push_back(qRgb(1, 2, 3));
        form.Panel7Click();
        EXPECT_EQ(form.color(), QColor(1, 2, 3));
        if (!c.contenu.isEmpty()) {
            EXPECT_EQ(platform::read_text_lines(dossier.file(FICHIER_COULEUR)).size(), 20);
        } else {
            EXPECT_EQ(recorder().messages.size(), 1);
            EXPECT_FALSE(QFileInfo(dossier.file(FICHIER_COULEUR)).isFile());
        }
    }
}

TEST_F(DataFileWindow, OneLineSettingsFilesThatAreFoldersOrHugeOpenTheDialogSoundly) {
    QByteArray milliers = "/data/runs/\r\n";
    for (int i = 0; i < 5000; ++i) milliers += "junk\r\n";
    struct Cas {
        QByteArray dossier, nom;  // empty: a folder in the file's place
        QString dossier_initial, nom_initial;
    };
    const Cas cas[] = {
        {{}, "run.txt\r\n", programme.file(QStringLiteral("fichiers")), {}},
        {milliers, {}, QStringLiteral("/data/runs/"), {}},
        {milliers, milliers, QStringLiteral("/data/runs/"), QStringLiteral("/data/runs/")},
    };
    for (const Cas& c : cas) {
        for (const auto& [fichier, contenu] :
             {std::pair{FICHIER_DERNIER_DOSSIER, c.dossier}, std::pair{FICHIER_DERNIER_NOM, c.nom}}) {
            QDir(programme.file(fichier)).removeRecursively();
            QFile::remove(programme.file(fichier));
            if (contenu.isEmpty()) {
                ASSERT_TRUE(QDir().mkpath(programme.file(fichier)));
            } else {
                write_bytes(programme.file(fichier), contenu);
            }
        }
        recorder().open_requests.clear();
        choisit(std::nullopt);
        ASSERT_EQ(recorder().open_requests.size(), 1u);
        EXPECT_EQ(recorder().open_requests.front().initial_folder, c.dossier_initial);
        EXPECT_EQ(recorder().open_requests.front().file_name, c.nom_initial);
        EXPECT_TRUE(recorder().messages.isEmpty());
    }
    // Both files folders: neither can be written, each write sounds the short
    // tone and is reported, and the chosen file is loaded all the same.
    for (const QString& fichier : {FICHIER_DERNIER_DOSSIER, FICHIER_DERNIER_NOM}) {
        QFile::remove(programme.file(fichier));
        ASSERT_TRUE(QDir().mkpath(programme.file(fichier)));
    }
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    EXPECT_EQ(recorder().tones, (std::vector<std::pair<int, int>>{{1250, 100}, {1250, 100}}));
    ASSERT_EQ(recorder().messages.size(), 2);
    for (const QString& m : recorder().messages)
        EXPECT_TRUE(m.startsWith(QStringLiteral("Cannot write file"))) << m.toStdString();
    EXPECT_EQ(form.Label38->text(), QStringLiteral("run.txt"));
    EXPECT_EQ(record_store.nb_points[1], 2);
}
