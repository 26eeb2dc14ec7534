// The autoscale boxes of the records plot, through the main window.
#include "support/window.h"

namespace {
class Autoscale : public AvecFenetre {
protected:
    void SetUp() override {
        record_store.max_x_serie[1] = 137.3L;
        record_store.max_y_serie[1] = 913;
    }
    void TearDown() override { EXPECT_TRUE(recorder().messages.isEmpty()); }
};
}  // namespace

TEST_F(Autoscale, UncheckingXStillScalesYAndRedrawsPlot1) {
    record_store.serie_courante = 2;
    form.autoscale_X_CheckBox7->click();
    EXPECT_FALSE(form.autoscale_X_CheckBox7->isChecked());
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("150"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1005"));
    EXPECT_EQ(record_store.serie_courante, 1);
    EXPECT_EQ(plot_scales.echelle_y[1], 1005);

    form.autoscale_X_CheckBox7->click();
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("155"));
    EXPECT_EQ(plot_scales.echelle_x[1], 155);
}

TEST_F(Autoscale, UncheckingYLeavesItsField) {
    form.autoscale_Y_CheckBox8->click();
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("155"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1000"));
    record_store.max_y_serie[1] = 90.9L;
    form.autoscale_Y_CheckBox8->click();
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("100"));
}

TEST_F(Autoscale, ClassPlotBoxRedrawsTheRecordsPlot) {
    record_store.serie_courante = 2;
    form.trace_graphe(2);
    const QImage classes = form.Image2->image();
    form.CheckBox1->click();
    EXPECT_EQ(record_store.serie_courante, 1);
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("155"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1005"));
    EXPECT_EQ(form.Image2->image(), classes);
    EXPECT_EQ(form.Edit7->text(), QStringLiteral("100"));
}

TEST_F(Autoscale, NoRecordLeavesTheFieldsAndRedraws) {
    record_store.max_x_serie[1] = -10;
    record_store.max_y_serie[1] = -10;
    form.Image1->bitmap().fill(Qt::green);
    form.autoscale_Y_CheckBox8->click();
    EXPECT_EQ(form.Edit1->text(), QStringLiteral("150"));
    EXPECT_EQ(form.Edit2->text(), QStringLiteral("1000"));
    EXPECT_EQ(form.Image1->image().pixel(1, 1), qRgb(255, 255, 255));
}
