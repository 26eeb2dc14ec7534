// Saving the comment memo beside the data file with "Enregistrer".
#include "load_fixture.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>

namespace {
const QString kConfirmation = QStringLiteral(" le commentaire à été enregistré dans le fichier ");
}

TEST_F(DataFileWindow, NothingIsSavedBeforeADataFileIsChosen) {
    form.Memo2->setPlainText(QStringLiteral("notes"));
    form.SpeedButton_comment->click();
    file_state.fichier_commentaire = QStringLiteral("   ");
    form.SpeedButton_comment->click();
    EXPECT_TRUE(recorder().messages.isEmpty());
    EXPECT_TRUE(QDir(donnees.path()).isEmpty());
}

// The first choice of a file with a comment has no comment file to compare
// the memo with: no file without a name is opened (Qt would warn of it on the
// terminal).
TEST_F(DataFileWindow, TheFirstChoiceOpensNoFileWithoutAName) {
    ecrit(QStringLiteral("run.comment"), "notes\r\n");
    static QStringList avertissements;
    avertissements.clear();
    const QtMessageHandler avant =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { avertissements << m; });
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    qInstallMessageHandler(avant);
    EXPECT_TRUE(avertissements.isEmpty()) << avertissements.join(QLatin1Char('\n'));
}

TEST_F(DataFileWindow, SavingWritesEveryMemoLineWithCrLfAndConfirms) {
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    const QString commentaire = chemin(QStringLiteral("run.comment"));
    struct Cas {
        QString memo;
        QByteArray fichier;
    };
    const Cas cas[] = {
        {QStringLiteral("échantillon B\n\nsource Cs"),
         "\xE9"
         "chantillon B\r\n\r\nsource Cs\r\n"},
        {QStringLiteral("une ligne\n"), "une ligne\r\n"},  // the break ending the last line adds no line
        {QStringLiteral("a\n\n"), "a\r\n\r\n"},
        {QString(), QByteArray()},  // an empty memo gives an empty file
    };
    for (const Cas& c : cas) {
        recorder().messages.clear();
        form.Memo2->setPlainText(c.memo);
        form.SpeedButton_comment->click();
        EXPECT_EQ(recorder().messages, QStringList{kConfirmation + QDir::toNativeSeparators(commentaire)});
        EXPECT_TRUE(QFile::exists(commentaire));
        EXPECT_EQ(read_bytes(commentaire), c.fichier) << c.memo.toStdString();
    }
}

TEST_F(DataFileWindow, ACommentReadAndSavedAgainIsUnchanged) {
    const QByteArray contenu = "premi\xE8re\r\n\r\n  indent\xE9\r\n\r\n";
    ecrit(QStringLiteral("run.comment"), contenu);
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    form.SpeedButton_comment->click();
    EXPECT_EQ(read_bytes(chemin(QStringLiteral("run.comment"))), contenu);
}

TEST_F(DataFileWindow, TheCommentKeptFromTheLastFileIsSavedForTheNewOne) {
    ecrit(QStringLiteral("first.comment"), "from the first run\r\n");
    choisit(ecrit(QStringLiteral("first.txt"), petit_fichier()));
    choisit(ecrit(QStringLiteral("second.txt"), petit_fichier()));
    form.SpeedButton_comment->click();
    EXPECT_EQ(read_bytes(chemin(QStringLiteral("second.comment"))), QByteArray("from the first run\r\n"));
    EXPECT_EQ(recorder().messages.last(),
              kConfirmation + QDir::toNativeSeparators(chemin(QStringLiteral("second.comment"))));
}

