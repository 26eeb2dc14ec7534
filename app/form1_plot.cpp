// Redrawing a plot onto its image.
#include "app/tform1.h"

void TForm1::trace_graphe(int) {}

