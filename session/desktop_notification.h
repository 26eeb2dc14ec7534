#pragma once
// The desktop's notification, through the session bus's notification service
// where one is reachable; nothing where none is (a lab PC reached over ssh).
// The window's seam and `vorns-fit --follow` say a stopped run through it.
#include "platform/seams.h"

#include <QString>

// A critical one (urgency 2) stays until it is dismissed or withdrawn; one of
// a tag replaces the tag's last.
void notify_desktop(const platform::Notification& notification);
// One of normal urgency, without a tag.
void notify_desktop(const QString& title, const QString& text);
// Takes back the notification of that tag, if it is still shown.
void withdraw_desktop(const QString& tag);
