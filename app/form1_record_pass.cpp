// The record pass over the lines of the data memo.
#include "app/tform1.h"

void TForm1::traite_les_lignes_memo() {}

