// Builds every control of the main window with its name, caption, default
// text, check state and hint, and connects each to its handler.
#include "app/tform1.h"

#include "platform/report.h"
#include "text/fields.h"

#include <QStyle>
#include <QTextBlock>

#include <QFont>

TForm1* Form1 = nullptr;

namespace {

QFont bold(QFont font, int point_size = 0) {
    font.setBold(true);
    if (point_size > 0) font.setPointSize(point_size);
    return font;
}

void colour_text(QWidget* w, QColor c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
const QColor kTeal(0, 128, 128);
const QColor kRed(255, 0, 0);
const QColor kSilver(192, 192, 192);

template <class W>
W* make(QWidget* parent, const char* name) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* l = make<QLabel>(parent, name);
    l->setText(text);
    l->setGeometry(geometry);
    return l;
}

// A static text: a label with a sunken frame.
QLabel* static_text(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    QLabel* l = label(parent, name, text, geometry);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

QLineEdit* field(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* e = make<QLineEdit>(parent, name);
    e->setText(text);
    e->setGeometry(geometry);
    return e;
}

QToolButton* flat_button(QWidget* parent, const char* name, const QString& caption, QRect geometry) {
    auto* b = make<QToolButton>(parent, name);
    b->setText(caption);
    b->setAutoRaise(true);
    b->setGeometry(geometry);
    return b;
}

QCheckBox* check_box(QWidget* parent, const char* name, const QString& caption, bool checked, QRect geometry) {
    auto* c = make<QCheckBox>(parent, name);
    c->setText(caption);
    c->setChecked(checked);
    c->setGeometry(geometry);
    return c;
}

}  // namespace

void TForm1::creeLesControles() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("v  o  r  n  s"));
    QFont base(QStringLiteral("Liberation Sans"));
    base.setPointSize(8);
    setFont(base);
    resize(1063, 803);
    setAutoFillBackground(true);

    // Header of the data file
    Label3 = label(this, "Label3", QStringLiteral("Line 1"), {8, 4, 420, 16});
    Label2 = label(this, "Label2", QStringLiteral("Line 2"), {8, 20, 420, 16});
    Label1 = label(this, "Label1", QStringLiteral("Line 3"), {8, 36, 420, 16});
    Label4 = label(this, "Label4", QStringLiteral("Line 4"), {8, 52, 420, 16});
    for (QLabel* l : {Label3, Label2, Label1, Label4}) {
        l->setFont(bold(base));
        colour_text(l, kNavy);
    }

    // Data file chooser
    Panel8 = new Panel(this, QStringLiteral("Panel8"));
    Panel8->setGeometry(440, 6, 130, 44);
    Image5 = new ImageWidget(Panel8, QStringLiteral("Image5"));
    Image5->setGeometry(6, 6, 32, 32);
    Label7 = make<ClickLabel>(Panel8, "Label7");
    Label7->setText(QStringLiteral("Target File"));
    Label7->setGeometry(44, 12, 80, 20);
    Label7->setFont(bold(base, 9));
    colour_text(Label7, kNavy);

    // Counters
    StaticText7 = static_text(this, "StaticText7", QStringLiteral("number of records"), {582, 6, 120, 18});
    StaticText1 = static_text(this, "StaticText1", QStringLiteral("n"), {706, 6, 70, 18});
    StaticText2 = static_text(this, "StaticText2", QStringLiteral("acqisition time [mn]"), {582, 28, 120, 18});
    StaticText3 = static_text(this, "StaticText3", QStringLiteral("0"), {706, 28, 70, 18});
    Label40 = label(this, "Label40", QStringLiteral("5"), {780, 28, 90, 18});
    sound_CheckBox8 = check_box(this, "sound_CheckBox8", QStringLiteral("sound"), false, {790, 6, 80, 18});

    // Scale controls
    Label5 = label(this, "Label5", QStringLiteral("scale"), {8, 74, 60, 16});
    Label5->setFont(bold(base));
    auto scale_group = [&](int x, const char* label_name, const QString& caption, const char* edit_name,
                           const QString& text, const char* up_name, const char* down_name, QLabel*& l,
                           QLineEdit*& e, QToolButton*& up, QToolButton*& down) {
        l = label(this, label_name, caption, {x, 94, 40, 20});
        e = field(this, edit_name, text, {x + 40, 94, 56, 20});
        up = flat_button(this, up_name, QStringLiteral("+"), {x + 98, 94, 20, 20});
        down = flat_button(this, down_name, QStringLiteral("-"), {x + 118, 94, 20, 20});
    };
    scale_group(8, "Label12", QStringLiteral("x"), "Edit1", QStringLiteral("150"), "x_moins_SpeedButton3",
                "x_plus_SpeedButton3", Label12, Edit1, x_moins_SpeedButton3, x_plus_SpeedButton3);
    autoscale_X_CheckBox7 = check_box(this, "autoscale_X_CheckBox7", QStringLiteral("autoscale"), true, {150, 94, 80, 20});
    scale_group(236, "Label13", QStringLiteral("y"), "Edit2", QStringLiteral("1000"), "y_moins_SpeedButton3",
                "y_plus_SpeedButton3", Label13, Edit2, y_moins_SpeedButton3, y_plus_SpeedButton3);
    autoscale_Y_CheckBox8 = check_box(this, "autoscale_Y_CheckBox8", QStringLiteral("autoscale"), true, {378, 94, 80, 20});
    scale_group(470, "Label11", QStringLiteral("X max"), "Edit6", QStringLiteral("800"), "SpeedButton7", "SpeedButton5",
                Label11, Edit6, SpeedButton7, SpeedButton5);
    scale_group(620, "Label16", QStringLiteral("N max"), "Edit7", QStringLiteral("100"), "SpeedButton9", "SpeedButton8",
                Label16, Edit7, SpeedButton9, SpeedButton8);
    Label20 = label(this, "Label20", QStringLiteral("Largeur de classe"), {770, 74, 120, 16});
    scale_group(770, "Label14", QStringLiteral("dX"), "Edit8", QStringLiteral("10"), "SpeedButton12", "SpeedButton10",
                Label14, Edit8, SpeedButton12, SpeedButton10);
    CheckBox1 = check_box(this, "CheckBox1", QStringLiteral("autoscale"), true, {912, 94, 80, 20});
    Label6 = label(this, "Label6", QStringLiteral("Nb of"), {770, 116, 30, 16});
    Label8 = label(this, "Label8", QStringLiteral("classes"), {802, 116, 40, 16});
    Label21 = label(this, "Label21", QStringLiteral(" Xmax / dX ="), {846, 116, 70, 16});
    Label17 = label(this, "Label17", QStringLiteral("80"), {918, 116, 30, 16});
    Label18 = label(this, "Label18", QStringLiteral("classes"), {950, 116, 50, 16});

    // Data memo
    Memo1 = new LinesView(this, QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 136, 250, 584);
    Label_nb_ligne = label(this, "Label_nb_ligne", QString(), {8, 722, 250, 16});

    // Plots and load indicator
    Panel2 = new Panel(this, QStringLiteral("Panel2"));
    Panel2->setGeometry(266, 136, 374, 97);
    Image1 = new ImageWidget(Panel2, QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, 372, 95);
    Panel6 = new Panel(this, QStringLiteral("Panel6"));
    Panel6->setGeometry(650, 124, 349, 9);
    Panel3 = new Panel(this, QStringLiteral("Panel3"));
    Panel3->setGeometry(652, 136, 345, 345);
    Image2 = new ImageWidget(Panel3, QStringLiteral("Image2"));
    Image2->setGeometry(1, 1, 343, 343);
    const QString legend = QStringLiteral("[tau, 0,  tau,_ymax  ] [ 0, C0*10,  tau, 0 ]");
    Image2->setToolTip(legend);
    Label41 = label(this, "Label41", legend, {652, 484, 345, 16});
    colour_text(Label41, kRed);

    // Statistics block
    RadioGroup2 = make<QGroupBox>(this, "RadioGroup2");
    RadioGroup2->setTitle(QStringLiteral("durée totale"));
    RadioGroup2->setGeometry(266, 240, 374, 62);
    RadioGroup2_items = new QButtonGroup(this);
    RadioGroup2_items->setObjectName(QStringLiteral("RadioGroup2_items"));
    const QString items[2] = {QStringLiteral("moyenne de chaque classe ="), QStringLiteral("centre de chaque classe     =")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(items[i], RadioGroup2);
        r->setObjectName(QStringLiteral("RadioGroup2_item%1").arg(i));
        r->setGeometry(10, 18 + 20 * i, 300, 18);
        RadioGroup2_items->addButton(r, i);
    }
    RadioGroup2_items->button(0)->setChecked(true);
    struct Pair {
        const char* caption_name;
        QString caption;
        const char* value_name;
        QLabel** caption_label;
        QLabel** value_label;
    };
    const Pair pairs[] = {
        {"Label42", QStringLiteral("durée totale (moyenne classe) = "), "Label43", &Label42, &Label43},
        {"Label22", QStringLiteral("durée totale (valeur centrale)  = "), "Label23", &Label22, &Label23},
        {"Label24", QStringLiteral("évènements ="), "Label25", &Label24, &Label25},
        {"Label26", QStringLiteral("durée moyenne, Tau ="), "Label27", &Label26, &Label27},
        {"Label28", QStringLiteral("Lambda , 1 / Tau ="), "Label29", &Label28, &Label29},
        {"Label30", QStringLiteral("T 1/2 , Tau . ln(2) ="), "Label31", &Label30, &Label31},
        {"Label32", QStringLiteral("Cm, événemets à vie moyenne ="), "Label33", &Label32, &Label33},
        {"Label34", QStringLiteral("10x atomes initiaux, C0 = Cm / e ="), "Label35", &Label34, &Label35},
        {"Label36", QStringLiteral("Activité initiale = C0 / durée d'acquisition ="), "Label37", &Label36, &Label37},
    };
    int y = 308;
    for (const Pair& p : pairs) {
        *p.caption_label = label(this, p.caption_name, p.caption, {266, y, 240, 18});
        *p.value_label = label(this, p.value_name, QStringLiteral("..."), {510, y, 130, 18});
        (*p.value_label)->setFont(bold(base));
        y += 20;
    }
    colour_text(Label34, kRed);

    // Comment area
    Label19 = label(this, "Label19", QStringLiteral("Commentaires"), {266, 494, 200, 18});
    Label19->setFont(bold(base, 9));
    colour_text(Label19, kMaroon);
    Memo2 = make<QPlainTextEdit>(this, "Memo2");
    Memo2->setGeometry(266, 514, 374, 180);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Label39 = label(this, "Label39", QStringLiteral("..."), {266, 698, 270, 18});
    SpeedButton_comment = flat_button(this, "SpeedButton_comment", QStringLiteral("Enregistrer"), {550, 696, 90, 22});

    // Class listing and trace
    Memo4 = make<QPlainTextEdit>(this, "Memo4");
    Memo4->setGeometry(652, 504, 345, 216);
    Memo4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo4->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3 = make<QPlainTextEdit>(this, "Memo3");
    Memo3->setGeometry(1000, 504, 50, 50);
    Memo3->setVisible(false);

    // Bottom bar
    setup_SpeedButton6 = flat_button(this, "setup_SpeedButton6", QString(), {8, 744, 36, 36});
    setup_SpeedButton6->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    setup_SpeedButton6->setToolTip(QStringLiteral("Setup"));
    SpeedButton3 = flat_button(this, "SpeedButton3", QStringLiteral("about"), {48, 748, 60, 28});
    SpeedButton_exit = flat_button(this, "SpeedButton_exit", QStringLiteral("exit"), {112, 748, 60, 28});
    Label15 = label(this, "Label15", QStringLiteral("Last line"), {190, 744, 450, 36});
    Label15->setFont(bold(base, 14));
    Label38 = label(this, "Label38", QStringLiteral("File name"), {652, 744, 400, 36});
    Label38->setFont(bold(base, 14));
    colour_text(Label38, kNavy);

    // Setup panel
    setup_Panel4 = new Panel(this, QStringLiteral("setup_Panel4"));
    setup_Panel4->setGeometry(266, 136, 406, 504);
    setup_Panel4->setColor(kSilver);
    Setupo = static_text(setup_Panel4, "Setupo", QStringLiteral("Setup"), {10, 10, 386, 24});
    Setupo->setFont(bold(base, 11));
    Setupo->setAlignment(Qt::AlignCenter);
    Label10 = label(setup_Panel4, "Label10", QStringLiteral("refresh period [s]"), {20, 56, 130, 20});
    Edit5 = field(setup_Panel4, "Edit5", QStringLiteral("5"), {160, 56, 60, 20});
    Panel1 = new Panel(setup_Panel4, QStringLiteral("Panel1"));
    Panel1->setGeometry(232, 56, 20, 20);
    CheckBox2 = check_box(setup_Panel4, "CheckBox2", QStringLiteral("test file time / size"), true, {20, 88, 200, 20});
    Label9 = label(setup_Panel4, "Label9", QStringLiteral("thickness lines"), {20, 128, 130, 20});
    Edit3 = field(setup_Panel4, "Edit3", QStringLiteral("2"), {160, 128, 60, 20});
    Panel7 = new Panel(setup_Panel4, QStringLiteral("Panel7"), QStringLiteral("color window"));
    Panel7->setGeometry(20, 170, 200, 30);
    SpeedButton2 = flat_button(setup_Panel4, "SpeedButton2", QStringLiteral("Close"), {150, 460, 100, 28});
    setup_Panel4->setVisible(false);

    // About panel
    Panel4 = new Panel(this, QStringLiteral("Panel4"));
    Panel4->setGeometry(652, 136, 395, 501);
    Panel4->setColor(kSilver);
    StaticText4 = static_text(Panel4, "StaticText4", QStringLiteral("Logiciel de lecture graphique "), {20, 14, 355, 22});
    StaticText8 = static_text(Panel4, "StaticText8", QStringLiteral("associée à un fichier texte"), {20, 38, 355, 22});
    Image4 = new ImageWidget(Panel4, QStringLiteral("Image4"));
    Image4->setGeometry(29, 70, 337, 177);
    StaticText5 = static_text(Panel4, "StaticText5", QStringLiteral("vorns, logiciel libre de suivi d'acquisition"), {20, 262, 355, 20});
    StaticText6 = static_text(Panel4, "StaticText6", QStringLiteral("Contact : voir la documentation fournie avec vorns"), {20, 288, 355, 20});
    Edit4 = field(Panel4, "Edit4", QStringLiteral("README.md"), {20, 314, 240, 20});
    Edit4->setReadOnly(true);
    Label44 = label(Panel4, "Label44", QStringLiteral(" => Logiciels"), {264, 314, 110, 20});
    StaticText9 = static_text(Panel4, "StaticText9", QStringLiteral("Mesure de durées de vie en salle de travaux pratiques"), {20, 340, 355, 20});
    Panel5 = new Panel(Panel4, QStringLiteral("Panel5"), QStringLiteral("Close"));
    Panel5->setGeometry(148, 450, 100, 30);
    Panel5->captionLabel()->setFont(bold(base));
    colour_text(Panel5->captionLabel(), kTeal);
    Panel4->setVisible(false);

    // Timer
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

