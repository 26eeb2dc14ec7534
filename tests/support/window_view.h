#pragma once
// What the main window shows of the data file it loaded, to compare it with
// what a fresh window shows of the same file: nothing of an earlier file, or
// of an earlier state of the file, may remain. Widgets: for the window tests.
#include "app/tform1.h"
#include "platform/report.h"
#include "support/qstring_print.h"
#include "support/recorder.h"

#include <QImage>
#include <QStringList>

struct VueDeLaFenetre {
    QStringList textes;  // "name=text": memo, header, counters, statistics, listing, status line, class table
    QImage graphe1, graphe2;
    bool operator==(const VueDeLaFenetre&) const = default;
};

inline VueDeLaFenetre vue_de(const TForm1& form) {
    VueDeLaFenetre v;
    v.textes << QStringLiteral("Memo1=") + form.Memo1->lines().join(QLatin1Char('|'));
    for (const QLabel* l :
         {form.Label3,  form.Label2,      form.Label1,      form.Label4,         form.Label15,
          form.Label40, form.StaticText1, form.StaticText3, form.Label_nb_ligne, form.Label17,
          form.Label43, form.Label23,     form.Label25,     form.Label27,        form.Label29,
          form.Label31, form.Label33,     form.Label35,     form.Label37,        form.Label_etat_chargement})
        v.textes << l->objectName() + QLatin1Char('=') + l->text();
    v.textes << QStringLiteral("Memo4=") + form.Memo4->toPlainText();
    const ClassTable& t = form.etat().class_table;
    for (const long double figure : {t.Tau, t.Cm, t.C0, t.activite_initiale})
        v.textes << QStringLiteral("figure=") + QString::number(static_cast<double>(figure), 'g', 17);
    v.graphe1 = form.Image1->image();
    v.graphe2 = form.Image2->image();
    return v;
}

// What a window that has only ever followed `fichier` (it names the plots),
// with the scale and class fields of `champs`, shows of it after loading it.
// Its messages are not the test's.
inline VueDeLaFenetre vue_d_une_fenetre_neuve(const QString& fichier, const TForm1& champs) {
    const QStringList messages = recorder().messages;
    TForm1 neuve;
    for (const auto champ : {&TForm1::Edit1, &TForm1::Edit2, &TForm1::Edit6, &TForm1::Edit7, &TForm1::Edit8})
        (neuve.*champ)->setText((champs.*champ)->text());
    platform::report_errors([&] { neuve.affecte_classe(); });  // the class fields applied
    neuve.etat().file_state.fichier_donnees = fichier;
    platform::report_errors([&] { neuve.charge_le_fichier(fichier); });
    recorder().messages = messages;
    return vue_de(neuve);
}

// The texts first, so that a failure prints the one that differs.
#define EXPECT_MEME_VUE(a, b)                              \
    do {                                                   \
        const VueDeLaFenetre va = (a);                     \
        const VueDeLaFenetre vb = (b);                     \
        EXPECT_EQ(va.textes, vb.textes);                   \
        EXPECT_TRUE(va.graphe1 == vb.graphe1) << "plot 1"; \
        EXPECT_TRUE(va.graphe2 == vb.graphe2) << "plot 2"; \
    } while (false)