TEST_F(DataFileWindow, AFailedSaveIsReportedAndTheMemoKeepsItsText) {
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    const QString commentaire = chemin(QStringLiteral("run.comment"));
    ASSERT_TRUE(QDir().mkpath(commentaire));  // a folder where the file should go
    form.Memo2->setPlainText(QStringLiteral("précieux"));
    form.SpeedButton_comment->click();
    ASSERT_EQ(recorder().messages.size(), 1);
    const QString message = recorder().messages.at(0);
    EXPECT_TRUE(message.startsWith(QStringLiteral(" le commentaire n'a pas pu être enregistré dans le fichier ") +
                                   QDir::toNativeSeparators(commentaire) + QLatin1Char('\n')))
        << message.toStdString();
    EXPECT_FALSE(message.contains(kConfirmation));
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("précieux"));
    EXPECT_TRUE(QFileInfo(commentaire).isDir());
}

#ifdef Q_OS_UNIX
// The disk fills up while "Enregistrer" writes (here the file size limit of
// the process): the former comment file stays whole, the memo keeps the new
// text, the failure is reported and a later save, with room again, succeeds.
TEST_F(DataFileWindow, ASaveCutShortByAFullDiskKeepsTheFormerFileAndTheMemo) {
    const QString commentaire = chemin(QStringLiteral("run.comment"));
    write_bytes(commentaire, "ancien\r\n");
    choisit(ecrit(QStringLiteral("run.txt"), petit_fichier()));
    QString texte;
    for (int i = 0; i < 400; ++i) texte += QStringLiteral("ligne %1 du nouveau commentaire, assez longue\n").arg(i);
    form.Memo2->setPlainText(texte);

    avec_fichiers_limites(4096, [&] { form.SpeedButton_comment->click(); });

    ASSERT_EQ(recorder().messages.size(), 1);
    EXPECT_FALSE(recorder().messages.front().startsWith(kConfirmation)) << recorder().messages.front().toStdString();
    EXPECT_EQ(read_bytes(commentaire), QByteArray("ancien\r\n"));
    EXPECT_EQ(form.Memo2->toPlainText(), texte);
    form.SpeedButton_comment->click();
    EXPECT_EQ(recorder().messages.last(), kConfirmation + QDir::toNativeSeparators(commentaire));
    EXPECT_EQ(read_bytes(commentaire).size(), texte.size() + 400);
}
#endif

