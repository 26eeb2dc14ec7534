#pragma once
// A real main window in a fresh temporary program folder (so that no settings
// file of an earlier test reaches it), with the parts of its run state under
// the names the tests give them. Widgets: for the tests of the window only.
#include "app/tform1.h"
#include "support/qstring_print.h"
#include "support/recorder.h"

#include <gtest/gtest.h>

struct Fenetre {
    TemporaryProgramFolder programme;
    TForm1 form;
    RunState& etat = form.etat();
    RecordStore& record_store = etat.record_store;
    ClassTable& class_table = etat.class_table;
    PlotFrame& plot_frame = etat.plot_frame;
    PlotScales& plot_scales = etat.plot_scales;
    FileState& file_state = etat.file_state;
};

// Typed in a field and applied, as Enter applies it.
inline void applique(QLineEdit* champ, const QString& texte) {
    champ->setText(texte);
    champ->setModified(true);
    emit champ->editingFinished();
}

// The class pass's figures as the window shows them, from the total duration to the activity.
inline QStringList statistiques(const TForm1& f) {
    return {f.Label43->text(), f.Label23->text(), f.Label25->text(), f.Label27->text(), f.Label29->text(),
            f.Label31->text(), f.Label33->text(), f.Label35->text(), f.Label37->text()};
}

// The same as a test fixture.
class AvecFenetre : public ::testing::Test, protected Fenetre {};
