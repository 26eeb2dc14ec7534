// The main window from the keyboard and for a screen reader: the order of Tab,
// the shortcuts, the tool tips, the accessible names and the figures read
// with their captions. Nothing here changes what the controls show.
#include "app/accessibility.h"
#include "app/tform1.h"

#include "platform/files.h"
#include "platform/locations.h"
#include "platform/report.h"
#include "platform/seams.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QScrollArea>
#include <QShortcut>

#include <initializer_list>

using accessibilite::nomme;

namespace {

const QKeySequence kOuvrir(Qt::CTRL | Qt::Key_O);
const QKeySequence kEnregistrer(Qt::CTRL | Qt::Key_S);
const QKeySequence kQuitter(Qt::CTRL | Qt::Key_Q);
const QKeySequence kAide(Qt::Key_F1);
const QKeySequence kFermer(Qt::Key_Escape);

QString touche(const QKeySequence& sequence) { return sequence.toString(QKeySequence::NativeText); }

// A memo in which Tab moves on, as everywhere else, and Ctrl+Tab types a tab.
class TabulationAuClavier : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* touche = static_cast<QKeyEvent*>(event);
        if (touche->key() != Qt::Key_Tab || touche->modifiers() != Qt::ControlModifier) return false;
        auto* memo = qobject_cast<QPlainTextEdit*>(objet);
        if (!memo || memo->isReadOnly()) return false;
        memo->insertPlainText(QStringLiteral("\t"));
        return true;
    }
};

}  // namespace

