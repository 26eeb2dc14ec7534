// The eight scale buttons and the scale fields, through the main window:
// which field each button steps, which way, and which plot it redraws. The
// stepping sequence itself is in tests/text.
#include "support/window.h"

namespace {

struct Bouton {
    const char* nom;
    const char* legende;
    QLineEdit* TForm1::*champ;
    int graphe;
    bool monte;
};

const Bouton BOUTONS[] = {
    {"x_plus_SpeedButton3", "-", &TForm1::Edit1, 1, false}, {"x_moins_SpeedButton3", "+", &TForm1::Edit1, 1, true},
    {"y_plus_SpeedButton3", "-", &TForm1::Edit2, 1, false}, {"y_moins_SpeedButton3", "+", &TForm1::Edit2, 1, true},
    {"SpeedButton5", "-", &TForm1::Edit6, 2, false},        {"SpeedButton7", "+", &TForm1::Edit6, 2, true},
    {"SpeedButton8", "-", &TForm1::Edit7, 2, false},        {"SpeedButton9", "+", &TForm1::Edit7, 2, true},
};

class BoutonsEchelle : public AvecFenetre {
protected:
    QToolButton* bouton(const char* nom) { return form.findChild<QToolButton*>(QString::fromLatin1(nom)); }
};

}  // namespace

TEST_F(BoutonsEchelle, EachButtonStepsItsFieldAndRedrawsItsPlot) {
    struct Pas {
        const char* avant;
        const char* plus;
        const char* moins;
    };
    const Pas pas[] = {{"0", "0", "1"}, {"150", "200", "100"}};
    for (const Bouton& b : BOUTONS) {
        QToolButton* bouton_ = bouton(b.nom);
        ASSERT_NE(bouton_, nullptr) << b.nom;
        EXPECT_EQ(bouton_->text(), QString::fromLatin1(b.legende)) << b.nom;
        QLineEdit* champ = form.*b.champ;
        for (const Pas& p : pas) {
            champ->setText(QString::fromLatin1(p.avant));
            record_store.serie_courante = 3 - b.graphe;  // the redraw makes it the button's plot
            recorder().messages.clear();
            bouton_->click();
            const QString attendu = QString::fromLatin1(b.monte ? p.plus : p.moins);
            ASSERT_EQ(champ->text(), attendu) << b.nom << " on " << p.avant;
            // A span of 0 has a tick step of 0: the redraw stops at that axis.
            EXPECT_EQ(recorder().messages, attendu == QLatin1String("0")
                                               ? QStringList{QStringLiteral("Invalid floating point operation")}
                                               : QStringList{})
                << b.nom << " on " << p.avant;
            EXPECT_EQ(record_store.serie_courante, b.graphe) << b.nom;
            const long double lu = (champ == form.Edit1 || champ == form.Edit6) ? plot_scales.echelle_x[b.graphe]
                                                                                : plot_scales.echelle_y[b.graphe];
            EXPECT_EQ(lu, attendu.toDouble()) << b.nom << ": the redraw read the new value";
        }
    }
}

TEST_F(BoutonsEchelle, ADecimalFieldIsDrawnButItsButtonsReportTheConversionError) {
    form.Edit1->setText(QStringLiteral("150.5"));
    form.trace_graphe(1);
    EXPECT_EQ(plot_scales.echelle_x[1], 150.5L);
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    const QImage avant = form.Image1->image();
    for (const char* nom : {"x_plus_SpeedButton3", "x_moins_SpeedButton3"}) {
        recorder().messages.clear();
        bouton(nom)->click();
        EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'150.5' is not a valid integer value")});
        EXPECT_EQ(form.Edit1->text(), QStringLiteral("150.5"));
        EXPECT_EQ(form.Image1->image(), avant);
    }
}

TEST_F(BoutonsEchelle, AStepBeyondThirtyTwoBitsIsReportedAndLeavesTheField) {
    form.Edit7->setText(QStringLiteral("1818181819"));
    record_store.serie_courante = 1;
    bouton("SpeedButton9")->click();
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("Floating point overflow")});
    EXPECT_EQ(form.Edit7->text(), QStringLiteral("1818181819"));
    EXPECT_EQ(record_store.serie_courante, 1) << "no redraw";
    // The class pass calls the same handler directly.
    form.Edit7->setText(QStringLiteral("37"));
    form.y2_moins_SpeedButton3Click();
    EXPECT_EQ(form.Edit7->text(), QStringLiteral("50"));
    EXPECT_EQ(record_store.serie_courante, 2);
}

TEST_F(BoutonsEchelle, ScalesOfBothPlotsComeFromTheirFieldsAtStart) {
    form.trace_graphe(1);
    form.trace_graphe(2);
    EXPECT_EQ(plot_scales.echelle_x[1], 150);
    EXPECT_EQ(plot_scales.echelle_y[1], 1000);
    EXPECT_EQ(plot_scales.pas_x[1], 20);
    EXPECT_EQ(plot_scales.pas_y[1], 100);
    EXPECT_EQ(plot_scales.pas_x[2], 80);
    EXPECT_EQ(plot_scales.pas_y[2], 10);
    // A bad field of plot 2 stops its redraw before anything is drawn.
    form.Edit7->setText(QStringLiteral("N"));
    const QImage avant = form.Image2->image();
    form.trace_graphe(1);
    bouton("SpeedButton7")->click();
    EXPECT_EQ(recorder().messages, QStringList{QStringLiteral("'N' is not a valid floating point value")});
    EXPECT_EQ(form.Edit6->text(), QStringLiteral("900"));
    EXPECT_EQ(record_store.serie_courante, 2);
    EXPECT_EQ(plot_scales.echelle_x[2], 900);
    EXPECT_EQ(form.Image2->image(), avant);
}
