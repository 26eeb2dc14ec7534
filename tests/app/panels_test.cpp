// The setup and about panels and the window colour choice.
#include "app/tform1.h"
#include "support/mouse.h"
#include "support/recorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

QByteArray colour_lines(const char* r, const char* g, const char* b) {
    QByteArray out = QByteArray(r) + "\r\n" + g + "\r\n" + b + "\r\n";
    for (int i = 4; i <= 20; ++i) out += "\r\n";
    return out;
}

}  // namespace

TEST(SetupPanel, TheSetupButtonTogglesAndCloseAlwaysHides) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();
    EXPECT_FALSE(form.setup_Panel4->isVisible());
    form.setup_SpeedButton6->click();
    EXPECT_TRUE(form.setup_Panel4->isVisible());
    form.setup_SpeedButton6->click();
    EXPECT_FALSE(form.setup_Panel4->isVisible());

    form.SpeedButton2->click();  // Close on a hidden panel
    EXPECT_FALSE(form.setup_Panel4->isVisible());
    form.setup_SpeedButton6->click();
    form.SpeedButton2->click();
    EXPECT_FALSE(form.setup_Panel4->isVisible());
    form.setup_SpeedButton6->click();
    EXPECT_TRUE(form.setup_Panel4->isVisible()) << "the toggle goes on from the closed state";
}

TEST(AboutPanel, TheAboutButtonTogglesAndItsClosePanelHides) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();
    form.SpeedButton3->click();
    EXPECT_TRUE(form.Panel4->isVisible());
    form.SpeedButton3->click();
    EXPECT_FALSE(form.Panel4->isVisible());
    form.SpeedButton3->click();
    clique(form.Panel5);
    EXPECT_FALSE(form.Panel4->isVisible());
    clique(form.Panel5);
    EXPECT_FALSE(form.Panel4->isVisible());
}

TEST(Panels, AreIndependentOfEachOther) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();
    form.setup_SpeedButton6->click();
    form.SpeedButton3->click();
    EXPECT_TRUE(form.setup_Panel4->isVisible());
    EXPECT_TRUE(form.Panel4->isVisible());
    clique(form.Panel5);
    EXPECT_TRUE(form.setup_Panel4->isVisible());
    form.SpeedButton3->click();
    form.SpeedButton2->click();
    EXPECT_TRUE(form.Panel4->isVisible());
    EXPECT_FALSE(form.setup_Panel4->isVisible());
}

TEST(ColourChoice, StoresTheComponentsAsLinesOneToThree) {
    TemporaryProgramFolder folder;
    TForm1 form;
    form.show();
    form.setup_SpeedButton6->click();
    recorder().colour_answers.push_back(qRgb(255, 0, 0));
    clique(form.Panel7);
    ASSERT_EQ(recorder().colour_requests.size(), 1u);
    EXPECT_EQ(QColor::fromRgb(recorder().colour_requests[0]), QColor(0, 0, 0)) << "black the first time";
    EXPECT_EQ(form.color(), QColor(255, 0, 0));
    EXPECT_EQ(read_bytes(folder.file(QStringLiteral("qrt_vorn.col"))), colour_lines("255", "0", "0"));
    EXPECT_TRUE(recorder().messages.isEmpty());

    // The dialog starts again from the last colour chosen.
    recorder().colour_answers.push_back(qRgb(12, 34, 56));
    clique(form.Panel7);
    ASSERT_EQ(recorder().colour_requests.size(), 2u);
    EXPECT_EQ(QColor::fromRgb(recorder().colour_requests[1]), QColor(255, 0, 0));
    EXPECT_EQ(read_bytes(folder.file(QStringLiteral("qrt_vorn.col"))), colour_lines("12", "34", "56"));

    // The next start takes the colour again.
    TForm1 next;
    EXPECT_EQ(next.color(), QColor(12, 34, 56));
}

TEST(ColourChoice, CancelChangesNothing) {
    TemporaryProgramFolder folder;
    TForm1 form;
    const QColor before = form.color();
    clique(form.Panel7);  // no answer scripted: the dialog is cancelled
    EXPECT_EQ(recorder().colour_requests.size(), 1u);
    EXPECT_EQ(form.color(), before);
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("qrt_vorn.col"))));

    recorder().colour_answers.push_back(qRgb(1, 2, 3));
    form.Panel7Click();
    recorder().colour_answers.push_back(std::nullopt);
    form.Panel7Click();
    EXPECT_EQ(form.color(), QColor(1, 2, 3));
    EXPECT_EQ(QColor::fromRgb(form.ColorDialog1_colour), QColor(1, 2, 3));
    recorder().colour_answers.push_back(std::nullopt);
    form.Panel7Click();
    EXPECT_EQ(QColor::fromRgb(recorder().colour_requests.back()), QColor(1, 2, 3)) << "a cancel keeps the last choice";
}

TEST(ColourChoice, AColourFileThatCannotBeWrittenStillColoursThisRun) {
    TemporaryProgramFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.file(QStringLiteral("qrt_vorn.col"))));
    TForm1 form;
    recorder().colour_answers.push_back(qRgb(0, 255, 0));
    form.Panel7Click();
    EXPECT_EQ(form.color(), QColor(0, 255, 0));
    EXPECT_EQ(recorder().messages.size(), 1);  // the file is named; the message itself is tested with the file
    EXPECT_TRUE(recorder().tones.empty());
}
