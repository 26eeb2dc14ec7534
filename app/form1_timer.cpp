// The refresh tick that follows a growing data file, and its sound.
#include "app/tform1.h"

void TForm1::Timer1Timer() {}

void TForm1::joue_le_son() {}

