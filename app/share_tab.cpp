#include "app/share_tab.h"

#include "analysis/formats/format.h"
#include "app/fit_window.h"
#include "app/qr_code.h"
#include "app/tform1.h"
#include "platform/files.h"
#include "settings/settings_files.h"
#include "share/token.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int kDefaultPort = 8765;

QString fichier_garde() { return chemin_du_reglage(share::kKeptAddressFile); }

}  // namespace

OngletPartage::OngletPartage(TForm1& form, FenetreAjustement& fenetre, QWidget* parent)
    : QWidget(parent), form_(form), fenetre_(fenetre) {
    setObjectName(QStringLiteral("OngletPartage"));
    auto* colonne = new QVBoxLayout(this);
    auto* explication = new QLabel(
        tr("La page montre le run en lecture seule : son nom, les chiffres, τ ± σ, le taux, l'alarme et les graphes, "
           "tels que cette fenêtre les montre après chaque rechargement ; jamais les données brutes. Elle est "
           "ouverte par qui a l'adresse entière, avec son jeton : sur cet ordinateur seul, ou sur le réseau du "
           "laboratoire si vous le choisissez."),
        this);
    explication->setWordWrap(true);
    colonne->addWidget(explication);

    auto* ligne = new QHBoxLayout;
    Bouton_partager = new QPushButton(tr("partager le run"), this);
    Bouton_partager->setObjectName(QStringLiteral("Bouton_partager"));
    Bouton_partager->setCheckable(true);
    Bouton_partager->setAutoDefault(false);
    Bouton_partager->setToolTip(tr("Sert la page du run à l'adresse montrée ci-dessous"));
    CheckBox_reseau = new QCheckBox(tr("sur le réseau"), this);
    CheckBox_reseau->setObjectName(QStringLiteral("CheckBox_reseau"));
    CheckBox_reseau->setToolTip(tr("Offre la page aux autres appareils du réseau, pas seulement à cet ordinateur"));
    CheckBox_garder = new QCheckBox(tr("garder l'adresse"), this);
    CheckBox_garder->setObjectName(QStringLiteral("CheckBox_garder"));
    CheckBox_garder->setToolTip(tr("Garde le jeton et le port d'un partage au suivant, dans le dossier des réglages"));
    auto* libelle_port = new QLabel(tr("port"), this);
    SpinBox_port = new QSpinBox(this);
    SpinBox_port->setObjectName(QStringLiteral("SpinBox_port"));
    SpinBox_port->setRange(0, 65535);
    SpinBox_port->setValue(kDefaultPort);
    SpinBox_port->setToolTip(tr("Le port de la page ; 0 : un port libre"));
    SpinBox_port->setAccessibleName(tr("port"));
    libelle_port->setBuddy(SpinBox_port);
    for (QWidget* w : std::initializer_list<QWidget*>{Bouton_partager, CheckBox_reseau, CheckBox_garder, libelle_port,
                                                      SpinBox_port}) {
        ligne->addWidget(w);
    }
    ligne->addStretch();
    colonne->addLayout(ligne);

    Label_adresse = new QLabel(this);
    Label_adresse->setObjectName(QStringLiteral("Label_adresse"));
    Label_adresse->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Label_adresse->setAccessibleName(tr("adresse de la page"));
    QFont gras = Label_adresse->font();
    gras.setBold(true);
    Label_adresse->setFont(gras);
    colonne->addWidget(Label_adresse);
    Label_qr = new QLabel(this);
    Label_qr->setObjectName(QStringLiteral("Label_qr"));
    Label_qr->setAccessibleName(tr("code QR de l'adresse de la page"));
    colonne->addWidget(Label_qr);
    Label_etat_partage = new QLabel(tr("Le run n'est pas partagé."), this);
    Label_etat_partage->setObjectName(QStringLiteral("Label_etat_partage"));
    Label_etat_partage->setWordWrap(true);
    colonne->addWidget(Label_etat_partage);
    colonne->addStretch();
    setTabOrder(Bouton_partager, CheckBox_reseau);
    setTabOrder(CheckBox_reseau, CheckBox_garder);
    setTabOrder(CheckBox_garder, SpinBox_port);
    setTabOrder(SpinBox_port, Label_adresse);

    // The address kept: its choices shown.
    QString pourquoi;
    if (const auto garde = share::read_kept_address(fichier_garde(), &pourquoi)) {
        CheckBox_garder->setChecked(true);
        CheckBox_reseau->setChecked(garde->network);
        SpinBox_port->setValue(garde->port);
    }

    connect(Bouton_partager, &QPushButton::toggled, this, &OngletPartage::partage_change);
    connect(CheckBox_garder, &QCheckBox::toggled, this, [this] { garde_ou_oublie(); });
    connect(&form_, &TForm1::chargement_termine, this, [this] { recharge_ = QDateTime::currentDateTime(); });
    connect(&form_.surveillance(), &SurveillanceDuRun::alarme_changee, this, [this] { publie(false); });
}

