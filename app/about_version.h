#pragma once
// The about panel's lines under its other lines: the program's version and,
// for an installed program, where its documentation is.
class QLabel;
class QWidget;

QLabel* montre_la_version(QWidget* panneau_a_propos);
