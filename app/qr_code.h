#pragma once
// The QR code of a text (the shared run's address), made by libqrencode and
// drawn as black squares on white with its quiet zone of four modules.
#include <QImage>
#include <QString>

// `module` pixels a module; a null image when the text cannot be encoded.
QImage qr_image(const QString& text, int module);
