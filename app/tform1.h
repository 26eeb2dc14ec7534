#pragma once
// The one main window. It owns every control; its handlers read fields, call
// the widget-free logic and write captions. Each handler runs inside the
// error report, so an error becomes one message box and the program goes on.
// The window owns the run's state (RunState) and the session working on it
// (session/session.h), which reads the followed file and makes its records
// and classes; the window hands it the fields' choices and shows the result.
#include "app/controls.h"
#include "app/run_state.h"
#include "session/run_watch.h"
#include "session/session.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <memory>
#include <optional>

class FenetreAjustement;
class QScrollArea;

// What a statistics label shows without a figure: its text at start-up.
inline const QString TEXTE_SANS_CHIFFRE = QStringLiteral("...");

class TForm1 : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The run's state: the records, the class table, both plots' scales and
    // geometry, the followed file. Read it through the const overload; only
    // the window's handlers (and tests setting up a case) write it.
    RunState& etat() { return *etat_; }
    const RunState& etat() const { return *etat_; }
    // The session that reads the followed file and makes its records and
    // classes, on the run's state above; the window shows what it holds.
    RunSession& session() { return *session_; }

    // The window's content: every control below, at its designed place. It
    // fills the window, and scrolls inside it where the window is smaller
    // (on a screen smaller than the window); nothing is laid out again.
    QScrollArea* defilement() const { return defilement_; }
    QWidget* contenu() const { return contenu_; }

    // --- Header of the data file
    QLabel* Label3 = nullptr;  // "Line 1"
    QLabel* Label2 = nullptr;  // "Line 2"
    QLabel* Label1 = nullptr;  // "Line 3"
    QLabel* Label4 = nullptr;  // "Line 4"

    // --- Data file chooser
    Panel* Panel8 = nullptr;
    ImageWidget* Image5 = nullptr;
    ClickLabel* Label7 = nullptr;  // "Target File"

    // --- Counters
    QLabel* StaticText7 = nullptr;  // "number of records"
    QLabel* StaticText1 = nullptr;  // record count
    QLabel* StaticText2 = nullptr;  // "acqisition time [mn]"
    QLabel* StaticText3 = nullptr;  // acquisition time in minutes
    QLabel* Label40 = nullptr;      // the same in hours or days
    QCheckBox* sound_CheckBox8 = nullptr;

    // --- Scale controls
    QLabel* Label5 = nullptr;   // "scale"
    QLabel* Label12 = nullptr;  // "x"
    QLineEdit* Edit1 = nullptr;
    QToolButton* x_moins_SpeedButton3 = nullptr;  // "+"
    QToolButton* x_plus_SpeedButton3 = nullptr;   // "-"
    QCheckBox* autoscale_X_CheckBox7 = nullptr;
    QLabel* Label13 = nullptr;  // "y"
    QLineEdit* Edit2 = nullptr;
    QToolButton* y_moins_SpeedButton3 = nullptr;  // "+"
    QToolButton* y_plus_SpeedButton3 = nullptr;   // "-"
    QCheckBox* autoscale_Y_CheckBox8 = nullptr;
    QLabel* Label11 = nullptr;  // "X max"
    QLineEdit* Edit6 = nullptr;
    QToolButton* SpeedButton7 = nullptr;  // "+"
    QToolButton* SpeedButton5 = nullptr;  // "-"
    QLabel* Label16 = nullptr;            // "N max"
    QLineEdit* Edit7 = nullptr;
    QToolButton* SpeedButton9 = nullptr;  // "+"
    QToolButton* SpeedButton8 = nullptr;  // "-"
    QLabel* Label20 = nullptr;            // "Largeur de classe"
    QLabel* Label14 = nullptr;            // "dX"
    QLineEdit* Edit8 = nullptr;
    QToolButton* SpeedButton12 = nullptr;  // "+"
    QToolButton* SpeedButton10 = nullptr;  // "-"
    QCheckBox* CheckBox1 = nullptr;
    QLabel* Label6 = nullptr;   // "Nb of"
    QLabel* Label8 = nullptr;   // "classes"
    QLabel* Label21 = nullptr;  // " Xmax / dX ="
    QLabel* Label17 = nullptr;  // number of classes
    QLabel* Label18 = nullptr;  // "classes"

    // --- Data memo
    LinesView* Memo1 = nullptr;
    QLabel* Label_nb_ligne = nullptr;

    // --- Comment area
    QLabel* Label19 = nullptr;  // "Commentaires"
    QPlainTextEdit* Memo2 = nullptr;
    QLabel* Label39 = nullptr;                   // comment file name
    QToolButton* SpeedButton_comment = nullptr;  // "Enregistrer"

    // --- Plots
    Panel* Panel2 = nullptr;
    ImageWidget* Image1 = nullptr;
    Panel* Panel3 = nullptr;
    ImageWidget* Image2 = nullptr;
    QLabel* Label41 = nullptr;
    Panel* Panel6 = nullptr;  // load indicator strip

    // --- Statistics block
    QGroupBox* RadioGroup2 = nullptr;
    QButtonGroup* RadioGroup2_items = nullptr;  // item index = button id
    QLabel* Label42 = nullptr;
    QLabel* Label43 = nullptr;
    QLabel* Label22 = nullptr;
    QLabel* Label23 = nullptr;
    QLabel* Label24 = nullptr;
    QLabel* Label25 = nullptr;
    QLabel* Label26 = nullptr;
    QLabel* Label27 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label29 = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    QLabel* Label32 = nullptr;
    QLabel* Label33 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* Label35 = nullptr;
    QLabel* Label36 = nullptr;
    QLabel* Label37 = nullptr;

    // --- Class listing and trace
    QPlainTextEdit* Memo4 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;  // hidden

    // --- Bottom bar
    QToolButton* setup_SpeedButton6 = nullptr;
    QToolButton* SpeedButton3 = nullptr;  // "about"
    QToolButton* SpeedButton_exit = nullptr;
    QToolButton* SpeedButton_ajustement = nullptr;  // "ajustement": opens the fit window
    QLabel* Label15 = nullptr;                      // "Last line"
    QLabel* Label38 = nullptr;                      // "File name"
    // What the last load has to say of the file, in one line under the
    // comment and the class listing: why it gave no record, the lines it
    // skipped, why it could not be read. Empty when there is nothing to say.
    QLabel* Label_etat_chargement = nullptr;
    QToolButton* SpeedButton_acquitter = nullptr;  // "acquitter": silences a stopped run's alarm

    // --- Setup panel
    Panel* setup_Panel4 = nullptr;
    QLabel* Setupo = nullptr;
    QLabel* Label10 = nullptr;  // "refresh period [s]"
    QLineEdit* Edit5 = nullptr;
    Panel* Panel1 = nullptr;  // heartbeat
    QCheckBox* CheckBox2 = nullptr;
    QLabel* Label9 = nullptr;  // "thickness lines"
    QLineEdit* Edit3 = nullptr;
    Panel* Panel7 = nullptr;              // "color window"
    QLabel* Label_langue = nullptr;       // "langue"
    // The language of the next start: the desktop's, français, English, Deutsch.
    QComboBox* ComboBox_langue = nullptr;
    QToolButton* SpeedButton2 = nullptr;  // "Close"

    // --- About panel
    Panel* Panel4 = nullptr;
    QLabel* StaticText4 = nullptr;
    QLabel* StaticText8 = nullptr;
    ImageWidget* Image4 = nullptr;
    QLabel* StaticText5 = nullptr;  // author line
    QLabel* StaticText6 = nullptr;  // contact line
    QLineEdit* Edit4 = nullptr;     // web address, read-only
    QLabel* Label44 = nullptr;      // " => Logiciels"
    QLabel* StaticText9 = nullptr;  // laboratory line
    Panel* Panel5 = nullptr;        // "Close"

    // --- Non-visual
    QTimer* Timer1 = nullptr;
    QRgb ColorDialog1_colour = 0xFF000000;  // the colour last chosen in this run, black at first

    // --- Window colour
    void setColor(QColor color);
    QColor color() const;

    // --- Handlers and routines, by the control or the work they belong to
    void FormCreate();
    // "exit", and the window closed by the window manager: both ask first when
    // the comment memo holds text that its file does not.
    void SpeedButton_exitClick();

    void setup_SpeedButton6Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    // Opens the fit window, or brings it to the front.
    void SpeedButton_ajustementClick();
    // The fit window, once opened (it is then kept, hidden when closed).
    FenetreAjustement* fenetre_ajustement() const { return ajustement_; }
    // The run's rate and the alarm of a followed run that stopped.
    SurveillanceDuRun& surveillance() { return *surveillance_; }
    void Panel5Click();
    void Panel7Click();
    void ComboBox_langueChange();

    void SpeedButton_1Click();
    // What follows the choice of a data file, from the dialog or from the
    // command line: remembered, named in the captions and loaded.
    void choisit_le_fichier(const QString& choisi);
    void Panel8Click();
    void Image5Click();
    void Label7Click();
    void charge_le_fichier(const QString& nom);

    void Timer1Timer();
    void joue_le_son();  // raises the player's error

    void SpeedButton_commentClick();

    // The class pass with the fields' choices, applied (the session takes
    // them and makes its classes again, then they are shown); a field or a
    // choice refused raises, the width taken, and the session keeps its
    // last choices. A load takes the choices applied, never a field being
    // typed.
    void affecte_classe();
    void SpeedButton12Click();
    void SpeedButton10Click();
    void RadioGroup2Click();
    // dX or X max typed, applied when the user presses Enter or leaves it: the
    // class pass and the class plot, and the value remembered for the run's
    // unit when it is known.
    void Edit8Exit();
    void Edit6Exit();
    // A scale typed, applied as Enter or leaving it: its plot redrawn.
    void Edit1Exit();
    void Edit7Exit();
    // X max stepped by its buttons: taken by the session at the next load.
    void prend_x_max();
    // The value of dX or X max the user gave, remembered for the run's unit.
    void retiens_la_saisie(TypedPerUnit::Field champ);

    void ajuste_echelles();
    void ajuste_et_trace();
    void autoscale_X_CheckBox7Click();
    void autoscale_Y_CheckBox8Click();
    void x_plus_SpeedButton3Click();
    void x_moins_SpeedButton3Click();
    void y_plus_SpeedButton3Click();
    void y_moins_SpeedButton3Click();
    void x2_plus_SpeedButton3Click();
    void x2_moins_SpeedButton3Click();
    void y2_plus_SpeedButton3Click();
    void y2_moins_SpeedButton3Click();

    void trace_graphe(int n);

    // Line n (from 0) of the class listing Memo4, or "ww(n)=?".
    QString texte_numero(int n) const;

