#pragma once
// The "partage" tab of the analysis window: "partager le run" serves the run
// as a read-only page (share/) to a phone or another computer: the figures,
// tau ± sigma, the rate and its plot, the alarm, as the window shows them
// after each load, to whoever has the whole address with its token. Off at
// start; on the loopback address unless "sur le réseau" is ticked; a new token
// at each start unless "garder l'adresse" keeps it (with its port and the
// choice of the network) in the settings folder. The address is shown with its
// QR code.
#include "share/run_server.h"

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>

class TForm1;
class FenetreAjustement;

class OngletPartage : public QWidget {
    Q_OBJECT
public:
    OngletPartage(TForm1& form, FenetreAjustement& fenetre, QWidget* parent);

    QPushButton* Bouton_partager = nullptr;  // "partager le run", checkable
    QCheckBox* CheckBox_reseau = nullptr;    // "sur le réseau"
    QCheckBox* CheckBox_garder = nullptr;    // "garder l'adresse"
    QSpinBox* SpinBox_port = nullptr;        // 0: a free port
    QLabel* Label_adresse = nullptr;         // the whole address, token included
    QLabel* Label_qr = nullptr;              // its QR code
    QLabel* Label_etat_partage = nullptr;    // what is shared, or why it cannot be

    bool partage() const { return serveur_.running(); }
    const share::RunServer& serveur() const { return serveur_; }

    // Sharing started or stopped (the button's state).
    void partage_change(bool actif);
    // The page made again from what the window shows: after a load or a fit
    // (`graphes`), or after an alarm change (the plots kept).
    void publie(bool graphes = true);

private:
    TForm1& form_;
    FenetreAjustement& fenetre_;
    share::RunServer serveur_;
    QDateTime recharge_;  // the time of the last load

    void garde_ou_oublie();
};
