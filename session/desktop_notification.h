#pragma once
// The desktop's notification, through the session bus's notification service
// where one is reachable; nothing where none is (a lab PC reached over ssh).
// The window's seam and `vorns-fit --follow` say a stopped run through it.
#include <QString>

void notify_desktop(const QString& title, const QString& text);
