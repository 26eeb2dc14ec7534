// Every control of the main window, found by its name, with its caption,
// default text, check state and hint; sizes; a layout where nothing overlaps
// and every caption fits.
#include "app/tform1.h"
#include "support/mouse.h"
#include "support/qstring_print.h"
#include "support/recorder.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

template <class W>
W* find(const TForm1& form, const char* name) {
    return form.findChild<W*>(QString::fromLatin1(name));
}

}  // namespace

TEST(MainWindow, IsTheOneFormWithItsCaptionFontAndSize) {
    TemporaryProgramFolder folder;
    TForm1 form;
    EXPECT_EQ(form.objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(Form1, &form);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("v  o  r  n  s"));
    EXPECT_EQ(form.font().pointSize(), 8);
    form.show();
    EXPECT_EQ(form.frameGeometry().size(), QSize(1063, 803));
    ASSERT_NE(form.Timer1, nullptr);
    EXPECT_EQ(form.Timer1->objectName(), QStringLiteral("Timer1"));
    EXPECT_EQ(form.Timer1->interval(), 1000);
    EXPECT_TRUE(form.Timer1->isActive());
}

// The captions are the construction's own texts; here the naming contract
// (every control found by its name), the texts with accents, and the frames.
TEST(MainWindow, ControlsAreFoundByTheirNamesWithTheirTexts) {
    TemporaryProgramFolder folder;
    TForm1 form;
    for (const char* name : {"Label3", "Label7", "StaticText1", "StaticText3", "Label40", "Label17", "Label25",
                             "Label27", "Label33", "Label35", "Label37", "Label38", "Label39", "Label15"}) {
        EXPECT_NE(find<QLabel>(form, name), nullptr) << name;
    }
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"Label42", "durée totale (moyenne classe) = "}, {"Label24", "évènements ="},
        {"Label32", "Cm, événemets à vie moyenne ="},    {"Label36", "Activité initiale = C0 / durée d'acquisition ="},
        {"StaticText8", "associée à un fichier texte"},
    };
    for (const Case& c : cases) {
        auto* l = find<QLabel>(form, c.name);
        ASSERT_NE(l, nullptr) << c.name;
        EXPECT_EQ(l->text(), u(c.text)) << c.name;
    }
    // Static texts have a sunken frame; the about lines are vorns's own.
    for (const char* name : {"StaticText7", "StaticText1", "StaticText2", "StaticText3", "Setupo", "StaticText4",
                             "StaticText8", "StaticText5", "StaticText6", "StaticText9"}) {
        auto* l = find<QLabel>(form, name);
        ASSERT_NE(l, nullptr) << name;
        EXPECT_EQ(l->frameShadow(), QFrame::Sunken) << name;
        EXPECT_FALSE(l->text().isEmpty()) << name;
    }
    auto* web = find<QLineEdit>(form, "Edit4");
    ASSERT_NE(web, nullptr);
    EXPECT_TRUE(web->isReadOnly());
}

TEST(MainWindow, FieldsButtonsAndCheckBoxesHaveTheirDefaults) {
    TemporaryProgramFolder folder;
    TForm1 form;
    const std::pair<const char*, const char*> fields[] = {{"Edit1", "150"}, {"Edit2", "1000"}, {"Edit6", "800"},
                                                          {"Edit7", "100"}, {"Edit8", "10"},   {"Edit5", "5"},
                                                          {"Edit3", "2"}};
    for (const auto& [name, text] : fields) {
        auto* e = find<QLineEdit>(form, name);
        ASSERT_NE(e, nullptr) << name;
        EXPECT_EQ(e->text(), QString::fromLatin1(text)) << name;
        EXPECT_FALSE(e->isReadOnly()) << name;
    }
    // Every button of the window is flat; the scale buttons' captions are in their own tests.
    for (QToolButton* b : form.findChildren<QToolButton*>()) EXPECT_TRUE(b->autoRaise()) << b->objectName();
    EXPECT_FALSE(form.setup_SpeedButton6->icon().isNull()) << "the setup button shows a picture";

    const std::tuple<const char*, const char*, bool> checks[] = {
        {"sound_CheckBox8", "sound", false},          {"autoscale_X_CheckBox7", "autoscale", true},
        {"autoscale_Y_CheckBox8", "autoscale", true}, {"CheckBox1", "autoscale", true},
        {"CheckBox2", "test file time / size", true},
    };
    for (const auto& [name, caption, checked] : checks) {
        auto* c = find<QCheckBox>(form, name);
        ASSERT_NE(c, nullptr) << name;
        EXPECT_EQ(c->text(), QString::fromLatin1(caption)) << name;
        EXPECT_EQ(c->isChecked(), checked) << name;
    }

    auto* group = find<QGroupBox>(form, "RadioGroup2");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), u("durée totale"));
    ASSERT_NE(form.RadioGroup2_items->button(0), nullptr);
    ASSERT_NE(form.RadioGroup2_items->button(1), nullptr);
    EXPECT_EQ(form.RadioGroup2_items->button(0)->text(), u("moyenne de chaque classe ="));
    EXPECT_EQ(form.RadioGroup2_items->button(1)->text(), u("centre de chaque classe     ="));
    EXPECT_EQ(form.RadioGroup2_items->checkedId(), 0);
    EXPECT_EQ(form.RadioGroup2_items->button(0)->parentWidget(), group);
}

