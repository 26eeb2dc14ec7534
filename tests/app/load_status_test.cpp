// A new user's first choices, through the real "Target File" choice: a file
// that holds no record, a file that cannot be read, a file with lines that are
// no record. The window then shows that one file and says why in its status
// line; no figure, line or plot of the file shown before stays beside it.
#include "load_fixture.h"
#include "support/window_view.h"
#include "timer_support.h"

#include <QDir>
#include <QTimer>

namespace {

// Two title lines, the header and the origin, then the given lines.
QByteArray releve(const QByteArray& apres_l_origine) {
    return "Run\r\nSample\r\nHeure\tDuree\r\n10:00:00\t1\r\n" + apres_l_origine;
}

}  // namespace

// A file of no format vorns reads: why, and which formats it reads.
constexpr const char* kPasDeFormatConnu =
    "aucun enregistrement : pas de ligne d'en-tête « Heure » après les deux lignes de titre ; vorns lit les fichiers "
    "de l'acquisition (en-tête « Heure »), de deux entiers par ligne (« 1620 1574345682 ») et de lignes « Decay » "
    "(« Decay 'Thu_Dec_10_11:49:22_2015' 2.4375 »)";

TEST_F(DataFileWindow, AFileWithoutRecordLeavesNoFigureOfTheFileBefore) {
    struct Cas {
        const char* quoi;
        QByteArray contenu;
        const char* etat;    // the status line
        bool boite = false;  // the lines skipped are told in a box too
    };
    const Cas cas[] = {
        {"a picture", QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\x01\0", 20) + QByteArray(300, '\xC8'),
         kPasDeFormatConnu},
        {"an empty file", QByteArray(), "aucun enregistrement : le fichier est vide"},
        {"a system file", "root:x:0:0:root:/root:/bin/bash\ndaemon:x:1:1::/usr/sbin:/usr/sbin/nologin\n",
         kPasDeFormatConnu},
        {"the origin line only", releve(""),
         "aucun enregistrement : une seule ligne de données, qui fixe l'origine des temps"},
        {"a stop line first", "Run\r\nSample\r\nSAUVEGARDE\r\nHeure\tD\r\n10:00:00\t1\r\n10:01:00\t2\r\n",
         "aucun enregistrement : la ligne 3 (« SAUVEGARDE ») arrête la lecture avant les données"},
        {"lines that are no record", "Run\r\nSample\r\nHeure\tD\r\nabc\r\ndef\r\n",
         "aucun enregistrement : aucune ligne lisible après l'en-tête « Heure » ; x.txt : 2 lignes ignorées ; la "
         "dernière, ligne 5 : « def » n'est pas un enregistrement ('def' is not a valid integer value)",
         true},
        {"durations beyond X max, in another file", releve("10:01:00\t900\r\n10:02:00\t950\r\n"),
         "aucune durée en deçà de X max = 800 : pas de chiffres"},
    };
    const QString bon = ecrit(QStringLiteral("bon.txt"), petit_fichier());
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        choisit(bon);
        ASSERT_EQ(form.Label27->text(), QStringLiteral("2")) << "the figures of the good run";
        recorder().messages.clear();
        const QString fichier = ecrit(QStringLiteral("x.txt"), c.contenu);
        choisit(fichier);
        ASSERT_EQ(recorder().messages.size(), c.boite ? 1 : 0) << recorder().messages.join(u'|').toStdString();
        if (c.boite) {
            EXPECT_TRUE(recorder().messages.front().startsWith(
                QDir::toNativeSeparators(fichier) + QStringLiteral(" : 2 lignes ignorées ; la première, ligne 4")));
        }
        EXPECT_EQ(form.Label_etat_chargement->text(), QString::fromUtf8(c.etat));
        EXPECT_EQ(statistiques(form), QStringList(9, TEXTE_SANS_CHIFFRE));
        EXPECT_EQ(class_table.Tau, 0);
        EXPECT_EQ(class_table.C0, 0);
        EXPECT_EQ(form.Panel6->color(), QColor(0, 128, 0));
        // Counters, listing, both plots with their red lines: those of a window that never saw the good run.
        EXPECT_MEME_VUE(vue_de(form), vue_d_une_fenetre_neuve(fichier, form));
    }
}