void TForm1::rendLesControlesAccessibles() {
    // The scroll area is no stop of Tab: it brings the control with the focus into view.
    defilement_->setFocusPolicy(Qt::NoFocus);
    for (Panel* p : {Panel8, Panel7, Panel5}) p->setPressable(true);
    for (QPlainTextEdit* memo : {Memo2, Memo4, Memo3}) memo->setTabChangesFocus(true);
    Memo2->installEventFilter(new TabulationAuClavier(Memo2));

    // Tab follows the reading order; each hidden panel's controls come after
    // the button that shows it.
    const std::initializer_list<QWidget*> ordre = {
        setup_SpeedButton6,    Edit5,        CheckBox2, Edit3,  Panel7, ComboBox_langue,
        SpeedButton2,          SpeedButton3, Edit4,     Panel5, SpeedButton_exit,
        SpeedButton_ajustement};
    for (auto w = ordre.begin(); w + 1 != ordre.end(); ++w) setTabOrder(*w, *(w + 1));

    // The shortcuts, each inside the error report as the buttons' handlers are.
    const auto raccourci = [this](const QKeySequence& sequence, void (TForm1::*handler)(), Qt::ShortcutContext ctx) {
        auto* s = new QShortcut(sequence, this);
        s->setContext(ctx);
        connect(s, &QShortcut::activated, this,
                [this, handler] { platform::report_errors([&] { (this->*handler)(); }); });
    };
    raccourci(kOuvrir, &TForm1::SpeedButton_1Click, Qt::WindowShortcut);
    raccourci(kEnregistrer, &TForm1::SpeedButton_commentClick, Qt::WindowShortcut);
    raccourci(kFermer, &TForm1::ferme_les_panneaux, Qt::WindowShortcut);
    raccourci(kQuitter, &TForm1::SpeedButton_exitClick, Qt::ApplicationShortcut);
    raccourci(kAide, &TForm1::ouvre_le_mode_d_emploi, Qt::ApplicationShortcut);

    // What each control does, with its shortcut: its tool tip and its
    // description; the accessible name where the caption does not say it.
    nomme(Panel8, {}, tr("Choisir le fichier de données à suivre (%1)").arg(touche(kOuvrir)));
    nomme(sound_CheckBox8, {}, tr("Jouer le son ding1.wav à chaque rafraîchissement"));
    nomme(Edit1, tr("échelle x"),
          tr("Durée d'acquisition en minutes au bout de l'axe horizontal du graphe des enregistrements"));
    nomme(x_moins_SpeedButton3, tr("augmenter l'échelle x"),
          tr("Échelle x à la valeur suivante de la suite 1, 2, 3 … 10, 20 …"));
    nomme(x_plus_SpeedButton3, tr("diminuer l'échelle x"),
          tr("Échelle x à la valeur précédente de la suite 1, 2, 3 … 10, 20 …"));
    nomme(autoscale_X_CheckBox7, tr("autoscale x"),
          tr("Échelle x prise de la durée d'acquisition à chaque chargement"));
    nomme(Edit2, tr("échelle y"), tr("Durée au bout de l'axe vertical du graphe des enregistrements"));
    nomme(y_moins_SpeedButton3, tr("augmenter l'échelle y"),
          tr("Échelle y à la valeur suivante de la suite 1, 2, 3 … 10, 20 …"));
    nomme(y_plus_SpeedButton3, tr("diminuer l'échelle y"),
          tr("Échelle y à la valeur précédente de la suite 1, 2, 3 … 10, 20 …"));
    nomme(autoscale_Y_CheckBox8, tr("autoscale y"), tr("Échelle y prise de la plus longue durée à chaque chargement"));
    nomme(Edit6, tr("X max"), tr("Durée au bout de l'axe horizontal de l'histogramme ; les classes vont jusque-là"));
    nomme(SpeedButton7, tr("augmenter X max"), tr("X max à la valeur suivante de la suite 1, 2, 3 … 10, 20 …"));
    nomme(SpeedButton5, tr("diminuer X max"), tr("X max à la valeur précédente de la suite 1, 2, 3 … 10, 20 …"));
    nomme(Edit7, tr("N max"), tr("Effectif au haut de l'axe vertical de l'histogramme"));
    nomme(SpeedButton9, tr("augmenter N max"), tr("N max à la valeur suivante de la suite 1, 2, 3 … 10, 20 …"));
    nomme(SpeedButton8, tr("diminuer N max"), tr("N max à la valeur précédente de la suite 1, 2, 3 … 10, 20 …"));
    nomme(Edit8, tr("largeur de classe dX"), tr("Largeur des classes de l'histogramme, dans l'unité des durées"));
    nomme(SpeedButton12, tr("augmenter dX"), tr("dX à la valeur suivante de la suite 1, 2, 3 … 10, 20 …"));
    nomme(SpeedButton10, tr("diminuer dX"), tr("dX à la valeur précédente de la suite 1, 2, 3 … 10, 20 …"));
    nomme(CheckBox1, tr("autoscale N max"), tr("N max pris de la classe la plus remplie à chaque chargement"));
    nomme(Memo1, tr("lignes du fichier de données"), tr("Les lignes du fichier de données, telles qu'il les tient"));
    for (QAbstractButton* r : RadioGroup2_items->buttons()) {
        nomme(r, {}, tr("Durée totale faite de la moyenne ou du centre de chaque classe"));
    }
    nomme(Memo2, tr("commentaire"),
          tr("Commentaire gardé à côté du fichier de données ; %1 insère une tabulation")
              .arg(touche(QKeySequence(Qt::CTRL | Qt::Key_Tab))));
    nomme(SpeedButton_comment, tr("enregistrer le commentaire"),
          tr("Enregistrer le commentaire dans son fichier (%1)").arg(touche(kEnregistrer)));
    nomme(Memo4, tr("liste des classes"), tr("L'effectif de chaque classe de l'histogramme"));
    nomme(Memo3, tr("trace du calcul des classes"), tr("Les étapes du calcul des classes"));
    nomme(setup_SpeedButton6, tr("panneau de réglages"), tr("Ouvrir ou fermer le panneau de réglages"));
    nomme(SpeedButton3, tr("à propos"),
          tr("Ouvrir ou fermer le panneau « à propos » ; %1 ouvre le mode d'emploi").arg(touche(kAide)));
    nomme(SpeedButton_exit, tr("quitter"), tr("Quitter vorns (%1)").arg(touche(kQuitter)));
    nomme(SpeedButton_ajustement, tr("analyse du run"),
          tr("Ouvrir la fenêtre d'analyse du run : ajustement de la durée de vie, taux, runs ; %1 la ferme")
              .arg(touche(kFermer)));
    nomme(Image1, tr("graphe des enregistrements"), tr("Chaque enregistrement : sa durée selon le temps écoulé"));
    nomme(Image2, tr("histogramme des classes"));
    nomme(Edit5, tr("période de rafraîchissement en secondes"),
          tr("Temps entre deux relectures du fichier de données, en secondes"));
    nomme(CheckBox2, {}, tr("Ne relire le fichier que quand sa taille ou sa date a changé"));
    nomme(Edit3, tr("épaisseur des traits"), tr("Épaisseur des traits des deux graphes, en pixels"));
    nomme(Panel7, {}, tr("Choisir la couleur de la fenêtre, gardée pour le prochain démarrage"));
    nomme(ComboBox_langue, tr("langue"),
          tr("La langue des textes de vorns, prise au prochain démarrage ; système : celle du bureau"));
    nomme(SpeedButton2, {}, tr("Fermer le panneau de réglages (%1)").arg(touche(kFermer)));
    nomme(Edit4, tr("dossier du programme"));
    nomme(Panel5, {}, tr("Fermer le panneau « à propos » (%1)").arg(touche(kFermer)));

    // Each figure read with its caption.
    const std::pair<QLabel*, QLabel*> figures[] = {
        {StaticText1, StaticText7}, {StaticText3, StaticText2}, {Label40, StaticText2}, {Label17, Label21},
        {Label43, Label42},         {Label23, Label22},         {Label25, Label24},     {Label27, Label26},
        {Label29, Label28},         {Label31, Label30},         {Label33, Label32},     {Label35, Label34},
        {Label37, Label36}};
    for (const auto& [valeur, libelle] : figures) accessibilite::figure(valeur, libelle);
}

