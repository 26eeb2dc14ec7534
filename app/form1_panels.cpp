// The setup and about panels and the window colour choice.
#include "app/tform1.h"

void TForm1::setup_SpeedButton6Click() {}

void TForm1::SpeedButton2Click() {}

void TForm1::SpeedButton3Click() {}

void TForm1::Panel5Click() {}

void TForm1::Panel7Click() {}

