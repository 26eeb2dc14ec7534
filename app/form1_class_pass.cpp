// The class pass: histogram of the durations and the lifetime figures.
#include "analysis/class_pass.h"
#include "analysis/pass_report.h"
#include "app/tform1.h"
#include "platform/numbers.h"
#include "text/listing.h"
#include "text/steps.h"

#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

void TForm1::affecte_classe() {
    RecordStore& store = etat_->record_store;
    ClassTable& table = etat_->class_table;
    Memo3->clear();
    prend_largeur_classe(platform::str_to_float(Edit8->text()), table);
    const long double x_max = platform::str_to_float(Edit6->text());
    const std::int32_t n_classe = nombre_de_classes(x_max, table);
    Label17->setText(platform::decimal(n_classe));

    const ResultatClasses r = calcule_classes(n_classe, RadioGroup2_items->checkedId() != 0, store, table);
    Memo3->setPlainText(r.trace.join(QLatin1Char('\n')));
    if (r.statistiques) {
        const TextesStatistiques& s = *r.statistiques;
        Label43->setText(s.duree_totale_moyennes);
        Label23->setText(s.duree_totale_centres);
        Label25->setText(s.evenements);
        Label27->setText(s.tau);
        Label29->setText(s.lambda);
        Label31->setText(s.demi_vie);
        Label33->setText(s.cm);
        Label35->setText(s.c0);
        Label37->setText(s.activite);
        chiffres_montres_ = true;
    }
    // Records, but none in the shown classes: the figures are those of an
    // earlier pass over the same file, or none.
    etat_des_classes_ =
        !r.statistiques && store.nb_points[1] > 0 ? texte_aucune_duree_montree(x_max, chiffres_montres_) : QString();
    montre_l_etat();

    // N max from the largest count; the "+" of N max then takes it one step up
    // and redraws the class plot, still with the points of the previous pass.
    // With no event in the shown classes there is nothing to scale to: N max
    // keeps its value, since a span of 0 cannot be drawn and would end every
    // load of a run that has only just started with an error.
    if (CheckBox1->isChecked() && r.effectif_max > 0) {
        Edit7->setText(platform::decimal(r.effectif_max));
        y2_moins_SpeedButton3Click();
    }

    Memo4->setPlainText(liste_classes(n_classe, table, store).join(QLatin1Char('\n')));
    // Without any record the class plot draws no series, as at start-up; the
    // listing still shows the empty classes.
    if (store.nb_points[1] == 0) store.nb_points[2] = 0;
    Memo4->setFocus();
    QTextCursor caret = Memo4->textCursor();
    caret.setPosition(std::min(1, Memo4->document()->characterCount() - 1));
    Memo4->setTextCursor(caret);
}

void TForm1::efface_les_chiffres() {
    for (QLabel* l : {Label43, Label23, Label25, Label27, Label29, Label31, Label33, Label35, Label37}) {
        l->setText(TEXTE_SANS_CHIFFRE);
    }
    ClassTable& table = etat_->class_table;
    table.Tau = 0;
    table.Cm = 0;
    table.C0 = 0;
    table.activite_initiale = 0;
    chiffres_montres_ = false;
}

// The class width steps as the scale fields do.
void TForm1::SpeedButton12Click() {
    Edit8->setText(eleve_echelle(Edit8->text()));
    affecte_classe();
    trace_graphe(2);
}

void TForm1::SpeedButton10Click() {
    Edit8->setText(abaisse_echelle(Edit8->text()));
    affecte_classe();
    trace_graphe(2);
}

void TForm1::RadioGroup2Click() {
    affecte_classe();
    trace_graphe(2);
}

QString TForm1::texte_numero(int n) const {
    // An empty memo has no line at all.
    const int lines = Memo4->document()->isEmpty() ? 0 : Memo4->document()->blockCount();
    if (n >= 0 && n < lines) return Memo4->document()->findBlockByNumber(n).text();
    return ::texte_numero(QStringList(), n);
}
