// Start-up of the main window: series colours, centring, the window colour
// from "qrt_vorn.col" and the failure path, the chooser colour, the images
// and the hidden panels (the exit: exit_test.cpp).
#include "app/application.h"
#include "app/tform1.h"
#include "support/recorder.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

const QColor kSilver(192, 192, 192);

void colour_file(const TemporaryProgramFolder& folder, const QByteArray& bytes) {
    write_bytes(folder.file(QStringLiteral("qrt_vorn.col")), bytes);
}

}  // namespace

TEST(FormCreate, WithoutAColourFileEverythingIsSetUp) {
    TemporaryProgramFolder folder;
    TForm1 form;
    RecordStore& record_store = form.etat().record_store;
    PlotFrame& plot_frame = form.etat().plot_frame;
    FileState& file_state = form.etat().file_state;
    EXPECT_TRUE(recorder().messages.isEmpty());
    EXPECT_EQ(plot_frame.couleur_serie[1], qRgb(128, 0, 0));
    EXPECT_EQ(plot_frame.couleur_serie[2], qRgb(0, 0, 255));
    EXPECT_EQ(record_store.serie_courante, 1);
    EXPECT_EQ(form.color(), QColor(201, 202, 203));
    EXPECT_EQ(form.Panel8->color(), QColor(237, 179, 99));
    // The images fill their panels inside the one-pixel bevel.
    EXPECT_EQ(form.Image1->geometry(), QRect(1, 1, 372, 95));
    EXPECT_EQ(form.Image2->geometry(), QRect(1, 1, 343, 343));
    EXPECT_EQ(form.Image1->bitmap().size(), QSize(372, 95));
    EXPECT_EQ(form.Image2->bitmap().size(), QSize(343, 343));
    // The hidden panels lie on the plot panels' top-left corners.
    EXPECT_EQ(form.setup_Panel4->pos(), form.Panel2->pos());
    EXPECT_EQ(form.Panel4->pos(), form.Panel3->pos());
    EXPECT_TRUE(form.setup_Panel4->isHidden());
    EXPECT_TRUE(form.Panel4->isHidden());
    EXPECT_TRUE(file_state.fichier_donnees.isEmpty());
}

// The file's format is tested with the settings; here the window takes its colour.
TEST(FormCreate, TheColourFileGivesTheWindowItsColour) {
    TemporaryProgramFolder folder;
    colour_file(folder, "300\r\n-1\r\n0\r\n");
    TForm1 form;
    EXPECT_EQ(form.color(), QColor(44, 255, 0));
    EXPECT_TRUE(recorder().messages.isEmpty());
}

// A colour line that is no whole number ("hello world", binary junk) takes
// its default, the status line names the file and what was taken, no box
// waits for anyone, and the rest of the start-up is done.
TEST(FormCreate, AColourLineThatIsNotAWholeNumberTakesItsDefaultAndTheStartUpGoesOn) {
    struct Case {
        const char* file;
        QColor colour;
        const char* told;
    };
    const Case cases[] = {
        {"hello world\r\n", QColor(201, 202, 203), "line 1: 'hello world' is not a valid integer value"},
        {"10\r\n1.5\r\n3\r\n", QColor(10, 202, 3), "line 2: '1.5' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        TemporaryProgramFolder folder;
        colour_file(folder, c.file);
        TForm1 form;
        EXPECT_TRUE(recorder().messages.isEmpty()) << recorder().messages.join(u'|').toStdString();
        EXPECT_EQ(form.color(), c.colour) << c.file;
        const QString etat = form.Label_etat_chargement->text();
        EXPECT_TRUE(etat.contains(QStringLiteral("qrt_vorn.col")) && etat.contains(QString::fromLatin1(c.told)) &&
                    etat.contains(QStringLiteral("default")))
            << etat.toStdString();
        EXPECT_EQ(form.Panel8->color(), QColor(237, 179, 99)) << c.file;
        EXPECT_EQ(form.Image2->geometry(), QRect(1, 1, 343, 343));
        EXPECT_EQ(form.setup_Panel4->pos(), form.Panel2->pos());
        EXPECT_EQ(form.Panel4->pos(), form.Panel3->pos());
    }
}

TEST(FormCreate, CentresTheWindowWithIntegerHalvesOrPutsItAtZero) {
    TemporaryProgramFolder folder;
    TForm1 form;
    QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const QRect area = screen->availableGeometry();
    struct Case {
        int width;
        int height;
        int left;
        int top;
    };
    const Case cases[] = {
        {area.width() - 100, area.height() - 60, 50, 30},
        {area.width() - 101, area.height() - 61, 50, 30},  // (101 / 2, 61 / 2) by integer division
        {area.width() - 1, area.height() - 1, 0, 0},
        {area.width(), area.height(), 0, 0},
        {area.width() + 300, area.height() - 2, 0, 1},
        {area.width() - 2, area.height() + 300, 1, 0},
        {1063, 803, 1063 < area.width() ? (area.width() - 1063) / 2 : 0,
         803 < area.height() ? (area.height() - 803) / 2 : 0},
    };
    for (const Case& c : cases) {
        form.resize(c.width, c.height);
        form.FormCreate();
        EXPECT_EQ(form.pos(), area.topLeft() + QPoint(c.left, c.top)) << c.width << " x " << c.height;
    }
}

TEST(Application, IsTitledVornsWithItsIconAndTheAboutPanelShowsItsVersion) {
    prepare_l_application();
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("vorns"));
    EXPECT_EQ(QGuiApplication::windowIcon().availableSizes(), (QList<QSize>{{48, 48}, {256, 256}}));
    // Even when a bad colour file ends the start-up early.
    TemporaryProgramFolder folder;
    colour_file(folder, "abc\r\n");
    TForm1 form;
    recorder().messages.clear();
    const auto* version = form.Panel4->findChild<QLabel*>(QStringLiteral("Label_version"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("version " VORNS_PROJECT_VERSION));
}
