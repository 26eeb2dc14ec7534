#include "plot/rendering.h"

#include <QFontMetrics>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>

namespace {
QStringList avertissements;
void retient(QtMsgType type, const QMessageLogContext&, const QString& texte) {
    if (type != QtDebugMsg && type != QtInfoMsg) avertissements << texte;
}
}  // namespace

// The plot's text is sized by its character cell (ascent + descent), not by its
// letters: the cell is the image height div 25, or one pixel for an image
// under 25 pixels. 343 and 95 are the heights of the window's two plots.
TEST(PoliceGraphe, CellHeightIsTheImageHeightDivTwentyFive) {
    avertissements.clear();
    const QtMessageHandler avant = qInstallMessageHandler(retient);
    QImage image(16, 16, QImage::Format_RGB32);  // the resolution of the plots' images
    for (int hauteur : {343, 95, 0, 1, 24, 25, 49, 50, 130, 200, 480, 1000}) {
        const QFontMetrics mesures(police_graphe(hauteur), &image);
        EXPECT_NEAR(mesures.ascent() + mesures.descent(), std::max(1, hauteur / 25), 1) << "image height " << hauteur;
    }
    qInstallMessageHandler(avant);
    EXPECT_TRUE(avertissements.isEmpty()) << avertissements.join(u'\n').toStdString();
}
