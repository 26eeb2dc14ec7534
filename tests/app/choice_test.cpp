// Choosing the data file: the dialog, the remembered folder and name, the
// names shown, the comment file read beside it.
#include "load_fixture.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>

namespace {
QByteArray ligne_unique(const TemporaryProgramFolder& programme, const char* nom) {
    return read_bytes(programme.file(QString::fromLatin1(nom)));
}
}  // namespace

TEST_F(DataFileWindow, TheFirstDialogOpensInTheShippedRunsFolder) {
    choisit(std::nullopt);
    ASSERT_EQ(recorder().open_requests.size(), 1u);
    const platform::OpenFileRequest& demande = recorder().open_requests.front();
    EXPECT_EQ(demande.initial_folder, programme.path() + QStringLiteral("fichiers"));
    EXPECT_EQ(demande.file_name, QString());
    EXPECT_EQ(demande.title, QStringLiteral("ww(2)=?"));  // no class listing yet
    // The formats vorns reads, whatever the extension other apparatus give them, then every file.
    EXPECT_EQ(demande.filter_description, QStringLiteral("Data files (*.txt, *.dat, *.data)"));
    EXPECT_EQ(demande.filter_pattern, QStringLiteral("*.txt* *.dat *.data"));
    EXPECT_EQ(demande.other_filters, QStringList({"Text files (*.txt*)", "All files (*)"}));
}

TEST_F(DataFileWindow, TheDialogOpensWhereTheLastFileWasChosen) {
    const QString fichier = ecrit(QStringLiteral("data/run.txt"), petit_fichier());
    choisit(fichier);
    form.Memo4->setPlainText(QStringLiteral("zero\none\nChoisir le fichier"));
    choisit(std::nullopt);
    ASSERT_EQ(recorder().open_requests.size(), 2u);
    const platform::OpenFileRequest& demande = recorder().open_requests.back();
    EXPECT_EQ(demande.initial_folder, chemin(QStringLiteral("data/")));
    EXPECT_EQ(demande.file_name, QStringLiteral("run.txt"));
    EXPECT_EQ(demande.title, QStringLiteral("Choisir le fichier"));
}

TEST_F(DataFileWindow, ThePanelItsPictureAndItsLabelAllOpenTheDialog) {
    emit form.Panel8->clicked();
    emit form.Image5->clicked();
    emit form.Label7->clicked();
    EXPECT_EQ(recorder().open_requests.size(), 3u);
}

TEST_F(DataFileWindow, ChoosingAFileNamesItEverywhereAndLoadsIt) {
    const QString fichier = ecrit(QStringLiteral("data/run.txt"), petit_fichier());
    choisit(fichier);
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
    EXPECT_EQ(file_state.fichier_donnees, fichier);
    EXPECT_EQ(file_state.fichier_commentaire, chemin(QStringLiteral("data/run.comment")));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("run.txt     vorn"));
    EXPECT_EQ(form.Label38->text(), QStringLiteral("run.txt"));
    EXPECT_EQ(form.Label39->text(), QStringLiteral("run.comment"));
    EXPECT_EQ(ligne_unique(programme, "~qrt_vorn_rep.~r"),
              (chemin(QStringLiteral("data/")) + QStringLiteral("\r\n")).toUtf8());
    EXPECT_EQ(ligne_unique(programme, "~qrt_vorn_rep.~f"), QByteArray("run.txt\r\n"));
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("6 lignes, cumul = 4"));
    EXPECT_EQ(form.Panel6->color(), QColor(0, 128, 0));
}

TEST_F(DataFileWindow, CommentAndDataFileNameRules) {
    struct Cas {
        const char* choisi;
        const char* donnees;
        const char* titre;
        const char* commentaire;
    };
    const Cas cas[] = {
        {"RUN.TXT", "RUN.TXT", "RUN.TXT     vorn", "RUN.TXT.comment"},      // ".txt" is matched with its case
        {"run.txt.comment", "run.txt", "run.txt     vorn", "run.comment"},  // a comment file opens its data file
        {"essai.dat", "essai.dat", "essai.dat     vorn", "essai.dat.comment"},
    };
    for (const Cas& c : cas) {
        ecrit(QString::fromUtf8(c.donnees), petit_fichier());
        choisit(chemin(QString::fromUtf8(c.choisi)));
        EXPECT_TRUE(recorder().messages.isEmpty()) << c.choisi;
        EXPECT_EQ(file_state.fichier_donnees, chemin(QString::fromUtf8(c.donnees))) << c.choisi;
        EXPECT_EQ(form.windowTitle(), QString::fromUtf8(c.titre)) << c.choisi;
        EXPECT_EQ(file_state.fichier_commentaire, chemin(QString::fromUtf8(c.commentaire))) << c.choisi;
        EXPECT_EQ(form.Label39->text(), QString::fromUtf8(c.commentaire)) << c.choisi;
        EXPECT_EQ(ligne_unique(programme, "~qrt_vorn_rep.~f"), QByteArray(c.donnees) + "\r\n") << c.choisi;
        EXPECT_EQ(lignes_memo1().size(), 6) << c.choisi;
    }
}

