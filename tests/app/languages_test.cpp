// The windows in each language vorns speaks: every text a person reads in the
// first hour (a file opened that holds a bad line, both panels, the analysis
// window on each tab, the alarm of a run that stopped) is in that language,
// none of another's words; under the C locale the French source texts.
// ctest runs this test again on an English and a German desktop.
#include "app/fit_window.h"
#include "app/rate_tab.h"
#include "platform/numbers.h"
#include "platform/report.h"
#include "platform/translations.h"
#include "settings/language_choice.h"
#include "support/languages.h"
#include "support/timed_run.h"
#include "support/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include <memory>

namespace {

// The labels that show the data file's own lines, not the program's texts.
bool shows_the_file(const QWidget* w) {
    static const QStringList names = {"Label3", "Label2", "Label1", "Label4", "Label15", "Label38"};
    return names.contains(w->objectName());
}

// Every text of `window` and its widgets a person reads or hears.
QStringList texts_of(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (shows_the_file(w) || w->objectName().startsWith(QLatin1String("qt_"))) continue;
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription();
        if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
        if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->placeholderText();
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < c->count(); ++i) texts << c->itemText(i);
        }
        if (auto* t = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < t->count(); ++i) texts << t->tabText(i) << t->tabToolTip(i);
        }
    }
    texts.removeAll(QString());
    return texts;
}

// The first hour in the language installed: the texts of both windows and the
// messages, each with the other languages' words it holds.
QStringList first_hour(const QString& language) {
    double now = 0;
    QTemporaryDir data;
    auto window = std::make_unique<Fenetre>();
    TForm1& form = window->form;
    form.surveillance().prend_l_horloge([&now] { return now; });
    write_bytes(window->programme.file(QStringLiteral("ding1.wav")), "RIFF");
    write_bytes(window->programme.file(QStringLiteral("alarme.wav")), "RIFF");
    const QString file = data.filePath(QStringLiteral("run.txt"));
    write_bytes(file, timed_run(every(10, 99)) + "10:16:35\txyz\r\n");
    recorder().open_answers.push_back(file);
    emit form.Label7->clicked();
    form.setup_SpeedButton6->click();
    form.SpeedButton3->click();
    form.SpeedButton_ajustement->click();
    FenetreAjustement& analysis = *form.fenetre_ajustement();
    form.sound_CheckBox8->setChecked(true);
    append_bytes(file, timed_records({1000}, 200));
    const auto tick = [&](double when) {
        now = when;
        platform::report_errors([&] { form.Timer1Timer(); });
    };
    tick(0);
    tick(75);
    EXPECT_TRUE(form.surveillance().arrete());
    EXPECT_FALSE(analysis.onglet_taux->Label_alarme->isHidden());

    QStringList texts = texts_of(&form) + recorder().messages + recorder().notifications;
    for (int tab = 0; tab < analysis.Onglets->count(); ++tab) {
        analysis.Onglets->setCurrentIndex(tab);
        texts += texts_of(&analysis);
    }
    QStringList found;
    for (const QString& text : texts) {
        const QStringList words = foreign_words(language, text);
        if (!words.isEmpty()) found << words.join(u',') + QStringLiteral(" in: ") + text;
    }
    found.removeDuplicates();
    return found;
}

TEST(WindowLanguages, TheFirstHourSpeaksEnglishGermanOrTheFrenchSource) {
    platform::set_decimal_separator(QLatin1Char('.'));
    const QString desktop = platform::current_language();
    for (const char* language : {"en", "de"}) {
        ASSERT_EQ(platform::install_translations(QString::fromLatin1(language)), QString::fromLatin1(language));
        EXPECT_EQ(first_hour(QString::fromLatin1(language)), QStringList()) << language;
        recorder().clear();
    }
    // The desktop's language, as the program finds it at start.
    EXPECT_EQ(platform::install_translations(), desktop);
    if (desktop != QLatin1String("fr")) {
        EXPECT_EQ(first_hour(desktop), QStringList()) << desktop.toStdString();
        return;
    }
    // The French source, today's texts, English captions included.
    Fenetre window;
    EXPECT_EQ(window.form.Label7->text(), QStringLiteral("Target File"));
    EXPECT_EQ(window.form.StaticText2->text(), QStringLiteral("acqisition time [mn]"));
    EXPECT_EQ(window.form.Label26->text(), QStringLiteral("durée moyenne, Tau ="));
    EXPECT_EQ(window.form.SpeedButton_exit->text(), QStringLiteral("exit"));
}

}  // namespace

namespace {

// The setup panel's "langue": remembered for the next start, where the window
// shows it chosen; the texts of this start stay as they are.
TEST(WindowLanguages, TheSetupPanelsChoiceIsTakenAtTheNextStart) {
    Fenetre window;
    QComboBox* choice = window.form.ComboBox_langue;
    EXPECT_EQ(choice->currentData().toString(), QString()) << "the desktop's at first";
    choice->setCurrentIndex(choice->findData(QStringLiteral("de")));
    emit choice->activated(choice->currentIndex());
    EXPECT_EQ(lit_langue_choisie(), QStringLiteral("de"));
    EXPECT_EQ(window.form.Label7->text(), TForm1::tr("Target File"));
    TForm1 next;
    EXPECT_EQ(next.ComboBox_langue->currentData().toString(), QStringLiteral("de"));
    EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'\n');
}

}  // namespace

namespace {

// Where a shown caption of `window` is wider than its place, or a wrapped one
// taller.
void add_cut_captions(QWidget* window, QStringList& cut) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QString text;
        auto* label = qobject_cast<QLabel*>(w);
        if (label) text = label->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        if (text.isEmpty() || !w->isVisible() || w->window() != window) continue;
        int needed =
            qobject_cast<QAbstractButton*>(w) ? w->sizeHint().width() : w->fontMetrics().horizontalAdvance(text);
        int room = qobject_cast<QAbstractButton*>(w) ? w->width() : w->contentsRect().width();
        if (label && label->wordWrap()) {
            needed = label->heightForWidth(label->width());
            room = label->height();
        }
        if (needed > room) cut << QStringLiteral("%1 \"%2\" %3 > %4").arg(w->objectName(), text).arg(needed).arg(room);
    }
}

// The main window's fixed places with both panels shown, and the analysis
// window of a short run (its chi2 line a long sentence) on each tab.
QStringList cut_captions() {
    Fenetre window;
    window.form.resize(1063, 803);
    window.form.show();
    window.form.setup_SpeedButton6->click();
    window.form.SpeedButton3->click();
    QStringList cut;
    add_cut_captions(&window.form, cut);
    const QString run = QStringLiteral(VORNS_SOURCE_DIR "/fichiers/avec_commentaire.txt");
    window.file_state.fichier_donnees = run;
    window.form.charge_le_fichier(run);
    window.form.SpeedButton_ajustement->click();
    FenetreAjustement& analysis = *window.form.fenetre_ajustement();
    for (int tab = 0; tab < analysis.Onglets->count(); ++tab) {
        analysis.Onglets->setCurrentIndex(tab);
        QApplication::processEvents();
        add_cut_captions(&analysis, cut);
    }
    cut.removeDuplicates();
    return cut;
}

TEST(WindowLanguages, NoCaptionIsCutInAnyLanguage) {
    for (const char* language : {"fr", "en", "de"}) {
        platform::install_translations(QString::fromLatin1(language));
        EXPECT_EQ(cut_captions(), QStringList()) << language;
    }
    platform::install_translations();
}

}  // namespace
