// Start-up of the main window and the exit.
#include "app/tform1.h"

void TForm1::FormCreate() {}

void TForm1::SpeedButton_exitClick() {}

void TForm1::closeEvent(QCloseEvent* event) { QWidget::closeEvent(event); }