TEST_F(DataFileWindow, CancellingTheDialogChangesNothing) {
    const QString fichier = ecrit(QStringLiteral("run.txt"), petit_fichier());
    choisit(fichier);
    QFile::remove(programme.file(QStringLiteral("~qrt_vorn_rep.~r")));
    QFile::remove(programme.file(QStringLiteral("~qrt_vorn_rep.~f")));
    form.Memo2->setPlainText(QStringLiteral("notes"));
    const FileState avant = file_state;
    const QString titre = form.windowTitle();

    choisit(std::nullopt);
    EXPECT_EQ(recorder().open_requests.size(), 2u);
    EXPECT_EQ(file_state.fichier_donnees, avant.fichier_donnees);
    EXPECT_EQ(file_state.fichier_commentaire, avant.fichier_commentaire);
    EXPECT_EQ(file_state.taille_precedente, avant.taille_precedente);
    EXPECT_EQ(form.windowTitle(), titre);
    EXPECT_EQ(form.Label38->text(), QStringLiteral("run.txt"));
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("notes"));
    EXPECT_EQ(lignes_memo1().size(), 6);
    EXPECT_FALSE(QFile::exists(programme.file(QStringLiteral("~qrt_vorn_rep.~r"))));
    EXPECT_FALSE(QFile::exists(programme.file(QStringLiteral("~qrt_vorn_rep.~f"))));
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(DataFileWindow, TheCommentFileFillsTheCommentMemoFromItsFirstLine) {
    QByteArray commentaire;
    for (int k = 0; k < 200; ++k) commentaire += "ligne " + QByteArray::number(k) + "\r\n";
    ecrit(QStringLiteral("run.comment"),
          "d\xE9"
          "but\r\n" +
              commentaire);
    form.Memo2->setPlainText(QStringLiteral("old"));
    form.Memo2->moveCursor(QTextCursor::End);
    recorder().answers.push_back(platform::Answer::discard);  // the typed text is dropped when asked
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    EXPECT_TRUE(form.Memo2->toPlainText().startsWith(QStringLiteral("début\nligne 0\nligne 1\n")));
    EXPECT_TRUE(form.Memo2->toPlainText().endsWith(QStringLiteral("ligne 199\n")));
    EXPECT_EQ(form.Memo2->textCursor().position(), 0);
    EXPECT_EQ(form.Memo2->verticalScrollBar()->value(), 0);
}

TEST_F(DataFileWindow, WithoutACommentFileTheCommentMemoKeepsItsText) {
    form.Memo2->setPlainText(QStringLiteral("earlier notes"));
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("earlier notes"));
    EXPECT_TRUE(recorder().messages.isEmpty());
}

TEST_F(DataFileWindow, AnUnreadableDataFileEndsTheChoiceBeforeTheComment) {
    ecrit(QStringLiteral("gone.comment"), "should not be read\r\n");
    form.Memo2->setPlainText(QStringLiteral("notes"));
    recorder().answers.push_back(platform::Answer::discard);
    choisit(chemin(QStringLiteral("gone.txt")));
    ASSERT_EQ(recorder().messages.size(), 1);
    EXPECT_TRUE(recorder().messages.at(0).startsWith(QStringLiteral("Cannot open file \"") +
                                                     QDir::toNativeSeparators(chemin(QStringLiteral("gone.txt")))));
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("notes"));
    EXPECT_TRUE(lignes_memo1().isEmpty());
    EXPECT_EQ(form.Panel6->color(), QColor(255, 0, 0));
    // The choice itself was made: the new file is the watched one.
    EXPECT_EQ(file_state.fichier_donnees, chemin(QStringLiteral("gone.txt")));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("gone.txt     vorn"));
    EXPECT_EQ(form.Label39->text(), QStringLiteral("gone.comment"));
    EXPECT_EQ(ligne_unique(programme, "~qrt_vorn_rep.~f"), QByteArray("gone.txt\r\n"));
    EXPECT_EQ(file_state.taille_precedente, -1);
}

#ifdef Q_OS_LINUX
TEST_F(DataFileWindow, AnUnreadableCommentFileIsReportedAndTheMemoKeepsItsText) {
    // A file that exists and opens but whose first read fails, even for root.
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), chemin(QStringLiteral("run.comment"))));
    form.Memo2->setPlainText(QStringLiteral("notes"));
    recorder().answers.push_back(platform::Answer::discard);
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    ASSERT_EQ(recorder().messages.size(), 1);
    EXPECT_TRUE(recorder().messages.at(0).contains(QDir::toNativeSeparators(chemin(QStringLiteral("run.comment")))))
        << recorder().messages.at(0).toStdString();
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("notes"));
    EXPECT_EQ(lignes_memo1().size(), 6);  // the data file itself was loaded
}
#endif

TEST_F(DataFileWindow, AFileFromTheCommandLineIsChosenAsThroughTheDialog) {
    const QString fichier = ecrit(QStringLiteral("data/run.txt"), petit_fichier());
    platform::report_errors([&] { form.choisit_le_fichier(fichier); });
    EXPECT_TRUE(recorder().open_requests.empty());
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("run.txt     vorn"));
    EXPECT_EQ(ligne_unique(programme, "~qrt_vorn_rep.~r"),
              (chemin(QStringLiteral("data/")) + QStringLiteral("\r\n")).toUtf8());
    EXPECT_EQ(ligne_unique(programme, "~qrt_vorn_rep.~f"), QByteArray("run.txt\r\n"));
    EXPECT_EQ(form.Label_nb_ligne->text(), QStringLiteral("6 lignes, cumul = 4"));

    platform::report_errors([&] { form.choisit_le_fichier(chemin(QStringLiteral("gone.txt"))); });
    ASSERT_EQ(recorder().messages.size(), 1) << "the load's message, once";
    EXPECT_TRUE(recorder().messages.at(0).startsWith(QStringLiteral("Cannot open file")));
}
