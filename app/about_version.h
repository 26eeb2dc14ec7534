#pragma once
// The program's version, shown in the about panel under its other lines.
class QLabel;
class QWidget;

QLabel* montre_la_version(QWidget* panneau_a_propos);
