// Connects every control to its handler, each inside the error report, and
// starts the window: its creation, then the refresh timer.
#include "app/accessibility.h"
#include "app/tform1.h"
#include "platform/report.h"

TForm1* Form1 = nullptr;

namespace {
// Every handler runs inside the error report.
template <class Sender, class Signal>
void relie(TForm1* form, Sender* sender, Signal signal, void (TForm1::*handler)()) {
    QObject::connect(sender, signal, form, [form, handler] { platform::report_errors([&] { (form->*handler)(); }); });
}
}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    Form1 = this;
    etat_->settings_failures.signale = [this](const EchecDuReglage& echec, bool a_dire) {
        signale_reglage(echec, a_dire);
    };
    accessibilite::installe_la_fabrique();
    creeLesControles();
    relieLesControles();
    rendLesControlesAccessibles();
    platform::report_errors([this] { FormCreate(); });
    Timer1->start();
    session_->set_period_s(Timer1->interval() / 1000.0);
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
    // The memo shows the session's lines, which go with the members, before
    // the widgets: from here on it shows lines of its own.
    Memo1->clear();
}

void TForm1::relieLesControles() {
    relie(this, Panel8, &Panel::clicked, &TForm1::Panel8Click);
    relie(this, Image5, &ImageWidget::clicked, &TForm1::Image5Click);
    relie(this, Label7, &ClickLabel::clicked, &TForm1::Label7Click);

    relie(this, x_moins_SpeedButton3, &QToolButton::clicked, &TForm1::x_moins_SpeedButton3Click);
    relie(this, x_plus_SpeedButton3, &QToolButton::clicked, &TForm1::x_plus_SpeedButton3Click);
    relie(this, y_moins_SpeedButton3, &QToolButton::clicked, &TForm1::y_moins_SpeedButton3Click);
    relie(this, y_plus_SpeedButton3, &QToolButton::clicked, &TForm1::y_plus_SpeedButton3Click);
    relie(this, SpeedButton7, &QToolButton::clicked, &TForm1::x2_moins_SpeedButton3Click);
    relie(this, SpeedButton5, &QToolButton::clicked, &TForm1::x2_plus_SpeedButton3Click);
    relie(this, SpeedButton9, &QToolButton::clicked, &TForm1::y2_moins_SpeedButton3Click);
    relie(this, SpeedButton8, &QToolButton::clicked, &TForm1::y2_plus_SpeedButton3Click);
    relie(this, SpeedButton12, &QToolButton::clicked, &TForm1::SpeedButton12Click);
    relie(this, SpeedButton10, &QToolButton::clicked, &TForm1::SpeedButton10Click);
    relie(this, autoscale_X_CheckBox7, &QCheckBox::clicked, &TForm1::autoscale_X_CheckBox7Click);
    relie(this, autoscale_Y_CheckBox8, &QCheckBox::clicked, &TForm1::autoscale_Y_CheckBox8Click);
    relie(this, CheckBox1, &QCheckBox::clicked, &TForm1::autoscale_Y_CheckBox8Click);
    relie(this, RadioGroup2_items, &QButtonGroup::idClicked, &TForm1::RadioGroup2Click);
    // A typed value applies when the user presses Enter or leaves the field.
    relie(this, Edit8, &QLineEdit::editingFinished, &TForm1::Edit8Exit);
    relie(this, Edit6, &QLineEdit::editingFinished, &TForm1::Edit6Exit);
    relie(this, Edit1, &QLineEdit::editingFinished, &TForm1::Edit1Exit);
    relie(this, Edit2, &QLineEdit::editingFinished, &TForm1::Edit1Exit);
    relie(this, Edit7, &QLineEdit::editingFinished, &TForm1::Edit7Exit);

    relie(this, SpeedButton_comment, &QToolButton::clicked, &TForm1::SpeedButton_commentClick);
    // The comment as typed is the run's: the report takes it from the run's state.
    connect(Memo2, &QPlainTextEdit::textChanged, this, [this] { etat_->commentaire = lignes_du_commentaire(); });

    relie(this, setup_SpeedButton6, &QToolButton::clicked, &TForm1::setup_SpeedButton6Click);
    relie(this, SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    relie(this, SpeedButton3, &QToolButton::clicked, &TForm1::SpeedButton3Click);
    relie(this, Panel5, &Panel::clicked, &TForm1::Panel5Click);
    relie(this, Panel7, &Panel::clicked, &TForm1::Panel7Click);
    relie(this, ComboBox_langue, &QComboBox::activated, &TForm1::ComboBox_langueChange);
    relie(this, SpeedButton_exit, &QToolButton::clicked, &TForm1::SpeedButton_exitClick);
    relie(this, SpeedButton_ajustement, &QToolButton::clicked, &TForm1::SpeedButton_ajustementClick);

    relie(this, Timer1, &QTimer::timeout, &TForm1::Timer1Timer);
    // The alarm of a stopped run stands in the status line, whether the analysis window is open or not.
    connect(surveillance_, &SurveillanceDuRun::alarme_changee, this, [this] { montre_l_etat(); });
    connect(SpeedButton_acquitter, &QToolButton::clicked, surveillance_, &SurveillanceDuRun::acquitte);
}