signals:
    // At the end of every load that went through, from a file choice or a
    // tick: the records, the class table and both plots are those of the file.
    // A load stopped by an error does not emit it.
    void chargement_termine();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<RunState> etat_ = std::make_unique<RunState>();
    std::unique_ptr<RunSession> session_ = std::make_unique<RunSession>(*etat_);  // gone before etat_
    FenetreAjustement* ajustement_ = nullptr;  // a child window of this one
    SurveillanceDuRun* surveillance_ = &session_->watch();  // the session's
    QScrollArea* defilement_ = nullptr;
    QWidget* contenu_ = nullptr;

    void creeLesControles();   // builds every control with its name, caption and default
    void relieLesControles();  // connects every control to its handler
    // The keyboard and the screen reader (app/form1_access.cpp): Tab's order,
    // the shortcuts, tool tips, accessible names, figures read with captions.
    void rendLesControlesAccessibles();
    void ferme_les_panneaux();      // Escape: the setup and about panels hidden
    // Whether the class pass may give the listing the focus: not from a
    // person typing in another control, nor from one moving by the keyboard.
    bool le_listing_peut_prendre_le_focus() const;
    void ouvre_le_mode_d_emploi();  // F1: the user's guide in the desktop's viewer

    // --- Start-up, panels, colour: private members
    // A settings file that could not be written: the short tone of a one-line
    // file, and the box when there is something to tell (once per file). One
    // that could not be read (its settings took their defaults): the status
    // line, which never waits for anyone (it may be read at start-up, before
    // a run that nobody watches).
    void signale_reglage(const EchecDuReglage& echec, bool a_dire);
    // --- Loading, record pass, comment: private members
    // The figures of the statistics block and of the class table as at
    // start-up: no figure of an earlier file or of an earlier state of the file
    // stays beside a load that has none.
    void efface_les_chiffres();
    // What the session's last reload made of the lines (the records, the
    // unit's class choices), then the classes: in the labels, the status line,
    // the fields, the listing; raises a class choice refused.
    void montre_les_enregistrements(const ReloadChanges& changes, const std::optional<QString>& erreur_des_classes);
    // The classes of the last pass: their count, the listing, the figures.
    void montre_les_classes(const ResultatClasses& r, const ChoixDesClasses& choix);
    // The status line: what the load and the class pass have to say.
    void montre_l_etat();
    // chargement_termine() emitted (the session's watch took the load).
    void termine_le_chargement();
    QString etat_du_chargement_;      // the load's part: unreadable file, skipped lines, no record
    QString etat_des_classes_;        // the class pass's part: no duration in the shown classes
    QString erreur_des_champs_;       // dX or X max applied and refused: said at every load until mended
    QString erreur_du_rechargement_;  // the last reload of a tick that failed, until the next one
    QString erreurs_du_tick_;         // the tick's other steps that failed: the period, the sound
    QString reglages_illisibles_;     // the settings files that could not be read, and what was taken
    QString etat_du_commentaire_;     // the comment file changed on disk: taken, or in conflict with the memo
    bool chiffres_montres_ = false;   // the statistics labels hold figures (of the file loaded)
    // The box of a file choice: what the load has to say that was not told
    // before (skipped lines, records past the capacity), shown once the chosen
    // file is loaded with its comment (never at a tick).
    QStringList a_signaler_au_choix_;
    // Whether the comment memo holds text that its file does not hold; then
    // asks whether to save it, quit without it or stay. True to quit.
    // Whether the comment memo may be left: true when its file holds it, or
    // after the person asked has saved it or chosen to drop it; false when
    // they cancel or the save fails. The question is one of two whole
    // sentences, whether there is a comment file to save into or not.
    bool garde_le_commentaire(const QString& texte_avec_fichier, const QString& texte_sans_fichier);
    bool peut_quitter();
    // Saves the memo into its comment file, which it then holds as read; a
    // failure is shown, a success when `confirme`. True when saved.
    bool enregistre_le_commentaire(bool confirme);
    // The memo takes the comment file's text as it is on disk.
    void prend_le_commentaire_du_fichier();
    // At each tick: a comment file changed on disk (another window, an
    // editor) is shown when the memo is as read, and said when both changed.
    void suit_le_commentaire();
    bool quitte_ = false;  // leaving was decided: no second question
public:
    // The load with or without the two plot redraws (the benchmark measures
    // both); charge_le_fichier(nom) is the load with them.
    enum class Traces { avec, sans };
    void charge_le_fichier(const QString& nom, Traces traces);

private:
    // The comment memo as lines: each line ends with a line break, so a last
    // empty paragraph is the end of the last line, not a line of its own.
    QStringList lignes_du_commentaire() const;
    void montre_le_commentaire(const QStringList& lignes);  // scrolled back to the first line
    // --- Class pass: private members
    // --- Scales and plots: private members
    // --- Refresh timer and sound: private members
public:
    // How many times the tick has reloaded the data file (read by tests).
    int rechargements_par_le_timer = 0;

private:
};

extern TForm1* Form1;