namespace {
// Every handler runs inside the error report.
template <class Sender, class Signal>
void relie(TForm1* form, Sender* sender, Signal signal, void (TForm1::*handler)()) {
    QObject::connect(sender, signal, form, [form, handler] { platform::report_errors([&] { (form->*handler)(); }); });
}
}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    Form1 = this;
    creeLesControles();

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

    relie(this, SpeedButton_comment, &QToolButton::clicked, &TForm1::SpeedButton_commentClick);

    relie(this, setup_SpeedButton6, &QToolButton::clicked, &TForm1::setup_SpeedButton6Click);
    relie(this, SpeedButton2, &QToolButton::clicked, &TForm1::SpeedButton2Click);
    relie(this, SpeedButton3, &QToolButton::clicked, &TForm1::SpeedButton3Click);
    relie(this, Panel5, &Panel::clicked, &TForm1::Panel5Click);
    relie(this, Panel7, &Panel::clicked, &TForm1::Panel7Click);
    relie(this, SpeedButton_exit, &QToolButton::clicked, &TForm1::SpeedButton_exitClick);

    relie(this, Timer1, &QTimer::timeout, &TForm1::Timer1Timer);

    platform::report_errors([this] { FormCreate(); });
    Timer1->start();
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::setColor(QColor c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

QColor TForm1::color() const { return palette().color(QPalette::Window); }

QString TForm1::texte_numero(int n) const {
    // An empty memo has no line at all.
    const int lines = Memo4->document()->isEmpty() ? 0 : Memo4->document()->blockCount();
    if (n >= 0 && n < lines) return Memo4->document()->findBlockByNumber(n).text();
    return ::texte_numero(QStringList(), n);
}
