// The scale fields of both plots: stepping buttons and autoscale.
#include "app/tform1.h"

#include "platform/numbers.h"
#include "plot/scales.h"
#include "text/steps.h"

// Both fields of plot 1 from the largest elapsed time and the largest duration,
// each when its box is checked and the record pass found records.
void TForm1::ajuste_echelles() {
    if (autoscale_X_CheckBox7->isChecked()) {
        if (const auto texte = valeur_autoscale(etat_->record_store.max_x_serie[1])) Edit1->setText(*texte);
    }
    if (autoscale_Y_CheckBox8->isChecked()) {
        if (const auto texte = valeur_autoscale(etat_->record_store.max_y_serie[1])) Edit2->setText(*texte);
    }
}

void TForm1::ajuste_et_trace() {
    ajuste_echelles();
    trace_graphe(1);
}

void TForm1::autoscale_X_CheckBox7Click() { ajuste_et_trace(); }

// Also the click of CheckBox1, the N max autoscale box.
void TForm1::autoscale_Y_CheckBox8Click() { ajuste_et_trace(); }

// Each button sets its field to the next step down ("-", names with plus) or
// up ("+", names with moins), then redraws the field's plot. The field is only
// written once the new value is known, so an error leaves it as it was.
void TForm1::x_plus_SpeedButton3Click() {
    Edit1->setText(abaisse_echelle(Edit1->text()));
    trace_graphe(1);
}

void TForm1::x_moins_SpeedButton3Click() {
    Edit1->setText(eleve_echelle(Edit1->text()));
    trace_graphe(1);
}

void TForm1::y_plus_SpeedButton3Click() {
    Edit2->setText(abaisse_echelle(Edit2->text()));
    trace_graphe(1);
}

void TForm1::y_moins_SpeedButton3Click() {
    Edit2->setText(eleve_echelle(Edit2->text()));
    trace_graphe(1);
}

void TForm1::x2_plus_SpeedButton3Click() {
    Edit6->setText(abaisse_echelle(Edit6->text()));
    prend_x_max();
    trace_graphe(2);
    retiens_la_saisie(TypedPerUnit::Field::x_max);
}

void TForm1::x2_moins_SpeedButton3Click() {
    Edit6->setText(eleve_echelle(Edit6->text()));
    prend_x_max();
    trace_graphe(2);
    retiens_la_saisie(TypedPerUnit::Field::x_max);
}

// X max stepped: the session takes it at the next load, as its classes.
void TForm1::prend_x_max() {
    ChoixDesClasses choix = session_->class_choices();
    choix.x_max = platform::str_to_float(Edit6->text());
    session_->set_class_choices(choix);
}

void TForm1::Edit1Exit() { trace_graphe(1); }

void TForm1::Edit7Exit() { trace_graphe(2); }

void TForm1::y2_plus_SpeedButton3Click() {
    Edit7->setText(abaisse_echelle(Edit7->text()));
    trace_graphe(2);
}

void TForm1::y2_moins_SpeedButton3Click() {
    Edit7->setText(eleve_echelle(Edit7->text()));
    trace_graphe(2);
}

// What the user typed in the class width or X max field, remembered for the
// run's unit (the class fields' handlers and the X max buttons).
void TForm1::retiens_la_saisie(TypedPerUnit::Field champ) {
    const double unite = etat_->unite.unit_ns();
    if (!unit_known(unite)) return;
    const QLineEdit* edit = champ == TypedPerUnit::Field::dX ? Edit8 : Edit6;
    const auto valeur = static_cast<double>(platform::str_to_float(edit->text()));
    if (etat_->saisies_par_unite.set(unite, champ, valeur)) etat_->saisies_par_unite.write(etat_->settings_failures);
}
