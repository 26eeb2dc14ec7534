// Saving the comment beside the data file.
#include "app/tform1.h"

void TForm1::SpeedButton_commentClick() {}