// The same file, loaded again, whose records all lie beyond X max: the
// figures of its own earlier load stay, and the status line says so.
TEST_F(DataFileWindow, TheSameFileBeyondXMaxKeepsItsOwnFigures) {
    const QString fichier = ecrit(QStringLiteral("run.txt"), petit_fichier());
    choisit(fichier);
    const QStringList figures = statistiques(form);
    applique(form.Edit6, QStringLiteral("1"));
    charge(fichier);
    EXPECT_EQ(statistiques(form), figures);
    EXPECT_EQ(form.Label_etat_chargement->text(),
              QStringLiteral("aucune durée en deçà de X max = 1 : les chiffres restent ceux du calcul précédent de ce "
                             "fichier"));
}

// A file that cannot be read, chosen or vanished while followed: the window
// shows that file's name, no line of it and no figure; the error in its box
// (once) and in the status line.
TEST_F(DataFileWindow, AFileThatCannotBeReadShowsOneFileNotAMixOfThree) {
    struct Cas {
        const char* quoi;
        bool choisi;   // chosen (a box tells it); otherwise the followed file vanishes before a tick
        bool dossier;  // a folder where the file should be
    };
    const Cas cas[] = {
        {"chosen, missing", true, false}, {"chosen, a folder", true, true}, {"followed, vanished", false, false}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        QDir(chemin(QStringLiteral("mauvais.txt"))).removeRecursively();
        const QString bon = ecrit(QStringLiteral("bon.txt"), petit_fichier());
        choisit(bon);
        recorder().messages.clear();
        QString mauvais = chemin(QStringLiteral("mauvais.txt"));
        if (c.dossier) {
            ASSERT_TRUE(QDir().mkpath(mauvais));
        }
        if (c.choisi) {
            choisit(mauvais);
        } else {
            mauvais = bon;
            ASSERT_TRUE(QFile::remove(bon));
            platform::report_errors([&] { form.Timer1Timer(); });
        }
        // The tick opens no box: nobody may be there to close it.
        ASSERT_EQ(recorder().messages.size(), c.choisi ? 1 : 0) << recorder().messages.join(u'|').toStdString();
        const QString dit = form.Label_etat_chargement->text();
        EXPECT_TRUE(dit.startsWith(QStringLiteral("Cannot open file \"") + QDir::toNativeSeparators(mauvais)));
        if (c.choisi) {
            EXPECT_EQ(dit, recorder().messages.front());
        }
        const QString nom = QFileInfo(mauvais).fileName();
        EXPECT_EQ(form.windowTitle(), nom + QStringLiteral("     vorn"));
        EXPECT_EQ(form.Label38->text(), nom);
        EXPECT_EQ(form.Label3->text(), QString());
        EXPECT_EQ(form.Label15->text(), QString());
        EXPECT_EQ(statistiques(form), QStringList(9, TEXTE_SANS_CHIFFRE));
        EXPECT_EQ(form.Panel6->color(), QColor(255, 0, 0));
        EXPECT_EQ(file_state.taille_precedente, -1);
        EXPECT_EQ(file_state.date_precedente == -1, !c.dossier) << "a folder has a stamp";
        EXPECT_MEME_VUE(vue_de(form), vue_d_une_fenetre_neuve(mauvais, form));
    }
}

