// The scale fields of both plots: stepping buttons and autoscale.
#include "app/tform1.h"

void TForm1::lit_echelles(int) {}

void TForm1::ajuste_echelles() {}

void TForm1::ajuste_et_trace() {}

void TForm1::autoscale_X_CheckBox7Click() {}

void TForm1::autoscale_Y_CheckBox8Click() {}

void TForm1::x_plus_SpeedButton3Click() {}

void TForm1::x_moins_SpeedButton3Click() {}

void TForm1::y_plus_SpeedButton3Click() {}

void TForm1::y_moins_SpeedButton3Click() {}

void TForm1::x2_plus_SpeedButton3Click() {}

void TForm1::x2_moins_SpeedButton3Click() {}

void TForm1::y2_plus_SpeedButton3Click() {}

void TForm1::y2_moins_SpeedButton3Click() {}