// The class pass gives the listing the focus, but takes it neither from a
// person typing in a field or the comment (a tick's reload would send the
// rest of what they type into the listing) nor from one who moves through the
// window from the keyboard (Tab out of X max would land in the listing, and
// the next Space on "+" of dX would type into it).
bool TForm1::le_listing_peut_prendre_le_focus() const {
    if (testAttribute(Qt::WA_KeyboardFocusChange)) return false;
    const QWidget* focus = focusWidget();
    if (!focus || focus == Memo4) return true;
    if (qobject_cast<const QLineEdit*>(focus)) return false;
    const auto* memo = qobject_cast<const QPlainTextEdit*>(focus);
    return !memo || memo->isReadOnly();
}

void TForm1::ferme_les_panneaux() {
    for (QWidget* panneau : {static_cast<QWidget*>(setup_Panel4), static_cast<QWidget*>(Panel4)}) {
        // The focus goes back to the button that opened the panel.
        if (panneau->isVisible() && panneau->isAncestorOf(focusWidget())) {
            (panneau == setup_Panel4 ? static_cast<QWidget*>(setup_SpeedButton6) : SpeedButton3)->setFocus();
        }
        panneau->hide();
    }
}

void TForm1::ouvre_le_mode_d_emploi() {
    const QString guide = platform::user_guide();
    if (!platform::file_exists(guide)) {
        platform::show_message(tr("Le mode d'emploi %1 est introuvable.").arg(platform::native_path(guide)));
        return;
    }
    const auto& ouvrir = platform::seams().open_document;
    if (ouvrir && !ouvrir(guide)) {
        platform::show_message(tr("Le mode d'emploi %1 n'a pu être ouvert : aucun programme du bureau ne l'affiche.")
                                   .arg(platform::native_path(guide)));
    }
}
