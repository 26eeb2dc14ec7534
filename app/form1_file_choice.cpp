// Choosing the data file from the "Target File" panel.
#include "app/tform1.h"

void TForm1::SpeedButton_1Click() {}

void TForm1::Panel8Click() {}

void TForm1::Image5Click() {}

void TForm1::Label7Click() {}

