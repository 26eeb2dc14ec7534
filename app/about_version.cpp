#include "app/about_version.h"

#include "app/command_line.h"

#include <QLabel>

QLabel* montre_la_version(QWidget* panneau_a_propos) {
    auto* label = new QLabel(QStringLiteral("version ") + version_du_programme(), panneau_a_propos);
    label->setObjectName(QStringLiteral("Label_version"));
    label->setGeometry(29, 400, 337, 22);  // in the free space above "Close"
    label->setAlignment(Qt::AlignCenter);
    return label;
}
