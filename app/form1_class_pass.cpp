// The class pass: histogram of the durations and the lifetime figures.
#include "analysis/load.h"
#include "analysis/load_text.h"
#include "app/tform1.h"
#include "platform/errors.h"
#include "platform/numbers.h"
#include "text/listing.h"
#include "text/steps.h"

#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

void TForm1::affecte_classe() {
    Memo3->clear();
    const ChoixDesClasses bons = session_->class_choices();
    ChoixDesClasses choix;
    try {
        // The fields in this order: a dX that cannot be read ends the pass before
        // anything changes; one that can is taken even when X max then cannot.
        choix.dX = platform::str_to_float(Edit8->text());
        prend_largeur_classe(choix.dX, etat_->class_table);
        choix.x_max = platform::str_to_float(Edit6->text());
        choix.par_centres = RadioGroup2_items->checkedId() != 0;
        session_->set_class_choices(choix);
        session_->classify();
    } catch (const platform::Error& e) {
        // The session keeps the last choices it made classes with; the error
        // is said again at every load until the fields are mended.
        session_->set_class_choices(bons);
        erreur_des_champs_ = e.text();
        throw;
    }
    erreur_des_champs_.clear();
    montre_les_classes(session_->load().classes, choix);
}

void TForm1::montre_les_classes(const ResultatClasses& r, const ChoixDesClasses& choix) {
    const RecordStore& store = etat_->record_store;
    const ClassTable& table = etat_->class_table;
    Label17->setText(platform::decimal(r.n_classe));

    Memo3->setPlainText(lignes_de_trace(r.n_classe, table).join(QLatin1Char('\n')));
    if (r.chiffres) {
        const TextesDesChiffres s = textes_des_chiffres(*r.chiffres, unit_known(etat_->unite.unit_ns()));
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
        !r.chiffres && store.nb_points[1] > 0 ? texte_aucune_duree_montree(choix.x_max, chiffres_montres_) : QString();
    montre_l_etat();

    // N max from the largest count; the "+" of N max then takes it one step up
    // and redraws the class plot.
    if (CheckBox1->isChecked()) {
        if (const auto n_max = n_max_autoscale(r)) {
            Edit7->setText(platform::decimal(*n_max));
            y2_moins_SpeedButton3Click();
        }
    }

    // The session wrote series 2 (none without any record, as at start-up);
    // the listing still shows the empty classes.
    Memo4->setPlainText(lignes_du_listing(r.n_classe, store).join(QLatin1Char('\n')));
    if (le_listing_peut_prendre_le_focus()) {
        // The focus the pass gives the listing applies no field being typed:
        // a tick's reload would apply it half typed.
        const QSignalBlocker b1(Edit1), b2(Edit2), b6(Edit6), b7(Edit7), b8(Edit8);
        Memo4->setFocus();
    }
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
    retiens_la_saisie(TypedPerUnit::Field::dX);
}

void TForm1::SpeedButton10Click() {
    Edit8->setText(abaisse_echelle(Edit8->text()));
    affecte_classe();
    trace_graphe(2);
    retiens_la_saisie(TypedPerUnit::Field::dX);
}

// Remembered when typed: a field merely left shows what vorns chose.
void TForm1::Edit8Exit() {
    affecte_classe();
    trace_graphe(2);
    if (Edit8->isModified()) retiens_la_saisie(TypedPerUnit::Field::dX);
    Edit8->setModified(false);
}

void TForm1::Edit6Exit() {
    affecte_classe();
    trace_graphe(2);
    if (Edit6->isModified()) retiens_la_saisie(TypedPerUnit::Field::x_max);
    Edit6->setModified(false);
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
