#include "app/about_version.h"

#include "app/command_line.h"
#include "platform/files.h"
#include "platform/locations.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

// The manual page and the folder of the README, when the package installed them.
void montre_la_documentation(QWidget* panneau_a_propos) {
    const QString dossier = platform::documentation_folder();
    if (dossier.isEmpty()) return;
    auto* label = new QLabel(QCoreApplication::translate("app", "Aide : man vorns et %1").arg(platform::native_path(dossier)), panneau_a_propos);
    label->setObjectName(QStringLiteral("Label_documentation"));
    label->setGeometry(29, 424, 337, 22);  // under the version, above "Close"
    label->setAlignment(Qt::AlignCenter);
    label->setToolTip(QCoreApplication::translate("app", "man vorns, man vorns-fit, man vorns-acquisition ; %1")
                          .arg(platform::native_path(dossier + QStringLiteral("README.md"))));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

}  // namespace

QLabel* montre_la_version(QWidget* panneau_a_propos) {
    auto* label = new QLabel(QCoreApplication::translate("app", "version %1").arg(version_du_programme()), panneau_a_propos);
    label->setObjectName(QStringLiteral("Label_version"));
    label->setGeometry(29, 400, 337, 22);  // in the free space above "Close"
    label->setAlignment(Qt::AlignCenter);
    montre_la_documentation(panneau_a_propos);
    return label;
}