// Choosing a file whose comment file would replace the memo: a comment typed
// and not saved is asked for first; a cancel changes nothing at all.
TEST_F(DataFileWindow, ACommentTypedIsAskedForBeforeAnotherFilesCommentReplacesIt) {
    struct Cas {
        const char* quoi;
        bool second_a_un_commentaire;
        std::optional<platform::Answer> reponse;  // nothing: no question expected
        const char* memo_apres;
        QByteArray premier_apres;  // first.comment after the choice
        const char* fichier_suivi;
    };
    const Cas cas[] = {
        {"no comment file for the new one: the memo is kept, no question", false, std::nullopt, "typed\n", "first\r\n",
         "second.txt"},
        {"saved first", true, platform::Answer::save, "second\n", "typed\r\n", "second.txt"},
        {"dropped", true, platform::Answer::discard, "second\n", "first\r\n", "second.txt"},
        {"cancelled: nothing changes", true, platform::Answer::cancel, "typed\n", "first\r\n", "first.txt"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        QDir(donnees.path()).removeRecursively();
        QDir().mkpath(donnees.path());
        ecrit(QStringLiteral("first.comment"), "first\r\n");
        form.Memo2->clear();  // what the last case left asks nothing
        choisit(ecrit(QStringLiteral("first.txt"), petit_fichier()));
        if (c.second_a_un_commentaire) ecrit(QStringLiteral("second.comment"), "second\r\n");
        ecrit(QStringLiteral("second.txt"), petit_fichier());
        form.Memo2->setPlainText(QStringLiteral("typed\n"));
        recorder().questions.clear();
        recorder().answers.clear();
        if (c.reponse) recorder().answers.push_back(*c.reponse);
        choisit(chemin(QStringLiteral("second.txt")));
        EXPECT_EQ(recorder().questions.size(), c.reponse ? 1u : 0u);
        EXPECT_EQ(form.Memo2->toPlainText(), QString::fromUtf8(c.memo_apres));
        EXPECT_EQ(read_bytes(chemin(QStringLiteral("first.comment"))), c.premier_apres);
        EXPECT_EQ(file_state.fichier_donnees, chemin(QString::fromUtf8(c.fichier_suivi)));
    }
}

// Two windows follow one data file. One saves: the other, whose memo was not
// typed in, shows the new comment at its next tick and leaves without a
// question. Both typed, one saved: the other's tick says so, and its save asks
// which to keep, as its exit does; nothing is overwritten without a word.
TEST_F(DataFileWindow, TwoWindowsOnOneDataFileSeeEachOthersComment) {
    const QString donnees_fichier = ecrit(QStringLiteral("run.txt"), petit_fichier());
    const QString commentaire = ecrit(QStringLiteral("run.comment"), "début\r\n");
    choisit(donnees_fichier);
    TForm1 autre;
    autre.choisit_le_fichier(donnees_fichier);
    const auto tick = [&autre] { platform::report_errors([&autre] { autre.Timer1Timer(); }); };
    const auto enregistre = [](TForm1& f, const char* texte) {
        f.Memo2->setPlainText(QString::fromUtf8(texte));
        f.SpeedButton_comment->click();
    };

    enregistre(form, "de la première\n");
    tick();
    EXPECT_EQ(autre.Memo2->toPlainText(), QStringLiteral("de la première\n"));
    EXPECT_TRUE(autre.Label_etat_chargement->text().contains(QStringLiteral("modifié ailleurs")));

    autre.Memo2->setPlainText(QStringLiteral("de l'autre\n"));
    enregistre(form, "encore de la première\n");
    tick();
    EXPECT_EQ(autre.Memo2->toPlainText(), QStringLiteral("de l'autre\n")) << "the typed text is kept";
    EXPECT_TRUE(autre.Label_etat_chargement->text().contains(QStringLiteral("demandera lequel garder")))
        << autre.Label_etat_chargement->text().toStdString();

    struct Cas {
        platform::Answer reponse;
        const char* memo_apres;
        QByteArray fichier_apres;
    };
    const Cas cas[] = {
        {platform::Answer::cancel, "de l'autre\n", "encore de la premi\xE8re\r\n"},
        {platform::Answer::discard, "encore de la première\n", "encore de la premi\xE8re\r\n"},
    };
    for (const Cas& c : cas) {
        recorder().questions.clear();
        recorder().answers.push_back(c.reponse);
        autre.SpeedButton_comment->click();
        ASSERT_EQ(recorder().questions.size(), 1u);
        EXPECT_TRUE(recorder().questions.front().text.contains(QStringLiteral("modifié ailleurs")));
        EXPECT_EQ(autre.Memo2->toPlainText(), QString::fromUtf8(c.memo_apres));
        EXPECT_EQ(read_bytes(commentaire), c.fichier_apres);
    }
    // Both typed again: the exit asks, naming the other change, and saving there overwrites it.
    autre.Memo2->setPlainText(QStringLiteral("de l'autre, enfin\n"));
    enregistre(form, "la première, enfin\n");
    recorder().questions.clear();
    recorder().answers.push_back(platform::Answer::save);
    autre.SpeedButton_exit->click();
    ASSERT_EQ(recorder().questions.size(), 1u);
    EXPECT_TRUE(recorder().questions.front().text.contains(QStringLiteral("modifié ailleurs")));
    EXPECT_EQ(read_bytes(commentaire), "de l'autre, enfin\r\n");
    // The first window, its memo as it saved it, takes that text and leaves without a question.
    tick();
    platform::report_errors([this] { form.Timer1Timer(); });
    EXPECT_EQ(form.Memo2->toPlainText(), QStringLiteral("de l'autre, enfin\n"));
    recorder().questions.clear();
    form.SpeedButton_exit->click();
    EXPECT_TRUE(recorder().questions.empty());
}
