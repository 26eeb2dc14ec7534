#pragma once
// What a screen reader is told of the windows' own kinds of controls, beyond
// what Qt tells of its own: a panel that is a button ("Target File", "color
// window", "Close" of the about panel), a figure read with its caption, and
// the red line of a run that stopped, an alert. The interfaces come from one
// factory that Qt asks for every object (installed once for the process).
#include <QString>

class QLabel;
class QWidget;

namespace accessibilite {

// The factory, installed before the window's controls are made.
void installe_la_fabrique();

// The figure `valeur` is read with its caption: "durée moyenne, Tau = 2.197",
// as the two labels stand side by side; the caption names it for Qt's
// relations too (its buddy). An empty caption leaves the figure alone.
void figure(QLabel* valeur, QLabel* libelle);

// A text of the program's (a status, a table's line) read after what it is:
// "cohérence des runs : …". While empty, its title alone names it.
void intitule(QLabel* texte, const QString& titre);

// The label is an alert: a screen reader says it as soon as it is shown.
void alerte(QLabel* ligne);
// Says the alert's line again: the alert event, for the platforms whose
// bridge forwards it (the label's showing is what AT-SPI forwards).
void annonce(QLabel* ligne);
// How many times the label's alert was said (read by tests: the offscreen
// platform has no screen reader to hear it).
int annonces(const QLabel* ligne);

// The accessible name, and the description, which is also the tool tip.
void nomme(QWidget* w, const QString& nom, const QString& description = {});

}  // namespace accessibilite