// Lines that are no record are skipped and counted, and the records after
// them count. When someone chooses the file, one box tells of them (once per
// file); while the file is followed, the status line tells of the new ones
// and no box stops the following.
TEST_F(DataFileWindow, LinesThatAreNoRecordAreToldOnceAndTheRunGoesOn) {
    const QString fichier = ecrit(QStringLiteral("nuit.txt"),
                                  releve("10:01:00\t2\r\n10:02:00\tn/a\r\n10:03:00\t3\r\nbruit\r\n10:04:00\t4\r\n"));
    const QString natif = QDir::toNativeSeparators(fichier);
    struct Etape {
        const char* quoi;
        std::function<void()> action;
        QStringList boites;
        const char* nb_lignes;
        const char* enregistrements;
        const char* etat;
    };
    const auto tick = [this] { platform::report_errors([this] { form.Timer1Timer(); }); };
    const Etape etapes[] = {
        {"chosen",
         [&] { choisit(fichier); },
         {natif + QStringLiteral(" : 2 lignes ignorées ; la première, ligne 6 : « 10:02:00⇥n/a » n'est pas un "
                                 "enregistrement ('n/a' is not a valid floating point value)")},
         "9 lignes (2 ignorées), cumul = 9",
         "3",
         "nuit.txt : 2 lignes ignorées ; la dernière, ligne 8 : « bruit » n'est pas un enregistrement ('bruit' is not "
         "a valid integer value)"},
        {"chosen again", [&] { choisit(fichier); }, {}, "9 lignes (2 ignorées), cumul = 9", "3", nullptr},
        {"followed: a bad line and a record appended",
         [&] {
             append_bytes(fichier, "10:05:0x\t1\r\n10:06:00\t5\r\n");
             tick();
         },
         {},
         "11 lignes (3 ignorées), cumul = 14",
         "4",
         "nuit.txt : 3 lignes ignorées ; la dernière, ligne 10 : « 10:05:0x⇥1 » n'est pas un enregistrement ('0x' is "
         "not a valid integer value)"},
        {"followed: records appended",
         [&] {
             append_bytes(fichier, "10:07:00\t6\r\n");
             tick();
         },
         {},
         "12 lignes (3 ignorées), cumul = 20",
         "5",
         nullptr},
    };
    QString etat_precedent;
    for (const Etape& e : etapes) {
        SCOPED_TRACE(e.quoi);
        recorder().messages.clear();
        e.action();
        EXPECT_EQ(recorder().messages, e.boites);
        EXPECT_EQ(form.Label_nb_ligne->text(), QString::fromUtf8(e.nb_lignes));
        EXPECT_EQ(form.StaticText1->text(), QString::fromUtf8(e.enregistrements));
        const QString statut = e.etat ? QString::fromUtf8(e.etat) : etat_precedent;
        EXPECT_EQ(form.Label_etat_chargement->text(), statut);
        etat_precedent = statut;
    }
    EXPECT_EQ(form.rechargements_par_le_timer, 2);
}

// The same with the real timer: a bad line written into a followed file while
// no one watches neither stops the following nor opens a box.
TEST_F(DataFileWindow, TheRealTimerFollowsPastABadLine) {
    const QString fichier = ecrit(QStringLiteral("live.txt"), releve("10:01:00\t2\r\n"));
    form.Edit5->setText(QStringLiteral("1"));
    choisit(fichier);
    ASSERT_EQ(form.StaticText1->text(), QStringLiteral("1"));
    append_bytes(fichier, "10:02:00\t\x01\x02\r\n");
    ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer >= 1; }, 5000));
    for (int i = 3; i <= 5; ++i) {
        append_bytes(fichier, QByteArray("10:0") + QByteArray::number(i) + ":00\t3\r\n");
        const int avant = form.rechargements_par_le_timer;
        ASSERT_TRUE(spin_until([&] { return form.rechargements_par_le_timer > avant; }, 5000)) << i;
    }
    form.Timer1->stop();
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
    EXPECT_EQ(form.StaticText1->text(), QStringLiteral("4"));
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("9 lignes (1 ignorée), cumul = 11"));
    EXPECT_TRUE(
        form.Label_etat_chargement->text().startsWith(QStringLiteral("live.txt, ligne 6 ignorée : « 10:02:00⇥��")))
        << form.Label_etat_chargement->text().toStdString();
}
