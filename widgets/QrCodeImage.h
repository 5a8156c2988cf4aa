#pragma once

#include <QByteArray>
#include <QPixmap>
#include <QString>
#include <QVector>

// A text as a black-and-white QR code, each module m x m pixels, without a
// quiet zone. A text that no QR code can hold gives a null pixmap.
class QrCodeImage final
{
public:
    // The magnification is kept within 1 to 4.
    QrCodeImage(const QString &text, int magnification);

    QPixmap pixmap() const { return m_pixmap; }
    // The lines of the image in XPM form; empty when there is no image.
    const QVector<QByteArray> &xpmLines() const { return m_xpmLines; }

private:
    QPixmap m_pixmap;
    QVector<QByteArray> m_xpmLines;
};
