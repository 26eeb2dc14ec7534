// The window on a French or German desktop. The C library then writes and
// reads numbers with a comma, and none of that may reach a figure: every text a
// load, the class pass and the number buttons write is the same as under the C
// locale, with the decimal mark the program uses in place of the point. Qt's
// own dialogs speak the language chosen.
#include "load_fixture.h"

#include "app/application.h"
#include "platform/numbers.h"
#include "platform/translations.h"
#include "support/process_locale.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>

namespace {
// The texts written from numbers, in a fixed order.
QStringList textes_des_nombres(const TForm1& f) {
    QStringList t;
    for (const QLabel* l : {f.StaticText1, f.StaticText3, f.Label40, f.Label_nb_ligne, f.Label17, f.Label43, f.Label23,
                            f.Label25, f.Label27, f.Label29, f.Label31, f.Label33, f.Label35, f.Label37}) {
        t << l->objectName() + QLatin1Char('=') + l->text();
    }
    for (const QLineEdit* e : {f.Edit1, f.Edit2, f.Edit6, f.Edit7, f.Edit8})
        t << e->objectName() + QLatin1Char('=') + e->text();
    t << f.Memo4->toPlainText() << f.Memo3->toPlainText();
    return t;
}
}  // namespace

TEST_F(DataFileWindow, FiguresAreTheSameDigitsUnderEveryProcessLocale) {
    const QString run = QStringLiteral(VORNS_SOURCE_DIR "/fichiers/muon_run.txt");
    QStringList reference;  // under the C locale with a point
    for (const char* nom : kProcessLocales) {
        ProcessLocale locale(nom);
        for (const QChar marque : {QLatin1Char('.'), QLatin1Char(',')}) {
            SCOPED_TRACE(std::string(nom) + " with '" + char(marque.unicode()) + "'");
            platform::set_decimal_separator(marque);
            const auto avec_marque = [&](const char* texte) {
                return QString::fromLatin1(texte).replace(QLatin1Char('.'), marque);
            };
            form.Edit1->setText(QStringLiteral("150"));
            form.Edit2->setText(avec_marque("302.5"));  // the records plot's duration scale
            form.Edit6->setText(QStringLiteral("800"));
            form.Edit8->setText(avec_marque("2.5"));  // classes of 2.5 units
            choisit(run);
            form.x_plus_SpeedButton3->click();  // x "-": one step down from the widened axis
            QStringList textes = textes_des_nombres(form);
            ASSERT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
            if (reference.isEmpty()) {
                reference = textes;
                continue;
            }
            for (qsizetype i = 0; i < textes.size(); ++i) {
                EXPECT_EQ(textes[i].toStdString(),
                          QString(reference[i]).replace(QLatin1Char('.'), marque).toStdString());
            }
        }
    }
    // The reference itself holds decimals, so that a garbled mark shows.
    EXPECT_TRUE(reference.join(u'\n').contains(QStringLiteral("2.5"))) << reference.join(u'\n').left(400).toStdString();
}

TEST(QtTranslations, QtsOwnDialogButtonsSpeakTheChosenLanguage) {
    struct Cas {
        const char* langue;
        const char* ouvrir;
        const char* annuler;
    };
    for (const Cas& c :
         {Cas{"fr", "&Ouvrir", "Annuler"}, Cas{"de", "&Öffnen", "Abbrechen"}, Cas{"en", "&Open", "Cancel"}}) {
        EXPECT_EQ(platform::install_translations(QString::fromLatin1(c.langue)), QString::fromLatin1(c.langue));
        QFileDialog dialogue;
        dialogue.setOption(QFileDialog::DontUseNativeDialog);
        dialogue.setAcceptMode(QFileDialog::AcceptOpen);
        const auto* boutons = dialogue.findChild<QDialogButtonBox*>();
        ASSERT_NE(boutons, nullptr);
        EXPECT_EQ(boutons->button(QDialogButtonBox::Open)->text().toStdString(), c.ouvrir);
        EXPECT_EQ(boutons->button(QDialogButtonBox::Cancel)->text().toStdString(), c.annuler);
    }
    platform::install_translations();
}
