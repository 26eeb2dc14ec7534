// Builds every control of the main window with its name, caption, default
// text, check state, hint and place (app/form1_anchors.h has the places).
#include "app/form1_anchors.h"
#include "app/form1_screen.h"
#include "app/tform1.h"

#include "app/pictures.h"
#include "platform/files.h"
#include "settings/language_choice.h"
#include "text/fields.h"

#include <QFont>
#include <QIcon>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

using namespace form1;

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
    base.setStyleHint(QFont::SansSerif);
    base.setPointSize(8);
    setFont(base);
    resize(kOuterWidth, kOuterHeight);
    setAutoFillBackground(true);
    setColor(kSilver);

    // The content, which holds every control at its place, in a frameless
    // scroll area filling the window: it scrolls where the window is smaller
    // than the designed client area, and takes the window's size where larger.
    defilement_ = make<QScrollArea>(this, "defilement");
    defilement_->setFrameShape(QFrame::NoFrame);
    defilement_->setWidgetResizable(true);
    contenu_ = new QWidget;
    contenu_->setObjectName(QStringLiteral("contenu"));
    contenu_->setMinimumSize(kDesignClientWidth, kDesignClientHeight);
    defilement_->setWidget(contenu_);
    auto* remplit = new QVBoxLayout(this);
    remplit->setContentsMargins(0, 0, 0, 0);
    remplit->addWidget(defilement_);
    QWidget* const zone = contenu_;

    // Header of the data file: its first four lines.
    Label3 = label(zone, "Label3", tr("Line 1"), {kLeftX, 6, 462, 16});
    Label2 = label(zone, "Label2", tr("Line 2"), {kLeftX, 23, 462, 16});
    Label1 = label(zone, "Label1", tr("Line 3"), {kLeftX, 40, 462, 16});
    Label4 = label(zone, "Label4", tr("Line 4"), {kLeftX, 57, 462, 16});
    for (QLabel* l : {Label3, Label2, Label1, Label4}) {
        l->setFont(bold(base));
        colour_text(l, kNavy);
    }

    // Data file chooser: the whole panel is the button.
    Panel8 = new Panel(zone, QStringLiteral("Panel8"));
    Panel8->setGeometry(486, 8, 150, 60);
    Panel8->setColor(kSilver);
    Panel8->setCursor(Qt::PointingHandCursor);
    Image5 = new ImageWidget(Panel8, QStringLiteral("Image5"));
    Image5->setGeometry(10, 14, 32, 32);
    Image5->setPicture(image_dossier);
    Label7 = make<ClickLabel>(Panel8, "Label7");
    Label7->setText(tr("Target File"));
    Label7->setGeometry(48, 10, 96, 40);
    Label7->setFont(bold(base, 10));
    colour_text(Label7, kNavy);

    // Counters
    StaticText7 = static_text(zone, "StaticText7", tr("number of records"), {kRightX, 8, 132, 22});
    StaticText1 = static_text(zone, "StaticText1", QStringLiteral("n"), {kRightX + 136, 8, 90, 22});
    StaticText2 = static_text(zone, "StaticText2", tr("acqisition time [mn]"), {kRightX, 34, 132, 22});
    StaticText3 = static_text(zone, "StaticText3", QStringLiteral("0"), {kRightX + 136, 34, 90, 22});
    for (QLabel* l : {StaticText1, StaticText3}) l->setFont(bold(base));
    Label40 = label(zone, "Label40", QStringLiteral("5"), {kRightX + 232, 34, 150, 22});
    Label40->setFont(bold(base));
    sound_CheckBox8 = check_box(zone, "sound_CheckBox8", tr("sound"), false, {kRightX + 232, 8, 100, 22});

    // Scale controls: label, field, "+" and "-" (the names run against the captions).
    Label5 = label(zone, "Label5", tr("scale"), {kLeftX, 80, 60, 16});
    Label5->setFont(bold(base));
    constexpr int kScaleY = 98;
    auto scale_group = [&](int x, int label_width, const char* label_name, const QString& caption,
                           const char* edit_name, const QString& text, const char* up_name, const char* down_name,
                           QLabel*& l, QLineEdit*& e, QToolButton*& up, QToolButton*& down) {
        l = label(zone, label_name, caption, {x, kScaleY, label_width, 22});
        l->setFont(bold(base));
        x += label_width + 2;
        e = field(zone, edit_name, text, {x, kScaleY, 58, 22});
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        up = flat_button(zone, up_name, QStringLiteral("+"), {x + 60, kScaleY, 24, 22});
        down = flat_button(zone, down_name, QStringLiteral("-"), {x + 84, kScaleY, 24, 22});
        for (QToolButton* b : {up, down}) b->setFont(bold(base, 10));
    };
    scale_group(kLeftX, 14, "Label12", QStringLiteral("x"), "Edit1", QStringLiteral("150"), "x_moins_SpeedButton3",
                "x_plus_SpeedButton3", Label12, Edit1, x_moins_SpeedButton3, x_plus_SpeedButton3);
    autoscale_X_CheckBox7 =
        check_box(zone, "autoscale_X_CheckBox7", tr("autoscale"), true, {kLeftX + 128, kScaleY, 86, 22});
    scale_group(kLeftX + 226, 14, "Label13", QStringLiteral("y"), "Edit2", QStringLiteral("1000"),
                "y_moins_SpeedButton3", "y_plus_SpeedButton3", Label13, Edit2, y_moins_SpeedButton3,
                y_plus_SpeedButton3);
    autoscale_Y_CheckBox8 =
        check_box(zone, "autoscale_Y_CheckBox8", tr("autoscale"), true, {kLeftX + 354, kScaleY, 86, 22});
    scale_group(kMiddleX + 212, 40, "Label11", QStringLiteral("X max"), "Edit6", QStringLiteral("800"), "SpeedButton7",
                "SpeedButton5", Label11, Edit6, SpeedButton7, SpeedButton5);
    scale_group(kRightX - 18, 40, "Label16", QStringLiteral("N max"), "Edit7", QStringLiteral("100"), "SpeedButton9",
                "SpeedButton8", Label16, Edit7, SpeedButton9, SpeedButton8);
    constexpr int kClassX = kRightX + 150;
    Label20 = label(zone, "Label20", tr("Largeur de classe"), {kClassX, 80, 160, 16});
    Label20->setFont(bold(base));
    scale_group(kClassX, 22, "Label14", QStringLiteral("dX"), "Edit8", QStringLiteral("10"), "SpeedButton12",
                "SpeedButton10", Label14, Edit8, SpeedButton12, SpeedButton10);
    CheckBox1 = check_box(zone, "CheckBox1", tr("autoscale"), true, {kClassX + 134, kScaleY, 86, 22});
    Label6 = label(zone, "Label6", tr("Nb of"), {kClassX, 123, 30, 16});
    Label8 = label(zone, "Label8", tr("classes"), {kClassX + 32, 123, 42, 16});
    Label21 = label(zone, "Label21", tr(" Xmax / dX ="), {kClassX + 74, 123, 70, 16});
    Label17 = label(zone, "Label17", QStringLiteral("80"), {kClassX + 146, 123, 40, 16});
    Label17->setFont(bold(base));
    Label18 = label(zone, "Label18", tr("classes"), {kClassX + 188, 123, 46, 16});

    // Data memo
    Memo1 = new LinesView(zone, QStringLiteral("Memo1"));
    Memo1->setGeometry(kLeftX, kColumnsY, 232, 542);
    Label_nb_ligne = label(zone, "Label_nb_ligne", QString(), {kLeftX, kColumnsY + 544, 232, 18});

    // Plots and the load indicator strip. The images take their panels'
    // inside at start-up; until then they keep these design sizes.
    Panel2 = new Panel(zone, QStringLiteral("Panel2"));
    Panel2->setGeometry(kMiddleX, kColumnsY, 374, 97);
    Image1 = new ImageWidget(Panel2, QStringLiteral("Image1"));
    Image1->setGeometry(4, 4, 366, 89);
    Panel6 = new Panel(zone, QStringLiteral("Panel6"));
    Panel6->setGeometry(kRightX - 2, kColumnsY - 12, 349, 9);
    Panel3 = new Panel(zone, QStringLiteral("Panel3"));
    Panel3->setGeometry(kRightX, kColumnsY, 345, 345);
    Image2 = new ImageWidget(Panel3, QStringLiteral("Image2"));
    Image2->setGeometry(4, 4, 337, 337);
    const QString legend = QStringLiteral("[tau, 0,  tau,_ymax  ] [ 0, C0*10,  tau, 0 ]");
    Image2->setToolTip(legend);
    Label41 = label(zone, "Label41", legend, {kRightX, kColumnsY + 348, 345, 16});
    colour_text(Label41, kRed);

    // Statistics block
    RadioGroup2 = make<QGroupBox>(zone, "RadioGroup2");
    RadioGroup2->setTitle(tr("durée totale"));
    RadioGroup2->setGeometry(kMiddleX, kColumnsY + 103, 374, 62);
    RadioGroup2_items = new QButtonGroup(this);
    RadioGroup2_items->setObjectName(QStringLiteral("RadioGroup2_items"));
    const QString items[2] = {tr("moyenne de chaque classe ="),
                              tr("centre de chaque classe     =")};
    for (int i = 0; i < 2; ++i) {
        auto* r = new QRadioButton(items[i], RadioGroup2);
        r->setObjectName(QStringLiteral("RadioGroup2_item%1").arg(i));
        r->setGeometry(12, 18 + 20 * i, 300, 19);
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
        {"Label42", tr("durée totale (moyenne classe) = "), "Label43", &Label42, &Label43},
        {"Label22", tr("durée totale (valeur centrale)  = "), "Label23", &Label22, &Label23},
        {"Label24", tr("évènements ="), "Label25", &Label24, &Label25},
        {"Label26", tr("durée moyenne, Tau ="), "Label27", &Label26, &Label27},
        {"Label28", tr("Lambda , 1 / Tau ="), "Label29", &Label28, &Label29},
        {"Label30", tr("T 1/2 , Tau . ln(2) ="), "Label31", &Label30, &Label31},
        {"Label32", tr("Cm, événemets à vie moyenne ="), "Label33", &Label32, &Label33},
        {"Label34", tr("10x atomes initiaux, C0 = Cm / e ="), "Label35", &Label34, &Label35},
        {"Label36", tr("Activité initiale = C0 / durée d'acquisition ="), "Label37", &Label36, &Label37},
    };
    int y = kColumnsY + 170;
    for (const Pair& p : pairs) {
        *p.caption_label = label(zone, p.caption_name, p.caption, {kMiddleX + 4, y, 250, 18});
        (*p.caption_label)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *p.value_label = label(zone, p.value_name, TEXTE_SANS_CHIFFRE, {kMiddleX + 260, y, 114, 18});
        (*p.value_label)->setFont(bold(base));
        y += 19;
    }
    colour_text(Label34, kRed);

    // Comment area
    Label19 = label(zone, "Label19", tr("Commentaires"), {kMiddleX, kColumnsY + 346, 200, 20});
    Label19->setFont(bold(base, 10));
    colour_text(Label19, kMaroon);
    Memo2 = make<QPlainTextEdit>(zone, "Memo2");
    Memo2->setGeometry(kMiddleX, kColumnsY + 368, 374, 146);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Label39 = label(zone, "Label39", QStringLiteral("..."), {kMiddleX, kColumnsY + 518, 276, 24});
    SpeedButton_comment = flat_button(zone, "SpeedButton_comment", tr("Enregistrer"),
                                      {kMiddleX + 284, kColumnsY + 518, 90, 24});
    SpeedButton_comment->setFont(bold(base));

    // Class listing and its hidden companion
    Memo4 = make<QPlainTextEdit>(zone, "Memo4");
    Memo4->setGeometry(kRightX, kColumnsY + 368, 345, 174);
    Memo4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo4->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo3 = make<QPlainTextEdit>(zone, "Memo3");
    Memo3->setGeometry(kRightX, kColumnsY + 368, 60, 40);
    Memo3->setVisible(false);

    // Bottom bar
    setup_SpeedButton6 = flat_button(zone, "setup_SpeedButton6", QString(), {kLeftX, kBottomBarY, 40, 40});
    setup_SpeedButton6->setIcon(QIcon(image_reglages(64)));
    setup_SpeedButton6->setIconSize(QSize(32, 32));
    SpeedButton3 = flat_button(zone, "SpeedButton3", tr("about"), {kLeftX + 48, kBottomBarY + 6, 64, 28});
    SpeedButton_exit =
        flat_button(zone, "SpeedButton_exit", tr("exit"), {kLeftX + 116, kBottomBarY + 6, 64, 28});
    for (QToolButton* b : {SpeedButton3, SpeedButton_exit}) b->setFont(bold(base, 9));
    // The last line takes the bar from the clock to the fit button, which ends
    // under the comment's "Enregistrer".
    Label15 = label(zone, "Label15", tr("Last line"), {kMiddleX - 48, kBottomBarY, 330, 40});
    Label15->setFont(bold(base, 14));
    SpeedButton_ajustement = flat_button(zone, "SpeedButton_ajustement", tr("ajustement"),
                                         {kMiddleX + 290, kBottomBarY + 6, 84, 28});
    SpeedButton_ajustement->setFont(bold(base, 9));
    Label38 = label(zone, "Label38", tr("File name"), {kRightX, kBottomBarY, 395, 40});
    Label38->setFont(bold(base, 14));
    colour_text(Label38, kNavy);
    // The status line of the loads: in the free row under the comment's name
    // and the class listing, level with the line count of the data memo.
    Label_etat_chargement =
        label(zone, "Label_etat_chargement", QString(), {kMiddleX, kColumnsY + 544, kRightX + 345 - kMiddleX, 18});
    Label_etat_chargement->setTextFormat(Qt::PlainText);
    Label_etat_chargement->setFont(bold(base));
    colour_text(Label_etat_chargement, kMaroon);
    // While a stopped run's alarm stands and sounds: at the status line's
    // right end, over it, the button that silences it.
    SpeedButton_acquitter = flat_button(zone, "SpeedButton_acquitter", tr("acquitter"),
                                        {kRightX + 345 - 84, kColumnsY + 543, 84, 20});
    SpeedButton_acquitter->setFont(bold(base));
    SpeedButton_acquitter->setToolTip(tr("Arrêter le son de l'alarme ; elle reste affichée"));
    SpeedButton_acquitter->hide();

    // Setup panel: hidden; start-up puts it over the records plot.
    setup_Panel4 = new Panel(zone, QStringLiteral("setup_Panel4"));
    setup_Panel4->setGeometry(kLeftX + 12, kColumnsY + 40, 406, 504);
    setup_Panel4->setColor(kSilver);
    Setupo = static_text(setup_Panel4, "Setupo", tr("Setup"), {12, 12, 382, 30});
    Setupo->setFont(bold(base, 12));
    Setupo->setAlignment(Qt::AlignCenter);
    Label10 = label(setup_Panel4, "Label10", tr("refresh period [s]"), {24, 66, 140, 22});
    Edit5 = field(setup_Panel4, "Edit5", QStringLiteral("5"), {170, 66, 60, 22});
    Edit5->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Panel1 = new Panel(setup_Panel4, QStringLiteral("Panel1"));
    Panel1->setGeometry(244, 66, 22, 22);
    CheckBox2 = check_box(setup_Panel4, "CheckBox2", tr("test file time / size"), true, {24, 100, 240, 22});
    Label9 = label(setup_Panel4, "Label9", tr("thickness lines"), {24, 146, 140, 22});
    Edit3 = field(setup_Panel4, "Edit3", QStringLiteral("2"), {170, 146, 60, 22});
    Edit3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Panel7 = new Panel(setup_Panel4, QStringLiteral("Panel7"), tr("color window"));
    Panel7->setGeometry(24, 196, 206, 34);
    Panel7->setCursor(Qt::PointingHandCursor);
    Panel7->captionLabel()->setFont(bold(base, 9));
    // The language, an addition below the original controls; the languages
    // named in their own words.
    Label_langue = label(setup_Panel4, "Label_langue", tr("langue"), {24, 252, 140, 22});
    ComboBox_langue = make<QComboBox>(setup_Panel4, "ComboBox_langue");
    ComboBox_langue->setGeometry(170, 252, 140, 24);
    ComboBox_langue->addItem(tr("système"), QString());
    ComboBox_langue->addItem(QStringLiteral("français"), QStringLiteral("fr"));
    ComboBox_langue->addItem(QStringLiteral("English"), QStringLiteral("en"));
    ComboBox_langue->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    ComboBox_langue->setCurrentIndex(std::max(0, ComboBox_langue->findData(lit_langue_choisie())));
    SpeedButton2 = flat_button(setup_Panel4, "SpeedButton2", tr("Close"), {153, 456, 100, 30});
    SpeedButton2->setFont(bold(base, 9));
    setup_Panel4->setVisible(false);

    // About panel: hidden; start-up puts it over the class plot.
    Panel4 = new Panel(zone, QStringLiteral("Panel4"));
    Panel4->setGeometry(kRightX - 40, kColumnsY + 20, 395, 501);
    Panel4->setColor(kSilver);
    StaticText4 =
        static_text(Panel4, "StaticText4", tr("Logiciel de lecture graphique "), {29, 14, 337, 24});
    StaticText8 = static_text(Panel4, "StaticText8", tr("associée à un fichier texte"), {29, 40, 337, 24});
    for (QLabel* l : {StaticText4, StaticText8}) {
        l->setAlignment(Qt::AlignCenter);
        l->setFont(bold(base, 10));
    }
    Image4 = new ImageWidget(Panel4, QStringLiteral("Image4"));
    Image4->setGeometry(29, 74, 337, 177);
    Image4->setPicture(image_a_propos);
    StaticText5 = static_text(Panel4, "StaticText5", tr("vorns : suivi d'une acquisition de durées de vie"),
                              {29, 266, 337, 22});
    StaticText6 = static_text(Panel4, "StaticText6", tr("Mode d'emploi : le fichier README.md du projet"),
                              {29, 294, 337, 22});
    Edit4 = field(Panel4, "Edit4", platform::native_path(platform::program_folder()), {29, 322, 240, 22});
    Edit4->setReadOnly(true);
    Edit4->setToolTip(tr("Dossier du programme"));
    Label44 = label(Panel4, "Label44", tr(" => Logiciels"), {273, 322, 93, 22});
    StaticText9 = static_text(Panel4, "StaticText9", tr("Histogramme, Tau, T 1/2, C0 et activité initiale"),
                              {29, 350, 337, 22});
    for (QLabel* l : {StaticText5, StaticText6, StaticText9}) l->setAlignment(Qt::AlignCenter);
    Panel5 = new Panel(Panel4, QStringLiteral("Panel5"), tr("Close"));
    Panel5->setGeometry(147, 450, 100, 32);
    Panel5->setCursor(Qt::PointingHandCursor);
    Panel5->captionLabel()->setFont(bold(base, 9));
    colour_text(Panel5->captionLabel(), kTeal);
    Panel4->setVisible(false);

    // Timer
    Timer1 = new QTimer(this);
    Timer1->setTimerType(Qt::PreciseTimer);  // the refresh period is kept to the millisecond
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    // The outer size once framed, then what follows the bottom edge of a taller client area.
    new Cadre(this);
    auto* ancres = new Ancres(zone);
    ancres->etire(Memo1);
    ancres->etire(Memo2);
    ancres->etire(Memo4);
    for (QWidget* w :
         std::initializer_list<QWidget*>{Label_nb_ligne, Label39, SpeedButton_comment, setup_SpeedButton6, SpeedButton3,
                                         SpeedButton_exit, Label15, SpeedButton_ajustement}) {
        ancres->suit(w);
    }
    ancres->suit(Label38, true);
    ancres->suit(Label_etat_chargement);
    ancres->suit(SpeedButton_acquitter);
}