void OngletPartage::partage_change(bool actif) {
    if (!actif) {
        serveur_.stop();
        Label_adresse->clear();
        Label_qr->clear();
        Label_etat_partage->setText(tr("Le run n'est pas partagé."));
    } else if (!serveur_.running()) {
        QByteArray jeton = share::new_token();
        // The address kept: its token and its port.
        if (CheckBox_garder->isChecked()) {
            if (const auto garde = share::read_kept_address(fichier_garde())) {
                jeton = garde->token;
                if (garde->port != 0) SpinBox_port->setValue(garde->port);
            }
        }
        const QHostAddress adresse(CheckBox_reseau->isChecked() ? QHostAddress::Any : QHostAddress::LocalHost);
        if (!recharge_.isValid()) recharge_ = QDateTime::currentDateTime();
        publie(true);
        if (const auto refus = serveur_.start(adresse, static_cast<quint16>(SpinBox_port->value()), jeton)) {
            Label_etat_partage->setText(tr("Le run ne peut pas être partagé sur le port %1 : %2")
                                            .arg(SpinBox_port->value())
                                            .arg(*refus));
            const QSignalBlocker bloque(Bouton_partager);
            Bouton_partager->setChecked(false);
            return;
        }
        const QString url = serveur_.url();
        Label_adresse->setText(url);
        const QImage qr = qr_image(url, 4);
        Label_qr->setPixmap(QPixmap::fromImage(qr));
        Label_etat_partage->setText(CheckBox_reseau->isChecked()
                                        ? tr("Le run est partagé sur le réseau : qui a cette adresse voit la page.")
                                        : tr("Le run est partagé sur cet ordinateur seul."));
        garde_ou_oublie();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{CheckBox_reseau, SpinBox_port}) w->setEnabled(!actif);
}

void OngletPartage::garde_ou_oublie() {
    const std::optional<QString> echec =
        CheckBox_garder->isChecked()
            ? (serveur_.running() ? share::keep_address(fichier_garde(),
                                                        {serveur_.token(), serveur_.port(), CheckBox_reseau->isChecked()})
                                  : std::nullopt)
            : share::forget_address(fichier_garde());
    if (echec) {
        Label_etat_partage->setText(tr("L'adresse ne peut pas être gardée dans %1 : %2")
                                        .arg(platform::native_path(fichier_garde()), *echec));
    }
}

void OngletPartage::publie(bool graphes) {
    if (!serveur_.running() && !Bouton_partager->isChecked()) return;
    const RunState& etat = form_.etat();
    SurveillanceDuRun& surveillance = form_.surveillance();
    const bool enregistrements = etat.record_store.nb_points[1] > 0;
    const FollowedRunJson suivi{etat.file_state.fichier_donnees,
                                QString(),
                                etat.record_store.nb_points[1],
                                fenetre_.analyse_montree(),
                                etat.lignes_ignorees,
                                nom_du_format(etat.format),
                                enregistrements ? &surveillance.analyse_du_chargement(etat) : nullptr,
                                surveillance.arrete() ? surveillance.ligne_d_alarme() : QString()};
    // The run's refresh period; stopped, the page still asks again every 5 s.
    const double periode_run = form_.session().period_s();
    const double periode_s = periode_run > 0 ? periode_run : 5;
    serveur_.show(share::PageRun{suivi, recharge_, periode_s}, graphes);
}
