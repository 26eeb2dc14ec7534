// The class pass: histogram of the durations and the lifetime figures.
#include "app/tform1.h"

void TForm1::affecte_classe() {}

void TForm1::SpeedButton12Click() {}

void TForm1::SpeedButton10Click() {}

void TForm1::RadioGroup2Click() {}

