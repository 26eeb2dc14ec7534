// The data memo read again in its own storage at every load: the same lines,
// scroll bars and view as a memo cleared and filled afresh.
#include "load_fixture.h"

#include <QApplication>
#include <QScrollBar>

TEST_F(DataFileWindow, AReloadShowsTheLinesFromTheTopAsAFreshMemo) {
    form.show();
    QByteArray long_fichier = "Run\r\nSample\r\nHeure\tDuree\r\n";
    for (int k = 0; k < 2000; ++k)
        long_fichier += "10:" + QByteArray::number(k / 60 % 60) + ":00\t" + QByteArray::number(k % 97) +
                        "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tend\r\n";
    const QString grand = ecrit(QStringLiteral("long.txt"), long_fichier);
    const QString petit = ecrit(QStringLiteral("short.txt"), petit_fichier());

    // What a fresh memo shows for each file.
    struct Vue {
        QStringList lignes;
        int v_max, v_pas, h_max, h_pas;
    };
    const auto vue = [this] {
        QScrollBar* v = form.Memo1->verticalScrollBar();
        QScrollBar* h = form.Memo1->horizontalScrollBar();
        EXPECT_EQ(v->value(), 0);
        EXPECT_EQ(h->value(), 0);
        return Vue{form.Memo1->lines(), v->maximum(), v->pageStep(), h->maximum(), h->pageStep()};
    };
    const auto frais = [&](const QString& fichier) {
        form.Memo1->clear();
        form.Memo1->setLines(platform::read_text_lines(fichier));
        return vue();
    };
    const Vue vue_grand = frais(grand);
    const Vue vue_petit = frais(petit);
    ASSERT_GT(vue_grand.v_max, 0);
    ASSERT_GT(vue_grand.h_max, 0);

    for (const QString& fichier : {grand, grand, petit, grand}) {
        // Scrolled away from the top, then loaded.
        form.Memo1->verticalScrollBar()->setValue(form.Memo1->verticalScrollBar()->maximum());
        form.Memo1->horizontalScrollBar()->setValue(form.Memo1->horizontalScrollBar()->maximum());
        charge(fichier);
        const Vue apres = vue();
        const Vue& attendu = fichier == grand ? vue_grand : vue_petit;
        EXPECT_EQ(apres.lignes, attendu.lignes);
        EXPECT_EQ(apres.v_max, attendu.v_max);
        EXPECT_EQ(apres.v_pas, attendu.v_pas);
        EXPECT_EQ(apres.h_max, attendu.h_max);
        EXPECT_EQ(apres.h_pas, attendu.h_pas);
        QApplication::processEvents();
    }

    // A file that cannot be read: no line, nothing to scroll.
    charge(chemin(QStringLiteral("missing.txt")));
    EXPECT_TRUE(form.Memo1->lines().isEmpty());
    EXPECT_EQ(form.Memo1->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(form.Memo1->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(recorder().messages.size(), 1);
}
