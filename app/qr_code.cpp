#include "app/qr_code.h"

#include <QPainter>
#include <memory>
#include <qrencode.h>

QImage qr_image(const QString& text, int module) {
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code || module < 1) return {};
    constexpr int kQuiet = 4;
    const int width = code->width;
    QImage image((width + 2 * kQuiet) * module, (width + 2 * kQuiet) * module, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < width; ++y) {
        for (int x = 0; x < width; ++x) {
            // The low bit of each byte: the module is dark.
            if (code->data[y * width + x] & 1) {
                painter.fillRect((x + kQuiet) * module, (y + kQuiet) * module, module, module, Qt::black);
            }
        }
    }
    return image;
}