TEST(MainWindow, PanelsImagesAndMemos) {
    TemporaryProgramFolder folder;
    TForm1 form;
    for (Panel* p : form.findChildren<Panel*>()) EXPECT_EQ(p->frameShadow(), QFrame::Raised) << p->objectName();
    EXPECT_EQ(form.Panel7->caption(), QStringLiteral("color window"));
    EXPECT_EQ(form.Panel5->caption(), QStringLiteral("Close"));
    EXPECT_EQ(form.setup_Panel4->color(), QColor(192, 192, 192));
    EXPECT_EQ(form.Panel4->color(), QColor(192, 192, 192));

    const std::pair<const char*, const char*> images[] = {
        {"Image1", "Panel2"}, {"Image2", "Panel3"}, {"Image5", "Panel8"}, {"Image4", "Panel4"}};
    for (const auto& [name, parent] : images) {
        auto* i = find<ImageWidget>(form, name);
        ASSERT_NE(i, nullptr) << name;
        EXPECT_EQ(i->parentWidget()->objectName(), QString::fromLatin1(parent)) << name;
    }
    EXPECT_EQ(form.Image2->toolTip(), QStringLiteral("[tau, 0,  tau,_ymax  ] [ 0, C0*10,  tau, 0 ]"));
    EXPECT_EQ(form.Image4->size(), QSize(337, 177));
    EXPECT_FALSE(form.Image4->image().isNull()) << "the about panel has its picture";
    EXPECT_FALSE(form.Image5->image().isNull()) << "the chooser has its folder picture";
    EXPECT_EQ(form.Label7->parentWidget(), form.Panel8);

    // Controls that other parts read live on the setup panel.
    for (const char* name : {"Edit5", "Panel1", "CheckBox2", "Edit3", "Panel7", "SpeedButton2", "Label10", "Label9"}) {
        auto* w = form.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->parentWidget(), form.setup_Panel4) << name;
    }

    auto* memo1 = find<LinesView>(form, "Memo1");
    ASSERT_NE(memo1, nullptr);
    EXPECT_EQ(memo1->lineCount(), 0);
    EXPECT_EQ(memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    for (const char* name : {"Memo2", "Memo4", "Memo3"}) {
        auto* m = find<QPlainTextEdit>(form, name);
        ASSERT_NE(m, nullptr) << name;
        EXPECT_TRUE(m->document()->isEmpty()) << name;
    }
    EXPECT_EQ(form.Memo2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.Memo4->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(form.Memo3->isHidden());
    EXPECT_TRUE(find<QLabel>(form, "Label_nb_ligne") != nullptr);
}

// Within the client area that a usual window frame leaves inside the outer
// 1063 x 803, no two visible controls overlap and every caption fits its control.
TEST(MainWindowLayout, NothingOverlapsAndEverythingFits) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();  // the captions of the panels take their places
    form.resize(1063 - 8, 803 - 38);
    const QRect client = form.rect();

    auto check_siblings = [&](QWidget* parent, QRect area) {
        std::vector<QWidget*> shown;
        for (QObject* o : parent->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || w->isWindow() || !w->isVisibleTo(parent)) continue;
            shown.push_back(w);
            EXPECT_TRUE(area.contains(w->geometry()))
                << w->objectName().toStdString() << " leaves " << parent->objectName().toStdString();
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                EXPECT_FALSE(shown[i]->geometry().intersects(shown[j]->geometry()))
                    << shown[i]->objectName().toStdString() << " overlaps " << shown[j]->objectName().toStdString();
            }
        }
    };
    check_siblings(form.contenu(), client);
    for (Panel* p : {form.setup_Panel4, form.Panel4, form.Panel8}) check_siblings(p, p->contentsRect());
    // The two hidden panels open side by side, inside the client area.
    EXPECT_TRUE(client.contains(form.setup_Panel4->geometry()));
    EXPECT_TRUE(client.contains(form.Panel4->geometry()));
    EXPECT_FALSE(form.setup_Panel4->geometry().intersects(form.Panel4->geometry()));

    // Open both panels so that their captions are laid out too.
    form.setup_SpeedButton6->click();
    form.SpeedButton3->click();
    for (QLabel* l : form.findChildren<QLabel*>()) {
        if (l->text().isEmpty()) continue;
        EXPECT_LE(l->sizeHint().width(), l->width()) << l->objectName().toStdString() << " is clipped";
        EXPECT_LE(l->sizeHint().height(), l->height()) << l->objectName().toStdString() << " is clipped";
    }
    for (QAbstractButton* b : form.findChildren<QAbstractButton*>()) {
        EXPECT_LE(b->sizeHint().width(), b->width()) << b->objectName().toStdString() << " is clipped";
    }
    for (QLineEdit* e : form.findChildren<QLineEdit*>()) {
        if (e == form.Edit4) continue;  // the program folder: as long as it is
        EXPECT_LE(e->sizeHint().height(), e->height() + 2) << e->objectName().toStdString();
    }
}

