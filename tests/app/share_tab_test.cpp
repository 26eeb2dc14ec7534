// The "partage" tab: "partager le run" serves the run the window shows, at the
// address it says with its QR code, after each load even with the window
// closed; the address kept only when asked, for its owner alone.
#include "app/fit_window.h"
#include "load_fixture.h"
#include "settings/settings_files.h"
#include "share/token.h"
#include "support/toy_durations.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpSocket>
#include <sys/stat.h>

namespace {

// An HTTP GET of `path` on 127.0.0.1:`port`, as a browser sends it; the body.
QByteArray get(quint16 port, const QString& path) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(5000)) return "refused";
    socket.write("GET " + path.toLatin1() + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    // The answer's head, then as many bytes as its Content-Length says.
    QByteArray answer;
    while (socket.waitForReadyRead(5000)) {
        answer += socket.readAll();
        const qsizetype end = answer.indexOf("\r\n\r\n");
        const QRegularExpressionMatch length =
            QRegularExpression(QStringLiteral("Content-Length: (\\d+)")).match(QString::fromLatin1(answer.left(end)));
        if (end >= 0 && length.hasMatch() && answer.size() - end - 4 >= length.captured(1).toLongLong()) break;
    }
    return answer.mid(answer.indexOf("\r\n\r\n") + 4);
}

class ShareTab : public DataFileWindow {
protected:
    QString run(int n) { return ecrit(QStringLiteral("run.txt"), run_file_bytes(toy_durations(5, n, 0.05, 10))); }
};

}  // namespace

TEST_F(ShareTab, ServesTheFiguresTheWindowShowsAtTheAddressItSays) {
    choisit(run(2000));
    form.SpeedButton_ajustement->click();
    FenetreAjustement& fenetre = *form.fenetre_ajustement();
    OngletPartage& partage = *fenetre.onglet_partage;
    EXPECT_FALSE(partage.partage());  // off at start
    partage.SpinBox_port->setValue(0);
    partage.Bouton_partager->click();
    ASSERT_TRUE(partage.partage()) << partage.Label_etat_partage->text();
    const QString url = partage.Label_adresse->text();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^http://127\\.0\\.0\\.1:(\\d+)(/run/[0-9a-f]{32}/)$")).match(url);
    ASSERT_TRUE(m.hasMatch()) << url;
    const quint16 port = static_cast<quint16>(m.captured(1).toUInt());
    const QString page = m.captured(2);
    EXPECT_FALSE(partage.Label_qr->pixmap().isNull());
    EXPECT_FALSE(partage.CheckBox_reseau->isEnabled());

    const auto same_as_window = [&](const char* moment) {
        const QJsonObject json = QJsonDocument::fromJson(get(port, page + QStringLiteral("run.json"))).object();
        // Written with 15 significant digits.
        EXPECT_NEAR(json[QStringLiteral("tau")].toDouble(), fenetre.resultat().tau, 1e-12 * fenetre.resultat().tau)
            << moment;
        EXPECT_EQ(json[QStringLiteral("events")].toDouble(), fenetre.resultat().events) << moment;
        const QString html = QString::fromUtf8(get(port, page));
        EXPECT_TRUE(html.contains(QStringLiteral("<dd id=\"tau\">%1</dd>").arg(fenetre.Label_tau->text()))) << moment;
        EXPECT_TRUE(html.contains(
            QStringLiteral("<dd id=\"records\">%1</dd>").arg(form.etat().record_store.nb_points[1])))
            << moment;
    };
    same_as_window("shared");
    // Closed, the window still fits each load for the page, which asks again
    // at the main window's refresh period.
    fenetre.close();
    form.Edit5->setText(QStringLiteral("7"));
    form.Timer1Timer();
    charge(run(2600));
    same_as_window("after a load, window closed");
    EXPECT_TRUE(QString::fromUtf8(get(port, page)).contains(QStringLiteral("data-period=\"7\"")));
    EXPECT_EQ(get(port, QStringLiteral("/run/0123456789abcdef0123456789abcdef/run.json")), QByteArray());

    partage.Bouton_partager->click();
    EXPECT_FALSE(partage.partage());
    EXPECT_EQ(get(port, page), QByteArray("refused"));
    EXPECT_TRUE(partage.Label_adresse->text().isEmpty());
}

TEST_F(ShareTab, KeepsTheAddressOnlyWhenAskedForItsOwnerAlone) {
    choisit(run(500));
    form.SpeedButton_ajustement->click();
    OngletPartage& partage = *form.fenetre_ajustement()->onglet_partage;
    const QString garde = chemin_du_reglage(share::kKeptAddressFile);
    partage.SpinBox_port->setValue(0);
    partage.Bouton_partager->click();
    const QString premiere = partage.Label_adresse->text();
    EXPECT_FALSE(QFile::exists(garde));
    partage.CheckBox_garder->click();
    ASSERT_TRUE(QFile::exists(garde));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(garde).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // Started again: the same address, its port taken from the file.
    partage.Bouton_partager->click();
    partage.Bouton_partager->click();
    EXPECT_EQ(partage.Label_adresse->text(), premiere);
    partage.CheckBox_garder->click();
    EXPECT_FALSE(QFile::exists(garde));
    partage.Bouton_partager->click();
    partage.SpinBox_port->setValue(0);
    partage.Bouton_partager->click();
    EXPECT_NE(partage.Label_adresse->text().section(QLatin1Char('/'), 4, 4),
              premiere.section(QLatin1Char('/'), 4, 4));  // a new token
}
