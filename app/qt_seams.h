#pragma once
// The Qt implementations of the message box, the dialogs and the sounds.
void installe_les_services_qt();