TEST(MainWindowLayout, TheMemosAndTheBottomBarFollowATallerWindow) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();
    const int memo = form.Memo1->height();
    const int bar = form.SpeedButton_exit->y();
    form.resize(form.width(), form.height() + 50);
    EXPECT_EQ(form.Memo1->height(), memo + 50);
    EXPECT_EQ(form.SpeedButton_exit->y(), bar + 50);
    EXPECT_EQ(form.Panel3->geometry(), QRect(form.Panel3->pos(), QSize(345, 345))) << "the plots keep their sizes";
}

TEST(DataMemo, HoldsManyLinesAndScrollsByLine) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();
    QStringList lines;
    for (int i = 0; i < 50000; ++i) lines.append(QStringLiteral("10:%1:00\t%2").arg(i % 60).arg(i));
    form.Memo1->setLines(lines);
    EXPECT_EQ(form.Memo1->lineCount(), 50000);
    EXPECT_EQ(form.Memo1->lines().last(), QStringLiteral("10:19:00\t49999"));
    const int visible = form.Memo1->verticalScrollBar()->pageStep();
    EXPECT_GT(visible, 10);
    EXPECT_EQ(form.Memo1->verticalScrollBar()->maximum(), 50000 - visible);
    form.Memo1->verticalScrollBar()->setValue(form.Memo1->verticalScrollBar()->maximum());
    EXPECT_FALSE(form.Memo1->grab().isNull());
    form.Memo1->clear();
    EXPECT_EQ(form.Memo1->lineCount(), 0);
    EXPECT_EQ(form.Memo1->verticalScrollBar()->maximum(), 0);
}

TEST(TexteNumero, ReadsTheClassListing) {
    TemporaryProgramFolder folder;
    TForm1 form;
    EXPECT_EQ(form.texte_numero(0), QStringLiteral("ww(0)=?")) << "an empty memo has no line";
    EXPECT_EQ(form.texte_numero(2), QStringLiteral("ww(2)=?"));
    form.Memo4->setPlainText(QStringLiteral("classe 1\nclasse 2"));
    EXPECT_EQ(form.texte_numero(1), QStringLiteral("classe 2"));
    EXPECT_EQ(form.texte_numero(2), QStringLiteral("ww(2)=?"));
    form.Memo4->appendPlainText(QStringLiteral("classe 3"));
    EXPECT_EQ(form.texte_numero(2), QStringLiteral("classe 3"));
    EXPECT_EQ(form.texte_numero(0), QStringLiteral("classe 1"));
}

// A click on the folder picture or the caption of the chooser is one click,
// not also a click on the panel around them.
TEST(Clicks, AClickReachesOnlyTheControlUnderTheMouse) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();
    int panel = 0;
    int label = 0;
    int image = 0;
    QObject::connect(form.Panel8, &Panel::clicked, [&] { ++panel; });
    QObject::connect(form.Label7, &ClickLabel::clicked, [&] { ++label; });
    QObject::connect(form.Image5, &ImageWidget::clicked, [&] { ++image; });
    clique(form.Label7, {5, 5});
    EXPECT_EQ(label, 1);
    EXPECT_EQ(panel, 0);
    clique(form.Image5, {5, 5});
    EXPECT_EQ(image, 1);
    EXPECT_EQ(panel, 0);
    clique(form.Panel8, {2, 2});
    EXPECT_EQ(panel, 1);
    EXPECT_EQ(label + image, 2);
    // A release outside the control (the mouse moved away) is no click.
    clique(form.Label7, {-20, -20});
    EXPECT_EQ(label, 1);
}
